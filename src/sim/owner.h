// The owners a house can have: the player (0), the four rival investors (1..4) and the bank (5),
// which owns every house nobody else owns and also stands in for the anonymous outside buyer.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bv {

constexpr int32_t kOwnerPlayer = 0;
constexpr int32_t kOwnerBank = 5;
constexpr int32_t kOwnerCount = 5; // the player and the rivals; the bank's record follows them

// One owner, 100 bytes as kept in the saved game.
struct OwnerRecord {
    int32_t avatar; // 0..9 female names, 10..19 male names
    int32_t cash;   // dollars; may go negative
    int32_t creditRating;
    int32_t creditPoints;
    int32_t style;             // rivals: avatar mod 3
    int32_t renovationsDone;   // finished upgrades and renovations of both kinds this level
    int32_t completeRenosDone; // finished complete renovations this level
    int32_t housesSold;        // this level
    int32_t housesBought;      // this level
    int32_t thinkTimer;        // rivals: ticks until the next turn
    int32_t reserved[15];
};

static_assert(sizeof(OwnerRecord) == 100);

// The player, the rivals and the bank.
extern OwnerRecord owners[kOwnerCount + 1];

} // namespace bv

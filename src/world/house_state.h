// The run-time state of one house of the town (188 bytes, saved whole with the game). The map
// allocates one record per map house, zeroed; the simulation fills and changes them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bv {

struct HouseState {
    uint32_t forSale;
    int32_t askingPrice;
    uint32_t reserved8[5];
    int32_t level; // 0..4 stars; -1 after permanent damage
    uint32_t reserved32[4];
    int32_t monthsInArrears;
    int32_t extraDebt;
    int32_t mtgPrincipal;
    int32_t prevPurchasePrice;
    int32_t prevExtraDebt;
    int32_t purchasePrice;
    float mtgRate;
    int32_t mtgPayment;
    int32_t owner;
    uint32_t reserved84[2];
    int32_t renoKind;
    int32_t renoDuration;
    int32_t renoElapsed;
    uint32_t evicting;
    int32_t evictElapsed;
    uint32_t damagePending;
    int32_t damageCountdown;
    int32_t renterSinceMonth;
    int32_t renterSinceDay;
    int32_t rentLevel;
    int32_t purchaseDay;
    int32_t renterMood;
    uint32_t hasRenter;
    float applicantProgress;
    float wear;
    int32_t crankyMonths;
    int32_t daysListed;
    int32_t priceCuts;
    int32_t daysSinceCut;
    int32_t repairCost;
    int32_t listingCooldown;
    int32_t renterHistory;
    float buyerInterest;
    uint32_t bankHold;
};

static_assert(sizeof(HouseState) == 188);
static_assert(offsetof(HouseState, level) == 28);
static_assert(offsetof(HouseState, owner) == 80);
static_assert(offsetof(HouseState, renoKind) == 92);
static_assert(offsetof(HouseState, hasRenter) == 140);
static_assert(offsetof(HouseState, renterHistory) == 176);
static_assert(offsetof(HouseState, bankHold) == 184);

} // namespace bv

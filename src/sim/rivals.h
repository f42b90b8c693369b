// The four rival investors (owners 1..4). They play only with the advanced economy on. Each takes
// a turn every few frame ticks: it pays due repairs, tunes its rents, buys listed houses that look
// cheap for the economy (a player's house through the buyer-offer dialogs), and puts spare money
// into renovations and upgrades. Rivals never list a house: one leaves their hands only when the
// bank forecloses on it.
//
// Each rival has a style (avatar mod 3): 0 careful, 1 neutral, 2 bold.
#pragma once

#include <cstdint>

#include "sim/economy.h"

namespace bv {

// By economy index 0..6: a listing is a bargain while value x factor is above its asking price,
// and worth stretching for (bought at the seller's reserve without a cash reserve) under the
// larger factor.
extern const float bargainFactor[kEconomyLevels];
extern const float stretchFactor[kEconomyLevels];

// The longest wait between two turns (easy: 10 + 19).
constexpr int32_t kLongestThinkTicks = 29;

// Every frame of the board: each rival's think timer runs down by the frame's ticks; one that
// runs out (below 0) takes its turn and waits again. Nothing without the advanced economy.
void rivalsTick();
// One turn of rival `r` (1..4; any other id does nothing).
void rivalTurn(int32_t r);
// The ticks until the next turn at a difficulty (held to 0..2):
// 10 div (d + 1) + random(20) div (d + 1), so 10..29 easy, 5..14 normal, 3..9 hard.
int32_t rivalThinkTicks(int32_t difficulty);

// The listed house `r` would buy with the factor table: among listings `r` does not own whose
// asking price is within maxPurchase(r) and below trunc(value x factor), the one with the lowest
// asking / (value x factor); the earliest on a tie. -1 when there is none.
int32_t pickListing(int32_t r, const float (&factors)[kEconomyLevels]);
// The house of `r` to work on next: no work in progress, the lowest level, then the lowest
// current value, then the earliest. -1 when there is none.
int32_t pickWorkHouse(int32_t r);

} // namespace bv

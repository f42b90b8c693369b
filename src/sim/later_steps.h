// Steps the game clock calls into, declared in one place so the clock reads as the list of what
// happens each frame and each day: the market, repairs and renovation. (The level's goals hang on
// the calendar's hooks.)
// The rivals' turns (rivalsTick) live in sim/rivals.h.
#pragma once

#include <cstdint>

namespace bv {

// Every frame of the board, in this order after the day clock and the rivals' turns.
void houseFrameTimers(); // evictions, renovations and permanent-damage countdowns
void bankListingTimer(); // the bank putting houses on the market

// Each day, before the daily house loop.
void dailyWearStep(); // wear of rented houses and the damage it causes

// The market, from the daily listing step.
// The automatic price cut of a rival's or the bank's listing: the new asking price, or the
// current one when the seller keeps it.
int32_t automaticPriceCut(int32_t house);
// The anonymous outside buyer makes an offer on a listed house.
void outsideBuyerOffer(int32_t house);

} // namespace bv

// The town's houses as the simulation sees them: the run-time record of each house (HouseState,
// world/house_state.h) beside the map's fixed description (MapHouse, world/map.h), both indexed
// by the house's number, and the quantities every other part derives from them: current value,
// rent, the mood a renter would have, and the costs of work.
//
// Factors are 32-bit float constants; a product of money and a factor is formed in double
// precision from the float value and truncated toward zero (so 0.9 acts as 0.89999998: a rent of
// 1000 at 0.9 is 899).
#pragma once

#include <cstdint>

#include "world/house_state.h"
#include "world/map.h"

namespace bv {

constexpr int32_t kMaxLevel = 4;
constexpr int32_t kRentLow = 0;
constexpr int32_t kRentNormal = 1;
constexpr int32_t kRentHigh = 2;
constexpr int32_t kMoodHappy = 0;
constexpr int32_t kMoodNeutral = 1;
constexpr int32_t kMoodUnhappy = 2;

// The house shown in the house panel; -1 when none.
extern int32_t selectedHouse;

// The record of house `index`, or nullptr outside 0..houseCount-1.
HouseState* getHouse(int32_t index);
const MapHouse* getMapHouse(int32_t index);
HouseState* selectedHouseState();

// The level whose row the per-level tables use (rent factor, repair factor, applicant history):
// the level held to 0..4. A house at -1 (permanent damage) therefore rents, repairs and draws
// applicants like a level-0 house, while its value (which has no table) still drops below one.
int32_t tableLevel(int32_t level);

// baseValue raised by level x conditionScalar, then scaled by the month's economy factor.
// 0 for a bad index.
int32_t currentValue(int32_t index);
// The rent at a rent level (0 low, 1 normal, 2 high; above 2 counts as 2). 0 for a bad index.
int32_t rent(int32_t index, int32_t rentLevel);
int32_t currentRent(int32_t index);
// The mood (0 happy, 1 neutral, 2 unhappy) of the house's renter (or of its last one) at the
// given level and rent level. 1 for a bad index.
int32_t moodFor(int32_t index, int32_t level, int32_t rentLevel);
int32_t renterMoodOf(int32_t index);

int32_t upgradeCostOf(int32_t index);
int32_t renovationCost(int32_t index);
// A repair bill drawn when damage occurs (one draw of the game generator).
int32_t repairCostDraw(int32_t index);

int32_t housesOwnedBy(int32_t owner);
int32_t listedHousesOf(int32_t owner);
int32_t unlistedHousesOf(int32_t owner);
// The index of the n-th house (0-based, in house order) of `owner`, or -1.
int32_t nthHouseOf(int32_t owner, int32_t n);
// Other houses (listed ones only when listedOnly) whose value ratio
// currentValue(index) / currentValue(other), in 32-bit float, lies in [0.8, 1.2).
int32_t comparableListings(int32_t index, bool listedOnly);

// New game: every record zeroed, then owned by the bank, level 0 or 1 at random, normal rent.
void initHouses();

} // namespace bv

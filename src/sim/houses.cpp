#include "sim/houses.h"

#include <cstddef>
#include <cstring>

#include "core/random.h"
#include "sim/cash.h"
#include "sim/economy.h"
#include "sim/owner.h"
#include "sim/sim_settings.h"

namespace bv {

// The saved game stores the record whole, reserved words included: pin every field's place.
static_assert(sizeof(HouseState) == 188);
static_assert(offsetof(HouseState, forSale) == 0 && offsetof(HouseState, askingPrice) == 4);
static_assert(offsetof(HouseState, reserved8) == 8 && offsetof(HouseState, level) == 28);
static_assert(offsetof(HouseState, reserved32) == 32 && offsetof(HouseState, monthsInArrears) == 48);
static_assert(offsetof(HouseState, extraDebt) == 52 && offsetof(HouseState, mtgPrincipal) == 56);
static_assert(offsetof(HouseState, prevPurchasePrice) == 60 && offsetof(HouseState, prevExtraDebt) == 64);
static_assert(offsetof(HouseState, purchasePrice) == 68 && offsetof(HouseState, mtgRate) == 72);
static_assert(offsetof(HouseState, mtgPayment) == 76 && offsetof(HouseState, owner) == 80);
static_assert(offsetof(HouseState, reserved84) == 84 && offsetof(HouseState, renoKind) == 92);
static_assert(offsetof(HouseState, renoDuration) == 96 && offsetof(HouseState, renoElapsed) == 100);
static_assert(offsetof(HouseState, evicting) == 104 && offsetof(HouseState, evictElapsed) == 108);
static_assert(offsetof(HouseState, damagePending) == 112 && offsetof(HouseState, damageCountdown) == 116);
static_assert(offsetof(HouseState, renterSinceMonth) == 120 && offsetof(HouseState, renterSinceDay) == 124);
static_assert(offsetof(HouseState, rentLevel) == 128 && offsetof(HouseState, purchaseDay) == 132);
static_assert(offsetof(HouseState, renterMood) == 136 && offsetof(HouseState, hasRenter) == 140);
static_assert(offsetof(HouseState, applicantProgress) == 144 && offsetof(HouseState, wear) == 148);
static_assert(offsetof(HouseState, crankyMonths) == 152 && offsetof(HouseState, daysListed) == 156);
static_assert(offsetof(HouseState, priceCuts) == 160 && offsetof(HouseState, daysSinceCut) == 164);
static_assert(offsetof(HouseState, repairCost) == 168 && offsetof(HouseState, listingCooldown) == 172);
static_assert(offsetof(HouseState, renterHistory) == 176 && offsetof(HouseState, buyerInterest) == 180);
static_assert(offsetof(HouseState, bankHold) == 184);

int32_t selectedHouse = -1;

namespace {

constexpr float kLevelRentFactor[kMaxLevel + 1] = {0.9f, 1.05f, 1.3f, 1.6f, 2.0f};
constexpr float kRentLevelFactor[3] = {0.85f, 1.0f, 1.15f};
constexpr float kRepairFactor[kMaxLevel + 1] = {0.5f, 0.75f, 1.0f, 1.25f, 1.5f};
constexpr float kRenovationFactor = 0.8f;

bool validIndex(int32_t index) {
    return houseStates && mapHouses && index >= 0 && index < houseCount;
}

int32_t countHouses(int32_t owner, int32_t listed) { // listed: -1 any, 0 unlisted, 1 listed
    int32_t n = 0;
    for (int32_t i = 0; i < houseCount; ++i) {
        const HouseState& h = houseStates[i];
        if (h.owner != owner) continue;
        if (listed < 0 || (h.forSale != 0) == (listed == 1)) ++n;
    }
    return n;
}

} // namespace

HouseState* getHouse(int32_t index) {
    return validIndex(index) ? &houseStates[index] : nullptr;
}

const MapHouse* getMapHouse(int32_t index) {
    return validIndex(index) ? &mapHouses[index] : nullptr;
}

HouseState* selectedHouseState() {
    return getHouse(selectedHouse);
}

int32_t tableLevel(int32_t level) {
    return level < 0 ? 0 : (level > kMaxLevel ? kMaxLevel : level);
}

int32_t currentValue(int32_t index) {
    if (!validIndex(index)) return 0;
    const int32_t base = mapHouses[index].baseValue;
    const int32_t level = houseStates[index].level;
    // trunc(baseValue x level x conditionScalar): the scalar is a float widened to double.
    const double raise = static_cast<double>(base) * level * static_cast<double>(conditionScalar());
    const int32_t v = addSaturated(base, truncMoney(raise));
    return scaleMoney(v, economyValueFactor(currentEconomy()));
}

int32_t rent(int32_t index, int32_t rentLevel) {
    if (!validIndex(index)) return 0;
    const int32_t lv = tableLevel(houseStates[index].level);
    const int32_t rl = rentLevel < 0 ? 0 : (rentLevel > 2 ? 2 : rentLevel);
    const int32_t r = scaleMoney(mapHouses[index].baseRent, kLevelRentFactor[lv]);
    return scaleMoney(r, kRentLevelFactor[rl]);
}

int32_t currentRent(int32_t index) {
    const HouseState* h = getHouse(index);
    return h ? rent(index, h->rentLevel) : 0;
}

int32_t moodFor(int32_t index, int32_t level, int32_t rentLevel) {
    const HouseState* h = getHouse(index);
    if (!h) return kMoodNeutral;
    int64_t d = static_cast<int64_t>(h->renterHistory) - level;
    if (d < 0) d = -d;
    if (rentLevel == kRentHigh)
        d += 1;
    else if (rentLevel == kRentLow && d > 0)
        d -= 1;
    return d >= 2 ? kMoodUnhappy : static_cast<int32_t>(d);
}

int32_t renterMoodOf(int32_t index) {
    const HouseState* h = getHouse(index);
    return h ? moodFor(index, h->level, h->rentLevel) : kMoodNeutral;
}

int32_t upgradeCostOf(int32_t index) {
    const MapHouse* m = getMapHouse(index);
    return m ? m->upgradeCost : 0;
}

int32_t renovationCost(int32_t index) {
    const HouseState* h = getHouse(index);
    if (!h) return 0;
    const int32_t steps = saturate32(int64_t{kMaxLevel} - h->level);
    return scaleMoney(mulSaturated(upgradeCostOf(index), steps), kRenovationFactor);
}

int32_t repairCostDraw(int32_t index) {
    const HouseState* h = getHouse(index);
    if (!h) return 0;
    const int32_t divisor = 12 + static_cast<int32_t>(random(5));
    return scaleMoney(upgradeCostOf(index) / divisor, kRepairFactor[tableLevel(h->level)]);
}

int32_t housesOwnedBy(int32_t owner) {
    return countHouses(owner, -1);
}

int32_t listedHousesOf(int32_t owner) {
    return countHouses(owner, 1);
}

int32_t unlistedHousesOf(int32_t owner) {
    return countHouses(owner, 0);
}

int32_t nthHouseOf(int32_t owner, int32_t n) {
    if (n < 0) return -1;
    for (int32_t i = 0; i < houseCount; ++i)
        if (houseStates[i].owner == owner && n-- == 0) return i;
    return -1;
}

int32_t comparableListings(int32_t index, bool listedOnly) {
    if (!validIndex(index)) return 0;
    const float mine = static_cast<float>(currentValue(index));
    int32_t n = 0;
    for (int32_t i = 0; i < houseCount; ++i) {
        if (i == index || (listedOnly && !houseStates[i].forSale)) continue;
        const int32_t other = currentValue(i);
        if (other <= 0) continue; // no ratio to a worthless house
        const float ratio = mine / static_cast<float>(other);
        if (ratio >= 0.8f && ratio < 1.2f) ++n;
    }
    return n;
}

void initHouses() {
    if (!houseStates) return;
    std::memset(houseStates, 0, sizeof(HouseState) * static_cast<size_t>(houseCount > 0 ? houseCount : 0));
    for (int32_t i = 0; i < houseCount; ++i) {
        houseStates[i].owner = kOwnerBank;
        houseStates[i].level = static_cast<int32_t>(random(2));
        houseStates[i].rentLevel = kRentNormal;
    }
}

} // namespace bv

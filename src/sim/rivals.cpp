#include "sim/rivals.h"

#include "core/clock.h"
#include "core/random.h"
#include "core/state.h"
#include "sim/cash.h"
#include "sim/credit.h"
#include "sim/houses.h"
#include "sim/market.h"
#include "sim/owner.h"
#include "sim/owners.h"
#include "sim/portfolio.h"
#include "sim/repairs.h"
#include "sim/sim_settings.h"
#include "world/scenario.h"

namespace bv {

const float bargainFactor[kEconomyLevels] = {0.93f, 0.88f, 0.86f, 0.84f, 0.8f, 0.77f, 0.75f};
const float stretchFactor[kEconomyLevels] = {1.1f, 1.9f, 1.8f, 1.7f, 1.6f, 1.5f, 1.4f};

namespace {

constexpr int32_t kStyleCareful = 0;
constexpr int32_t kStyleBold = 2;

bool isRival(int32_t r) {
    return r >= kOwnerRivalFirst && r <= kOwnerRivalLast;
}

bool workInProgress(const HouseState& h) {
    return h.renoKind != kWorkNone || h.evicting != 0;
}

// A house of another owner (the bank and the rivals alike) that has missed a payment: the careful
// and neutral rivals read it as a sign of hard times and hold back.
bool othersInArrears() {
    for (int32_t i = 0; i < houseCount; ++i)
        if (houseStates[i].owner != kOwnerPlayer && houseStates[i].monthsInArrears > 0) return true;
    return false;
}

void payFirstRepair(int32_t r) {
    for (int32_t i = 0; i < houseCount; ++i) {
        const HouseState& h = houseStates[i];
        if (h.owner != r || !h.damagePending || h.repairCost > owners[r].cash) continue;
        payRepair(i);
        return;
    }
}

// Careful rivals keep every renter happy, neutral ones settle for not unhappy, bold ones charge
// the high rent whatever the renters think of it.
void adjustRents(int32_t r) {
    const int32_t style = owners[r].style;
    for (int32_t i = 0; i < houseCount; ++i) {
        HouseState& h = houseStates[i];
        if (h.owner != r) continue;
        const int32_t m = h.renterMood;
        if (style == kStyleBold) {
            if (h.rentLevel < kRentHigh) ++h.rentLevel;
            continue;
        }
        const int32_t dropAt = style == kStyleCareful ? kMoodNeutral : kMoodUnhappy;
        if (m >= dropAt) {
            if (h.rentLevel > kRentLow) --h.rentLevel;
        } else if (h.rentLevel < kRentHigh) {
            const int32_t next = moodFor(i, h.level, h.rentLevel + 1);
            if (style == kStyleCareful ? next == kMoodHappy : next != kMoodUnhappy) ++h.rentLevel;
        }
    }
}

// A rival's offer on one of the player's houses opens a dialog later; while one is still waiting
// the rival leaves the player's houses alone.
bool mayBidOn(int32_t house) {
    const HouseState* h = getHouse(house);
    if (!h || h->listingCooldown >= 1) return false;
    return h->owner != kOwnerPlayer || !playerOfferPending();
}

void bargainPurchase(int32_t r) {
    const int32_t h = pickListing(r, bargainFactor);
    if (h >= 0 && mayBidOn(h)) buyerOffer(r, h);
}

void stretchPurchase(int32_t r) {
    const int32_t h = pickListing(r, stretchFactor);
    if (h < 0 || !houseStates[h].forSale || !mayBidOn(h)) return;
    const int32_t price = sellerReserve(h);
    if (houseStates[h].owner == kOwnerPlayer)
        offerOnPlayerHouse(r, h, price);
    else
        purchase(r, h, price);
}

void renovationDecision(int32_t r) {
    const int32_t h = pickWorkHouse(r);
    if (h < 0 || houseStates[h].level >= 3) return;
    const int32_t c = renovationCost(h);
    const int32_t cash = owners[r].cash;
    if (c >= cash) return;
    const int32_t cf = cashFlow(r);
    if (cf > 0 || static_cast<int64_t>(c) < static_cast<int64_t>(cash) + cf) startCompleteReno(h);
}

// The careful rival's first concern: an unhappy renter gets a better house when the money after
// this month's payments allows. True when it upgraded one.
bool upgradeForUnhappyRenter(int32_t r, int32_t out) {
    for (int32_t i = 0; i < houseCount; ++i) {
        const HouseState& h = houseStates[i];
        if (h.owner != r || h.renterMood != kMoodUnhappy || h.level >= kMaxLevel || workInProgress(h))
            continue;
        const int64_t spare = static_cast<int64_t>(owners[r].cash) - out;
        if (upgradeCostOf(i) >= spare) return false;
        startUpgrade(i);
        return true;
    }
    return false;
}

void upgradeDecision(int32_t r) {
    const int32_t style = owners[r].style;
    const int32_t cf = cashFlow(r);
    const int32_t out = mortgageOutgo(r);
    if (style == kStyleCareful) {
        if (cf < 0) return;
        if (upgradeForUnhappyRenter(r, out)) return;
    }
    // Improving ahead of a downturn, while the rents still more than cover the mortgages.
    if (!economyWorsensSoon() || cf < 1) return;
    const int32_t h = pickWorkHouse(r);
    if (h < 0) return;
    const int64_t cash = owners[r].cash;
    const int64_t reserve = style == kStyleCareful ? int64_t{out} * 2 : int64_t{out};
    if (reserve >= cash) return;
    if (style != kStyleBold && othersInArrears()) return;
    // Never work the rival cannot pay for.
    if (canUpgrade(h)) startUpgrade(h);
}

void runDownCooldowns() {
    for (int32_t i = 0; i < houseCount; ++i) {
        HouseState& h = houseStates[i];
        if (h.listingCooldown > 0) h.listingCooldown = addSaturated(h.listingCooldown, -frameTicks);
    }
}

} // namespace

int32_t rivalThinkTicks(int32_t difficulty) {
    const int32_t d = difficulty < 0 ? 0 : (difficulty > 2 ? 2 : difficulty);
    return 10 / (d + 1) + static_cast<int32_t>(random(20)) / (d + 1);
}

void rivalsTick() {
    if (!advancedEconomyOn()) return;
    for (int32_t r = kOwnerRivalFirst; r <= kOwnerRivalLast; ++r) {
        OwnerRecord& o = owners[r];
        // A timer read from a damaged save cannot hold a rival back for longer than one wait.
        if (o.thinkTimer > kLongestThinkTicks) o.thinkTimer = kLongestThinkTicks;
        o.thinkTimer = addSaturated(o.thinkTimer, -frameTicks);
        if (o.thinkTimer >= 0) continue;
        rivalTurn(r);
        owners[r].thinkTimer = rivalThinkTicks(currentDifficulty);
    }
    // The listings' cooldowns count frame ticks, however many rivals there are.
    runDownCooldowns();
}

void rivalTurn(int32_t r) {
    if (!isRival(r)) return;
    payFirstRepair(r);
    adjustRents(r);
    bargainPurchase(r);
    // Work on houses only while the bank still holds fewer than half of them.
    if (int64_t{housesOwnedBy(kOwnerBank)} * 2 < houseCount) {
        renovationDecision(r);
        upgradeDecision(r);
    }
    stretchPurchase(r);
}

int32_t pickListing(int32_t r, const float (&factors)[kEconomyLevels]) {
    if (!isRival(r)) return -1;
    int32_t e = currentEconomy();
    e = e < 0 ? 0 : (e >= kEconomyLevels ? kEconomyLevels - 1 : e);
    const int32_t limit = maxPurchase(r);
    int32_t best = -1;
    int64_t bestAsking = 0, bestWorth = 1;
    for (int32_t i = 0; i < houseCount; ++i) {
        const HouseState& h = houseStates[i];
        if (!h.forSale || h.owner == r || h.askingPrice > limit) continue;
        const int32_t worth = scaleMoney(currentValue(i), factors[e]);
        if (worth <= 0 || worth <= h.askingPrice) continue;
        // asking / worth below the best one's, compared exactly as cross products: a tie keeps
        // the earlier house.
        if (best < 0 || int64_t{h.askingPrice} * bestWorth < bestAsking * worth) {
            best = i;
            bestAsking = h.askingPrice;
            bestWorth = worth;
        }
    }
    return best;
}

int32_t pickWorkHouse(int32_t r) {
    int32_t best = -1, bestLevel = 0, bestValue = 0;
    for (int32_t i = 0; i < houseCount; ++i) {
        const HouseState& h = houseStates[i];
        if (h.owner != r || workInProgress(h)) continue;
        const int32_t value = currentValue(i);
        if (best < 0 || h.level < bestLevel || (h.level == bestLevel && value < bestValue)) {
            best = i;
            bestLevel = h.level;
            bestValue = value;
        }
    }
    return best;
}

} // namespace bv

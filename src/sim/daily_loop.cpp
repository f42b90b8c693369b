#include "sim/daily_loop.h"

#include "core/random.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "sim/calendar.h"
#include "sim/cash.h"
#include "sim/credit.h"
#include "sim/economy.h"
#include "sim/houses.h"
#include "sim/later_steps.h"
#include "sim/notices.h"
#include "sim/owner.h"
#include "sim/tenancy.h"

namespace bv {

int32_t foreclosedHouse = -1;
int32_t tutorialActive = 0;
int32_t helpSetting = 0;

namespace {

constexpr int32_t kStayBelow[3] = {95, 85, 55}; // a renter stays when random(100) is below this
constexpr int32_t kApplicantDayWindow = 7;      // no applicants this close to the purchase day
constexpr int32_t kPriceCutDays = 45;
constexpr int32_t kMaxPriceCuts = 2;
constexpr int32_t kFreshDays = 7;
constexpr float kFreshBoost = 2.5f;

void notice(NoticeKind kind, int32_t house, int32_t owner = -1, int32_t amount = 0) {
    Notice n{kind};
    n.house = house;
    n.owner = owner;
    n.amount = amount;
    raiseNotice(n);
}

// Renter: rent on day 0, then the roll whether he stays. Mortgage on day 15.
void ownerStep(int32_t i) {
    HouseState& h = houseStates[i];
    if (dayOfMonth == kRentDay && h.hasRenter) {
        collectRent(i);
        const int32_t mood = renterMoodOf(i);
        if (static_cast<int32_t>(random(100)) >= kStayBelow[mood]) {
            notice(NoticeKind::kRenterLeaves, i);
            renterLeaves(i);
        }
    }
    if (dayOfMonth == kMortgageDay) payMortgage(i);
}

// The applicant's record, drawn around the house's level: a low rent draws renters a little
// nearer the level, a high rent no better than the level.
int32_t drawApplicantHistory(const HouseState& h) {
    const int32_t lv = tableLevel(h.level);
    int32_t hist = static_cast<int32_t>(random(5)) + (lv - 1);
    if (h.rentLevel == kRentLow) {
        if (hist < lv)
            ++hist;
        else if (hist > lv + 1)
            --hist;
    } else if (h.rentLevel == kRentHigh) {
        if (hist > lv) hist = lv;
    }
    return hist < 0 ? 0 : (hist > kMaxLevel ? kMaxLevel : hist);
}

void applicantStep(int32_t i) {
    HouseState& h = houseStates[i];
    const int32_t mood = moodFor(i, h.level, h.rentLevel);
    h.applicantProgress += static_cast<float>((3 - mood) * 4) / 75.0f;
    int64_t fromPurchase = static_cast<int64_t>(h.purchaseDay) - dayOfMonth;
    if (fromPurchase < 0) fromPurchase = -fromPurchase;
    if (!(h.applicantProgress > 1.0f) || fromPurchase <= kApplicantDayWindow) return;
    h.applicantProgress = 0.0f;
    const int32_t hist = drawApplicantHistory(h);
    if (h.owner == kOwnerPlayer) {
        pendingApplicantHouse = i;
        pendingApplicantHistory = hist;
        queueState(kStateRentApplicant, applicantArgument(i, hist));
    } else {
        moveIn(i, hist);
    }
}

void listingStep(int32_t i) {
    HouseState& h = houseStates[i];
    h.daysListed = addSaturated(h.daysListed, 1);
    h.daysSinceCut = addSaturated(h.daysSinceCut, 1);
    if (h.owner != kOwnerPlayer && h.daysSinceCut >= kPriceCutDays && h.priceCuts < kMaxPriceCuts) {
        const int32_t price = automaticPriceCut(i);
        if (price != h.askingPrice) {
            h.askingPrice = price;
            h.daysSinceCut = 0;
            ++h.priceCuts;
            notice(NoticeKind::kPriceCut, i, h.owner);
        }
    }
    // A house worth nothing gives no ratio and no interest.
    const int32_t value = currentValue(i);
    const float ratio = value > 0 ? static_cast<float>(h.askingPrice) / static_cast<float>(value) : 1e9f;
    float inc = buyerInterestStep(ratio) * economyListingMultiplier(currentEconomy());
    if (h.daysListed < kFreshDays || h.daysSinceCut < kFreshDays) inc *= kFreshBoost;
    h.buyerInterest += inc;
    if (h.buyerInterest * 100.0f >= static_cast<float>(random(100))) {
        h.buyerInterest = 0.0f;
        outsideBuyerOffer(i);
    }
}

} // namespace

float buyerInterestStep(float ratio) {
    // A price below the value draws buyers in proportion to the bargain; above it the interest
    // falls away in steps and is gone from 15 % over the value. NaN (no value) draws nobody.
    if (ratio < 0.8f) return (1.0f - ratio) * 3.0f;
    if (ratio < 0.9f) return (1.0f - ratio) * 2.0f;
    if (ratio < 1.0f) return (1.0f - ratio) * 1.3f;
    if (ratio < 1.01f) return 0.01f;
    if (ratio < 1.02f) return 0.009f;
    if (ratio < 1.03f) return 0.008f;
    if (ratio < 1.04f) return 0.007f;
    if (ratio < 1.05f) return 0.006f;
    if (ratio < 1.06f) return 0.005f;
    if (ratio < 1.08f) return 0.004f;
    if (ratio < 1.11f) return 0.003f;
    if (ratio < 1.15f) return 0.002f;
    return 0.0f;
}

void dailyHouseLoop() {
    for (int32_t i = 0; i < houseCount; ++i) {
        const HouseState& h = houseStates[i];
        if (h.owner != kOwnerBank) ownerStep(i);
        if (!h.hasRenter && h.owner != kOwnerBank && h.renoKind == 0 && !tutorialActive) applicantStep(i);
        if (h.forSale && h.crankyMonths == 0) listingStep(i);
    }
    foreclosureSweep();
}

void collectRent(int32_t house) {
    const HouseState* h = getHouse(house);
    if (!h) return;
    const int32_t r = currentRent(house);
    if (h->owner != kOwnerPlayer) {
        addCash(h->owner, r);
        return;
    }
    // The money lands in the cash display when its flight over the board ends.
    Notice n{NoticeKind::kRentCollected};
    n.house = house;
    n.owner = kOwnerPlayer;
    n.amount = r;
    addCashLater(r, kOwnerPlayer, raiseNotice(n));
}

void payMortgage(int32_t house) {
    HouseState* h = getHouse(house);
    const MapHouse* m = getMapHouse(house);
    if (!h || !m) return;
    const int32_t owner = h->owner;
    const int32_t oneMonth = h->mtgPrincipal < h->mtgPayment ? h->mtgPrincipal : h->mtgPayment;
    const int32_t missed = h->monthsInArrears > 0 ? h->monthsInArrears : 0;
    int32_t due = addSaturated(oneMonth, mulSaturated(h->mtgPayment, missed));
    // Near the end of a loan the missed payments can add up to more than is owed: never more than
    // the whole principal and the interest of the months now due.
    const double interest =
        static_cast<double>(h->mtgPrincipal) * (static_cast<double>(h->mtgRate) / 1200.0) * (missed + 1);
    const int32_t owed = truncMoney(static_cast<double>(h->mtgPrincipal) + interest);
    if (due > owed) due = owed;
    if (cashOf(owner) < due) {
        // The bill is overdue; the owner's credit hears of it.
        creditEvent(kCreditBillOverdue, owner, m->x, m->y);
        h->monthsInArrears = addSaturated(h->monthsInArrears, 1);
        if (h->monthsInArrears < kForeclosureArrears)
            notice(NoticeKind::kPaymentMissed, house, owner, h->monthsInArrears);
        return;
    }
    addCash(owner, -due);
    if (due > 0) creditEvent(kCreditPaidBill, owner, m->x, m->y);
    // The interest is the month's rate on the whole principal; the rest of the payment repays it.
    float principalPart =
        static_cast<float>(due) - static_cast<float>(h->mtgPrincipal) * (h->mtgRate / 1200.0f);
    // A payment that covers the whole remaining principal closes the loan. (Taking the month's
    // interest out of the last payment would leave a remainder that the truncation below can
    // never clear: a dollar owed, and paid, every month for ever.)
    int32_t repaid = truncMoney(principalPart);
    if (h->mtgPrincipal <= h->mtgPayment || repaid > h->mtgPrincipal)
        repaid = h->mtgPrincipal;
    else if (repaid < 0)
        repaid = 0;
    h->mtgPrincipal -= repaid;
    notice(NoticeKind::kPaymentMade, house, owner, due);
    h->monthsInArrears = 0;
}

void foreclosureSweep() {
    for (int32_t i = 0; i < houseCount; ++i) {
        HouseState& h = houseStates[i];
        if (h.monthsInArrears < kForeclosureArrears) continue;
        foreclosedHouse = i;
        if (const MapHouse* m = getMapHouse(i)) creditEvent(kCreditForeclosure, h.owner, m->x, m->y);
        if (h.owner == kOwnerPlayer) queueState(kStateForeclosure, i);
        h.owner = kOwnerBank;
        h.monthsInArrears = 0;
    }
}

} // namespace bv

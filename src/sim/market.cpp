#include "sim/market.h"

#include "core/clock.h"
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
#include "world/map.h"
#include "world/scenario.h"

namespace bv {

int32_t dealBuyer = 0;
int32_t dealHouse = -1;
int32_t dealOffer = 0;
int32_t dealCounter = 0;
int32_t newListingPrice = 0;
int32_t bankListTimer = 0;

namespace {

// The bank's price band by economy index: the factor runs from lo upward in steps of 0.01.
constexpr float kBankLo[kEconomyLevels] = {0.98f, 0.97f, 0.96f, 0.96f, 0.90f, 0.85f, 0.75f};
constexpr float kBankHi[kEconomyLevels] = {1.10f, 1.07f, 1.05f, 1.04f, 1.00f, 0.97f, 0.93f};

// Automatic cuts: the least days since the last cut, the base of the day's threshold, the cut.
struct CutRow {
    int32_t minDays;
    int32_t base;
    float pct;
};
constexpr CutRow kCuts[kEconomyLevels] = {{31, 100, 0.01f}, {31, 90, 0.02f}, {31, 80, 0.03f}, {31, 70, 0.04f},
                                          {16, 60, 0.05f},  {16, 50, 0.07f}, {16, 40, 0.10f}};

// The seller's discount below the base: fresh listings, then ones that have waited.
struct ReserveRow {
    int32_t freshBelow; // days since cut below this count as fresh
    float fresh;
    float waited;
};
constexpr ReserveRow kReserve[kEconomyLevels] = {{31, 0.01f, 0.02f}, {31, 0.02f, 0.03f}, {31, 0.03f, 0.04f},
                                                 {31, 0.04f, 0.05f}, {16, 0.05f, 0.06f}, {16, 0.06f, 0.07f},
                                                 {31, 0.07f, 0.085f}};

// The outside buyer's percentage range (upper end excluded) by economy index 0..5.
constexpr int32_t kBidLo[6] = {98, 96, 94, 88, 80, 65};
constexpr int32_t kBidHi[6] = {105, 100, 100, 95, 90, 80};

constexpr float kScarceShare = 0.15f;
constexpr int32_t kScarceBonus = 5;

bool validOwner(int32_t owner) {
    return owner >= 0 && owner <= kOwnerBank;
}

int32_t roundTo100(int64_t x) {
    return saturate32((x + 50) / 100 * 100);
}

} // namespace

void resetMarket() {
    dealBuyer = 0;
    dealHouse = -1;
    dealOffer = 0;
    dealCounter = 0;
    newListingPrice = 0;
    bankListTimer = 0;
}

void listHouse(int32_t house, int32_t price) {
    HouseState* h = getHouse(house);
    if (!h) return;
    h->forSale = 1;
    h->askingPrice = price < 0 ? 0 : price;
    h->daysListed = 0;
    h->priceCuts = 0;
    h->daysSinceCut = 0;
    h->buyerInterest = 0.0f;
    h->listingCooldown = kListingCooldown;
    raiseNotice(Notice{NoticeKind::kHouseListed, house, h->owner});
}

int32_t bankPriceSteps(int32_t economy) {
    if (economy < 0 || economy >= kEconomyLevels) return 0;
    // Worked in double from the 32-bit constants: for indexes 2 and 3 the difference falls just
    // below 9 and 8, so those bands are one step narrower than the decimal figures suggest.
    const double span =
        static_cast<double>(kBankHi[economy]) * 100.0 - static_cast<double>(kBankLo[economy]) * 100.0;
    return static_cast<int32_t>(span);
}

int32_t bankAskingPriceFor(int32_t value, int32_t economy, uint32_t draw) {
    const float lo = (economy >= 0 && economy < kEconomyLevels) ? kBankLo[economy] : 0.0f;
    const float f = lo + static_cast<float>(draw) / 100.0f;
    return roundTo100(scaleMoney(value, f));
}

int32_t bankAskingPrice(int32_t house, int32_t value) {
    (void)house;
    const int32_t e = currentEconomy();
    return bankAskingPriceFor(value, e, random(static_cast<uint32_t>(bankPriceSteps(e))));
}

int32_t priceCutFor(int32_t price, int32_t economy, int32_t daysSinceCut, uint32_t roll) {
    if (economy < 0 || economy >= kEconomyLevels) return price;
    const CutRow& row = kCuts[economy];
    if (daysSinceCut < row.minDays) return price;
    // Once the threshold reaches 0 the cut is certain; a listing that has waited longer still
    // (one that changed owner while listed) must not see the threshold wrap to "never".
    const int64_t threshold = static_cast<int64_t>(row.base) - daysSinceCut;
    if (threshold > 0 && roll < static_cast<uint64_t>(threshold)) return price;
    return price - scaleMoney(price, row.pct);
}

int32_t priceCut(int32_t house, int32_t price) {
    const HouseState* h = getHouse(house);
    if (!h) return price;
    return priceCutFor(price, currentEconomy(), h->daysSinceCut, random(100));
}

int32_t sellerReserve(int32_t house) {
    const HouseState* h = getHouse(house);
    if (!h) return 0;
    const int32_t base = h->forSale ? h->askingPrice : currentValue(house);
    const int32_t e = currentEconomy();
    if (e < 0 || e >= kEconomyLevels) return base;
    const ReserveRow& row = kReserve[e];
    const float discount = h->daysSinceCut < row.freshBelow ? row.fresh : row.waited;
    return base - scaleMoney(base, discount);
}

bool sellerAcceptsWith(int32_t house, int32_t offer, uint32_t draw) {
    const float q = static_cast<float>(95 + static_cast<int32_t>(draw)) / 100.0f;
    return offer >= scaleMoney(sellerReserve(house), q);
}

bool sellerAccepts(int32_t house, int32_t offer) {
    return sellerAcceptsWith(house, offer, random(5));
}

int32_t outsideBidPercent(int32_t economy, bool scarce, uint32_t draw) {
    if (economy < 0 || economy > 5) return 0;
    int32_t pct = kBidLo[economy] + static_cast<int32_t>(draw);
    if (scarce) pct += kScarceBonus;
    if (pct > 100 && economy != 0) pct = 100;
    return pct;
}

bool marketScarce(int32_t house) {
    const int32_t c = comparableListings(house, true);
    if (c == 0 || houseCount <= 0) return true;
    return static_cast<float>(c) / static_cast<float>(houseCount) < kScarceShare;
}

int32_t outsideBid(int32_t house) {
    const HouseState* h = getHouse(house);
    if (!h) return 0;
    const int32_t e = currentEconomy();
    const bool scarce = marketScarce(house);
    uint32_t draw = 0;
    if (e >= 0 && e <= 5) draw = random(static_cast<uint32_t>(kBidHi[e] - kBidLo[e]));
    const int32_t pct = outsideBidPercent(e, scarce, draw);
    return saturate32(static_cast<int64_t>(h->askingPrice) * pct / 100);
}

void buyerOffer(int32_t buyer, int32_t house) {
    const HouseState* h = getHouse(house);
    if (!h || !validOwner(buyer) || !h->forSale) return;
    int32_t a = buyer == kOwnerBank ? outsideBid(house) : sellerReserve(house);
    // In a slump the outside buyer bids nothing: then he makes no offer at all.
    if (buyer == kOwnerBank && a <= 0) return;
    if (h->owner == kOwnerPlayer) {
        offerOnPlayerHouse(buyer, house, a);
        return;
    }
    if (!sellerAccepts(house, a)) a = h->askingPrice;
    const int32_t dp = downPayment(buyer, a);
    const int32_t monthly = truncMoney(mortgagePayment(a - dp, loanRateOf(buyer), kMortgageMonths));
    const int32_t style = buyer == kOwnerBank ? 0 : owners[buyer].style;
    // The buyer keeps enough for a few months' payments; one who cannot quietly walks away.
    const int64_t needed = static_cast<int64_t>(a) + static_cast<int64_t>(monthly) * (3 - style);
    if (owners[buyer].cash >= needed) purchase(buyer, house, a);
}

bool playerOfferPending() {
    return isQueued(kStateHouseOffer) || isQueued(kStateSoldAtAsking);
}

void offerOnPlayerHouse(int32_t buyer, int32_t house, int32_t amount) {
    const HouseState* h = getHouse(house);
    if (!h || !validOwner(buyer) || playerOfferPending()) return;
    dealBuyer = buyer;
    dealHouse = house;
    if (h->askingPrice > amount) {
        dealOffer = amount;
        dealCounter = amount;
        raiseNotice(Notice{NoticeKind::kBuyerOffer, house, buyer, amount});
        queueState(kStateHouseOffer, house);
        return;
    }
    const int32_t asking = h->askingPrice;
    purchase(buyer, house, asking);
    dealOffer = asking;
    queueState(kStateSoldAtAsking, house);
}

int32_t purchase(int32_t buyer, int32_t house, int32_t price) {
    HouseState* h = getHouse(house);
    const MapHouse* m = getMapHouse(house);
    if (!h || !m || !validOwner(buyer) || price < 0) return 0;
    const int32_t seller = h->owner;
    if (buyer == seller || !validOwner(seller)) return 0;
    owners[buyer].housesBought = addSaturated(owners[buyer].housesBought, 1);
    owners[seller].housesSold = addSaturated(owners[seller].housesSold, 1);
    h->prevPurchasePrice = h->purchasePrice;
    h->prevExtraDebt = h->extraDebt;
    creditEvent(kCreditPurchase, buyer, m->x, m->y);
    raiseNotice(Notice{NoticeKind::kPurchase, house, buyer, price});
    // The seller's mortgage is paid off out of the price; other debt on the house comes out of
    // his cash, which it may empty but not overdraw.
    addCash(seller, saturate32(static_cast<int64_t>(price) - h->mtgPrincipal));
    if (h->extraDebt != 0) {
        addCashClamped(seller, -h->extraDebt, true);
        h->extraDebt = 0;
        h->monthsInArrears = 0;
    }
    h->owner = buyer;
    const int32_t dp = downPayment(buyer, price);
    addCash(buyer, -dp);
    h->purchasePrice = price;
    h->mtgRate = loanRateOf(buyer);
    h->mtgPrincipal = price - dp;
    h->mtgPayment = truncMoney(mortgagePayment(h->mtgPrincipal, h->mtgRate, kMortgageMonths));
    h->forSale = 0;
    h->monthsInArrears = 0;
    h->applicantProgress = 0.75f; // the first applicant comes soon
    h->purchaseDay = dayOfMonth;
    return 1;
}

bool bankListsOne() {
    int32_t best = -1;
    int32_t bestValue = 0;
    for (int32_t i = 0; i < houseCount; ++i) {
        const HouseState& h = houseStates[i];
        if (h.owner != kOwnerBank || h.forSale) continue;
        const int32_t v = currentValue(i);
        if (best < 0 || v < bestValue) {
            best = i;
            bestValue = v;
        }
    }
    if (best < 0) return false;
    listHouse(best, bankAskingPrice(best, bestValue));
    return true;
}

void bankListingTick(int32_t elapsedMs) {
    bankListTimer = addSaturated(bankListTimer, elapsedMs);
    const int32_t listed = listedHousesOf(kOwnerBank);
    const int32_t interval = scenario.bankListInterval > 0 ? scenario.bankListInterval : 10000;
    const int32_t most = scenario.maxBankListings > 0 ? scenario.maxBankListings : 5;
    if (listed < scenario.minBankListings) {
        bankListTimer = 0;
        bankListsOne();
    } else if (listed < most) {
        while (bankListTimer >= interval) {
            bankListTimer -= interval;
            bankListsOne();
        }
    } else {
        bankListTimer = 0;
    }
}

int32_t smallPriceStep(int32_t amount, bool shift) {
    if (amount < 100000) return shift ? 10 : 200;
    if (amount < 1000000) return shift ? 100 : 1000;
    return shift ? 1000 : 10000;
}

int32_t largePriceStep(int32_t amount, bool shift) {
    if (amount < 100000) return shift ? 10000 : 2500;
    if (amount < 1000000) return shift ? 25000 : 5000;
    return shift ? 250000 : 50000;
}

int32_t stepPrice(int32_t amount, int32_t step, int32_t lo, int32_t hi) {
    const int64_t v = static_cast<int64_t>(amount) + step;
    if (v < lo) return lo;
    if (v > hi) return hi;
    return static_cast<int32_t>(v);
}

// The clock's calls into the market.
void bankListingTimer() {
    // A hurried day passes every tick, so the bank's timer runs at the same hurried pace.
    bankListingTick(mulSaturated(hurryMonth ? kHurriedDayMs : kTickMs, frameTicks));
}

int32_t automaticPriceCut(int32_t house) {
    const HouseState* h = getHouse(house);
    return h ? priceCut(house, h->askingPrice) : 0;
}

void outsideBuyerOffer(int32_t house) {
    buyerOffer(kOwnerBank, house);
}

} // namespace bv

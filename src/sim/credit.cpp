#include "sim/credit.h"

#include <cmath>

#include "assets/text_keys.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "sim/cash.h"
#include "sim/notices.h"
#include "sim/owner.h"
#include "sim/sim_settings.h"

namespace bv {

const CreditRatingRow kCreditTable[kCreditRatings] = {
    {0, 0, 30, 18.0f},    {40, 50, 25, 15.0f},   {45, 100, 20, 12.0f},
    {90, 200, 17, 11.0f}, {190, 400, 15, 10.0f}, {390, 600, 12, 9.0f},
    {590, 800, 10, 8.0f}, {790, 1000, 9, 7.0f},  {990, 1200, 8, 5.5f},
};

CreditNotice creditNotice = {};

namespace {

constexpr int32_t kBankPurchaseLimit = 10000000;

struct EventKind {
    const char* label;
    int32_t points;
};
constexpr EventKind kEventKinds[kCreditEventKinds] = {
    {"Foreclosure", -75},     {"Bill overdue", -4},       {"Paid bill", 2},
    {"Improved Property", 2}, {"Advertised Property", 2}, {"Repairs made", 2},
    {"End of month", 2},      {"Pay off mtg", 20},        {"purchase property", 10},
};

bool isInvestor(int32_t owner) {
    return owner >= 0 && owner < kOwnerCount;
}

bool isOwner(int32_t owner) {
    return owner >= 0 && owner <= kOwnerBank;
}

} // namespace

const char* creditEventLabel(int32_t kind) {
    return kind >= 0 && kind < kCreditEventKinds ? kEventKinds[kind].label : "";
}

int32_t creditEventPoints(int32_t kind) {
    return kind >= 0 && kind < kCreditEventKinds ? kEventKinds[kind].points : 0;
}

void creditEvent(int32_t kind, int32_t owner, int32_t x, int32_t y) {
    if (!isInvestor(owner) || !advancedEconomyOn() || kind < 0 || kind >= kCreditEventKinds) return;
    OwnerRecord& rec = owners[owner];
    const int32_t points = kEventKinds[kind].points;
    rec.creditPoints = addSaturated(rec.creditPoints, points);
    if (rec.creditPoints < 0) rec.creditPoints = 0;
    const int32_t rating = creditRatingOf(owner);
    const bool changed = rating != rec.creditRating;
    rec.creditRating = rating;
    if (owner != 0 || !changed) return;
    creditNotice.improvePending = points >= 0 ? 1 : 0;
    creditNotice.slipPending = points >= 0 ? 0 : 1;
    creditNotice.noticeDelay = kCreditNoticeDelayMs;
    Notice n{NoticeKind::kCreditChanged};
    n.owner = owner;
    n.amount = points;
    n.x = x;
    n.y = y;
    raiseNotice(n);
}

void updateCreditNotice(int32_t elapsedMs) {
    if (creditNotice.noticeDelay <= 0) return;
    creditNotice.noticeDelay -= elapsedMs;
    if (creditNotice.noticeDelay >= 1) return;
    creditNotice.noticeDelay = 0;
    if (creditNotice.improvePending)
        queueState(kStateCreditImproves, 0);
    else if (creditNotice.slipPending)
        queueState(kStateCreditSlips, 0);
    creditNotice.improvePending = 0;
    creditNotice.slipPending = 0;
}

int32_t creditRatingOf(int32_t owner) {
    if (!advancedEconomyOn()) return 3;
    if (!isOwner(owner)) return 0;
    int32_t rating = owners[owner].creditRating;
    for (int32_t r = 0; r < kCreditRatings; ++r)
        if (owners[owner].creditPoints >= kCreditTable[r].minPoints) rating = r;
    return rating;
}

const CreditRatingRow& creditRowOf(int32_t owner) {
    int32_t r = isOwner(owner) ? owners[owner].creditRating : 0;
    if (r < 0) r = 0;
    if (r >= kCreditRatings) r = kCreditRatings - 1;
    return kCreditTable[r];
}

int32_t downPaymentPct(int32_t owner) {
    if (!advancedEconomyOn()) return fixedDownPaymentPct();
    return creditRowOf(owner).downPct;
}

int32_t downPayment(int32_t owner, int32_t price) {
    return saturate32(static_cast<int64_t>(price) * downPaymentPct(owner) / 100);
}

int32_t maxPurchase(int32_t owner) {
    if (owner == kOwnerBank) return kBankPurchaseLimit;
    const int32_t pct = downPaymentPct(owner);
    if (pct <= 0) return INT32_MAX; // an edited scenario asking for no down payment: no limit
    return saturate32(static_cast<int64_t>(cashOf(owner)) * 100 / pct);
}

float loanRateOf(int32_t owner) {
    return advancedEconomyOn() ? creditRowOf(owner).loanRate : fixedMortgageRate();
}

const char16_t* creditRatingName(int32_t rating) {
    if (rating < 0 || rating >= kCreditRatings) return nullptr;
    return lookupVariant("creditR", rating);
}

float creditGaugeRatio() {
    const OwnerRecord& p = owners[0];
    const int32_t r = p.creditRating < 0 ? 0 : p.creditRating;
    if (r >= kCreditRatings - 1) return 1.0f;
    const float base = static_cast<float>(kCreditTable[r].gaugeBase);
    const float span = static_cast<float>(kCreditTable[r + 1].minPoints) - base;
    return (static_cast<float>(p.creditPoints) - base) / span;
}

void creditGaugeNeedle(float ratio, float* dx, float* dy) {
    if (!(ratio >= 0.03f)) ratio = 0.03f; // NaN too
    if (ratio > 0.97f) ratio = 0.97f;
    const float t = (ratio - 0.5f) * 2.0f;
    const float x = 30.0f * t;
    if (dx) *dx = x;
    if (dy) *dy = std::sqrt((1.0f - x * x / 900.0f) * 900.0f);
}

} // namespace bv

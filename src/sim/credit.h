// Credit: the points an investor earns and loses, the rating they give, and what the rating costs
// and allows (down payment, loan rate, purchasing limit). Credit counts only with the advanced
// economy; without it every owner pays the scenario's fixed down payment and mortgage rate.
#pragma once

#include <cstdint>

namespace bv {

constexpr int32_t kCreditRatings = 9;

struct CreditRatingRow {
    int32_t gaugeBase;
    int32_t minPoints;
    int32_t downPct;
    float loanRate; // percent per year
};
extern const CreditRatingRow kCreditTable[kCreditRatings];

enum CreditEventKind : int32_t {
    kCreditForeclosure = 0,
    kCreditBillOverdue = 1,
    kCreditPaidBill = 2,
    kCreditImprovedProperty = 3,
    kCreditAdvertisedProperty = 4,
    kCreditRepairsMade = 5,
    kCreditEndOfMonth = 6,
    kCreditPayOffMortgage = 7,
    kCreditPurchase = 8,
    kCreditEventKinds = 9,
};
// The event's label (never shown) and its points; "" and 0 for an unknown kind.
const char* creditEventLabel(int32_t kind);
int32_t creditEventPoints(int32_t kind);

constexpr int32_t kCreditNoticeDelayMs = 1000;

// The notice of a changed player rating, opened one second after the change.
struct CreditNotice {
    int32_t improvePending;
    int32_t slipPending;
    int32_t noticeDelay; // ms; 0 idle
};
extern CreditNotice creditNotice;

// Adds the kind's points for an investor (0..4) at the screen position (x, y) of the event; the
// points never fall below 0. A change of the player's rating starts the notice countdown, flies
// the points to the gauge and plays the matching sound. Rivals change silently. Nothing happens
// for another owner or without the advanced economy.
void creditEvent(int32_t kind, int32_t owner, int32_t x, int32_t y);
// The board's per-frame countdown: once the delay runs out, the improved (29) or slipped (30)
// notice is queued and both flags are cleared.
void updateCreditNotice(int32_t elapsedMs);

// The highest row whose minimum the owner's points reach; 3 without the advanced economy.
int32_t creditRatingOf(int32_t owner);
// The owner's rating row (the stored rating held to 0..8).
const CreditRatingRow& creditRowOf(int32_t owner);
int32_t downPaymentPct(int32_t owner);
// price x downPaymentPct / 100, truncated (64-bit inside; held to the 32-bit range).
int32_t downPayment(int32_t owner, int32_t price);
// The highest price the owner's cash covers as a down payment; 10,000,000 for the bank.
int32_t maxPurchase(int32_t owner);
float loanRateOf(int32_t owner);
// The rating's display name ("creditR" + letter); nullptr when the key is missing.
const char16_t* creditRatingName(int32_t rating);

// The player's progress within the current rating, for the gauge. At the top rating, where no
// next row exists, the gauge shows full (1).
float creditGaugeRatio();
// The gauge needle's tip relative to its pivot for a ratio (held to 0.03..0.97): it sweeps a half
// circle of radius 30 from left (low) to right (high); dy is the height above the pivot.
void creditGaugeNeedle(float ratio, float* dx, float* dy);

} // namespace bv

#include "sim/cash.h"

#include <cmath>
#include <cstdlib>

#include "core/clock.h"
#include "sim/effect_list.h"
#include "sim/owner.h"

namespace bv {

namespace {

constexpr int32_t kOwnerRecords = kOwnerCount + 1; // the bank's record follows the investors'

bool validOwner(int32_t owner) {
    return owner >= 0 && owner < kOwnerRecords;
}

// Each owner's cash as the money paths below last left it.
int32_t g_booked[kOwnerRecords] = {};

// A cash change waiting for its money flight to land.
struct DelayedCash {
    TimedObject header;
    int32_t amount;
    int32_t owner;
    int32_t delayMs;
};

void updateDelayedCash(TimedObject* self) {
    auto* d = reinterpret_cast<DelayedCash*>(self);
    d->delayMs -= frameMs;
    if (d->delayMs >= 0) return;
    addCash(d->owner, d->amount);
    removeTimedObject(self);
}

} // namespace

int32_t cashInFlight(int32_t owner) {
    int64_t sum = 0;
    for (const TimedObject* o = firstTimedObject(); o; o = o->next)
        if (o->update == updateDelayedCash) {
            const auto* d = reinterpret_cast<const DelayedCash*>(o);
            if (d->owner == owner) sum += d->amount;
        }
    return saturate32(sum);
}

int32_t saturate32(int64_t value) {
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

int32_t addSaturated(int32_t a, int32_t b) {
    return saturate32(static_cast<int64_t>(a) + b);
}

int32_t mulSaturated(int32_t a, int32_t b) {
    return saturate32(static_cast<int64_t>(a) * b);
}

int32_t truncMoney(double v) {
    if (!(v == v)) return 0; // NaN from a broken factor
    if (v >= 2147483647.0) return INT32_MAX;
    if (v <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(v); // truncates toward zero
}

int32_t scaleMoney(int32_t amount, float factor) {
    return truncMoney(static_cast<double>(amount) * static_cast<double>(factor));
}

void addCash(int32_t owner, int32_t amount) {
    if (!validOwner(owner)) return;
    owners[owner].cash = addSaturated(owners[owner].cash, amount);
    g_booked[owner] = owners[owner].cash;
}

void addCashClamped(int32_t owner, int32_t amount, bool clampAtZero) {
    addCash(owner, amount);
    if (clampAtZero && validOwner(owner) && owners[owner].cash < 0) setCash(owner, 0);
}

void setCash(int32_t owner, int32_t amount) {
    if (!validOwner(owner)) return;
    owners[owner].cash = amount;
    g_booked[owner] = amount;
}

bool cashOnTheBooks(int32_t owner) {
    return !validOwner(owner) || owners[owner].cash == g_booked[owner];
}

int32_t cashOf(int32_t owner) {
    return validOwner(owner) ? owners[owner].cash : 0;
}

void addCashLater(int32_t amount, int32_t owner, int32_t delayMs) {
    auto* d = reinterpret_cast<DelayedCash*>(addTimedObject(sizeof(DelayedCash), updateDelayedCash, nullptr));
    if (!d) {
        addCash(owner, amount);
        return;
    }
    d->amount = amount;
    d->owner = owner;
    d->delayMs = delayMs;
}

float mortgagePayment(int32_t principal, float ratePct, int32_t months) {
    if (months <= 0) return 0.0f;
    const double i = static_cast<double>(ratePct) / 1200.0;
    const double p = principal;
    const float d = static_cast<float>(1.0 - 1.0 / std::pow(1.0 + i, months));
    if (d != 0.0f) return static_cast<float>(p * i / static_cast<double>(d));
    // A zero rate: the loan is repaid in equal parts. (The textbook limit of the formula above;
    // a payment of 0 would leave the principal standing for ever.)
    return static_cast<float>(p / months);
}

} // namespace bv

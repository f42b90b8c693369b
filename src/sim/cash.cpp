#include "sim/cash.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/game.h"
#include "sim/effect_list.h"
#include "sim/owner.h"

namespace bv {

namespace {

constexpr int32_t kOwnerRecords = kOwnerCount + 1; // the bank's record follows the investors'

bool validOwner(int32_t owner) {
    return owner >= 0 && owner < kOwnerRecords;
}

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

// Writes `text` of `length` characters into the buffer, cut to what fits with its terminator.
int32_t copyCut(char* buffer, int32_t capacity, const char* text, int32_t length) {
    if (!buffer || capacity < 1) return 0;
    const int32_t n = length < capacity - 1 ? length : capacity - 1;
    for (int32_t i = 0; i < n; ++i) buffer[i] = text[i];
    buffer[n] = '\0';
    return n;
}

// Digits of `magnitude` with commas between groups of three, built from the least significant
// digit upwards, then the prefix; returns the length of the reversed text in `out`.
int32_t groupedDigits(char* out, int64_t magnitude, const char* prefix) {
    char rev[40];
    int32_t n = 0;
    int32_t digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0) rev[n++] = ',';
        rev[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
        ++digits;
    } while (magnitude > 0);
    int32_t len = 0;
    for (const char* p = prefix; *p; ++p) out[len++] = *p;
    while (n > 0) out[len++] = rev[--n];
    out[len] = '\0';
    return len;
}

} // namespace

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
}

void addCashClamped(int32_t owner, int32_t amount, bool clampAtZero) {
    addCash(owner, amount);
    if (clampAtZero && validOwner(owner) && owners[owner].cash < 0) owners[owner].cash = 0;
}

void setCash(int32_t owner, int32_t amount) {
    if (validOwner(owner)) owners[owner].cash = amount;
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

int32_t moneyStr(char* buffer, int32_t capacity, int32_t amount) {
    // Work in 64 bits: the magnitude of the most negative amount does not fit 32.
    const int64_t a = amount;
    const int64_t magnitude = std::llabs(a);
    char text[64];
    int32_t len = 0;
    if (magnitude >= 1000000) {
        len = std::snprintf(text, sizeof text, a >= 0 ? "$%1.2f M" : "-$%1.2f M",
                            static_cast<double>(magnitude) / 1000000.0);
    } else if (magnitude >= 100000) {
        len = std::snprintf(text, sizeof text, a >= 0 ? "$%dK" : "-$%dK", static_cast<int>(magnitude / 1000));
    } else {
        len = groupedDigits(text, magnitude, a < 0 ? "-$" : "$");
    }
    return copyCut(buffer, capacity, text, len);
}

const char* moneyStr(int32_t amount) {
    static char shared[kMoneyTextBytes];
    moneyStr(shared, kMoneyTextBytes, amount);
    return shared;
}

int32_t countStr(char* buffer, int32_t capacity, int32_t count) {
    const int64_t c = count;
    char text[40];
    const int32_t len = groupedDigits(text, std::llabs(c), c < 0 ? "-" : "");
    return copyCut(buffer, capacity, text, len);
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

#include "ui/money.h"

#include <cstdio>
#include <cstdlib>

namespace bv {

namespace {

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

int32_t moneyStrFull(char* buffer, int32_t capacity, int32_t amount) {
    const int64_t a = amount;
    char text[40];
    const int32_t len = groupedDigits(text, std::llabs(a), a < 0 ? "-$" : "$");
    return copyCut(buffer, capacity, text, len);
}

int32_t countStr(char* buffer, int32_t capacity, int32_t count) {
    const int64_t c = count;
    char text[40];
    const int32_t len = groupedDigits(text, std::llabs(c), c < 0 ? "-" : "");
    return copyCut(buffer, capacity, text, len);
}

} // namespace bv

// The one text form of an amount of money (and of plain counts), for every screen, dialog and
// form that shows one.
#pragma once

#include <cstdint>

namespace bv {

constexpr int32_t kMoneyTextBytes = 1000; // the buffers callers pass to moneyStr

// The money text: "$1,234", "-$4,500", "$250K", "-$100K", "$1.25 M", "-$3.00 M". Both abbreviating
// thresholds are inclusive (100,000 is "$100K", 1,000,000 is "$1.00 M"). A text longer than the
// buffer is cut at the end and still terminated (capacity >= 1). Returns the characters written
// before the terminator.
int32_t moneyStr(char* buffer, int32_t capacity, int32_t amount);
// The same into one shared buffer of kMoneyTextBytes, valid until the next call.
const char* moneyStr(int32_t amount);
// Plain counts: comma groups and a leading "-", no "$" and no abbreviation ("-12,345").
int32_t countStr(char* buffer, int32_t capacity, int32_t count);

// The unabbreviated form for the editor's fields: "$200,000", "-$4,500", "$1,250,000".
int32_t moneyStrFull(char* buffer, int32_t capacity, int32_t amount);

} // namespace bv

// Lettered string-table keys: numbered texts are stored under a base key followed by a letter
// ("creditR" + 'A' + n, "abbrevMonthA".."abbrevMonthL"). Keys match without regard to letter case,
// so "historya" and "historyA" are the same key.
#pragma once

#include <cstdint>

namespace bv {

// Longest base key that still gets its letter (longer ones are cut, never overrun).
constexpr int32_t kVariantKeyBytes = 96;
// At most this many letters are counted: 'a'..'z'.
constexpr int32_t kMaxVariants = 26;

// "%s%c" of base and 'A' + n, in a shared buffer the next call overwrites. n outside 0..25 gives
// a character beyond 'Z' / before 'A' as the formula says, limited to a printable 8-bit character.
const char* variantKey(const char* base, int32_t n);
// The same into the caller's buffer of `capacity` bytes (terminator included).
void variantKeyInto(char* out, int32_t capacity, const char* base, int32_t n);
// The text of variantKey(base, n), nullptr when the key is missing.
const char16_t* lookupVariant(const char* base, int32_t n);
// How many consecutive keys base + 'a', base + 'b', ... exist (stops at the first missing one).
int32_t variantCount(const char* base);
// The text of base + ('A' + n mod count), count = variantCount(base); an empty text when count is
// 0. A negative n wraps the same way (-1 is the last variant).
const char16_t* lookupVariantWrapped(const char* base, int32_t n);

} // namespace bv

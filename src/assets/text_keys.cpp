// Lettered string-table keys: a base key followed by 'A' + n.
#include "assets/text_keys.h"

#include <cstdio>

#include "assets/strings.h"

namespace bv {

namespace {
char sharedKey[kVariantKeyBytes];
} // namespace

void variantKeyInto(char* out, int32_t capacity, const char* base, int32_t n) {
    if (!out || capacity <= 0) return;
    // The letter is 'A' + n as a byte; outside 0..25 it is simply another character, kept
    // printable so that the key never holds a terminator or a control character.
    int32_t letter = 'A' + n;
    if (letter < 33 || letter > 126) letter = '?';
    std::snprintf(out, size_t(capacity), "%s%c", base ? base : "", char(letter));
}

const char* variantKey(const char* base, int32_t n) {
    variantKeyInto(sharedKey, kVariantKeyBytes, base, n);
    return sharedKey;
}

const char16_t* lookupVariant(const char* base, int32_t n) {
    char key[kVariantKeyBytes];
    variantKeyInto(key, kVariantKeyBytes, base, n);
    return text(key);
}

int32_t variantCount(const char* base) {
    char key[kVariantKeyBytes];
    int32_t count = 0;
    while (count < kMaxVariants) {
        std::snprintf(key, sizeof key, "%s%c", base ? base : "", char('a' + count));
        if (!text(key)) break;
        ++count;
    }
    return count;
}

const char16_t* lookupVariantWrapped(const char* base, int32_t n) {
    const int32_t count = variantCount(base);
    if (count == 0) return u"";
    int32_t i = n % count;
    if (i < 0) i += count;
    return lookupVariant(base, i);
}

} // namespace bv

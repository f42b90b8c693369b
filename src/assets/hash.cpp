#include "assets/hash.h"

namespace bv {

namespace {

constexpr uint32_t kGoldenRatio = 0x9E3779B9u;

// One step of the mix: x loses y and z, then takes in z shifted right or left.
inline uint32_t right(uint32_t x, uint32_t y, uint32_t z, int s) {
    return (x - y - z) ^ (z >> s);
}
inline uint32_t left(uint32_t x, uint32_t y, uint32_t z, int s) {
    return (x - y - z) ^ (z << s);
}

// Three lanes mixed reversibly so that every input bit reaches every bit of c.
inline void mix(uint32_t& a, uint32_t& b, uint32_t& c) {
    // clang-format off
    a = right(a, b, c, 13); b = left(b, c, a, 8);  c = right(c, a, b, 13);
    a = right(a, b, c, 12); b = left(b, c, a, 16); c = right(c, a, b, 5);
    a = right(a, b, c, 3);  b = left(b, c, a, 10); c = right(c, a, b, 15);
    // clang-format on
}

// Little-endian word of up to four bytes.
inline uint32_t word(const uint8_t* p, uint32_t count) {
    uint32_t w = 0;
    for (uint32_t i = 0; i < count; ++i) w |= static_cast<uint32_t>(p[i]) << (8 * i);
    return w;
}

inline char upper(char ch) {
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

} // namespace

uint32_t lookup2(const uint8_t* key, uint32_t length, uint32_t initval) {
    uint32_t a = kGoldenRatio;
    uint32_t b = kGoldenRatio;
    uint32_t c = initval;
    uint32_t left = length;
    while (left >= 12) {
        a += word(key, 4);
        b += word(key + 4, 4);
        c += word(key + 8, 4);
        mix(a, b, c);
        key += 12;
        left -= 12;
    }
    // The tail: a takes bytes 0-3, b bytes 4-7 and c bytes 8-10 shifted up by one byte, because
    // the lowest byte of c carries the length.
    c += length;
    if (left > 8) c += word(key + 8, left - 8) << 8;
    if (left > 4) b += word(key + 4, left > 8 ? 4 : left - 4);
    if (left > 0) a += word(key, left > 4 ? 4 : left);
    mix(a, b, c);
    return c;
}

uint32_t nameHash(const char* name) {
    uint8_t folded[kNameHashMaxChars];
    uint32_t length = 0;
    if (name) {
        while (length < static_cast<uint32_t>(kNameHashMaxChars) && name[length] != '\0') {
            folded[length] = static_cast<uint8_t>(upper(name[length]));
            ++length;
        }
    }
    return lookup2(folded, length, kNameHashInit);
}

bool namesEqual(const char* a, const char* b) {
    if (!a || !b) return a == b;
    while (*a != '\0' && upper(*a) == upper(*b)) {
        ++a;
        ++b;
    }
    return upper(*a) == upper(*b);
}

} // namespace bv

#include "core/random.h"

#include "core/fatal.h"

namespace bv {

namespace {

constexpr int kShift = 397; // the middle word of the recurrence
constexpr uint32_t kMatrixA = 0x9908B0DFu;
constexpr uint32_t kUpperMask = 0x80000000u;
constexpr uint32_t kLowerMask = 0x7FFFFFFFu;

// Every run starts from this key: games are reproducible from the player's inputs alone.
constexpr uint32_t kGameKey[4] = {0x123, 0x234, 0x345, 0x456};

constexpr uint8_t kEffectTable[256] = {
    0x5A, 0x80, 0xB9, 0x00, 0x45, 0x53, 0xAD, 0x91, 0xE9, 0x41, 0xA3, 0xDF, 0x85, 0xAA, 0x2E, 0xC0, //
    0xB7, 0xED, 0x11, 0xB6, 0xA8, 0x8A, 0x06, 0x25, 0x75, 0x7C, 0xCA, 0xD5, 0xE0, 0xD6, 0x6D, 0xAB, //
    0x37, 0x9C, 0xD8, 0xA4, 0x85, 0xE4, 0x9F, 0x13, 0xF8, 0x2E, 0x09, 0x1B, 0x92, 0x00, 0x5D, 0x6F, //
    0x14, 0xC5, 0x6F, 0x49, 0x27, 0xE8, 0x6B, 0xA9, 0xCD, 0x2C, 0xE2, 0xD0, 0x08, 0x4F, 0x13, 0xFC, //
    0xC9, 0xDF, 0x7B, 0x65, 0x1B, 0x5C, 0x9F, 0x77, 0x90, 0x8F, 0x18, 0x52, 0xEC, 0x2A, 0xE0, 0x80, //
    0x11, 0xA1, 0xDD, 0xF5, 0x2A, 0x48, 0xAC, 0x4D, 0x1C, 0xAE, 0xAF, 0x41, 0x29, 0x39, 0x59, 0x6A, //
    0xE7, 0x02, 0xB9, 0x3A, 0x61, 0xF3, 0x45, 0x38, 0x8B, 0x1F, 0xE9, 0x7C, 0xEB, 0x61, 0x50, 0x6A, //
    0x86, 0x38, 0x72, 0xB3, 0x08, 0xE3, 0x5E, 0x88, 0x38, 0xB9, 0x4A, 0x21, 0x9C, 0xCA, 0xD8, 0x6F, //
    0x68, 0xBC, 0xAB, 0x1D, 0xAD, 0xDF, 0x2A, 0xCD, 0xBF, 0x93, 0x94, 0x90, 0xE7, 0xDC, 0x44, 0xA6, //
    0x4A, 0x43, 0x46, 0x78, 0x19, 0xEF, 0x1C, 0xD4, 0xFB, 0x05, 0xCA, 0x68, 0xB7, 0x3D, 0x28, 0x81, //
    0x26, 0xC5, 0x68, 0x04, 0x59, 0x5A, 0xE6, 0xAD, 0x06, 0xA5, 0x30, 0x87, 0x38, 0xD3, 0x55, 0xAD, //
    0x37, 0x79, 0x73, 0x3F, 0xB6, 0xA7, 0x7B, 0xA7, 0x3C, 0x4A, 0x48, 0x0E, 0xD4, 0xC7, 0xE0, 0x19, //
    0xF8, 0xD5, 0x09, 0xE8, 0xBB, 0x9C, 0x10, 0x51, 0x37, 0x0C, 0xD5, 0x59, 0x36, 0x7F, 0x1B, 0xF4, //
    0x24, 0x92, 0x0E, 0xFF, 0x35, 0x40, 0x16, 0x7A, 0xD2, 0x41, 0xDB, 0x0A, 0x4A, 0xA2, 0x99, 0xAF, //
    0xB6, 0xA5, 0xA6, 0xC1, 0x2D, 0xDB, 0x41, 0x31, 0x29, 0x80, 0x9C, 0xFE, 0x3A, 0x17, 0x2D, 0xF6, //
    0xE9, 0x46, 0x32, 0xAF, 0xEF, 0xF4, 0x83, 0xC5, 0x97, 0xA1, 0x9C, 0x55, 0x71, 0x05, 0xEA, 0xBA, //
};

constexpr int kEffectSeedCapacity = 10;

struct RandomState {
    Mt19937 game;
    uint32_t effectPos = 0;
    uint32_t effectSeedStack[kEffectSeedCapacity] = {};
    int32_t effectSeedDepth = 0;
};
RandomState g_random;

Mt19937& gameGenerator() {
    // Seeded lazily so that the first draw, wherever it happens, starts the fixed sequence.
    if (!g_random.game.seeded()) g_random.game.seedByArray(kGameKey, 4);
    return g_random.game;
}

} // namespace

void Mt19937::seed(uint32_t s) {
    state_[0] = s;
    for (int i = 1; i < kWords; ++i)
        state_[i] = 1812433253u * (state_[i - 1] ^ (state_[i - 1] >> 30)) + static_cast<uint32_t>(i);
    index_ = kWords;
}

void Mt19937::seedByArray(const uint32_t* key, int length) {
    seed(19650218u);
    int i = 1;
    int j = 0;
    for (int k = kWords > length ? kWords : length; k > 0; --k) {
        state_[i] = (state_[i] ^ ((state_[i - 1] ^ (state_[i - 1] >> 30)) * 1664525u)) + key[j] +
                    static_cast<uint32_t>(j);
        ++i;
        ++j;
        if (i >= kWords) {
            state_[0] = state_[kWords - 1];
            i = 1;
        }
        if (j >= length) j = 0;
    }
    for (int k = kWords - 1; k > 0; --k) {
        state_[i] =
            (state_[i] ^ ((state_[i - 1] ^ (state_[i - 1] >> 30)) * 1566083941u)) - static_cast<uint32_t>(i);
        ++i;
        if (i >= kWords) {
            state_[0] = state_[kWords - 1];
            i = 1;
        }
    }
    state_[0] = 0x80000000u; // guarantees a non-zero state
    index_ = kWords;
}

void Mt19937::regenerate() {
    for (int i = 0; i < kWords; ++i) {
        uint32_t y = (state_[i] & kUpperMask) | (state_[(i + 1) % kWords] & kLowerMask);
        uint32_t mixed = (y >> 1) ^ ((y & 1u) ? kMatrixA : 0u);
        state_[i] = state_[(i + kShift) % kWords] ^ mixed;
    }
    index_ = 0;
}

uint32_t Mt19937::next() {
    if (index_ > kWords) seed(5489u); // the reference default for an unseeded generator
    if (index_ == kWords) regenerate();
    uint32_t y = state_[index_++];
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680u;
    y ^= (y << 15) & 0xEFC60000u;
    y ^= y >> 18;
    return y;
}

uint32_t random(uint32_t n) {
    if (n == 0) return 0;
    return gameGenerator().next() % n;
}

uint32_t randomRaw() {
    return gameGenerator().next();
}

int32_t randomInRange(int32_t a, int32_t b) {
    if (a == b) return a;
    int32_t low = a < b ? a : b;
    // The span is computed in 64 bits so that ranges wider than INT32_MAX do not overflow.
    int64_t span = static_cast<int64_t>(a < b ? b : a) - low;
    return static_cast<int32_t>(low + static_cast<int64_t>(random(static_cast<uint32_t>(span))));
}

int32_t effectRandom(int32_t n) {
    if (n < 1) return 0;
    ++g_random.effectPos;
    return kEffectTable[g_random.effectPos % 256] % n;
}

void pushEffectSeed(uint32_t seed) {
    if (g_random.effectSeedDepth >= kEffectSeedCapacity) fatal("Random seed stack overflow!\n");
    g_random.effectSeedStack[g_random.effectSeedDepth++] = g_random.effectPos;
    g_random.effectPos = seed;
}

void popEffectSeed() {
    if (g_random.effectSeedDepth == 0) return;
    g_random.effectPos = g_random.effectSeedStack[--g_random.effectSeedDepth];
}

void resetRandomForTests() {
    g_random = RandomState{};
}

} // namespace bv

// Resized copies of sprites (3 x 3 box filter), anchors and name lookup in extended sets.
#include <algorithm>
#include <cstring>
#include <utility>

#include "assets/hash.h"
#include "assets/sprites.h"
#include "core/fatal.h"
#include "core/memory.h"

namespace bv {

namespace {

struct SavedAnchor {
    int32_t xOffset;
    int32_t yOffset;
};
SavedAnchor anchorStack[kAnchorStackSize];
int32_t anchorDepth = 0;

// trunc(size * factor), never negative: a resized picture of "no size" simply has no pixels.
int32_t scaledSize(int32_t size, float factor) {
    const float v = float(size) * factor;
    if (!(v >= 1.0f)) return 0;
    if (v >= 65536.0f) return 65536; // far beyond any picture; keeps the products in range
    return int32_t(v);
}

int32_t scaledOffset(int32_t offset, float factor) {
    const float v = float(offset) * factor;
    return int32_t(std::clamp(v, -1.0e9f, 1.0e9f));
}

// Resizes one sprite's geometry; pixels are placed by the caller.
void scaleRecord(const Sprite& from, Sprite& to, float xFactor, float yFactor) {
    to = from;
    to.width = scaledSize(from.width, xFactor);
    to.height = scaledSize(from.height, yFactor);
    if (to.width == 0 || to.height == 0) to.width = to.height = 0;
    to.xOffset = scaledOffset(from.xOffset, xFactor);
    to.yOffset = scaledOffset(from.yOffset, yFactor);
    to.pixels = nullptr;
}

// One allocation for all the resized pictures of a set; returns it after pointing each sprite
// into it and filtering.
template <typename Get> void* fillPixelBlock(int32_t count, Get spriteAt, const char* who) {
    size_t total = 0;
    for (int32_t i = 0; i < count; ++i) {
        const Sprite& s = spriteAt(i).second;
        total += size_t(s.width) * size_t(s.height);
    }
    auto* block = static_cast<uint32_t*>(memAlloc(total * 4 + 4));
    if (!block) fatal("memAlloc failure in %s.\n", who);
    size_t at = 0;
    for (int32_t i = 0; i < count; ++i) {
        auto [from, to] = spriteAt(i);
        to.pixels = block + at;
        at += size_t(to.width) * size_t(to.height);
        boxFilter(from, to);
        if (to.width == 0) to.pixels = nullptr;
    }
    return block;
}

} // namespace

void boxFilter(const Sprite& source, Sprite& target) {
    if (target.width < 1 || target.height < 1 || !target.pixels) return;
    const size_t targetPixels = size_t(target.width) * size_t(target.height);
    std::memset(target.pixels, 0, targetPixels * 4);
    const int32_t sw = source.width, sh = source.height;
    if (sw < 1 || sh < 1 || !source.pixels) return;

    const float rx = float(sw) / float(target.width);
    const float ry = float(sh) / float(target.height);
    const uint32_t* src = source.pixels;
    uint32_t* out = target.pixels;
    float rowPos = 0.0f;
    for (int32_t ty = 0; ty < target.height; ++ty, rowPos += ry) {
        // Accumulated float steps can land a hair past the last row or column when enlarging.
        const int32_t sy = std::min(int32_t(rowPos), sh - 1);
        float colPos = 0.0f;
        for (int32_t tx = 0; tx < target.width; ++tx, colPos += rx) {
            const int32_t sx = std::min(int32_t(colPos), sw - 1);
            const uint32_t centre = src[size_t(sy) * size_t(sw) + size_t(sx)];
            const uint32_t alpha = centre >> 24;
            uint32_t& dst = out[size_t(ty) * size_t(target.width) + size_t(tx)];
            if (alpha == 0) {
                dst = 0;
                continue;
            }
            uint32_t sum0 = 0, sum1 = 0, sum2 = 0, n = 0;
            for (int32_t dy = -1; dy <= 1; ++dy) {
                const int32_t y = sy + dy;
                if (y < 0 || y >= sh) continue;
                for (int32_t dx = -1; dx <= 1; ++dx) {
                    const int32_t x = sx + dx;
                    if (x < 0 || x >= sw) continue;
                    const uint32_t p = src[size_t(y) * size_t(sw) + size_t(x)];
                    if ((p >> 24) == 0) continue;
                    sum0 += p & 0xFF;
                    sum1 += (p >> 8) & 0xFF;
                    sum2 += (p >> 16) & 0xFF;
                    ++n;
                }
            }
            // The rounded mean. (Adding a fixed 127 before dividing, as an older form of this
            // filter did, brightens a plain area by up to 63 levels.)
            if (n > 1) {
                sum0 = (sum0 + n / 2) / n;
                sum1 = (sum1 + n / 2) / n;
                sum2 = (sum2 + n / 2) / n;
            }
            dst = std::min(sum0, 255u) | std::min(sum1, 255u) << 8 | std::min(sum2, 255u) << 16 | alpha << 24;
        }
    }
}

void addBoxFilteredSpr(Sprite& target, const Sprite& source, int32_t width, int32_t height) {
    target = Sprite{};
    if (width < 1 || height < 1) return;
    target.width = width;
    target.height = height;
    // Offsets keep their place relative to the picture: integer arithmetic, truncated.
    target.xOffset = source.width > 0 ? int32_t(int64_t(source.xOffset) * width / source.width) : 0;
    target.yOffset = source.height > 0 ? int32_t(int64_t(source.yOffset) * height / source.height) : 0;
    target.pixels = static_cast<uint32_t*>(memAlloc(size_t(width) * size_t(height) * 4));
    if (!target.pixels) fatal("memAlloc failure in addBoxFilteredSpr.\n");
    boxFilter(source, target);
}

void createScaledSprSet(const SpriteSet& source, SpriteSet& target, float xFactor, float yFactor) {
    allocSpriteSet(target, source.count);
    for (int32_t i = 0; i < source.count; ++i)
        scaleRecord(source.sprites[i], target.sprites[i], xFactor, yFactor);
    target.buffer = fillPixelBlock(
        source.count,
        [&](int32_t i) { return std::pair<const Sprite&, Sprite&>(source.sprites[i], target.sprites[i]); },
        "createScaledSprSet");
}

void createScaledSprSet(const SpriteExSet& source, SpriteExSet& target, float xFactor, float yFactor) {
    const int32_t count = std::max(source.count, 0);
    target.sprites = static_cast<SpriteEx*>(memAllocZeroed(size_t(count) * sizeof(SpriteEx) + 1));
    if (!target.sprites) fatal("memAlloc failure in createScaledSprSet.\n");
    target.count = count;
    target.header0 = source.header0;
    target.spare = source.spare;
    for (int32_t i = 0; i < count; ++i)
        scaleRecord(source.sprites[i].sprite, target.sprites[i].sprite, xFactor, yFactor);
    target.pixelBlock = fillPixelBlock(
        count,
        [&](int32_t i) {
            return std::pair<const Sprite&, Sprite&>(source.sprites[i].sprite, target.sprites[i].sprite);
        },
        "createScaledSprSet");
}

namespace {
void makeSpriteOpaque(Sprite& s) {
    if (!s.pixels) return;
    const size_t n = size_t(s.width) * size_t(s.height);
    for (size_t i = 0; i < n; ++i)
        if (s.pixels[i] >> 24) s.pixels[i] |= 0xFF000000u;
}
} // namespace

void makeOpaque(SpriteSet& set) {
    for (int32_t i = 0; i < set.count; ++i) makeSpriteOpaque(set.sprites[i]);
}

void makeOpaque(SpriteExSet& set) {
    for (int32_t i = 0; i < set.count; ++i) makeSpriteOpaque(set.sprites[i].sprite);
}

void resetExAnchors(SpriteExSet& set) {
    for (int32_t i = 0; i < set.count; ++i) set.sprites[i].sprite.yOffset = -set.sprites[i].sprite.height;
}

void pushSpriteAnchor(Sprite& sprite) {
    if (anchorDepth >= kAnchorStackSize) return;
    anchorStack[anchorDepth++] = {sprite.xOffset, sprite.yOffset};
    sprite.xOffset = 0;
    sprite.yOffset = 0;
}

void popSpriteAnchor(Sprite& sprite) {
    if (anchorDepth == 0) return;
    const SavedAnchor& a = anchorStack[--anchorDepth];
    sprite.xOffset = a.xOffset;
    sprite.yOffset = a.yOffset;
}

int32_t anchorStackDepth() {
    return anchorDepth;
}

int32_t findSprExIndex(const SpriteExSet& set, const char* name) {
    if (!name) return -1;
    const uint32_t hash = nameHash(name);
    // Equal hashes are confirmed by the names themselves, so two names that merely collide
    // never stand for each other.
    for (int32_t i = 0; i < set.count; ++i)
        if (nameHash(set.sprites[i].name) == hash && namesEqual(set.sprites[i].name, name)) return i;
    return -1;
}

SpriteEx* findSprEx(SpriteExSet& set, const char* name) {
    const int32_t i = findSprExIndex(set, name);
    return i < 0 ? nullptr : &set.sprites[i];
}

} // namespace bv

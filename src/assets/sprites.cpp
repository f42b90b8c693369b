// Loading plain (".bin") and extended (".exs") sprite sets, checked against the data they come in.
#include "assets/sprites.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "assets/archive.h"
#include "core/fatal.h"
#include "core/memory.h"
#include "platform/byte_reader.h"

namespace bv {

int32_t redShift = 16;
int32_t greenShift = 8;
int32_t blueShift = 0;

SpriteSet logoSprites;
SpriteSet iconSprites;
SpriteSet backgroundSprites;
SpriteSet audioBoxSprites;
SpriteSet particleSprites;
SpriteSet characterSprites;
SpriteSet smallCharacterSprites;
SpriteSet portraitSprites;
SpriteSet numberFontSprites;
SpriteExSet houseSprites;
SpriteExSet objectSprites;
SpriteExSet scaledHouseSprites;
SpriteExSet scaledObjectSprites;

namespace {

constexpr int32_t kFileNameBytes = 80;
constexpr uint32_t kBinRecordBytes = 32;
constexpr uint32_t kExsHeaderBytes = 12;

// Bytes of a width x height picture, or -1 when a size is negative. Unsigned 64-bit: the largest
// product of two 31-bit sizes times 4 still fits, so no size on file can overflow it.
int64_t pixelBytes(int32_t width, int32_t height) {
    if (width < 0 || height < 0) return -1;
    const uint64_t bytes = uint64_t(width) * uint64_t(height) * 4u;
    return bytes > uint64_t(INT64_MAX) ? INT64_MAX : int64_t(bytes);
}

// A sprite whose pixels could not be placed: it keeps its numbers for the caller's indexes but
// covers nothing.
void makeEmpty(Sprite& s) {
    s.width = 0;
    s.height = 0;
    s.pixels = nullptr;
}

// Converts pixels stored as bytes R, G, B, A to the display's channel order, in place.
void convertPixels(uint32_t* pixels, int64_t count) {
    const int rs = redShift, gs = greenShift, bs = blueShift;
    uint8_t* bytes = reinterpret_cast<uint8_t*>(pixels);
    for (int64_t i = 0; i < count; ++i) {
        const uint8_t* p = bytes + i * 4;
        pixels[i] = uint32_t(p[0]) << rs | uint32_t(p[1]) << gs | uint32_t(p[2]) << bs | uint32_t(p[3]) << 24;
    }
}

} // namespace

namespace {
// Converts a loaded ".bin" image (memAlloc'd) in place into `set`, which keeps the buffer; the
// buffer is freed when the image is refused.
int32_t adoptSpriteSet(uint8_t* data, uint32_t size, const char* fileName, SpriteSet& set);
} // namespace

void sprFileName(char* out, const char* name) {
    if (std::strlen(name) >= size_t(kFileNameBytes - 4))
        fatal("Sprite file name longer than %d, sprFileName bails\n", kFileNameBytes);
    std::snprintf(out, kFileNameBytes, "%s.bin", name);
}

int32_t loadSpriteSet(const char* name, SpriteSet& set) {
    char fileName[kFileNameBytes];
    sprFileName(fileName, name);
    void* raw = nullptr;
    const uint32_t size = loadFile(fileName, raw, 0);
    if (size == 0) return 0;
    return adoptSpriteSet(static_cast<uint8_t*>(raw), size, fileName, set);
}

int32_t loadSpriteSetImage(const uint8_t* image, uint32_t size, SpriteSet& set) {
    if (!image || size == 0) return 0;
    auto* copy = static_cast<uint8_t*>(memAlloc(size));
    if (!copy) return 0;
    std::memcpy(copy, image, size);
    return adoptSpriteSet(copy, size, "a sprite set", set);
}

namespace {

int32_t adoptSpriteSet(uint8_t* data, uint32_t size, const char* fileName, SpriteSet& set) {
    void* raw = data;
    // The record array must lie inside the file: a count past it is not a sprite set.
    const int32_t count = size >= 4 ? i32At(data, size, 0) : -1;
    if (count < 0 || uint64_t(count) > (size - 4) / kBinRecordBytes) {
        memFree(raw);
        return 0;
    }
    if (count == 0) {
        memFree(raw);
        set = SpriteSet{};
        return 1;
    }
    Sprite* sprites = static_cast<Sprite*>(memAllocZeroed(size_t(count) * sizeof(Sprite)));
    if (!sprites) fatal("Out of memory loading sprite set %s\n", fileName);

    for (int32_t i = 0; i < count; ++i) {
        const size_t r = 4 + size_t(i) * kBinRecordBytes;
        Sprite& s = sprites[i];
        s.advance = i32At(data, size, r);
        s.yAdvance = i32At(data, size, r + 4);
        s.code = i32At(data, size, r + 8);
        s.xOffset = i32At(data, size, r + 12);
        s.yOffset = i32At(data, size, r + 16);
        s.width = i32At(data, size, r + 20);
        s.height = i32At(data, size, r + 24);
        s.pixels = nullptr;
    }

    // Pixel blocks follow one another; once one does not fit, the positions of the rest are
    // unknown, so they stay empty.
    uint64_t at = 4 + uint64_t(count) * kBinRecordBytes;
    bool intact = true;
    for (int32_t i = 0; i < count; ++i) {
        Sprite& s = sprites[i];
        const int64_t bytes = pixelBytes(s.width, s.height);
        if (!intact || bytes < 0 || uint64_t(bytes) > size - at) {
            intact = false;
            makeEmpty(s);
            continue;
        }
        s.pixels = bytes > 0 ? reinterpret_cast<uint32_t*>(data + at) : nullptr;
        convertPixels(s.pixels, bytes / 4);
        at += uint64_t(bytes);
    }

    set.sprites = sprites;
    set.count = count;
    set.buffer = raw;
    return 1;
}

} // namespace

int32_t loadFontSet(const char* name, SpriteSet& set, int32_t extraAdvance, bool numberCodes) {
    const int32_t ok = loadSpriteSet(name, set);
    if (!ok) return 0;
    for (int32_t i = 0; i < set.count; ++i) {
        set.sprites[i].advance = set.sprites[i].width + extraAdvance;
        if (numberCodes) set.sprites[i].code = i;
    }
    return ok;
}

void setLineAdvance(SpriteSet& set, int32_t value) {
    for (int32_t i = 0; i < set.count; ++i) set.sprites[i].yAdvance = value;
}

void freeSpriteSet(SpriteSet& set) {
    memFree(set.buffer);
    memFree(set.sprites);
    set.buffer = nullptr;
    set.sprites = nullptr;
    set.count = 0;
}

void allocSpriteSet(SpriteSet& set, int32_t count) {
    if (count < 0) count = 0;
    set.sprites = static_cast<Sprite*>(memAllocZeroed(size_t(count) * sizeof(Sprite) + 1));
    if (!set.sprites) fatal("Out of memory for a sprite set of %d\n", count);
    set.count = count;
    set.buffer = nullptr;
}

int32_t getSprEx(const char* name, SpriteExSet& set) {
    void* raw = nullptr;
    const uint32_t size = loadFile(name, raw, 0);
    if (size == 0) return 0;
    const int32_t loaded = getSprExImage(static_cast<const uint8_t*>(raw), size, name, set);
    memFree(raw);
    return loaded;
}

int32_t getSprExImage(const uint8_t* data, uint32_t size, const char* name, SpriteExSet& set) {
    if (!data) return 0;
    const int32_t count = size >= kExsHeaderBytes ? i32At(data, size, 4) : -1;
    if (count < 0 || uint64_t(count) > (size - kExsHeaderBytes) / uint32_t(kSpriteExFileBytes)) return 0;
    SpriteEx* sprites = static_cast<SpriteEx*>(memAllocZeroed(size_t(count) * sizeof(SpriteEx) + 1));
    if (!sprites) fatal("Couldn't memAlloc the records of set %s in getSprEx.\n", name);

    uint64_t at = kExsHeaderBytes + uint64_t(count) * uint32_t(kSpriteExFileBytes);
    bool intact = true;
    for (int32_t i = 0; i < count; ++i) {
        const size_t r = kExsHeaderBytes + size_t(i) * kSpriteExFileBytes;
        SpriteEx& e = sprites[i];
        Sprite& s = e.sprite;
        s.advance = i32At(data, size, r);
        s.code = i32At(data, size, r + 4);
        s.xOffset = i32At(data, size, r + 8);
        s.yOffset = i32At(data, size, r + 12);
        s.width = i32At(data, size, r + 16);
        s.height = i32At(data, size, r + 20);
        s.yAdvance = i32At(data, size, r + 24);
        s.pixels = nullptr;
        std::memcpy(e.name, data + r + 32, kSpriteNameBytes);
        e.name[kSpriteNameBytes - 1] = '\0';

        const int64_t bytes = pixelBytes(s.width, s.height);
        if (!intact || bytes < 0 || uint64_t(bytes) > size - at) {
            intact = false;
            makeEmpty(s);
            continue;
        }
        if (bytes > 0) {
            s.pixels = static_cast<uint32_t*>(memAlloc(size_t(bytes)));
            if (!s.pixels) fatal("Couldn't memAlloc for sprite #%d, set %s in getSprEx.\n", i, name);
            std::memcpy(s.pixels, data + at, size_t(bytes));
        }
        at += uint64_t(bytes);
    }

    set.header0 = i32At(data, size, 0);
    set.spare = i32At(data, size, 8);
    set.sprites = sprites;
    set.count = count;
    return 1;
}

void freeSpriteExSet(SpriteExSet& set) {
    if (set.pixelBlock) {
        memFree(set.pixelBlock);
        set.pixelBlock = nullptr;
    } else {
        for (int32_t i = 0; i < set.count; ++i) memFree(set.sprites[i].sprite.pixels);
    }
    memFree(set.sprites);
    set.sprites = nullptr;
    set.count = 0;
}

} // namespace bv

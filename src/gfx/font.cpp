// Loading the bitmap fonts from ".spr" files.
#include "gfx/font.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "assets/archive.h"
#include "core/fatal.h"
#include "core/memory.h"
#include "gfx/text.h"
#include "platform/byte_reader.h"

namespace bv {

Font fontArial15Bld;
Font fontArial15BldGold;
Font fontArial15BldGlw;
Font fontArial15BldGlwLit;
Font fontArial20Bld;
Font fontArial12Bld;
Font fontOliverSb8;
Font fontArial15Blue;
Font fontArial15BlueLit;
Font fontArial15Brown;
Font fontArial20Brown;
Font numberFont;

namespace {

// Offsets inside a glyph record.
constexpr size_t kRecXOffset = 0, kRecYOffset = 4, kRecWidth = 40, kRecHeight = 44, kRecAdvance = 72,
                 kRecYAdvance = 76, kRecCode = 80;
// Offset of the glyph count: the header's word 12, after the five leading words.
constexpr size_t kCountAt = 20 + 12;

struct FontFile {
    const char* name;
    Font* font;
};
const FontFile kFontFiles[] = {
    {"arial15_bld.spr", &fontArial15Bld},
    {"arial15_bld_gold.spr", &fontArial15BldGold},
    {"arial15_bld_glw.spr", &fontArial15BldGlw},
    {"arial15_bld_glw_lit.spr", &fontArial15BldGlwLit},
    {"arial20_bld.spr", &fontArial20Bld},
    {"arial12_bld.spr", &fontArial12Bld},
    {"oliversb8.spr", &fontOliverSb8},
    {"arial15_blue.spr", &fontArial15Blue},
    {"arial15_blue_lit.spr", &fontArial15BlueLit},
    {"arial15_brown.spr", &fontArial15Brown},
    {"arial20_brown.spr", &fontArial20Brown},
};

// Reads the glyphs of a file whose header has been checked. Returns the number read: the count
// is cut where the records or pixels stop fitting in the data.
int32_t readGlyphs(const uint8_t* data, uint32_t size, const char* fileName, Glyph* glyphs, int32_t count) {
    uint64_t at = kFontFileHeaderBytes;
    for (int32_t i = 0; i < count; ++i) {
        if (size - at < uint64_t(kFontRecordBytes)) return i;
        Glyph g{};
        g.xOffset = i32At(data, size, at + kRecXOffset);
        g.yOffset = i32At(data, size, at + kRecYOffset);
        g.width = i32At(data, size, at + kRecWidth);
        g.height = i32At(data, size, at + kRecHeight);
        g.advance = i32At(data, size, at + kRecAdvance);
        g.yAdvance = i32At(data, size, at + kRecYAdvance);
        g.code = i32At(data, size, at + kRecCode);
        at += kFontRecordBytes;
        if (g.width < 0 || g.height < 0 || g.width > kMaxGlyphSide || g.height > kMaxGlyphSide) return i;
        // Held where no sum of a text's glyphs can overflow the layout's arithmetic.
        g.xOffset = std::clamp(g.xOffset, -kMaxGlyphSide, kMaxGlyphSide);
        g.yOffset = std::clamp(g.yOffset, -kMaxGlyphSide, kMaxGlyphSide);
        g.advance = std::clamp(g.advance, -kMaxGlyphSide, kMaxGlyphSide);
        g.yAdvance = std::clamp(g.yAdvance, -kMaxGlyphSide, kMaxGlyphSide);
        const uint64_t bytes = uint64_t(g.width) * uint64_t(g.height) * 4;
        if (bytes > size - at) return i;
        if (bytes > 0) {
            g.pixels = static_cast<uint32_t*>(memAlloc(size_t(bytes)));
            if (g.pixels)
                std::memcpy(g.pixels, data + at, size_t(bytes));
            else
                std::fprintf(stderr, "Failed to load sprite %d in %s\n", i, fileName);
        }
        at += bytes;
        glyphs[i] = g;
    }
    return count;
}

} // namespace

bool loadFont(const char* fileName, Font& font) {
    void* raw = nullptr;
    const uint32_t size = loadFile(fileName, raw, 0);
    if (size == 0) return false;
    const bool loaded = loadFontImage(static_cast<const uint8_t*>(raw), size, fileName, font);
    memFree(raw);
    return loaded;
}

bool loadFontImage(const uint8_t* data, uint32_t size, const char* fileName, Font& font) {
    if (!data || size < uint32_t(kFontFileHeaderBytes) || i32At(data, size, 12) != kFontHeaderBytes)
        return false;
    if (i32At(data, size, 16) != kFontRecordBytes) {
        freeFont(font);
        return false;
    }
    // Every glyph takes at least its record, so the data bounds the count before anything is
    // allocated for it.
    int32_t count = i32At(data, size, kCountAt);
    const uint32_t fitting = (size - uint32_t(kFontFileHeaderBytes)) / uint32_t(kFontRecordBytes);
    if (count < 0) count = 0;
    if (uint32_t(count) > fitting) count = int32_t(fitting);

    auto* glyphs = static_cast<Glyph*>(memAllocZeroed(size_t(count) * sizeof(Glyph) + 1));
    if (!glyphs) fatal("Out of memory loading the font %s\n", fileName);
    count = readGlyphs(data, size, fileName, glyphs, count);

    freeFont(font);
    font.glyphs = glyphs;
    font.count = count;
    font.ownsPixels = true;
    return count > 0;
}

void freeFont(Font& font) {
    if (font.ownsPixels && font.glyphs) {
        for (int32_t i = 0; i < font.count; ++i) memFree(font.glyphs[i].pixels);
        memFree(font.glyphs);
    }
    font.glyphs = nullptr;
    font.count = 0;
}

void copyFontMetrics(const Font& base, Font& variant) {
    const int32_t n = base.count < variant.count ? base.count : variant.count;
    for (int32_t i = 0; i < n; ++i) {
        variant.glyphs[i].xOffset = base.glyphs[i].xOffset;
        variant.glyphs[i].yOffset = base.glyphs[i].yOffset;
        variant.glyphs[i].advance = base.glyphs[i].advance;
        variant.glyphs[i].yAdvance = base.glyphs[i].yAdvance;
    }
}

void loadFonts() {
    for (const FontFile& f : kFontFiles) {
        freeFont(*f.font);
        if (!loadFont(f.name, *f.font))
            fatal("Could not load the font %s: the file is missing or damaged.\n", f.name);
    }
    copyFontMetrics(fontArial15Bld, fontArial15BldGold);
    copyFontMetrics(fontArial15BldGlw, fontArial15BldGlwLit);
    copyFontMetrics(fontArial15Blue, fontArial15BlueLit);
    setFont(&fontArial15Bld);
}

const Glyph* findGlyph(const Font& font, int32_t code) {
    if (font.count <= 0) return nullptr;
    if (code >= 0 && code < font.count && font.glyphs[code].code == code) return &font.glyphs[code];
    for (int32_t i = 0; i < font.count; ++i)
        if (font.glyphs[i].code == code) return &font.glyphs[i];
    return &font.glyphs[0];
}

} // namespace bv

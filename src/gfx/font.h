// Bitmap fonts: one picture per character, loaded from ".spr" files of the asset archive.
//
// ".spr" file, little-endian: three unused words; the header size (must be 552); the glyph record
// size (must be 344); the 552-byte header, whose word at offset 12 is the glyph count n; then n
// times a 344-byte record followed by the glyph's pixels (width * height * 4 bytes, 0xAARRGGBB).
// Record fields used: 0 xOffset, 4 yOffset, 40 width, 44 height, 72 advance, 76 yAdvance, 80 code.
#pragma once

#include <cstdint>

#include "assets/sprite.h"

namespace bv {

// A glyph is a sprite: advance, code, offsets, size, yAdvance and pixels.
using Glyph = Sprite;

// A font with count 0 draws nothing. `ownsPixels` is false for fonts that view the glyphs of a
// sprite set (the number font), which freeFont then leaves alone.
struct Font {
    Glyph* glyphs = nullptr;
    int32_t count = 0;
    bool ownsPixels = true;
};

constexpr int32_t kFontHeaderBytes = 552;
constexpr int32_t kFontRecordBytes = 344;
constexpr int32_t kFontFileHeaderBytes = 20 + kFontHeaderBytes; // first record at 572
// No glyph of a font is larger, or placed or advanced further, than this many pixels.
constexpr int32_t kMaxGlyphSide = 1024;

// The eleven fonts, in their loading order.
extern Font fontArial15Bld;       // "arial15_bld.spr": current font after start-up
extern Font fontArial15BldGold;   // "arial15_bld_gold.spr": metrics of arial15_bld
extern Font fontArial15BldGlw;    // "arial15_bld_glw.spr": editor button labels
extern Font fontArial15BldGlwLit; // "arial15_bld_glw_lit.spr": metrics of arial15_bld_glw
extern Font fontArial20Bld;       // "arial20_bld.spr": large titles
extern Font fontArial12Bld;       // "arial12_bld.spr": small text
extern Font fontOliverSb8;        // "oliversb8.spr": very small labels
extern Font fontArial15Blue;      // "arial15_blue.spr": button labels
extern Font fontArial15BlueLit;   // "arial15_blue_lit.spr": hovered labels, metrics of arial15_blue
extern Font fontArial15Brown;     // "arial15_brown.spr": dialog and screen bodies
extern Font fontArial20Brown;     // "arial20_brown.spr": dialog and screen titles
// The "bfnt" sprite set viewed as a font (glyph index = character code); popped-up numbers.
extern Font numberFont;

// Reads a font file. Returns true when glyphs were loaded.
// - unreadable file, or a header size other than 552: false, the font is left as it was;
// - a record size other than 344: false, the font's count becomes 0;
// - otherwise the old glyphs are freed and the new ones loaded. A count larger than the records
//   the data holds is cut to them; a glyph whose size is negative or whose pixels reach past the
//   data, or whose width or height is above kMaxGlyphSide, ends the font there; offsets and
//   advances are held to +-kMaxGlyphSide. A glyph whose pixels cannot be allocated is reported on stderr
//   ("Failed to load sprite %d in %s") and kept without a picture.
bool loadFont(const char* fileName, Font& font);
// The same from a ".spr" image in memory; `fileName` only names it in messages.
bool loadFontImage(const uint8_t* image, uint32_t size, const char* fileName, Font& font);
// Releases every glyph's pixels and the glyph array; count becomes 0.
void freeFont(Font& font);
// For each index present in both fonts, copies xOffset, yOffset, advance and yAdvance from base to
// variant, so a coloured or glowing variant lays out exactly like its base.
void copyFontMetrics(const Font& base, Font& variant);
// The eleven fonts in their order (each freed first when loaded again), the three metric copies,
// and arial15_bld made current. A font that does not load is fatal, naming its file.
void loadFonts();

// The glyph drawn for a code: the one at index = code if it carries that code, else the first
// with that code, else glyph 0; nullptr for an empty font.
const Glyph* findGlyph(const Font& font, int32_t code);

} // namespace bv

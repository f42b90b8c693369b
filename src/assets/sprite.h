// A picture: 32-bit pixels with alpha in the top byte, and its anchor.
#pragma once

#include <cstdint>

namespace bv {

// The display's channel order: bit positions of red, green and blue in a pixel (16/8/0 for our
// 0x00RRGGBB frame). Loaded pictures are converted to it; the display sets it at start-up.
extern int32_t redShift;
extern int32_t greenShift;
extern int32_t blueShift;

struct Sprite {
    int32_t advance; // pen advance when used as a font glyph
    int32_t code;    // character code when used as a font glyph
    int32_t xOffset; // x of the left edge relative to the drawing position
    int32_t yOffset; // y of the top edge relative to the drawing position
    int32_t width;
    int32_t height;
    int32_t yAdvance; // line advance when used as a font
    uint32_t* pixels; // width * height pixels, rows from the top; alpha << 24 | r << 16 | g << 8 | b
};

} // namespace bv

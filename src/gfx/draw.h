// Drawing primitives. A target is a pixel buffer 800 pixels wide and 600 rows high, normally
// frameBuffer. Colours are 0xRRGGBB (alpha, where a sprite carries one, in the top byte); alpha and
// opacity arguments are 0..255. Every primitive except dimRect, copyRect and lerpColour clips to
// the clip rectangle; none writes outside the 800 x 600 buffer, whatever its arguments.
#pragma once

#include <cstdint>

#include "assets/sprite.h"
#include "gfx/framebuffer.h"

namespace bv {

// The one blending rule: per colour channel (c * a + old * (255 - a) + 1) >> 8, a in 0..255.
// Red and blue are blended together in one word (their sums stay below 2^16 and cannot carry into
// each other); the top byte of the result is 0.
inline uint32_t blendColour(uint32_t colour, uint32_t old, uint32_t alpha) {
    const uint32_t inv = 255 - alpha;
    const uint32_t rb =
        (((colour & 0xFF00FFu) * alpha + (old & 0xFF00FFu) * inv + 0x010001u) >> 8) & 0xFF00FFu;
    const uint32_t g =
        (((colour & 0x00FF00u) * alpha + (old & 0x00FF00u) * inv + 0x000100u) >> 8) & 0x00FF00u;
    return rb | g;
}

// Writes one pixel.
void putPixel(uint32_t* target, int32_t x, int32_t y, uint32_t colour);
// Blends the colour over one pixel with the blending rule; the pixel's top byte becomes 0.
void blendPixel(uint32_t* target, int32_t x, int32_t y, uint32_t colour, int32_t alpha);

void fillRect(uint32_t* target, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour);
// Alpha 255 writes the colour; any other alpha blends it (alpha 0 still applies the rule).
void fillRectAlpha(uint32_t* target, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour,
                   int32_t alpha);
// Multiplies every colour channel by percent / 100 (truncated, at most 255) and clears the top byte.
// Not clipped, but cut to the buffer.
void dimRect(uint32_t* target, int32_t x, int32_t y, int32_t width, int32_t height, int32_t percent);
// Copies a width x height block between two 800-wide buffers, starting at their first rows (saving
// and restoring whole screens). Not clipped, but cut to 800 x 600.
void copyRect(uint32_t* target, const uint32_t* source, int32_t width, int32_t height);

// A line from (x1, y1) to (x2, y2), both ends drawn, colour and alpha running from the first
// values to the second. Opaque lines are written, others blended; a horizontal line of one colour
// and alpha inside the clip rectangle is blended from x1 up to, not including, x2.
void drawLine(uint32_t* target, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour1,
              uint32_t colour2, int32_t alpha1, int32_t alpha2);
// Each of the four bytes: trunc(b * t + a * (1 - t)); t is held to 0..1.
uint32_t lerpColour(uint32_t colourA, uint32_t colourB, float t);

// The sprite at its own size, brightness 1.
void drawSprite(uint32_t* target, int32_t x, int32_t y, const Sprite* sprite, bool mirror);
// The sprite stretched to width x height. Its left edge is x + xOffset scaled, or when mirrored
// x - (sprite width + xOffset) scaled, so the picture turns about its hot spot. Pixels with alpha
// of 224 or more are multiplied by brightness unless it is exactly 1. Records the sprite rectangle.
void drawSpriteScaled(uint32_t* target, int32_t x, int32_t y, const Sprite* sprite, int32_t width,
                      int32_t height, bool mirror, float brightness);
// The sprite stretched and faded by opacity; below 255 it is placed at x + xOffset scaled even when
// mirrored and does not record the sprite rectangle.
void drawSpriteFaded(uint32_t* target, int32_t x, int32_t y, const Sprite* sprite, int32_t width,
                     int32_t height, bool mirror, int32_t opacity);
// The sprite at its own size at (x + xOffset, y + yOffset) with a warm diagonal band of light,
// 24 pixels wide, whose position runs across the picture as strength goes from 0 to 1.
void drawSpriteShine(uint32_t* target, int32_t x, int32_t y, const Sprite* sprite, bool mirror,
                     float strength);
// Copies pixels without blending: every pixel with non-zero alpha, or when mirrored only the
// opaque ones, picture turned about the hot spot as in drawSpriteScaled.
void drawSpriteFast(uint32_t* target, int32_t x, int32_t y, const Sprite* sprite, bool mirror);
// Writes the colour wherever the sprite (at its own size, placed as drawSprite) has non-zero alpha.
// The house hit-test map is drawn this way with the house index + 1.
void drawSilhouette(uint32_t* target, int32_t x, int32_t y, const Sprite* sprite, bool mirror,
                    uint32_t colour);

} // namespace bv

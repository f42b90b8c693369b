#include "gfx/slant.h"

#include <algorithm>
#include <cmath>

#include "gfx/draw.h"
#include "gfx/framebuffer.h"

namespace bv {

namespace {

// A column whose top lies further from the frame than this has nothing to draw in it.
constexpr float kFarAway = 1.0e6f;

// The source pixel at (col, row), transparent outside the picture.
uint32_t sourceAt(const Sprite& s, int32_t col, int32_t row) {
    if (row < 0 || row >= s.height) return 0;
    return s.pixels[size_t(row) * s.width + col];
}

// Mixes two pixels by t (0 gives a, 1 gives b), weighting each colour by its alpha so that the
// transparent surroundings of a letter do not darken its edge.
uint32_t mixPixels(uint32_t a, uint32_t b, float t) {
    const float wa = float(a >> 24) * (1.0f - t);
    const float wb = float(b >> 24) * t;
    const float alpha = wa + wb;
    if (alpha <= 0.0f) return 0;
    uint32_t out = uint32_t(alpha + 0.5f) << 24;
    for (int shift = 0; shift <= 16; shift += 8) {
        const float c = (float((a >> shift) & 0xFF) * wa + float((b >> shift) & 0xFF) * wb) / alpha;
        out |= uint32_t(c + 0.5f) << shift;
    }
    return out;
}

// Every pixel the slanted picture covers, with the colour it gets there: (frame offset, colour).
template <typename Plot>
void walkSlanted(int32_t x, int32_t y, const Sprite* sprite, float factor, float scale, Plot plot) {
    if (!sprite || !sprite->pixels || sprite->width <= 0 || sprite->height <= 0) return;
    if (!(scale > 0.0f) || !std::isfinite(factor)) return;
    const Sprite& s = *sprite;
    const float scaledWidth = float(s.width) * scale, scaledHeight = float(s.height) * scale;
    if (!(scaledWidth < kFarAway && scaledHeight < kFarAway)) return;
    const int32_t width = int32_t(scaledWidth);
    const int32_t height = int32_t(scaledHeight);
    if (width <= 0 || height <= 0) return;
    // In 64 bits, and the float positions held where a float is still exact to the pixel: a
    // picture placed far outside the frame only loses columns and rows that are not drawn anyway.
    const int64_t left = int64_t(x) + int64_t(float(s.xOffset) * scale);
    const float top = float(y) + float(int64_t(float(s.yOffset) * scale));

    const int64_t firstCol = std::max<int64_t>(0, clipLeft() - left);
    const int64_t endCol = std::min<int64_t>(width, clipRight() - left);
    for (int64_t col = firstCol; col < endCol; ++col) {
        const int32_t px = int32_t(left + col);
        const int32_t srcCol = int32_t(float(col) / scale);
        if (srcCol >= s.width) continue;
        // The column's shift, measured from the hot spot at the middle of the pixel.
        const float columnTop = top + factor * (float(int64_t(px) - x) + 0.5f);
        if (!(columnTop > -kFarAway && columnTop < kFarAway)) continue;
        const int32_t first = int32_t(std::floor(columnTop));
        const int32_t firstRow = std::max(first, clipTop());
        const int32_t endRow = int32_t(std::min<int64_t>(int64_t(first) + height + 1, clipBottom()));
        for (int32_t py = firstRow; py < endRow; ++py) {
            // Row position in the source, at the pixel's middle.
            const float f = (float(py) + 0.5f - columnTop) / scale - 0.5f;
            // Rows above -1 or below the picture mix nothing but transparency.
            if (!(f >= -1.0f && f < float(s.height))) continue;
            const int32_t row = int32_t(std::floor(f));
            const float t = f - float(row);
            const uint32_t colour =
                t <= 0.0f ? sourceAt(s, srcCol, row)
                          : mixPixels(sourceAt(s, srcCol, row), sourceAt(s, srcCol, row + 1), t);
            if ((colour >> 24) != 0) plot(size_t(py) * kFrameWidth + size_t(px), colour);
        }
    }
}

} // namespace

void drawSpriteSlanted(uint32_t* target, int32_t x, int32_t y, const Sprite* sprite, float factor,
                       float scale) {
    if (!target) return;
    walkSlanted(x, y, sprite, factor, scale, [target](size_t at, uint32_t colour) {
        target[at] = blendColour(colour, target[at], colour >> 24) | 0xFF000000u; // as every sprite blit
    });
}

void drawSilhouetteSlanted(uint32_t* target, int32_t x, int32_t y, const Sprite* sprite, float factor,
                           uint32_t colour) {
    if (!target) return;
    walkSlanted(x, y, sprite, factor, 1.0f, [target, colour](size_t at, uint32_t) { target[at] = colour; });
}

} // namespace bv

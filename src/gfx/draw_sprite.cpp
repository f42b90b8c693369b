// Sprite primitives: scaled, brightened, faded, shining, fast-copied and silhouette pictures.
// All of them share one walker that cuts the placed picture to the clip rectangle once, works out
// the source column of every visible target column in 8.8 fixed point, and then runs the per-pixel
// rule over the visible rows without further checks.
#include "gfx/draw.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "gfx/blend_row.h"
#include "gfx/draw_area.h"

namespace bv {

namespace {

constexpr uint32_t kTopByte = 0xFF000000u;

bool hasPixels(const Sprite* s) {
    return s && s->pixels && s->width > 0 && s->height > 0;
}

int32_t toInt32(int64_t v) {
    return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

// Runs rule(dst, src, col, row) for every visible pixel of the sprite stretched to width x height
// with its top left corner at (left, top); col and row count from that corner. Steps are 8.8
// fixed point: source row = (sy * row) >> 8, source column = (sx * col) >> 8, from the right end
// of the source row when mirrored.
template <class Rule>
void walkSprite(uint32_t* target, const Sprite& s, int64_t left, int64_t top, int32_t width, int32_t height,
                bool mirror, Rule&& rule) {
    const Area a = clipArea(left, top, width, height);
    if (a.empty()) return;
    const int64_t sx = (int64_t(s.width) << 8) / width;
    const int64_t sy = (int64_t(s.height) << 8) / height;

    const int32_t visible = a.x1 - a.x0;
    const int32_t firstCol = int32_t(a.x0 - left);
    if (!mirror && width == s.width) {
        // One to one along the row: reading the source row straight lets the compiler vectorise it.
        for (int32_t y = a.y0; y < a.y1; ++y) {
            const int32_t row = int32_t(y - top);
            const uint32_t* src = s.pixels + ((sy * row) >> 8) * s.width + firstCol;
            uint32_t* dst = target + y * kFrameWidth + a.x0;
            for (int32_t i = 0; i < visible; ++i) rule(dst[i], src[i], firstCol + i, row);
        }
        return;
    }

    int32_t sourceCol[kFrameWidth]; // the clip rectangle is never wider than the frame
    for (int32_t i = 0; i < visible; ++i) {
        const int32_t col = int32_t((sx * (a.x0 + i - left)) >> 8);
        sourceCol[i] = mirror ? s.width - 1 - col : col;
    }
    for (int32_t y = a.y0; y < a.y1; ++y) {
        const int32_t row = int32_t(y - top);
        const uint32_t* src = s.pixels + ((sy * row) >> 8) * s.width;
        uint32_t* dst = target + y * kFrameWidth + a.x0;
        for (int32_t i = 0; i < visible; ++i) rule(dst[i], src[sourceCol[i]], firstCol + i, row);
    }
}

// Blending at brightness 1: the blending rule with the pixel's own alpha; the top byte becomes 255.
inline void blendSpritePixel(uint32_t& dst, uint32_t src) {
    // Written without a branch so that rows can be blended several pixels at a time.
    const uint32_t a = src >> 24;
    const uint32_t blended = blendColour(src, dst, a) | kTopByte;
    dst = a != 0 ? blended : dst;
}

// A picture at its own size and brightness 1, a row at a time.
void blendSpriteOneToOne(uint32_t* target, const Sprite& s, int64_t left, int64_t top, bool mirror) {
    const Area a = clipArea(left, top, s.width, s.height);
    if (a.empty()) return;
    const int32_t visible = a.x1 - a.x0;
    const int32_t firstCol = int32_t(a.x0 - left);
    for (int32_t y = a.y0; y < a.y1; ++y) {
        const uint32_t* row = s.pixels + size_t(y - top) * size_t(s.width);
        uint32_t* dst = target + y * kFrameWidth + a.x0;
        if (mirror)
            blendSpriteRow<true>(dst, row + (s.width - 1 - firstCol), visible);
        else
            blendSpriteRow<false>(dst, row + firstCol, visible);
    }
}

inline uint32_t scaleChannel(uint32_t v, float factor) {
    const float scaled = float(v) * factor;
    if (!(scaled > 0.0f)) return 0; // negative or NaN brightness
    return scaled >= 255.0f ? 255u : uint32_t(scaled);
}

// A brightened pixel: faint pixels (alpha below 224) are only blended; nearly opaque ones are first
// mixed with the background, then every channel is multiplied; the top byte becomes 0.
inline void brightSpritePixel(uint32_t& dst, uint32_t src, float brightness) {
    const uint32_t a = src >> 24;
    if (a == 0) return;
    if (a < 224) {
        dst = blendColour(src, dst, a) | kTopByte;
        return;
    }
    uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        uint32_t v = (src >> shift) & 0xFF;
        if (a < 255) v = (((dst >> shift) & 0xFF) * (255 - a) + (v + 1) * (a + 1)) >> 8;
        out |= scaleChannel(v, brightness) << shift;
    }
    dst = out;
}

} // namespace

void drawSprite(uint32_t* target, int32_t x, int32_t y, const Sprite* sprite, bool mirror) {
    if (!sprite) return;
    drawSpriteScaled(target, x, y, sprite, sprite->width, sprite->height, mirror, 1.0f);
}

void drawSpriteScaled(uint32_t* target, int32_t x, int32_t y, const Sprite* sprite, int32_t width,
                      int32_t height, bool mirror, float brightness) {
    if (!sprite || width < 1 || height < 1) return;
    const Sprite& s = *sprite;
    // Mirrored, the picture turns about its hot spot: the right edge lands where the unmirrored
    // left edge's distance from the hot spot puts it.
    const int64_t offsetX = int64_t(mirror ? -(int64_t(s.width) + s.xOffset) : s.xOffset) * width;
    const int64_t left = x + (s.width != 0 ? offsetX / s.width : 0);
    const int64_t top = y + (s.height != 0 ? int64_t(s.yOffset) * height / s.height : 0);
    recordSpriteRect(toInt32(left), toInt32(top), width, height);
    if (!hasPixels(sprite)) return;

    if (brightness == 1.0f && width == s.width && height == s.height) {
        blendSpriteOneToOne(target, s, left, top, mirror);
    } else if (brightness == 1.0f) {
        walkSprite(target, s, left, top, width, height, mirror,
                   [](uint32_t& dst, uint32_t src, int32_t, int32_t) { blendSpritePixel(dst, src); });
    } else {
        walkSprite(target, s, left, top, width, height, mirror,
                   [brightness](uint32_t& dst, uint32_t src, int32_t, int32_t) {
                       brightSpritePixel(dst, src, brightness);
                   });
    }
}

void drawSpriteFaded(uint32_t* target, int32_t x, int32_t y, const Sprite* sprite, int32_t width,
                     int32_t height, bool mirror, int32_t opacity) {
    opacity = std::clamp(opacity, 0, 255);
    if (opacity == 255) {
        drawSpriteScaled(target, x, y, sprite, width, height, mirror, 1.0f);
        return;
    }
    if (!hasPixels(sprite) || width < 1 || height < 1) return;
    const Sprite& s = *sprite;
    const int64_t left = x + int64_t(s.xOffset) * width / s.width;
    const int64_t top = y + int64_t(s.yOffset) * height / s.height;
    const uint32_t fade = uint32_t(opacity);
    walkSprite(target, s, left, top, width, height, mirror,
               [fade](uint32_t& dst, uint32_t src, int32_t, int32_t) {
                   // A pixel whose faded alpha is 0 is not drawn: blending it would still darken the
                   // background by the rule's rounding.
                   const uint32_t a = ((src >> 24) * fade) >> 8;
                   if (a != 0) dst = blendColour(src, dst, a);
               });
}

void drawSpriteShine(uint32_t* target, int32_t x, int32_t y, const Sprite* sprite, bool mirror,
                     float strength) {
    if (!sprite) return;
    const Sprite& s = *sprite;
    const int64_t left = int64_t(x) + s.xOffset;
    const int64_t top = int64_t(y) + s.yOffset;
    recordSpriteRect(toInt32(left), toInt32(top), s.width, s.height);
    if (!hasPixels(sprite)) return;

    // The band: 24 columns ending (exclusive) at trunc(total * strength) in the first row, one
    // column further left on every row. Inside it the factor rises from 1 to 1.5 over 20 columns
    // and falls back over the last four.
    constexpr int kBand = 24;
    float factor[kBand];
    for (int p = 0; p < kBand; ++p)
        factor[p] = 1.0f + (p < 21 ? float(p) / 20.0f : float(kBand - p) / 4.0f) / 2.0f;
    if (!(strength > 0.0f)) strength = 0.0f; // the band is off the picture at both ends anyway
    if (strength > 1.0f) strength = 1.0f;
    const int64_t total = int64_t(s.width) + s.height + kBand;
    const int64_t bandEnd = int64_t(double(total) * double(strength));

    walkSprite(target, s, left, top, s.width, s.height, mirror,
               [&factor, bandEnd](uint32_t& dst, uint32_t src, int32_t col, int32_t row) {
                   const uint32_t a = src >> 24;
                   if (a == 0) return;
                   uint32_t out = blendColour(src, dst, a) | kTopByte;
                   const int64_t p = col - (bandEnd - kBand - row);
                   if (a >= 251 && p >= 0 && p < kBand) {
                       // Green and red only: the light is warm.
                       const uint32_t g = scaleChannel((out >> 8) & 0xFF, factor[p]);
                       const uint32_t r = scaleChannel((out >> 16) & 0xFF, factor[p]);
                       out = (out & 0xFF0000FFu) | r << 16 | g << 8;
                   }
                   dst = out;
               });
}

void drawSpriteFast(uint32_t* target, int32_t x, int32_t y, const Sprite* sprite, bool mirror) {
    if (!hasPixels(sprite)) return;
    const Sprite& s = *sprite;
    // Mirrored placement matches drawSprite's, so both primitives turn a picture the same way.
    const int64_t left = mirror ? int64_t(x) - (int64_t(s.width) + s.xOffset) : int64_t(x) + s.xOffset;
    const int64_t top = int64_t(y) + s.yOffset;
    if (mirror) {
        walkSprite(target, s, left, top, s.width, s.height, true,
                   [](uint32_t& dst, uint32_t src, int32_t, int32_t) {
                       if ((src >> 24) == 255) dst = src;
                   });
    } else {
        walkSprite(target, s, left, top, s.width, s.height, false,
                   [](uint32_t& dst, uint32_t src, int32_t, int32_t) {
                       if ((src >> 24) != 0) dst = src;
                   });
    }
}

void drawSilhouette(uint32_t* target, int32_t x, int32_t y, const Sprite* sprite, bool mirror,
                    uint32_t colour) {
    if (!sprite) return;
    const Sprite& s = *sprite;
    const int64_t left = mirror ? int64_t(x) - (int64_t(s.width) + s.xOffset) : int64_t(x) + s.xOffset;
    const int64_t top = int64_t(y) + s.yOffset;
    recordSpriteRect(toInt32(left), toInt32(top), s.width, s.height);
    if (!hasPixels(sprite)) return;
    walkSprite(target, s, left, top, s.width, s.height, mirror,
               [colour](uint32_t& dst, uint32_t src, int32_t, int32_t) {
                   if ((src >> 24) != 0) dst = colour;
               });
}

} // namespace bv

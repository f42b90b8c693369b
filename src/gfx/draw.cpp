// Pixels, rectangles and lines. Every routine cuts its area to the clip rectangle (or to the buffer)
// once, in 64-bit arithmetic so that no argument can overflow, and then runs an unchecked loop.
#include "gfx/draw.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "gfx/draw_area.h"

namespace bv {

namespace {

bool insideClip(int64_t x, int64_t y) {
    return x >= clipLeft() && x < clipRight() && y >= clipTop() && y < clipBottom();
}

int32_t clampAlpha(int32_t alpha) {
    return std::clamp(alpha, 0, 255);
}

// Narrows the step range [kLo, kHi] of a line to the steps whose coordinate along one axis,
// start + delta * k / n, can truncate into [lo, hi). A margin of one step on each side keeps
// this a pure speed-up (the pixels themselves are still clipped one by one); it only matters for
// lines far longer than the screen.
bool narrowSteps(int64_t start, int64_t delta, int64_t n, int32_t lo, int32_t hi, int64_t& kLo,
                 int64_t& kHi) {
    if (delta == 0) return start >= lo && start < hi;
    const double a = (double(lo) - 1.0 - double(start)) * double(n) / double(delta);
    const double b = (double(hi) - double(start)) * double(n) / double(delta);
    const double first = std::clamp(std::floor(std::min(a, b)) - 1.0, -1.0, double(n) + 1.0);
    const double last = std::clamp(std::ceil(std::max(a, b)) + 1.0, -1.0, double(n) + 1.0);
    kLo = std::max(kLo, int64_t(first));
    kHi = std::min(kHi, int64_t(last));
    return kLo <= kHi;
}

} // namespace

void putPixel(uint32_t* target, int32_t x, int32_t y, uint32_t colour) {
    if (!insideClip(x, y)) return;
    target[y * kFrameWidth + x] = colour;
}

void blendPixel(uint32_t* target, int32_t x, int32_t y, uint32_t colour, int32_t alpha) {
    if (!insideClip(x, y)) return;
    uint32_t& p = target[y * kFrameWidth + x];
    p = blendColour(colour, p, uint32_t(clampAlpha(alpha)));
}

void fillRect(uint32_t* target, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour) {
    const Area a = clipArea(x, y, width, height);
    if (a.empty()) return;
    for (int32_t row = a.y0; row < a.y1; ++row) {
        uint32_t* p = target + row * kFrameWidth;
        std::fill(p + a.x0, p + a.x1, colour);
    }
}

void fillRectAlpha(uint32_t* target, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour,
                   int32_t alpha) {
    alpha = clampAlpha(alpha);
    if (alpha == 255) {
        fillRect(target, x, y, width, height, colour);
        return;
    }
    const Area a = clipArea(x, y, width, height);
    if (a.empty()) return;
    for (int32_t row = a.y0; row < a.y1; ++row) {
        uint32_t* p = target + row * kFrameWidth;
        for (int32_t col = a.x0; col < a.x1; ++col) p[col] = blendColour(colour, p[col], uint32_t(alpha));
    }
}

void dimRect(uint32_t* target, int32_t x, int32_t y, int32_t width, int32_t height, int32_t percent) {
    const Area a = cutArea(x, y, width, height, 0, 0, kFrameWidth, kFrameHeight);
    if (a.empty()) return;
    if (percent == 50) {
        // The quit dialog's dim: each channel halved, rounded down.
        for (int32_t row = a.y0; row < a.y1; ++row) {
            uint32_t* p = target + row * kFrameWidth;
            for (int32_t col = a.x0; col < a.x1; ++col) p[col] = (p[col] >> 1) & 0x7F7F7Fu;
        }
        return;
    }
    // One table of the 256 channel values; percentages above 100 brighten and saturate at 255.
    uint32_t table[256];
    const int64_t factor = std::max(percent, 0);
    for (int v = 0; v < 256; ++v) table[v] = uint32_t(std::min<int64_t>(v * factor / 100, 255));
    for (int32_t row = a.y0; row < a.y1; ++row) {
        uint32_t* p = target + row * kFrameWidth;
        for (int32_t col = a.x0; col < a.x1; ++col) {
            const uint32_t c = p[col];
            p[col] = table[(c >> 16) & 0xFF] << 16 | table[(c >> 8) & 0xFF] << 8 | table[c & 0xFF];
        }
    }
}

void copyRect(uint32_t* target, const uint32_t* source, int32_t width, int32_t height) {
    width = std::clamp(width, 0, kFrameWidth);
    height = std::clamp(height, 0, kFrameHeight);
    if (width == 0 || height == 0 || target == source) return;
    if (width == kFrameWidth) {
        std::memmove(target, source, size_t(width) * size_t(height) * 4);
        return;
    }
    for (int32_t row = 0; row < height; ++row)
        std::memmove(target + row * kFrameWidth, source + row * kFrameWidth, size_t(width) * 4);
}

uint32_t lerpColour(uint32_t colourA, uint32_t colourB, float t) {
    if (!(t > 0.0f)) t = 0.0f; // also catches NaN
    if (t > 1.0f) t = 1.0f;
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const float a = float((colourA >> shift) & 0xFF);
        const float b = float((colourB >> shift) & 0xFF);
        out |= (uint32_t(b * t + a * (1.0f - t)) & 0xFF) << shift;
    }
    return out;
}

void drawLine(uint32_t* target, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour1,
              uint32_t colour2, int32_t alpha1, int32_t alpha2) {
    alpha1 = clampAlpha(alpha1);
    alpha2 = clampAlpha(alpha2);
    const bool opaque = alpha1 == 255 && alpha2 == 255;

    // A flat line of one colour and alpha that lies inside the clip rectangle: blend the row
    // directly. It covers x1 up to, not including, x2 (mirrored for a line drawn leftwards).
    if (!opaque && y1 == y2 && colour1 == colour2 && alpha1 == alpha2) {
        const int64_t lo = x1 <= x2 ? int64_t(x1) : int64_t(x2) + 1;
        const int64_t hi = x1 <= x2 ? int64_t(x2) : int64_t(x1) + 1;
        if (y1 >= clipTop() && y1 < clipBottom() && lo >= clipLeft() && hi <= clipRight()) {
            uint32_t* p = target + y1 * kFrameWidth;
            for (int64_t col = lo; col < hi; ++col) p[col] = blendColour(colour1, p[col], uint32_t(alpha1));
            return;
        }
    }

    const int64_t dx = int64_t(x2) - x1;
    const int64_t dy = int64_t(y2) - y1;
    const int64_t n = std::max(std::llabs(dx), std::llabs(dy));
    auto plot = [&](int64_t px, int64_t py, uint32_t colour, int32_t alpha) {
        if (!insideClip(px, py)) return;
        if (opaque)
            target[py * kFrameWidth + px] = colour;
        else
            blendPixel(target, int32_t(px), int32_t(py), colour, alpha);
    };

    // Step k = 0 is the start; step k >= 1 is the k-th advance, whose colour and alpha run with
    // i = k - 1 over i / (n - 1), so the first advance keeps colour1 and the end point gets
    // colour2. A line of one step (n = 1) would divide 0 by 0: both its points take colour1.
    int64_t kLo = 0, kHi = n;
    if (!narrowSteps(x1, dx, n, clipLeft(), clipRight(), kLo, kHi)) return;
    if (!narrowSteps(y1, dy, n, clipTop(), clipBottom(), kLo, kHi)) return;
    for (int64_t k = kLo; k <= kHi; ++k) {
        if (k == 0) {
            plot(x1, y1, colour1, alpha1);
            continue;
        }
        // The position is computed from the start rather than accumulated, so no rounding drift
        // can move the end point off (x2, y2).
        const double px = double(x1) + double(dx) * double(k) / double(n);
        const double py = double(y1) + double(dy) * double(k) / double(n);
        const double t = n > 1 ? double(k - 1) / double(n - 1) : 0.0;
        const uint32_t colour = colour1 == colour2 ? colour1 : lerpColour(colour1, colour2, float(t));
        const int32_t alpha = clampAlpha(int32_t(alpha1 + (alpha2 - alpha1) * t));
        plot(int64_t(px), int64_t(py), colour, alpha);
    }
}

} // namespace bv

// Cutting a drawing area to a bounding rectangle, shared by the primitives' source files.
#pragma once

#include <algorithm>
#include <cstdint>

#include "gfx/framebuffer.h"

namespace bv {

// A half-open area [x0, x1) x [y0, y1) of the buffer.
struct Area {
    int32_t x0, y0, x1, y1;
    bool empty() const { return x0 >= x1 || y0 >= y1; }
};

// The part of (x, y, width, height) inside [left, right) x [top, bottom). 64-bit arguments so that
// callers can pass sums of 32-bit values without overflow.
inline Area cutArea(int64_t x, int64_t y, int64_t width, int64_t height, int32_t left, int32_t top,
                    int32_t right, int32_t bottom) {
    Area a;
    a.x0 = int32_t(std::clamp<int64_t>(x, left, right));
    a.y0 = int32_t(std::clamp<int64_t>(y, top, bottom));
    a.x1 = int32_t(std::clamp<int64_t>(x + std::max<int64_t>(width, 0), a.x0, right));
    a.y1 = int32_t(std::clamp<int64_t>(y + std::max<int64_t>(height, 0), a.y0, bottom));
    return a;
}

// The part of an area inside the clip rectangle.
inline Area clipArea(int64_t x, int64_t y, int64_t width, int64_t height) {
    return cutArea(x, y, width, height, clipLeft(), clipTop(), clipRight(), clipBottom());
}

} // namespace bv

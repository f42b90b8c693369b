// The glow pulse shared by hovered picture buttons and the editor's highlighted object: a triangle
// wave over 128 ticks of the frame clock, rising from 0 to about 0.5 and back.
#pragma once

#include <cstdint>

#include "core/clock.h"

namespace bv {

// The wave at a tick count: counter = ticks mod 128; counter / 127 below 64, (128 - counter) / 127
// from 64 on.
inline float pulseAt(int32_t ticks) {
    const int32_t counter = ticks & 127;
    return counter < 64 ? float(counter) / 127.0f : float(128 - counter) / 127.0f;
}

// The wave now. The counter advances by each frame's elapsed ticks, which is what totalTicks sums.
inline float pulse() {
    return pulseAt(totalTicks);
}

} // namespace bv

// Window events as the platform hands them over: straight to the input layer, or into the
// headless backend's queue for the next frame.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace bvtest {

inline bv::platform::Event event(bv::platform::Event::Type type, int32_t key = 0, int32_t x = 0,
                                 int32_t y = 0) {
    bv::platform::Event e;
    e.type = type;
    e.key = key;
    e.x = x;
    e.y = y;
    return e;
}

// A key pressed or released in the headless backend's queue.
inline void queueKey(int32_t key, bool down) {
    bv::platform::headless::pushEvent(
        event(down ? bv::platform::Event::KeyDown : bv::platform::Event::KeyUp, key));
}

} // namespace bvtest

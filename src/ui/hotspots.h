// The hot-spot list: every clickable rectangle drawn this frame, in the order it was registered.
// The frame loop empties it before the state update; the update's widgets register their
// rectangles; after the update one dispatcher sets the cursor and gives a click to the first hot
// spot under the mouse, even when a later one lies on top of it on screen.
#pragma once

#include <cstdint>

#include "gfx/framebuffer.h"

namespace bv {

constexpr int32_t kHotSpotCapacity = 125;

using HotSpotCallback = void (*)(int32_t mouseX, int32_t mouseY, int32_t value);

struct HotSpot {
    int32_t left;
    int32_t top;
    int32_t width;
    int32_t height;
    int32_t tag; // 0 unless set; the tutorial finds the buttons it points at by tag
    HotSpotCallback callback;
    int32_t value;
};

// Creates the list (start-up); a second call only empties it.
void initHotSpots();
void clearHotSpots();
// Appends a hot spot with tag 0. A full list (125) refuses it and returns nullptr: what was drawn
// cannot be clicked.
HotSpot* addHotSpot(int32_t left, int32_t top, int32_t width, int32_t height, HotSpotCallback callback,
                    int32_t value);
// Tags the most recently registered hot spot; nothing when none is registered.
void tagLastHotSpot(int32_t tag);
int32_t hotSpotCount();
// The i-th registered hot spot, or nullptr.
const HotSpot* hotSpotByIndex(int32_t index);

// A point is inside when left <= x < left + width and top <= y < top + height.
bool rectContains(const Rect& r, int32_t x, int32_t y);
// Index + 1 of the first hot spot containing the point, or 0.
int32_t hotSpotAt(int32_t x, int32_t y);
// Tag + 1 of the first hot spot containing the point, or 0.
int32_t hotSpotTagAt(int32_t x, int32_t y);
// The first hot spot with that tag, or nullptr.
const HotSpot* findHotSpotByTag(int32_t tag);
// Removes every hot spot whose tag differs, keeping the order of the rest: the tutorial leaves
// only the button its step is about clickable.
void keepHotSpotsTagged(int32_t tag);
// Whether the current mouse position lies inside the rectangle.
bool isMouseOver(const Rect& r);

// Once per frame after the update: the hand cursor over a hot spot, else the arrow; on this
// frame's left click, the first hot spot under the mouse gets its callback (at most one runs).
void dispatchHotSpots();

} // namespace bv

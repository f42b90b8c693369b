// The depth-sorted draw list: map objects and houses are collected while the town is walked and
// then drawn from the smallest screen y to the largest, so that whatever stands lower on the screen
// covers what stands behind it. Filled and flushed within one drawing pass; nothing stays in it
// between frames.
#pragma once

#include <cstdint>

#include "assets/sprite.h"

namespace bv {

constexpr int32_t kDrawListCapacity = 2000;

enum DrawKind : int32_t {
    kDrawHighlighted = 0, // alpha blit at width x height with a brightness factor
    kDrawPlain = 4,       // plain sprite with alpha at its own size
};

struct DrawEntry {
    int32_t kind;
    uint32_t* target; // the buffer to draw into
    int32_t x;        // screen position of the sprite's hot spot
    int32_t y;        // ... and the depth key
    const Sprite* sprite;
    int32_t width;
    int32_t height;
    int32_t mirrored;
    float brightness;
    int32_t inUse;
};

// Allocates the entries and their order list once (start-up) and empties the list; a second call
// only empties it.
void initDrawList();
// Queues the sprite at (x, y) into the frame buffer. With all entries in use the call does nothing.
void drawListAdd(int32_t x, int32_t y, const Sprite* sprite, bool mirrored);
// The same with a glow: brightness 1 + 2 x the pulse, so it swings between normal and double.
void drawListAddHighlighted(int32_t x, int32_t y, const Sprite* sprite, bool mirrored);
// Draws every queued entry in order of increasing y (equal y in the order added), then empties
// the list.
void drawListFlush();

int32_t drawListCount();
// The i-th queued entry (in the order added), or nullptr outside 0..count - 1.
const DrawEntry* drawListEntry(int32_t index);

} // namespace bv

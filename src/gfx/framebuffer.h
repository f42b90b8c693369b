// The frame buffer and the state every drawing primitive shares: the pixel format, the clip
// rectangle with its stack, the dirty-rectangle list that present() copies, and the rectangle at
// which the last sprite was drawn.
#pragma once

#include <cstddef>
#include <cstdint>

#include "assets/sprite.h"

namespace bv {

constexpr int32_t kFrameWidth = 800;
constexpr int32_t kFrameHeight = 600;
constexpr int32_t kFramePixels = kFrameWidth * kFrameHeight;
constexpr size_t kFrameBytes = size_t(kFramePixels) * 4; // 1,920,000

// A rectangle as left, top, width and height.
struct Rect {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
    bool operator==(const Rect&) const = default;
};

// 800 x 600 pixels, rows from the top, 0x00RRGGBB (the top byte is not shown).
extern uint32_t* frameBuffer;

// Allocates the frame buffer (cleared to black) once; a second call keeps the existing one.
// Out of memory is fatal.
void allocFrameBuffer();

// Pixel format of the display: bit position and width of each colour mask. The display sets them
// from its surface; ours is always 0x00RRGGBB, so they hold 16/8/0 and 8 bits. (The shifts live
// with the sprites, whose loader converts every picture to this order.)
extern int32_t redBits;
extern int32_t greenBits;
extern int32_t blueBits;

// Clip rectangle: left and top inclusive, right and bottom exclusive. It always lies inside the
// frame, so a primitive that respects it can never write outside the buffer.
constexpr int kClipStackSize = 10;
// Sets the clip rectangle, cut to the frame (an inverted rectangle becomes empty).
void setClip(int32_t left, int32_t top, int32_t right, int32_t bottom);
void resetClip(); // the whole frame
// Saves the clip rectangle; a push beyond kClipStackSize saved rectangles does nothing.
void pushClip();
// Restores the last saved clip rectangle; nothing when none is saved.
void popClip();
int clipDepth();
int32_t clipLeft();
int32_t clipTop();
int32_t clipRight();
int32_t clipBottom();

// Dirty rectangles: the parts of the frame buffer the next present copies to the screen.
constexpr int kMaxDirtyRects = 5;
// Adds a rectangle (cut to the frame; empty ones are dropped). A sixth rectangle, or one covering
// the whole frame, collapses the list to one full-frame rectangle, which then absorbs the rest.
void markDirty(int32_t x, int32_t y, int32_t width, int32_t height);
int dirtyCount();
// The i-th dirty rectangle; an empty rectangle for an index outside the list.
Rect dirtyRect(int i);
void clearDirty();

// Where the scaled-sprite, shine and silhouette primitives last drew (before clipping).
void recordSpriteRect(int32_t x, int32_t y, int32_t width, int32_t height);
Rect lastSpriteRect();

} // namespace bv

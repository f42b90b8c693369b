#include "gfx/framebuffer.h"

#include <algorithm>

#include "core/fatal.h"
#include "core/memory.h"

namespace bv {

uint32_t* frameBuffer = nullptr;

int32_t redBits = 8;
int32_t greenBits = 8;
int32_t blueBits = 8;

namespace {

struct ClipRect {
    int32_t left, top, right, bottom;
};

constexpr ClipRect kFullClip{0, 0, kFrameWidth, kFrameHeight};
constexpr Rect kFullFrame{0, 0, kFrameWidth, kFrameHeight};

ClipRect g_clip = kFullClip;
ClipRect g_clipStack[kClipStackSize];
int g_clipDepth = 0;

Rect g_dirty[kMaxDirtyRects];
int g_dirtyCount = 0;

Rect g_lastSprite{0, 0, 0, 0};

int32_t clampTo(int64_t v, int32_t lo, int32_t hi) {
    return int32_t(std::clamp<int64_t>(v, lo, hi));
}

} // namespace

void allocFrameBuffer() {
    if (frameBuffer) return; // switching display modes keeps the picture
    frameBuffer = static_cast<uint32_t*>(memAlloc(kFrameBytes));
    if (!frameBuffer) fatal("Failed to allocate dirty buffer.\n");
    memFill(frameBuffer, 0, kFrameBytes);
}

void setClip(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    g_clip.left = clampTo(left, 0, kFrameWidth);
    g_clip.top = clampTo(top, 0, kFrameHeight);
    g_clip.right = clampTo(right, g_clip.left, kFrameWidth);
    g_clip.bottom = clampTo(bottom, g_clip.top, kFrameHeight);
}

void resetClip() {
    g_clip = kFullClip;
}

void pushClip() {
    if (g_clipDepth >= kClipStackSize) return;
    g_clipStack[g_clipDepth++] = g_clip;
}

void popClip() {
    if (g_clipDepth <= 0) return;
    g_clip = g_clipStack[--g_clipDepth];
}

int clipDepth() {
    return g_clipDepth;
}
int32_t clipLeft() {
    return g_clip.left;
}
int32_t clipTop() {
    return g_clip.top;
}
int32_t clipRight() {
    return g_clip.right;
}
int32_t clipBottom() {
    return g_clip.bottom;
}

void markDirty(int32_t x, int32_t y, int32_t width, int32_t height) {
    // Cut to the frame first: present() copies these rectangles out of the frame buffer, so one
    // reaching past its edges would read outside it.
    int64_t right = int64_t(x) + width;
    int64_t bottom = int64_t(y) + height;
    int32_t left = clampTo(x, 0, kFrameWidth);
    int32_t top = clampTo(y, 0, kFrameHeight);
    Rect r{left, top, clampTo(right, left, kFrameWidth) - left, clampTo(bottom, top, kFrameHeight) - top};
    if (r.width == 0 || r.height == 0) return;

    const bool holdsFullFrame = g_dirtyCount == 1 && g_dirty[0] == kFullFrame;
    if (g_dirtyCount == kMaxDirtyRects || r == kFullFrame) {
        g_dirty[0] = kFullFrame;
        g_dirtyCount = 1;
    } else if (!holdsFullFrame) {
        g_dirty[g_dirtyCount++] = r;
    }
}

int dirtyCount() {
    return g_dirtyCount;
}

Rect dirtyRect(int i) {
    if (i < 0 || i >= g_dirtyCount) return Rect{0, 0, 0, 0};
    return g_dirty[i];
}

void clearDirty() {
    g_dirtyCount = 0;
}

void recordSpriteRect(int32_t x, int32_t y, int32_t width, int32_t height) {
    g_lastSprite = Rect{x, y, width, height};
}

Rect lastSpriteRect() {
    return g_lastSprite;
}

} // namespace bv

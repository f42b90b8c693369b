// The frame buffer's shared state: allocation, the clip rectangle and its stack, dirty rectangles.
#include <climits>

#include "canvas.h"
#include "gfx/draw.h"
#include "gfx/framebuffer.h"

using namespace bv;
using gfxtest::Canvas;

namespace {

class FrameBufferTest : public gfxtest::DrawTest {};

TEST_F(FrameBufferTest, AllocatesOneClearedFrameAndKeepsIt) {
    // Other tests in the same process may have allocated and drawn already; the clearing is
    // checked when this test is the first (ctest runs every test in a process of its own).
    const bool fresh = frameBuffer == nullptr;
    allocFrameBuffer();
    ASSERT_NE(frameBuffer, nullptr);
    int nonZero = 0;
    for (int i = 0; i < 800 * 600; ++i) nonZero += frameBuffer[i] != 0;
    if (fresh) {
        EXPECT_EQ(nonZero, 0);
    }
    frameBuffer[799 + 599 * 800] = 0x123456;
    uint32_t* first = frameBuffer;
    allocFrameBuffer(); // a display switch must not lose the picture
    EXPECT_EQ(frameBuffer, first);
    EXPECT_EQ(frameBuffer[799 + 599 * 800], 0x123456u);
    EXPECT_EQ(kFrameBytes, 1920000u);
}

TEST_F(FrameBufferTest, PixelFormatIsRedGreenBlueFromHighToLow) {
    EXPECT_EQ(redShift, 16);
    EXPECT_EQ(greenShift, 8);
    EXPECT_EQ(blueShift, 0);
    EXPECT_EQ(redBits, 8);
    EXPECT_EQ(greenBits, 8);
    EXPECT_EQ(blueBits, 8);
}

TEST_F(FrameBufferTest, ClipStartsAtTheFullFrameAndIsCutToIt) {
    EXPECT_EQ(clipLeft(), 0);
    EXPECT_EQ(clipTop(), 0);
    EXPECT_EQ(clipRight(), 800);
    EXPECT_EQ(clipBottom(), 600);

    setClip(-5, -7, 900, 700);
    EXPECT_EQ(clipLeft(), 0);
    EXPECT_EQ(clipTop(), 0);
    EXPECT_EQ(clipRight(), 800);
    EXPECT_EQ(clipBottom(), 600);

    setClip(INT_MIN, INT_MAX, INT_MAX, INT_MIN);
    EXPECT_EQ(clipLeft(), 0);
    EXPECT_EQ(clipTop(), 600);
    EXPECT_EQ(clipRight(), 800);
    EXPECT_EQ(clipBottom(), 600); // inverted: empty, never bottom above top
}

TEST_F(FrameBufferTest, InvertedClipDrawsNothing) {
    Canvas c(0);
    setClip(300, 300, 100, 100);
    EXPECT_EQ(clipRight(), 300);
    EXPECT_EQ(clipBottom(), 300);
    fillRect(c.pixels(), 0, 0, 800, 600, 0xFFFFFF);
    putPixel(c.pixels(), 200, 200, 0xFFFFFF);
    EXPECT_EQ(c.countOther(0), 0);
}

TEST_F(FrameBufferTest, ClipStackRestoresInReverseOrder) {
    setClip(10, 20, 30, 40);
    pushClip();
    setClip(1, 2, 3, 4);
    pushClip();
    setClip(100, 200, 300, 400);
    EXPECT_EQ(clipDepth(), 2);

    popClip();
    EXPECT_EQ(clipLeft(), 1);
    EXPECT_EQ(clipTop(), 2);
    EXPECT_EQ(clipRight(), 3);
    EXPECT_EQ(clipBottom(), 4);
    popClip();
    EXPECT_EQ(clipLeft(), 10);
    EXPECT_EQ(clipTop(), 20);
    EXPECT_EQ(clipRight(), 30);
    EXPECT_EQ(clipBottom(), 40);
    EXPECT_EQ(clipDepth(), 0);

    popClip(); // nothing saved: the clip stays
    EXPECT_EQ(clipLeft(), 10);
    EXPECT_EQ(clipBottom(), 40);
}

TEST_F(FrameBufferTest, ClipStackHoldsTenAndRefusesTheEleventh) {
    for (int i = 0; i < 12; ++i) {
        setClip(i, i, 100 + i, 100 + i);
        pushClip();
    }
    EXPECT_EQ(clipDepth(), 10);
    setClip(0, 0, 1, 1);
    // The pushes of clips 10 and 11 were refused, so the top of the stack is clip 9.
    for (int i = 9; i >= 0; --i) {
        popClip();
        EXPECT_EQ(clipLeft(), i);
        EXPECT_EQ(clipRight(), 100 + i);
    }
    EXPECT_EQ(clipDepth(), 0);
}

TEST_F(FrameBufferTest, SixSmallDirtyRectanglesCollapseToTheFullFrame) {
    for (int i = 0; i < 5; ++i) markDirty(i * 10, i * 10, 5, 5);
    ASSERT_EQ(dirtyCount(), 5);
    EXPECT_EQ(dirtyRect(0), (Rect{0, 0, 5, 5}));
    EXPECT_EQ(dirtyRect(4), (Rect{40, 40, 5, 5}));
    markDirty(300, 300, 5, 5);
    ASSERT_EQ(dirtyCount(), 1);
    EXPECT_EQ(dirtyRect(0), (Rect{0, 0, 800, 600}));
    // The full frame absorbs everything after it.
    markDirty(1, 1, 2, 2);
    EXPECT_EQ(dirtyCount(), 1);
    EXPECT_EQ(dirtyRect(0), (Rect{0, 0, 800, 600}));
    clearDirty();
    EXPECT_EQ(dirtyCount(), 0);
}

TEST_F(FrameBufferTest, FullFrameRectangleReplacesTheList) {
    markDirty(1, 2, 3, 4);
    markDirty(5, 6, 7, 8);
    markDirty(0, 0, 800, 600);
    ASSERT_EQ(dirtyCount(), 1);
    EXPECT_EQ(dirtyRect(0), (Rect{0, 0, 800, 600}));
}

TEST_F(FrameBufferTest, DirtyRectanglesAreCutToTheFrame) {
    markDirty(790, 590, 50, 50);
    markDirty(-20, -30, 25, 35);
    markDirty(900, 10, 5, 5);  // entirely off the frame: dropped
    markDirty(10, 10, 0, 5);   // empty: dropped
    markDirty(10, 10, -5, -5); // negative: dropped
    markDirty(INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    ASSERT_EQ(dirtyCount(), 2);
    EXPECT_EQ(dirtyRect(0), (Rect{790, 590, 10, 10}));
    EXPECT_EQ(dirtyRect(1), (Rect{0, 0, 5, 5}));
    EXPECT_EQ(dirtyRect(2), (Rect{0, 0, 0, 0})); // outside the list
    EXPECT_EQ(dirtyRect(-1), (Rect{0, 0, 0, 0}));

    clearDirty();
    markDirty(-10, -10, 1000, 1000); // covers the frame once cut: the full-frame rule applies
    markDirty(5, 5, 5, 5);
    ASSERT_EQ(dirtyCount(), 1);
    EXPECT_EQ(dirtyRect(0), (Rect{0, 0, 800, 600}));
}

} // namespace

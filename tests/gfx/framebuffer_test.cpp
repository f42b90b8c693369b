// The frame buffer's shared state: allocation, the clip rectangle and its stack, dirty rectangles.
#include <climits>

#include "canvas.h"
#include "gfx/draw.h"
#include "gfx/framebuffer.h"

using namespace bv;
using gfxtest::Canvas;

namespace {

class FrameBufferTest : public gfxtest::DrawTest {};

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

} // namespace

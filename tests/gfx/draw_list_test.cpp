// The depth-sorted draw list: drawing order by y with ties in the order added, its capacity, and
// the highlighted entries' glow.
#include <gtest/gtest.h>

#include "canvas.h"
#include "core/clock.h"
#include "gfx/draw.h"
#include "gfx/draw_list.h"
#include "gfx/pulse.h"

namespace {

using gfxtest::TestSprite;

class DrawList : public gfxtest::DrawTest {
  protected:
    void SetUp() override {
        DrawTest::SetUp();
        bv::allocFrameBuffer();
        bv::initDrawList();
        bv::fillRect(bv::frameBuffer, 0, 0, bv::kFrameWidth, bv::kFrameHeight, 0);
    }
    static uint32_t pixel(int x, int y) { return bv::frameBuffer[y * bv::kFrameWidth + x] & 0xFFFFFFu; }
    // An opaque sprite pixel as the blending rule draws it.
    static uint32_t opaque(uint32_t colour) { return gfxtest::refBlend(colour, 0, 255); }
};

TEST_F(DrawList, LowerOnTheScreenCoversWhatStandsBehind) {
    // A tree standing on y 310 and a house standing on y 300 share the pixel (100, 295).
    TestSprite tree(10, 30, -5, -30, 0xFF00AA00u);  // covers y 280..309
    TestSprite house(10, 10, -5, -10, 0xFFAA0000u); // covers y 290..299
    bv::drawListAdd(100, 310, &tree.s, false);
    bv::drawListAdd(100, 300, &house.s, false); // added later but further back
    EXPECT_EQ(bv::drawListCount(), 2);
    bv::drawListFlush();
    EXPECT_EQ(pixel(100, 295), opaque(0x00AA00u)) << "the tree is drawn last";
    EXPECT_EQ(bv::drawListCount(), 0);
}

TEST_F(DrawList, HighlightedEntriesGlowWithThePulse) {
    TestSprite s(2, 2, 0, 0, 0xFF404040u);
    bv::totalTicks = 64; // pulse 64 / 127
    bv::drawListAddHighlighted(30, 30, &s.s, true);
    const bv::DrawEntry* e = bv::drawListEntry(0);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->kind, bv::kDrawHighlighted);
    EXPECT_EQ(e->width, 2);
    EXPECT_EQ(e->height, 2);
    EXPECT_EQ(e->mirrored, 1);
    const float brightness = e->brightness;
    EXPECT_FLOAT_EQ(brightness, 1.0f + 2.0f * 64.0f / 127.0f);
    bv::drawListFlush();
    const uint32_t lit = uint32_t(64.0f * brightness);
    EXPECT_EQ(pixel(28, 30), lit << 16 | lit << 8 | lit) << "mirrored about x 30, brightened";
    bv::totalTicks = 0;
}

} // namespace

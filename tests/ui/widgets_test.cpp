// The panel frame and the progress bar, pixel by pixel.
#include <gtest/gtest.h>

#include "ui/widgets.h"
#include "ui_fixture.h"

namespace {

using namespace uitest;
using namespace bv::pic;

class Widgets : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        moveMouse(0, 0);
    }
};

TEST_F(Widgets, PanelFramePutsEdgesOverTheCentreAndCornersLast) {
    // 60 x 48 at (100, 100) from 12 x 12 pieces.
    bv::drawPanelFrame(100, 100, 60, 48);
    EXPECT_EQ(pixel(100, 100), opaque(framePieceColour(kIconFrameTopLeft)));
    EXPECT_EQ(pixel(159, 100), opaque(framePieceColour(kIconFrameTopRight)));
    EXPECT_EQ(pixel(100, 147), opaque(framePieceColour(kIconFrameBottomLeft)));
    EXPECT_EQ(pixel(159, 147), opaque(framePieceColour(kIconFrameBottomRight)));
    EXPECT_EQ(pixel(112, 100), opaque(framePieceColour(kIconFrameTop)));
    EXPECT_EQ(pixel(147, 111), opaque(framePieceColour(kIconFrameTop)));
    EXPECT_EQ(pixel(130, 140), opaque(framePieceColour(kIconFrameBottom)));
    EXPECT_EQ(pixel(105, 112), opaque(framePieceColour(kIconFrameLeft)));
    EXPECT_EQ(pixel(105, 135), opaque(framePieceColour(kIconFrameLeft)));
    EXPECT_EQ(pixel(150, 120), opaque(framePieceColour(kIconFrameRight)))
        << "the edge covers the last centre column";
    EXPECT_EQ(pixel(112, 112), opaque(framePieceColour(kIconFrameCentre)));
    EXPECT_EQ(pixel(147, 135), opaque(framePieceColour(kIconFrameCentre)));
    // Nothing outside the rectangle: the extra centre tiles end under the edges.
    EXPECT_EQ(pixel(160, 120), 0u);
    EXPECT_EQ(pixel(120, 148), 0u);
    EXPECT_EQ(pixel(99, 120), 0u);
}

TEST_F(Widgets, ProgressBarFillsItsShareOfTheInnerWidth) {
    const uint32_t fill = 0x0000FF, rest = 0xFF0000;
    // The filled part is 0.2 of the way to white (255 * 0.2 = 51), the rest 0.2 of the way to
    // black (255 * 0.8 = 204); a full bar is halfway to white (127.5 cut to 127).
    const uint32_t lightFill = 0x3333FF, darkRest = 0xCC0000, halfway = 0x7F7FFF;
    // Inner area 100 x 8 from (101, 101); a quarter is 25 pixels.
    bv::drawProgressBar(100, 100, 102, 10, 25, 100, fill, rest);
    EXPECT_EQ(pixel(101, 101), lightFill);
    EXPECT_EQ(pixel(125, 108), lightFill);
    EXPECT_EQ(pixel(126, 101), darkRest);
    EXPECT_EQ(pixel(200, 108), darkRest);
    const uint32_t frame = pixel(100, 100);
    EXPECT_NE(frame, 0u);
    EXPECT_EQ(pixel(201, 105), frame);
    EXPECT_EQ(pixel(150, 109), frame);
    EXPECT_EQ(pixel(202, 105), 0u);

    bv::drawProgressBar(100, 200, 102, 10, 100, 100, fill, rest);
    EXPECT_EQ(pixel(101, 201), halfway) << "full: lightened halfway";
    EXPECT_EQ(pixel(200, 208), halfway);
    bv::drawProgressBar(100, 300, 102, 10, 0, 0, fill, rest);
    EXPECT_EQ(pixel(150, 305), halfway) << "maximum 0 counts as full";
    bv::drawProgressBar(100, 400, 102, 10, -20, 100, fill, rest);
    EXPECT_EQ(pixel(101, 405), darkRest) << "a negative value fills nothing";
}

// An arrow at the end of its range: half brightness, and no hot spot to click. The test arrow is
// 0x808000; drawn as it is, opaque, it loses one per channel in the blend (0x7F), while at half
// brightness each channel is multiplied without a blend: 0x80 * 0.5 = 0x40.
TEST_F(Widgets, DisabledSpriteButtonsAreDimmedAndTakeNoClick) {
    void (*noop)(int32_t, int32_t, int32_t) = [](int32_t, int32_t, int32_t) {};
    const bv::Sprite* arrow = bv::spriteAt(bv::iconSprites, kIconArrowRight);
    bv::spriteButton(100, 100, arrow, 1, noop, false, false);
    bv::spriteButton(200, 100, arrow, 1, noop, false, true);
    EXPECT_EQ(pixel(100, 100), 0x7F7F00u);
    EXPECT_EQ(pixel(200, 100), 0x404000u);
    EXPECT_EQ(bv::hotSpotAt(100, 100), 1);
    EXPECT_EQ(bv::hotSpotAt(200, 100), 0);
}

} // namespace

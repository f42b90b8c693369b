// Buttons pixel by pixel in both looks, with hover and disabled states, and the label cache; the
// panel frame, the progress bar and the sprite buttons.
#include <gtest/gtest.h>

#include "core/state.h"
#include "gfx/draw.h"
#include "ui/button.h"
#include "ui/widgets.h"
#include "ui_fixture.h"

namespace {

using namespace uitest;
using namespace bv::pic;

void noop(int32_t, int32_t, int32_t) {}

class Widgets : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        bv::resetLabelCacheForTests();
        moveMouse(0, 0);
    }
    void TearDown() override { bv::resetStateMachine(); }
};

TEST_F(Widgets, SpriteLookPlacesEndsAndMiddlePieces) {
    // 100 x 30 at (400, 383): left 350, top 368. The left end starts one pixel in, middle pieces
    // follow while they leave room for the right end, which then ends at 350 + 1 + 100 - 1.
    bv::button(400, 383, 100, 30, nullptr, 0, noop);
    const uint32_t left = opaque(kButtonLeftColour), middle = opaque(kButtonMiddleColour),
                   right = opaque(kButtonRightColour);
    // Along row 370, then down column 351.
    const uint32_t row[][2] = {{350, 0},      {351, left},  {362, left},  {363, middle},
                               {438, middle}, {439, right}, {450, right}, {451, 0}};
    for (const auto& [x, colour] : row) EXPECT_EQ(pixel(int32_t(x), 370), colour) << x;
    const uint32_t column[][2] = {{367, 0}, {368, left}, {397, left}, {398, 0}};
    for (const auto& [y, colour] : column) EXPECT_EQ(pixel(351, int32_t(y)), colour) << y;
}

TEST_F(Widgets, HoveredPiecesAreBrighterAndDisabledOnesFaded) {
    moveMouse(400, 383);
    bv::button(400, 383, 100, 30, nullptr, 0, noop);
    EXPECT_EQ(pixel(351, 370), 0xDC0000u) << "brightness 1.1: 200 becomes 220";

    bv::fillRect(bv::frameBuffer, 0, 0, bv::kFrameWidth, bv::kFrameHeight, 0);
    bv::button(400, 383, 100, 30, nullptr, 0, nullptr); // hovered but disabled
    // Opacity 96 on alpha 255 gives alpha 95; 200 over black: (200 * 95 + 1) >> 8 = 74.
    EXPECT_EQ(pixel(351, 370), 0x4A0000u) << "opacity 96, never brightened";
    EXPECT_EQ(pixel(439, 370), 0x00004Au);
}

TEST_F(Widgets, CachedLabelSitsOnItsBaselineInTheStateFont) {
    // The label "AB" centred at x 400 is 14 pixels wide: glyphs at 393..398 and 400..405. Its
    // line starts 8 pixels above the middle of a 30-pixel button at y 300: glyph rows 292..301.
    bv::button(400, 300, 100, 30, u"AB", 0, noop);
    EXPECT_EQ(pixel(393, 292), opaque(kBlueFontColour));
    EXPECT_EQ(pixel(405, 301), opaque(kBlueFontColour));
    EXPECT_EQ(pixel(392, 300), opaque(kButtonMiddleColour));
    EXPECT_EQ(pixel(399, 300), opaque(kButtonMiddleColour)) << "the gap between the glyphs";
    EXPECT_EQ(pixel(393, 291), opaque(kButtonMiddleColour));
    EXPECT_EQ(pixel(393, 302), opaque(kButtonMiddleColour));

    moveMouse(400, 300);
    bv::button(400, 300, 100, 30, u"AB", 0, noop);
    EXPECT_EQ(pixel(395, 300), opaque(kBlueLitFontColour)) << "hovered: the lit font";

    bv::button(400, 300, 100, 30, u"AB", 0, nullptr);
    EXPECT_EQ(pixel(395, 300), opaque(0xA0A0A0u)) << "disabled: grey, even under the mouse";
    EXPECT_EQ(bv::labelCacheCount(), 1);
}

// The drawn look is the editor's.
TEST_F(Widgets, DrawnLookGradientsLinesAndBorder) {
    bv::setButtonLook(bv::kButtonLookDrawn);
    // 100 x 30 at (400, 383): painted over x 351..449, y 368..397; upper half 15 lines.
    bv::button(400, 383, 100, 30, nullptr, 0, noop);
    EXPECT_EQ(pixel(350, 380), 0u) << "starts one pixel right of the left edge";
    EXPECT_EQ(pixel(351, 380), 0x214276u);
    EXPECT_EQ(pixel(449, 380), 0x214276u);
    EXPECT_EQ(pixel(450, 380), 0u);
    EXPECT_EQ(pixel(400, 368), 0x214276u);
    EXPECT_EQ(pixel(400, 397), 0x214276u);
    EXPECT_EQ(pixel(400, 369), 0x6BC0E2u) << "light top inner line";
    EXPECT_EQ(pixel(352, 375), 0x6BC0E2u) << "light upper inner side";
    EXPECT_EQ(pixel(352, 390), 0x517889u) << "dark lower inner side";
    EXPECT_EQ(pixel(400, 396), 0x517889u) << "dark bottom inner line";
    EXPECT_EQ(pixel(400, 370), 0x426BA4u) << "2/14 of the way from 3F68A0 to 5480BF";
    EXPECT_EQ(pixel(400, 382), 0x5480BFu) << "last upper line: the upper bottom colour";
    EXPECT_EQ(pixel(400, 383), 0x254576u) << "first lower line";
    EXPECT_EQ(pixel(400, 395), 0x31578Eu) << "12/14 of the way from 254576 to 345B92, cut down";

    bv::fillRect(bv::frameBuffer, 0, 0, bv::kFrameWidth, bv::kFrameHeight, 0);
    bv::button(400, 383, 100, 30, nullptr, 0, nullptr);
    // Disabled: every layer at opacity 96, (c * 96 + old * 159 + 1) >> 8 per channel; the border
    // row lies over the first gradient line: 3F68A0 over black is 17273C, then 214276 over that.
    EXPECT_EQ(pixel(400, 368), 0x1A3051u);
    EXPECT_EQ(pixel(400, 383), 0x0D192Cu);
}

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
    const bv::Sprite* arrow = bv::spriteAt(bv::iconSprites, kIconArrowRight);
    bv::spriteButton(100, 100, arrow, 1, noop, false, false);
    bv::spriteButton(200, 100, arrow, 1, noop, false, true);
    EXPECT_EQ(pixel(100, 100), 0x7F7F00u);
    EXPECT_EQ(pixel(200, 100), 0x404000u);
    EXPECT_EQ(bv::hotSpotAt(100, 100), 1);
    EXPECT_EQ(bv::hotSpotAt(200, 100), 0);
}

} // namespace

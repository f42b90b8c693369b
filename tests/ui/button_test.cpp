// Buttons pixel by pixel in both looks, with hover and disabled states, and the label cache.
#include <gtest/gtest.h>

#include "core/state.h"
#include "gfx/draw.h"
#include "ui/button.h"
#include "ui_fixture.h"

namespace {

using namespace uitest;

void noop(int32_t, int32_t, int32_t) {}

class Buttons : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        bv::resetLabelCacheForTests();
        moveMouse(0, 0);
    }
    void TearDown() override { bv::resetStateMachine(); }
};

TEST_F(Buttons, SpriteLookPlacesEndsAndMiddlePieces) {
    // 100 x 30 at (400, 383): left 350, top 368. The left end starts one pixel in, middle pieces
    // follow while they leave room for the right end, which then ends at 350 + 1 + 100 - 1.
    bv::button(400, 383, 100, 30, nullptr, 0, noop);
    EXPECT_EQ(pixel(350, 370), 0u);
    EXPECT_EQ(pixel(351, 370), opaque(kButtonLeftColour));
    EXPECT_EQ(pixel(362, 370), opaque(kButtonLeftColour));
    EXPECT_EQ(pixel(363, 370), opaque(kButtonMiddleColour));
    EXPECT_EQ(pixel(438, 370), opaque(kButtonMiddleColour));
    EXPECT_EQ(pixel(439, 370), opaque(kButtonRightColour));
    EXPECT_EQ(pixel(450, 370), opaque(kButtonRightColour));
    EXPECT_EQ(pixel(451, 370), 0u);
    EXPECT_EQ(pixel(351, 367), 0u);
    EXPECT_EQ(pixel(351, 368), opaque(kButtonLeftColour));
    EXPECT_EQ(pixel(351, 397), opaque(kButtonLeftColour));
    EXPECT_EQ(pixel(351, 398), 0u);
}

TEST_F(Buttons, HoveredPiecesAreBrighterAndDisabledOnesFaded) {
    moveMouse(400, 383);
    bv::button(400, 383, 100, 30, nullptr, 0, noop);
    EXPECT_EQ(pixel(351, 370), 0xDC0000u) << "brightness 1.1: 200 becomes 220";

    bv::fillRect(bv::frameBuffer, 0, 0, bv::kFrameWidth, bv::kFrameHeight, 0);
    bv::button(400, 383, 100, 30, nullptr, 0, nullptr); // hovered but disabled
    // Opacity 96 on alpha 255 gives alpha 95; 200 over black: (200 * 95 + 1) >> 8 = 74.
    EXPECT_EQ(pixel(351, 370), 0x4A0000u) << "opacity 96, never brightened";
    EXPECT_EQ(pixel(439, 370), 0x00004Au);
}

TEST_F(Buttons, CachedLabelSitsOnItsBaselineInTheStateFont) {
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
TEST_F(Buttons, DrawnLookGradientsLinesAndBorder) {
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

} // namespace

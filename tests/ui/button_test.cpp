// Buttons pixel by pixel in both looks, with hover and disabled states, and the label cache.
#include <gtest/gtest.h>

#include <string>

#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/draw.h"
#include "ui/button.h"
#include "ui_fixture.h"

namespace {

using namespace uitest;

void noop(int32_t, int32_t, int32_t) {}

// The blending rule for one channel over black.
uint32_t overBlack(uint32_t channel, uint32_t alpha) {
    return (channel * alpha + 1) >> 8;
}

// The blending rule for a whole colour.
uint32_t blendOver(uint32_t colour, uint32_t old, uint32_t alpha) {
    uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t c = (colour >> shift) & 0xFF, o = (old >> shift) & 0xFF;
        out |= ((c * alpha + o * (255 - alpha) + 1) >> 8) << shift;
    }
    return out;
}

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
    const uint32_t alpha = (255 * 96) >> 8;
    EXPECT_EQ(pixel(351, 370), overBlack(0xC8, alpha) << 16) << "opacity 96, never brightened";
    EXPECT_EQ(pixel(439, 370), overBlack(0xC8, alpha));
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

TEST_F(Buttons, EqualLabelsShareOneCacheEntryPerFont) {
    bv::button(200, 100, 100, 30, u"Resume", 0, noop);
    bv::button(200, 200, 140, 30, u"Resume", 1, nullptr);
    EXPECT_EQ(bv::labelCacheCount(), 1);
    bv::LabelSprites a{}, b{};
    ASSERT_TRUE(bv::labelSprites(u"Resume", &bv::fontArial15Blue, &bv::fontArial15BlueLit, a));
    ASSERT_TRUE(bv::labelSprites(u"Resume", &bv::fontArial15Blue, nullptr, b));
    EXPECT_EQ(a.normal, b.normal);
    EXPECT_EQ(a.hovered, b.hovered);
    EXPECT_NE(a.normal, a.disabled);
    EXPECT_EQ(bv::labelCacheCount(), 1);

    bv::button(200, 300, 100, 30, u"Resumes", 0, noop);
    EXPECT_EQ(bv::labelCacheCount(), 2) << "a different text is a new entry";

    // In the editor the labels use the glowing font: a new entry for the same text.
    bv::setStateSilently(bv::kStateEditor);
    bv::button(200, 400, 100, 30, u"Resume", 0, noop);
    EXPECT_EQ(bv::labelCacheCount(), 3);
    EXPECT_EQ(pixel(200 - 21 + 1, 395), opaque(kOtherFontColour)) << "drawn in the editor's label font";
}

TEST_F(Buttons, ALabelBeyondAFullCacheIsDrawnAsText) {
    for (int32_t i = 0; i < bv::kLabelCacheCapacity; ++i) {
        const std::u16string label =
            u"L" + std::u16string(1, char16_t('A' + i % 26)) + std::u16string(1, char16_t('A' + i / 26));
        bv::button(100, 100, 100, 30, label.c_str(), 0, noop);
    }
    ASSERT_EQ(bv::labelCacheCount(), bv::kLabelCacheCapacity);
    bv::LabelSprites s{};
    EXPECT_FALSE(bv::labelSprites(u"New", &bv::fontArial15Blue, &bv::fontArial15BlueLit, s));

    bv::fillRect(bv::frameBuffer, 0, 0, bv::kFrameWidth, bv::kFrameHeight, 0);
    // "New" is 21 pixels wide, centred at 400 from x 390, its line 2 pixels below where a cached
    // label's would be: rows 294..303.
    bv::button(400, 300, 100, 30, u"New", 0, noop);
    EXPECT_EQ(bv::labelCacheCount(), bv::kLabelCacheCapacity);
    EXPECT_EQ(pixel(390, 294), 0x000001u) << "near black text";
    EXPECT_EQ(pixel(390, 303), 0x000001u);
    EXPECT_EQ(pixel(390, 293), opaque(kButtonMiddleColour));
    EXPECT_EQ(pixel(390, 304), opaque(kButtonMiddleColour));
    bv::button(400, 300, 100, 30, u"New", 0, nullptr);
    EXPECT_EQ(pixel(390, 300), 0xA0A0A0u) << "grey when disabled";
}

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
    EXPECT_EQ(pixel(400, 370), bv::lerpColour(0x3F68A0, 0x5480BF, 2.0f / 14.0f));
    EXPECT_EQ(pixel(400, 382), 0x5480BFu) << "last upper line: the upper bottom colour";
    EXPECT_EQ(pixel(400, 383), 0x254576u) << "first lower line";
    EXPECT_EQ(pixel(400, 395), bv::lerpColour(0x254576, 0x345B92, 12.0f / 14.0f));

    bv::fillRect(bv::frameBuffer, 0, 0, bv::kFrameWidth, bv::kFrameHeight, 0);
    bv::button(400, 383, 100, 30, nullptr, 0, nullptr);
    // Disabled: every layer at opacity 96; the border row lies over the first gradient line.
    EXPECT_EQ(pixel(400, 368), blendOver(0x214276, blendOver(0x3F68A0, 0, 96), 96));
    EXPECT_EQ(pixel(400, 383), blendOver(0x254576, 0, 96));
}

TEST_F(Buttons, RedColourBarHasNoLabelAndRegistersLikeAButton) {
    bv::colourBarButton(400, 383, 100, 30, 3, noop, true);
    EXPECT_EQ(bv::hotSpotAt(350, 368), 1);
    EXPECT_EQ(bv::hotSpotAt(450, 368), 0);
    EXPECT_EQ(pixel(400, 370), bv::lerpColour(0x940119, 0xCB131B, 2.0f / 14.0f));
    EXPECT_EQ(pixel(400, 383), 0x850F14u);
    EXPECT_EQ(pixel(351, 380), 0x214276u);
    bv::colourBarButton(400, 200, 100, 30, 3, nullptr, false);
    EXPECT_EQ(bv::hotSpotCount(), 1) << "no callback: not registered";
}

} // namespace

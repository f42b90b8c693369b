// Drawing glyphs pixel by pixel: own colours, tint, outline, clipping, and texts rendered into
// sprites.
#include <gtest/gtest.h>

#include <algorithm>

#include "canvas.h"
#include "font_files.h"
#include "gfx/draw.h"
#include "gfx/text.h"

namespace {

using texttest::MemFont;

constexpr uint32_t kBackground = 0x102030u;

class TextDrawTest : public gfxtest::DrawTest {
  protected:
    void SetUp() override {
        DrawTest::SetUp();
        bv::resetTextStateForTests();
        // 'x': one row of three pixels, alpha 255, 128 and 0, colour 0x4080C0.
        x_.assign({0xFF4080C0u, 0x804080C0u, 0x004080C0u});
        font.glyphs['x'].width = 3, font.glyphs['x'].height = 1, font.glyphs['x'].pixels = x_.data();
        // 'o': a single opaque white pixel, 2 to the right of and 2 below the pen.
        o_.assign({0xFFFFFFFFu});
        bv::Glyph& o = font.glyphs['o'];
        o.width = 1, o.height = 1, o.xOffset = 2, o.yOffset = 2, o.pixels = o_.data();
        bv::setFont(&font.font);
        bv::setDrawTarget(canvas.pixels());
    }
    void TearDown() override {
        EXPECT_TRUE(canvas.guardsIntact());
        bv::resetTextStateForTests();
        DrawTest::TearDown();
    }
    MemFont font;
    std::vector<uint32_t> x_, o_;
    gfxtest::Canvas canvas{kBackground};
};

TEST_F(TextDrawTest, UntintedGlyphsBlendTheirOwnColoursByAlpha) {
    bv::drawText(100, 50, false, 0, u"x");
    EXPECT_EQ(canvas.at(100, 50), 0x3F7FBFu); // (c * 255 + 1) >> 8
    EXPECT_EQ(canvas.at(101, 50), 0x274F77u); // (c * 128 + old * 127 + 1) >> 8
    EXPECT_EQ(canvas.at(102, 50), kBackground);
}

TEST_F(TextDrawTest, TintReplacesOpaquePixelsAndBlendsTheRest) {
    bv::drawText(100, 50, false, 0xFF0000u, u"x");
    EXPECT_EQ(canvas.at(100, 50), 0xFF0000u);
    EXPECT_EQ(canvas.at(101, 50), 0x870F17u);
    EXPECT_EQ(canvas.at(102, 50), kBackground);
    // Style 1 is a near-black tint, not "untinted".
    bv::drawText(100, 60, false, 1, u"x");
    EXPECT_EQ(canvas.at(100, 60), 0x000001u);
}

TEST_F(TextDrawTest, OutlineIsBlackAroundUntintedGlyphsOnly) {
    bv::drawText(10, 10, false, bv::kStyleOutline, u"o");
    EXPECT_EQ(canvas.at(12, 12), 0xFEFEFEu);
    for (auto [x, y] : {std::pair{11, 12}, {13, 12}, {12, 11}, {12, 13}})
        EXPECT_EQ(canvas.at(x, y), 0u) << x << "," << y;
    for (auto [x, y] : {std::pair{11, 11}, {13, 13}, {11, 13}, {13, 11}})
        EXPECT_EQ(canvas.at(x, y), kBackground);

    bv::drawText(50, 10, false, bv::kStyleOutline | 0x00FF00u, u"o");
    EXPECT_EQ(canvas.at(52, 12), 0x00FF00u);
    EXPECT_EQ(canvas.at(51, 12), kBackground);
    EXPECT_EQ(canvas.countOther(kBackground), 6);
}

TEST_F(TextDrawTest, TextSpriteIsTheLineCentredOnItsPoint) {
    bv::Sprite* s = bv::renderPlainTextSprite(0, u"abo c");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->width, 10 + 10 + 10 + 5 + 10);
    EXPECT_EQ(s->height, 15);
    EXPECT_EQ(s->xOffset, -22); // the text is 45 wide
    EXPECT_EQ(s->yOffset, 0);
    EXPECT_EQ(s->pixels[0], MemFont::colour('a')); // the glyph's own pixel, unblended
    bv::freeTextSprite(s);
}

} // namespace

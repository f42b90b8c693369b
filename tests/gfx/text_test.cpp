// Text pixel by pixel: glyph colours, tint and outline; layout: wrapping, breaks, the single-line
// flag, centring, measuring and counting lines; texts rendered into sprites. The test font's
// glyphs are 10 pixels wide (the space 5) and 15 high, each letter filled with its own colour.
#include <gtest/gtest.h>

#include <algorithm>

#include "canvas.h"
#include "font_files.h"
#include "gfx/draw.h"
#include "gfx/text.h"

namespace {

using texttest::MemFont;

constexpr uint32_t kBackground = 0x102030u;

class TextTest : public gfxtest::DrawTest {
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
    // The letter drawn with its top-left corner at (x, y), judged by its colour there: opaque,
    // each channel c becomes (c * 255 + 1) >> 8, one less; 0x55 gives 0x54.
    bool letterAt(char c, int x, int y) const { return canvas.at(x, y) == (uint32_t(c - 1) << 16 | 0x54u); }
    void clear() { std::fill(canvas.pixels(), canvas.pixels() + gfxtest::kW * gfxtest::kH, kBackground); }
    MemFont font;
    std::vector<uint32_t> x_, o_;
    gfxtest::Canvas canvas{kBackground};
};

TEST_F(TextTest, GlyphsBlendTheirOwnColoursOrTheTint) {
    bv::drawText(100, 50, false, 0, u"x");
    EXPECT_EQ(canvas.at(100, 50), 0x3F7FBFu); // (c * 255 + 1) >> 8
    EXPECT_EQ(canvas.at(101, 50), 0x274F77u); // (c * 128 + old * 127 + 1) >> 8
    EXPECT_EQ(canvas.at(102, 50), kBackground);
    // A tint replaces opaque pixels and blends the rest.
    bv::drawText(100, 60, false, 0xFF0000u, u"x");
    EXPECT_EQ(canvas.at(100, 60), 0xFF0000u);
    EXPECT_EQ(canvas.at(101, 60), 0x870F17u);
    EXPECT_EQ(canvas.at(102, 60), kBackground);
    // Style 1 is a near-black tint, not "untinted".
    bv::drawText(100, 70, false, 1, u"x");
    EXPECT_EQ(canvas.at(100, 70), 0x000001u);
}

TEST_F(TextTest, OutlineIsBlackAroundUntintedGlyphsOnly) {
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

TEST_F(TextTest, TextSpriteIsTheLineCentredOnItsPoint) {
    bv::Sprite* s = bv::renderPlainTextSprite(0, u"abo c");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->width, 10 + 10 + 10 + 5 + 10);
    EXPECT_EQ(s->height, 15);
    EXPECT_EQ(s->xOffset, -22); // the text is 45 wide
    EXPECT_EQ(s->yOffset, 0);
    EXPECT_EQ(s->pixels[0], MemFont::colour('a')); // the glyph's own pixel, unblended
    bv::freeTextSprite(s);
}

TEST_F(TextTest, WordThatDoesNotFitMovesToTheNextLine) {
    // "aaaa" ends at 40, " bbbb" is 45 wide: 85 reaches a right edge at 85 but not one at 86.
    bv::setTextArea(0, 0, 86, 600);
    bv::drawText(0, 0, false, 0, u"aaaa bbbb");
    EXPECT_EQ(bv::penY(), 0);
    EXPECT_EQ(bv::penX(), 85);
    EXPECT_TRUE(letterAt('b', 45, 0));

    clear();
    bv::setTextArea(0, 0, 85, 600);
    bv::drawText(0, 0, false, 0, u"aaaa bbbb");
    EXPECT_EQ(bv::penY(), 22);
    EXPECT_EQ(bv::penX(), 40);
    EXPECT_TRUE(letterAt('a', 30, 0));
    EXPECT_TRUE(letterAt('b', 0, 22));
    EXPECT_EQ(canvas.at(45, 0), kBackground);
    EXPECT_EQ(bv::textBounds(), (bv::Rect{0, 0, 40, 37}));
}

TEST_F(TextTest, LineBreaksStartANewLineAtTheAreasLeft) {
    bv::setTextArea(20, 0, 800, 600);
    const char16_t text[] = {u'a', u'a', 10, 13, u'b', 0};
    bv::drawText(100, 50, false, 0, text);
    EXPECT_TRUE(letterAt('a', 100, 50));
    EXPECT_TRUE(letterAt('b', 20, 72)); // the filler after the break is not drawn
    EXPECT_EQ(bv::penX(), 30);
    // A break without its filler loses no character.
    clear();
    bv::drawText(100, 50, false, 0, u"a\nb");
    EXPECT_TRUE(letterAt('b', 20, 72));
}

TEST_F(TextTest, SingleLineFlagStopsAtTheFirstLineEnd) {
    const char16_t text[] = {u'a', u'a', 10, 13, u'b', 0};
    bv::drawText(0, 0, false, bv::kStyleSingleLine, text);
    EXPECT_EQ(canvas.countOther(kBackground), 2 * 10 * 15);
    EXPECT_EQ(bv::penX(), 20);
    EXPECT_EQ(bv::penY(), 0);

    bv::setTextArea(0, 0, 50, 600);
    bv::drawText(0, 100, false, bv::kStyleSingleLine, u"aaaa bbbb");
    EXPECT_EQ(bv::penY(), 100);
    EXPECT_EQ(canvas.at(0, 122), kBackground);
    // The flag lasts for one text only.
    bv::drawText(0, 200, false, 0, u"aaaa bbbb");
    EXPECT_EQ(bv::penY(), 222);
}

TEST_F(TextTest, CentringHalvesTheWidthToTheLeft) {
    bv::drawText(400, 10, true, 0, u"cccccccccccc"); // 12 x 10 = 120 pixels
    EXPECT_EQ(bv::textBounds().x, 340);
    EXPECT_EQ(bv::textBounds().width, 120);
    EXPECT_TRUE(letterAt('c', 340, 10));
    EXPECT_EQ(canvas.at(339, 10), kBackground);
    bv::drawText(400, 40, true, 0, u"ccc"); // 30: 15 to the left
    EXPECT_TRUE(letterAt('c', 385, 40));
}

TEST_F(TextTest, WidthsAndMeasuringWithoutATarget) {
    EXPECT_EQ(bv::textWidth(u"ab cd"), 45);
    EXPECT_EQ(bv::textWidth(u"  ab"), 30);
    EXPECT_EQ(bv::textWidth(u"ab\ncd"), 40);
    EXPECT_EQ(bv::textWidth(nullptr), 0);

    bv::setDrawTarget(nullptr);
    bv::drawText(100, 100, false, 0, u"abc");
    EXPECT_EQ(canvas.countOther(kBackground), 0);
    EXPECT_EQ(bv::penX(), 130);
    EXPECT_EQ(bv::textBounds(), (bv::Rect{100, 100, 30, 15}));
    bv::setDrawTarget(canvas.pixels());
    const bv::Rect r = bv::measureText(0, 0, false, 0, u"NULL");
    EXPECT_EQ(r, (bv::Rect{0, 0, 40, 15}));
    EXPECT_EQ(bv::drawTarget(), canvas.pixels());
    bv::drawText(0, 0, false, 0, nullptr); // drawn as "NULL"
    EXPECT_TRUE(letterAt('N', 0, 0));
    EXPECT_TRUE(letterAt('L', 30, 0));
}

TEST_F(TextTest, CountingLinesFollowsTheLayout) {
    bv::setTextArea(0, 0, 85, 600);
    const char16_t broken[] = {u'a', 10, 13, u'b', 0}; // a break is one line end, not two
    const std::pair<const char16_t*, int> cases[] = {
        {u"aaaa", 1}, {u"aaaa bbbb", 2}, {u"aaaa bbbb cccc dddd", 4}, {broken, 2}, {u"", 1}};
    for (const auto& [text, lines] : cases) EXPECT_EQ(bv::countTextLines(text), lines) << lines;
    // Counting draws nothing and leaves the pen where the last text ended.
    bv::drawText(5, 5, false, 0, u"a");
    bv::countTextLines(u"aaaa bbbb");
    EXPECT_EQ(bv::penX(), 15);
    EXPECT_EQ(canvas.countOther(kBackground), 150);
}

} // namespace

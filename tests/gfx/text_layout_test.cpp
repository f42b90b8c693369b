// Text layout: wrapping, over-wide words, spaces at a wrapped line, breaks, the single-line flag,
// centring, line height, measuring and counting lines. The test font's glyphs are 10 pixels
// wide (the space 5) and 15 high, each letter filled with its own colour.
#include <gtest/gtest.h>

#include <algorithm>

#include "canvas.h"
#include "font_files.h"
#include "gfx/text.h"

namespace {

using texttest::MemFont;

class TextLayoutTest : public gfxtest::DrawTest {
  protected:
    void SetUp() override {
        DrawTest::SetUp();
        bv::resetTextStateForTests();
        bv::setFont(&font.font);
        bv::setDrawTarget(canvas.pixels());
    }
    void TearDown() override {
        EXPECT_TRUE(canvas.guardsIntact());
        bv::resetTextStateForTests();
        DrawTest::TearDown();
    }
    // The letter drawn with its top-left corner at (x, y), judged by its colour there (blended
    // by the one rule, which at alpha 255 over black gives each channel less one).
    bool letterAt(char c, int x, int y) const {
        return canvas.at(x, y) == gfxtest::refBlend(MemFont::colour(c), 0, 255);
    }
    void clear() { std::fill(canvas.pixels(), canvas.pixels() + gfxtest::kW * gfxtest::kH, 0u); }
    MemFont font;
    gfxtest::Canvas canvas;
};

TEST_F(TextLayoutTest, WordThatDoesNotFitMovesToTheNextLine) {
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
    EXPECT_EQ(canvas.at(45, 0), 0u);
    EXPECT_EQ(bv::textBounds(), (bv::Rect{0, 0, 40, 37}));
}

TEST_F(TextLayoutTest, LineBreaksStartANewLineAtTheAreasLeft) {
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

TEST_F(TextLayoutTest, SingleLineFlagStopsAtTheFirstLineEnd) {
    const char16_t text[] = {u'a', u'a', 10, 13, u'b', 0};
    bv::drawText(0, 0, false, bv::kStyleSingleLine, text);
    EXPECT_EQ(canvas.countOther(0), 2 * 10 * 15);
    EXPECT_EQ(bv::penX(), 20);
    EXPECT_EQ(bv::penY(), 0);

    bv::setTextArea(0, 0, 50, 600);
    bv::drawText(0, 100, false, bv::kStyleSingleLine, u"aaaa bbbb");
    EXPECT_EQ(bv::penY(), 100);
    EXPECT_EQ(canvas.at(0, 122), 0u);
    // The flag lasts for one text only.
    bv::drawText(0, 200, false, 0, u"aaaa bbbb");
    EXPECT_EQ(bv::penY(), 222);
}

TEST_F(TextLayoutTest, CentringHalvesTheWidthToTheLeft) {
    bv::drawText(400, 10, true, 0, u"cccccccccccc"); // 12 x 10 = 120 pixels
    EXPECT_EQ(bv::textBounds().x, 340);
    EXPECT_EQ(bv::textBounds().width, 120);
    EXPECT_TRUE(letterAt('c', 340, 10));
    EXPECT_EQ(canvas.at(339, 10), 0u);
    EXPECT_EQ(bv::textWidth(u"cccccccccccc"), 120);
    bv::drawText(400, 40, true, 0, u"ccc"); // 30: 15 to the left
    EXPECT_TRUE(letterAt('c', 385, 40));
}

TEST_F(TextLayoutTest, WidthsAndMeasuringWithoutATarget) {
    EXPECT_EQ(bv::textWidth(u"ab cd"), 45);
    EXPECT_EQ(bv::textWidth(u"  ab"), 30);
    EXPECT_EQ(bv::textWidth(u"ab\ncd"), 40);
    EXPECT_EQ(bv::textWidth(nullptr), 0);

    bv::setDrawTarget(nullptr);
    bv::drawText(100, 100, false, 0, u"abc");
    EXPECT_EQ(canvas.countOther(0), 0);
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

TEST_F(TextLayoutTest, CountingLinesFollowsTheLayout) {
    bv::setTextArea(0, 0, 85, 600);
    EXPECT_EQ(bv::countTextLines(u"aaaa"), 1);
    EXPECT_EQ(bv::countTextLines(u"aaaa bbbb"), 2);
    EXPECT_EQ(bv::countTextLines(u"aaaa bbbb cccc dddd"), 4);
    const char16_t broken[] = {u'a', 10, 13, u'b', 0};
    EXPECT_EQ(bv::countTextLines(broken), 2); // a break is one line end, not two
    EXPECT_EQ(bv::countTextLines(u""), 1);
    // Counting draws nothing and leaves the pen where the last text ended.
    bv::drawText(5, 5, false, 0, u"a");
    bv::countTextLines(u"aaaa bbbb");
    EXPECT_EQ(bv::penX(), 15);
    EXPECT_EQ(canvas.countOther(0), 150);
}

} // namespace

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
    // 10 + 10 + 10 + 5 + 10 = 45 wide, 15 high, centred: x offset -22.
    EXPECT_EQ((std::vector<int32_t>{s->width, s->height, s->xOffset, s->yOffset}),
              (std::vector<int32_t>{45, 15, -22, 0}));
    EXPECT_EQ(s->pixels[0], MemFont::colour('a')); // the glyph's own pixel, unblended
    bv::freeTextSprite(s);
}

// Where each text leaves the pen and where its letters land. "aaaa" ends at 40 and " bbbb" is 45
// wide: 85 reaches a right edge at 85 but not one at 86. A break starts the next line at the area's
// left, 22 lower; the filler after it is not drawn, and a break without one loses no character.
// The single-line flag stops at the first line end, for that text only. Centring puts half the
// width to the left: the 120 pixels of twelve "c" drawn at 400 start at 340.
TEST_F(TextTest, LayoutWrapsBreaksAndCentres) {
    const char16_t filled[] = {u'a', u'a', 10, 13, u'b', 0};
    struct Probe {
        char letter; // 0: nothing drawn there
        int x, y;
    };
    const struct {
        const char* name;
        int areaLeft, areaRight, x, y;
        bool centre;
        uint32_t style;
        const char16_t* text;
        int penX, penY;  // penX -1: not checked
        bv::Rect bounds; // width 0: not checked
        std::vector<Probe> probes;
    } cases[] = {
        // clang-format off
        {"fits", 0, 86, 0, 0, false, 0, u"aaaa bbbb", 85, 0, {}, {{'b', 45, 0}}},
        {"wraps", 0, 85, 0, 0, false, 0, u"aaaa bbbb", 40, 22, {0, 0, 40, 37}, {{'a', 30, 0}, {'b', 0, 22}, {0, 45, 0}}},
        {"break and filler", 20, 800, 100, 50, false, 0, filled, 30, 72, {}, {{'a', 100, 50}, {'b', 20, 72}}},
        {"break alone", 20, 800, 100, 50, false, 0, u"a\nb", -1, 72, {}, {{'b', 20, 72}}},
        {"single line at a break", 0, 800, 0, 0, false, bv::kStyleSingleLine, filled, 20, 0, {}, {{'a', 10, 0}, {0, 20, 0}, {0, 0, 22}}},
        {"single line at a wrap", 0, 50, 0, 100, false, bv::kStyleSingleLine, u"aaaa bbbb", -1, 100, {}, {{0, 0, 122}}},
        {"the flag is gone", 0, 50, 0, 200, false, 0, u"aaaa bbbb", -1, 222, {}, {{'b', 0, 222}}},
        {"centred", 0, 800, 400, 10, true, 0, u"cccccccccccc", -1, 10, {340, 10, 120, 15}, {{'c', 340, 10}, {0, 339, 10}}},
        {"centred short", 0, 800, 400, 40, true, 0, u"ccc", -1, 40, {}, {{'c', 385, 40}}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        clear();
        bv::setTextArea(c.areaLeft, 0, c.areaRight, 600);
        bv::drawText(c.x, c.y, c.centre, c.style, c.text);
        EXPECT_EQ(bv::penY(), c.penY);
        EXPECT_TRUE(c.penX < 0 || bv::penX() == c.penX) << bv::penX();
        EXPECT_TRUE(c.bounds.width == 0 || bv::textBounds() == c.bounds);
        for (const Probe& p : c.probes)
            EXPECT_TRUE(p.letter ? letterAt(p.letter, p.x, p.y) : canvas.at(p.x, p.y) == kBackground)
                << p.letter << " at " << p.x << "," << p.y;
    }
}

TEST_F(TextTest, WidthsAndMeasuringDrawNothing) {
    EXPECT_EQ(bv::textWidth(u"ab cd"), 45);
    EXPECT_EQ(bv::textWidth(u"  ab"), 30);
    EXPECT_EQ(bv::textWidth(u"ab\ncd"), 40);
    EXPECT_EQ(bv::textWidth(nullptr), 0);
    EXPECT_EQ(bv::measureText(100, 100, false, 0, u"abc"), (bv::Rect{100, 100, 30, 15}));
    EXPECT_EQ(bv::penX(), 130);
    EXPECT_EQ(canvas.countOther(kBackground), 0);
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

// Slanted pictures: the street-name shear, its smooth edges, and no slant at all.
#include "canvas.h"
#include "gfx/draw.h"
#include "gfx/slant.h"

namespace gfxtest {
namespace {

using SlantTest = DrawTest;

TEST_F(SlantTest, EachColumnMovesByTheFactorTimesItsDistance) {
    TestSprite bar(20, 4, 0, 0, 0xFFFF0000u); // hot spot at its left end, on its top row
    const uint32_t red = 0xFE0000;            // opaque 255 drawn: (255 * 255 + 1) >> 8
    Canvas c(0), up(0);
    bv::drawSpriteSlanted(c.pixels(), 200, 100, &bar.s, 0.5f, 1.0f);
    // Column 0 is shifted by 0.25 (its middle), column 10 by 5.25: full colour from the second row
    // of the bar on, fading at the top and bottom edges.
    EXPECT_EQ(c.at(200, 101) & 0xFFFFFF, red);
    EXPECT_EQ(c.at(200, 99), 0u);
    EXPECT_EQ(c.at(210, 106) & 0xFFFFFF, red);
    EXPECT_EQ(c.at(210, 104), 0u);
    EXPECT_EQ(c.at(210, 110), 0u);
    // The edges are blended: a quarter-covered pixel gets about a quarter of the colour.
    const uint32_t top = (c.at(210, 105) >> 16) & 0xFF;
    EXPECT_GT(top, 150u);
    EXPECT_LT(top, 220u);
    // Negative factors climb to the right.
    bv::drawSpriteSlanted(up.pixels(), 200, 100, &bar.s, -0.5f, 1.0f);
    EXPECT_EQ(up.at(219, 92) & 0xFFFFFF, red);
    EXPECT_EQ(up.at(219, 100), 0u);
}

TEST_F(SlantTest, NoSlantBlendsEachPixelInItsPlace) {
    TestSprite s(3, 1, -1, -1);
    s.at(0, 0) = 0xFF102030; // (c * 255 + 1) >> 8: 0x0F, 0x1F, 0x2F
    s.at(1, 0) = 0x80FF0000; // red (255 * 128 + 32 * 127 + 1) >> 8 = 143, the others (32 * 127 + 1) >> 8 = 15
    s.at(2, 0) = 0x00FFFFFF; // clear: left alone
    Canvas c(0x202020);
    bv::drawSpriteSlanted(c.pixels(), 100, 50, &s.s, 0.0f, 1.0f);
    EXPECT_EQ(c.at(99, 49), 0xFF0F1F2Fu);
    EXPECT_EQ(c.at(100, 49), 0xFF8F0F0Fu);
    EXPECT_EQ(c.countOther(0x202020), 2);
}

} // namespace
} // namespace gfxtest

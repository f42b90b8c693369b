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

TEST_F(SlantTest, NoSlantDrawsLikeAPlainSprite) {
    TestSprite s(7, 5, -3, -5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) s.at(x, y) = uint32_t((x * 40 + y * 9) << 24 | 0x123456 * (x + 1));
    Canvas plain(0x202020), slanted(0x202020);
    bv::drawSprite(plain.pixels(), 100, 50, &s.s, false);
    bv::drawSpriteSlanted(slanted.pixels(), 100, 50, &s.s, 0.0f, 1.0f);
    for (int y = 40; y < 60; ++y)
        for (int x = 90; x < 110; ++x) ASSERT_EQ(plain.at(x, y), slanted.at(x, y)) << x << "," << y;
}

} // namespace
} // namespace gfxtest

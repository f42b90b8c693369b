// Lines: covered pixels, end points, colour and alpha gradients and the flat blended line.
#include <cstdlib>
#include <set>
#include <utility>

#include "canvas.h"
#include "gfx/draw.h"

using namespace bv;
using gfxtest::Canvas;

namespace {

class LineTest : public gfxtest::DrawTest {};

using Points = std::set<std::pair<int, int>>;

Points litPixels(const Canvas& c, uint32_t background) {
    Points lit;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            if (c.at(x, y) != background) lit.insert({x, y});
    return lit;
}

TEST_F(LineTest, SteepLineStepsHalfAPixelAcross) {
    // n = 6 steps of (0.5, 1): x = 10, 10.5, 11, 11.5, 12, 12.5, 13 truncated.
    Canvas down(0);
    drawLine(down.pixels(), 10, 20, 13, 26, 0xFFFFFF, 0xFFFFFF, 255, 255);
    EXPECT_EQ(litPixels(down, 0),
              (Points{{10, 20}, {10, 21}, {11, 22}, {11, 23}, {12, 24}, {12, 25}, {13, 26}}));
    // Backwards the steps are (-0.5, -1): 13, 12.5, 12, 11.5, 11, 10.5, 10 truncated.
    Canvas up(0);
    drawLine(up.pixels(), 13, 26, 10, 20, 0xFFFFFF, 0xFFFFFF, 255, 255);
    EXPECT_EQ(litPixels(up, 0),
              (Points{{13, 26}, {12, 25}, {12, 24}, {11, 23}, {11, 22}, {10, 21}, {10, 20}}));
}

TEST_F(LineTest, OpaqueLinesCoverBothEndsAndOnePixelAStep) {
    const int lines[][4] = {{10, 10, 14, 10}, {0, 0, 3, 10},    {0, 0, 7, 599},
                            {799, 0, 0, 599}, {5, 590, 797, 3}, {1, 1, 300, 299}};
    for (const auto& l : lines) {
        Canvas c(0);
        drawLine(c.pixels(), l[0], l[1], l[2], l[3], 0x00FF00, 0x00FF00, 255, 255);
        EXPECT_EQ(c.at(l[0], l[1]), 0x00FF00u);
        EXPECT_EQ(c.at(l[2], l[3]), 0x00FF00u) << l[2] << "," << l[3];
        const int n = std::max(std::abs(l[2] - l[0]), std::abs(l[3] - l[1]));
        EXPECT_EQ(int(litPixels(c, 0).size()), n + 1);
    }
}

TEST_F(LineTest, GradientsRunFromTheFirstStepToTheEnd) {
    // n = 5: start and first step take the first colour and alpha, then t = 1/4, 2/4, 3/4, 1.
    Canvas c(0x777777), a(0);
    drawLine(c.pixels(), 0, 0, 5, 0, 0x000000, 0xC80064, 255, 255);
    // White over black, alpha 0 -> 200: 0, 0, 50, 100, 150, 200, each channel (255 * a + 1) >> 8.
    drawLine(a.pixels(), 0, 3, 5, 3, 0xFFFFFF, 0xFFFFFF, 0, 200);
    const uint32_t colour[] = {0x000000, 0x000000, 0x320019, 0x640032, 0x96004B, 0xC80064};
    const uint32_t channel[] = {0, 0, 49, 99, 149, 199};
    for (int x = 0; x < 6; ++x) {
        EXPECT_EQ(c.at(x, 0), colour[x]) << x;
        EXPECT_EQ(a.at(x, 3), channel[x] * 0x010101u) << x;
    }
    EXPECT_EQ(c.at(6, 0), 0x777777u);
}

TEST_F(LineTest, FlatBlendedLineStopsBeforeItsEnd) {
    Canvas c(0xFF605040);
    drawLine(c.pixels(), 10, 10, 15, 10, 0x102030, 0x102030, 64, 64);
    for (int x = 10; x < 15; ++x) EXPECT_EQ(c.at(x, 10), 0x004B433Bu) << x;
    EXPECT_EQ(c.at(15, 10), 0xFF605040u);
    EXPECT_EQ(c.at(9, 10), 0xFF605040u);
    // Drawn leftwards it covers the same run from the other side: 11..15, not 10.
    drawLine(c.pixels(), 15, 12, 10, 12, 0x102030, 0x102030, 64, 64);
    for (int x = 11; x <= 15; ++x) EXPECT_EQ(c.at(x, 12), 0x004B433Bu) << x;
    EXPECT_EQ(c.at(10, 12), 0xFF605040u);
    EXPECT_EQ(c.countOther(0xFF605040), 10);
}

} // namespace

// Pixels, rectangles, dimming, copying, colour interpolation and lines, pixel by pixel.
#include <climits>
#include <cstdlib>
#include <set>
#include <utility>

#include "canvas.h"
#include "gfx/draw.h"

using namespace bv;
using gfxtest::Canvas;

namespace {

class PrimitiveTest : public gfxtest::DrawTest {};

TEST_F(PrimitiveTest, BlendRuleValues) {
    struct Case {
        uint32_t colour, old, alpha, expected;
        const char* why;
    };
    const Case cases[] = {
        // red (255*128 + 0*127 + 1) >> 8 = 127; blue (0*128 + 255*127 + 1) >> 8 = 126
        {0xFF0000, 0x0000FF, 128, 0x7F007E, "red over blue at 128"},
        // (16*64+96*191+1)>>8 = 75, (32*64+80*191+1)>>8 = 67, (48*64+64*191+1)>>8 = 59
        {0x102030, 0x605040, 64, 0x4B433B, "worked at 64"},
        {0xFFFFFF, 0x000000, 255, 0xFEFEFE, "never reaches 255 at full alpha"},
        {0x000000, 0xFFFFFF, 0, 0xFEFEFE, "nor when alpha 0 keeps white"},
        {0xFFFFFF, 0x000000, 1, 0x010101, "the + 1: 255 + 0 + 1 = 256 -> 1"},
    };
    for (const Case& c : cases) EXPECT_EQ(blendColour(c.colour, c.old, c.alpha), c.expected) << c.why;
}

TEST_F(PrimitiveTest, PutAndBlendPixelInsideTheFrameOnly) {
    Canvas c(0xFF605040);
    putPixel(c.pixels(), 3, 4, 0x00ABCDEF);
    EXPECT_EQ(c.at(3, 4), 0x00ABCDEFu);
    // Alpha is held to 255: (16*255+1)>>8 = 15 ...; the top byte is cleared.
    blendPixel(c.pixels(), 7, 8, 0x102030, 300);
    EXPECT_EQ(c.at(7, 8), 0x000F1F2Fu);
    const int outside[][2] = {{-1, 0}, {800, 0}, {0, -1}, {0, 600}, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}};
    for (const auto& p : outside) {
        putPixel(c.pixels(), p[0], p[1], 0xFFFFFF);
        blendPixel(c.pixels(), p[0], p[1], 0xFFFFFF, 100);
    }
    EXPECT_EQ(c.countOther(0xFF605040), 2);
    EXPECT_TRUE(c.guardsIntact());
    putPixel(c.pixels(), 799, 599, 0x111111);
    putPixel(c.pixels(), 0, 0, 0x222222);
    EXPECT_EQ(c.at(799, 599), 0x111111u);
    EXPECT_EQ(c.at(0, 0), 0x222222u);
}

TEST_F(PrimitiveTest, FillRectClipsAtAllFourEdgesAndStaysInTheBuffer) {
    Canvas c(0);
    setClip(100, 200, 110, 205);
    fillRect(c.pixels(), 90, 190, 40, 40, 0xABCDEF);
    // Exactly 10 x 5 pixels from (100, 200): the right and bottom edges are exclusive.
    EXPECT_EQ(c.countOther(0), 10 * 5);
    EXPECT_EQ(c.at(100, 200), 0xABCDEFu);
    EXPECT_EQ(c.at(109, 204), 0xABCDEFu);
    resetClip();
    Canvas w(0);
    fillRect(w.pixels(), INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1); // ends at -1: nothing
    fillRect(w.pixels(), 10, 10, -5, 20, 1);
    EXPECT_EQ(w.countOther(0), 0);
    fillRect(w.pixels(), -5, -5, INT_MAX, INT_MAX, 7);
    EXPECT_EQ(w.countOther(7), 0);
    fillRectAlpha(w.pixels(), INT_MAX - 1, -3, INT_MAX, 1000, 0, 100);
    fillRectAlpha(w.pixels(), -1000, 599, 5000, 5000, 0, 100);
    EXPECT_EQ(w.countOther(7), 800); // only the bottom row
    EXPECT_TRUE(w.guardsIntact());
}

TEST_F(PrimitiveTest, DimRectScalesEachChannelRoundingDownAndClearsTheTopByte) {
    struct Case {
        uint32_t fill;
        int percent;
        uint32_t expected;
    };
    const Case cases[] = {
        {0xFFFF8103, 50, 0x007F4001},  // 0x81 = 129 -> 64, 3 -> 1
        {0x0064C8FF, 20, 0x00142833},  // 100, 200, 255 -> 20, 40, 51
        {0x0064C8FF, 0, 0},            //
        {0x0064C8FF, 150, 0x0096FFFF}, // brightening saturates instead of wrapping
        {0x0064C8FF, 100, 0x0064C8FF},
    };
    for (const Case& k : cases) {
        Canvas c(k.fill);
        dimRect(c.pixels(), 10, 10, 2, 3, k.percent);
        EXPECT_EQ(c.at(10, 10), k.expected) << k.percent;
        EXPECT_EQ(c.at(11, 12), k.expected) << k.percent;
        EXPECT_EQ(c.at(12, 10), k.fill) << k.percent;
        EXPECT_EQ(c.at(10, 13), k.fill) << k.percent;
    }
}

TEST_F(PrimitiveTest, CopyRectCopiesFromTheFirstRowsCutToTheFrame) {
    Canvas source(0);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) source.set(x, y, uint32_t(y) << 12 | uint32_t(x));
    Canvas target(0xEEEEEE);
    copyRect(target.pixels(), source.pixels(), 10, 5);
    copyRect(target.pixels(), source.pixels(), -3, 10);
    copyRect(target.pixels(), source.pixels(), 10, INT_MIN);
    EXPECT_EQ(target.at(0, 0), 0u);
    EXPECT_EQ(target.at(9, 4), 0x4009u);
    EXPECT_EQ(target.countOther(0xEEEEEE), 50);
    Canvas whole(0);
    copyRect(whole.pixels(), source.pixels(), 5000, 5000);
    EXPECT_EQ(whole.at(799, 599), uint32_t(599 << 12 | 799));
    EXPECT_EQ(whole.at(400, 300), uint32_t(300 << 12 | 400));
    EXPECT_TRUE(whole.guardsIntact());
}

TEST_F(PrimitiveTest, LerpColourWorksOnAllFourBytes) {
    EXPECT_EQ(lerpColour(0x00000000, 0xFFFFFFFF, 0.5f), 0x7F7F7F7Fu); // 127.5 truncated
    // A = 16, 32, 64, 128; B = 48, 64, 0, 0 at t = 0.25: 24, 40, 48, 96.
    EXPECT_EQ(lerpColour(0x10204080, 0x30400000, 0.25f), 0x18283060u);
    const float ends[][2] = {{0.0f, 0}, {1.0f, 1}, {7.0f, 1}, {-2.0f, 0}}; // held to 0..1
    for (const auto& e : ends)
        EXPECT_EQ(lerpColour(0x10204080, 0x30400000, e[0]), e[1] ? 0x30400000u : 0x10204080u) << e[0];
}

// Lines: covered pixels, end points, colour and alpha gradients and the flat blended line.
using Points = std::set<std::pair<int, int>>;

Points litPixels(const Canvas& c, uint32_t background) {
    Points lit;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            if (c.at(x, y) != background) lit.insert({x, y});
    return lit;
}

TEST_F(PrimitiveTest, SteepLineStepsHalfAPixelAcross) {
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

TEST_F(PrimitiveTest, OpaqueLinesCoverBothEndsAndOnePixelAStep) {
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

TEST_F(PrimitiveTest, GradientsRunFromTheFirstStepToTheEnd) {
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

TEST_F(PrimitiveTest, FlatBlendedLineStopsBeforeItsEnd) {
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

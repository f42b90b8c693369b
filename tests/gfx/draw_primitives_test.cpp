// Pixels, rectangles, dimming, copying, colour interpolation and lines, pixel by pixel.
#include <climits>

#include "canvas.h"
#include "gfx/draw.h"

using namespace bv;
using gfxtest::Canvas;
using gfxtest::refBlend;

namespace {

class PrimitiveTest : public gfxtest::DrawTest {};

TEST_F(PrimitiveTest, BlendRuleValues) {
    // Worked by hand: red 255 at alpha 128 over blue 255.
    //   red (255*128 + 0*127 + 1) >> 8 = 32641 >> 8 = 127; blue (0*128 + 255*127 + 1) >> 8 = 126.
    EXPECT_EQ(blendColour(0xFF0000, 0x0000FF, 128), 0x7F007Eu);
    // 0x102030 over 0x605040 at 64: (16*64+96*191+1)>>8 = 75, (32*64+80*191+1)>>8 = 67,
    // (48*64+64*191+1)>>8 = 59.
    EXPECT_EQ(blendColour(0x102030, 0x605040, 64), 0x4B433Bu);
    // The rule never reaches 255: full white at alpha 255, and white kept at alpha 0, give 254.
    EXPECT_EQ(blendColour(0xFFFFFF, 0x000000, 255), 0xFEFEFEu);
    EXPECT_EQ(blendColour(0x000000, 0xFFFFFF, 0), 0xFEFEFEu);
    EXPECT_EQ(blendColour(0, 0, 77), 0u);
    // The + 1 matters where the sum ends in 255: 255 * 1 + 0 * 254 + 1 = 256 -> 1.
    EXPECT_EQ(blendColour(0xFFFFFF, 0x000000, 1), 0x010101u);
    // Every alpha and channel value against the channel-by-channel reference (red and blue share
    // a word, so a carry between them would show here).
    for (uint32_t a = 0; a < 256; ++a)
        for (uint32_t v = 0; v < 256; ++v) {
            const uint32_t colour = v << 16 | (255 - v) << 8 | v;
            const uint32_t old = (255 - v) << 16 | v << 8 | 255;
            ASSERT_EQ(blendColour(colour, old, a), refBlend(colour, old, a)) << a << " " << v;
        }
}

TEST_F(PrimitiveTest, PutAndBlendPixel) {
    Canvas c(0xFF605040);
    putPixel(c.pixels(), 3, 4, 0x00ABCDEF);
    EXPECT_EQ(c.at(3, 4), 0x00ABCDEFu);
    blendPixel(c.pixels(), 5, 6, 0x102030, 64);
    EXPECT_EQ(c.at(5, 6), 0x004B433Bu);          // the top byte is cleared
    blendPixel(c.pixels(), 7, 8, 0x102030, 300); // alpha is held to 255
    EXPECT_EQ(c.at(7, 8), refBlend(0x102030, 0x605040, 255));
    EXPECT_EQ(c.countOther(0xFF605040), 3);
}

TEST_F(PrimitiveTest, PixelsOutsideTheFrameAreIgnored) {
    Canvas c(0);
    const int points[][2] = {{-1, 0}, {800, 0}, {0, -1}, {0, 600}, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}};
    for (const auto& p : points) {
        putPixel(c.pixels(), p[0], p[1], 0xFFFFFF);
        blendPixel(c.pixels(), p[0], p[1], 0xFFFFFF, 100);
    }
    EXPECT_EQ(c.countOther(0), 0);
    EXPECT_TRUE(c.guardsIntact());
    putPixel(c.pixels(), 799, 599, 0x111111);
    putPixel(c.pixels(), 0, 0, 0x222222);
    EXPECT_EQ(c.at(799, 599), 0x111111u);
    EXPECT_EQ(c.at(0, 0), 0x222222u);
}

TEST_F(PrimitiveTest, FillRectClipsAtAllFourEdges) {
    Canvas c(0);
    setClip(100, 200, 110, 205);
    fillRect(c.pixels(), 90, 190, 40, 40, 0xABCDEF);
    EXPECT_EQ(c.countOther(0), 10 * 5);
    EXPECT_EQ(c.at(100, 200), 0xABCDEFu);
    EXPECT_EQ(c.at(109, 204), 0xABCDEFu);
    EXPECT_EQ(c.at(99, 200), 0u);  // left
    EXPECT_EQ(c.at(110, 200), 0u); // right is exclusive
    EXPECT_EQ(c.at(100, 199), 0u); // top
    EXPECT_EQ(c.at(100, 205), 0u); // bottom is exclusive
}

TEST_F(PrimitiveTest, FillRectWithWildArgumentsStaysInTheBuffer) {
    Canvas c(0);
    fillRect(c.pixels(), INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1); // ends at -1: nothing
    fillRect(c.pixels(), 10, 10, -5, 20, 1);
    EXPECT_EQ(c.countOther(0), 0);
    fillRect(c.pixels(), -5, -5, INT_MAX, INT_MAX, 7);
    EXPECT_EQ(c.countOther(7), 0);
    fillRectAlpha(c.pixels(), INT_MAX - 1, -3, INT_MAX, 1000, 0, 100);
    fillRectAlpha(c.pixels(), -1000, 599, 5000, 5000, 0, 100);
    EXPECT_EQ(c.countOther(7), 800); // only the bottom row
    EXPECT_TRUE(c.guardsIntact());
}

TEST_F(PrimitiveTest, FillRectAlphaWritesAtFullAlphaAndBlendsOtherwise) {
    Canvas c(0xFF605040);
    fillRectAlpha(c.pixels(), 10, 10, 2, 2, 0x00FFFFFF, 255);
    EXPECT_EQ(c.at(10, 10), 0x00FFFFFFu); // written, not blended to 254
    EXPECT_EQ(c.at(11, 11), 0x00FFFFFFu);
    fillRectAlpha(c.pixels(), 20, 20, 3, 1, 0x102030, 64);
    EXPECT_EQ(c.at(20, 20), 0x004B433Bu);
    EXPECT_EQ(c.at(22, 20), 0x004B433Bu);
    EXPECT_EQ(c.at(23, 20), 0xFF605040u);
    EXPECT_EQ(c.countOther(0xFF605040), 4 + 3);
}

TEST_F(PrimitiveTest, DimRectHalvesRoundingDownAndClearsTheTopByte) {
    Canvas c(0xFFFF8103);
    dimRect(c.pixels(), 10, 10, 2, 3, 50);
    // 0xFF -> 0x7F, 0x81 = 129 -> 64, 3 -> 1.
    EXPECT_EQ(c.at(10, 10), 0x007F4001u);
    EXPECT_EQ(c.at(11, 12), 0x007F4001u);
    EXPECT_EQ(c.at(12, 10), 0xFFFF8103u);
    EXPECT_EQ(c.at(10, 13), 0xFFFF8103u);
    EXPECT_EQ(c.countOther(0xFFFF8103), 6);
}

TEST_F(PrimitiveTest, DimRectByOtherPercentages) {
    Canvas c(0x0064C8FF); // 100, 200, 255
    dimRect(c.pixels(), 0, 0, 1, 1, 20);
    EXPECT_EQ(c.at(0, 0), 0x00142833u); // 20, 40, 51 (255 * 20 / 100 = 51)
    dimRect(c.pixels(), 1, 0, 1, 1, 0);
    EXPECT_EQ(c.at(1, 0), 0u);
    dimRect(c.pixels(), 2, 0, 1, 1, 150); // brightening saturates instead of wrapping
    EXPECT_EQ(c.at(2, 0), 0x0096FFFFu);
    dimRect(c.pixels(), 3, 0, 1, 1, 100);
    EXPECT_EQ(c.at(3, 0), 0x0064C8FFu);
}

TEST_F(PrimitiveTest, DimRectIgnoresTheClipButNotTheBuffer) {
    Canvas c(0x00FEFEFE);
    setClip(500, 500, 510, 510);
    dimRect(c.pixels(), -10, -20, 15, 25, 50);
    EXPECT_EQ(c.at(0, 0), 0x007F7F7Fu);
    EXPECT_EQ(c.at(4, 4), 0x007F7F7Fu);
    EXPECT_EQ(c.countOther(0x00FEFEFE), 5 * 5);
    dimRect(c.pixels(), 795, 598, INT_MAX, INT_MAX, 50);
    EXPECT_EQ(c.at(799, 599), 0x007F7F7Fu);
    EXPECT_EQ(c.countOther(0x00FEFEFE), 25 + 5 * 2);
    dimRect(c.pixels(), INT_MIN, INT_MIN, INT_MAX, INT_MAX, 50);
    EXPECT_EQ(c.countOther(0x00FEFEFE), 25 + 10);
    EXPECT_TRUE(c.guardsIntact());
}

TEST_F(PrimitiveTest, CopyRectCopiesFromTheFirstRows) {
    Canvas source(0);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) source.set(x, y, uint32_t(y) << 12 | uint32_t(x));
    Canvas target(0xEEEEEE);
    copyRect(target.pixels(), source.pixels(), 10, 5);
    EXPECT_EQ(target.at(0, 0), source.at(0, 0));
    EXPECT_EQ(target.at(9, 4), source.at(9, 4));
    EXPECT_EQ(target.at(10, 0), 0xEEEEEEu);
    EXPECT_EQ(target.at(0, 5), 0xEEEEEEu);
    EXPECT_EQ(target.countOther(0xEEEEEE), 50);

    Canvas whole(0);
    copyRect(whole.pixels(), source.pixels(), 800, 600);
    EXPECT_EQ(whole.at(799, 599), source.at(799, 599));
    EXPECT_EQ(whole.at(400, 300), source.at(400, 300));
}

TEST_F(PrimitiveTest, CopyRectIsCutToTheFrame) {
    Canvas source(0x123456);
    Canvas target(0);
    copyRect(target.pixels(), source.pixels(), 5000, 5000);
    EXPECT_EQ(target.countOther(0x123456), 0);
    EXPECT_TRUE(target.guardsIntact());
    Canvas other(0);
    copyRect(other.pixels(), source.pixels(), -3, 10);
    copyRect(other.pixels(), source.pixels(), 10, INT_MIN);
    EXPECT_EQ(other.countOther(0), 0);
}

TEST_F(PrimitiveTest, LerpColourWorksOnAllFourBytes) {
    EXPECT_EQ(lerpColour(0x00000000, 0xFFFFFFFF, 0.5f), 0x7F7F7F7Fu); // 127.5 truncated
    // A = 16, 32, 64, 128; B = 48, 64, 0, 0 at t = 0.25: 24, 40, 48, 96.
    EXPECT_EQ(lerpColour(0x10204080, 0x30400000, 0.25f), 0x18283060u);
    EXPECT_EQ(lerpColour(0x10204080, 0x30400000, 0.0f), 0x10204080u);
    EXPECT_EQ(lerpColour(0x10204080, 0x30400000, 1.0f), 0x30400000u);
    EXPECT_EQ(lerpColour(0x10204080, 0x30400000, 7.0f), 0x30400000u); // held to 0..1
    EXPECT_EQ(lerpColour(0x10204080, 0x30400000, -2.0f), 0x10204080u);
}

} // namespace

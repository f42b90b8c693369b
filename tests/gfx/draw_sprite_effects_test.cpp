// Faded, shining, fast-copied and silhouette sprites, pixel by pixel.
#include "canvas.h"
#include "gfx/draw.h"

using namespace bv;
using gfxtest::Canvas;
using gfxtest::refBlend;
using gfxtest::TestSprite;

namespace {

class SpriteEffectTest : public gfxtest::DrawTest {};

TEST_F(SpriteEffectTest, FadedPixelsBlendWithAlphaTimesOpacity) {
    TestSprite t(3, 1);
    t.at(0, 0) = 0xFFC86432; // 200, 100, 50 opaque
    t.at(1, 0) = 0x01FFFFFF; // (1 * 128) >> 8 = 0: not drawn at all
    t.at(2, 0) = 0x80FFFFFF; // (128 * 128) >> 8 = 64
    Canvas c(0xFF000000);
    drawSpriteFaded(c.pixels(), 10, 10, &t.s, 3, 1, false, 128);
    // Effective alpha (255 * 128) >> 8 = 127: (200*127+1)>>8 = 99, (100*127+1)>>8 = 49, (50*127+1)>>8 = 24.
    EXPECT_EQ(c.at(10, 10), 0x00633118u);
    EXPECT_EQ(c.at(11, 10), 0xFF000000u);
    EXPECT_EQ(c.at(12, 10), refBlend(0xFFFFFF, 0, 64));
    EXPECT_EQ(c.at(12, 10), 0x003F3F3Fu); // (255*64 + 1) >> 8 = 63
}

TEST_F(SpriteEffectTest, FadedMirrorKeepsTheUnmirroredPlacement) {
    TestSprite t(3, 1, -1, 0);
    t.at(0, 0) = 0xFF0000FF;
    t.at(2, 0) = 0xFFFF0000;
    t.at(1, 0) = 0xFF00FF00;
    Canvas c(0);
    // Left = 50 + (-1 * 3) / 3 = 49, columns from the right end.
    drawSpriteFaded(c.pixels(), 50, 5, &t.s, 3, 1, true, 200);
    const uint32_t a = (255 * 200) >> 8;
    EXPECT_EQ(c.at(49, 5), refBlend(0xFF0000, 0, a));
    EXPECT_EQ(c.at(50, 5), refBlend(0x00FF00, 0, a));
    EXPECT_EQ(c.at(51, 5), refBlend(0x0000FF, 0, a));
    EXPECT_EQ(c.countOther(0), 3);

    // At full opacity it is the plain scaled sprite: mirrored about the hot spot, top byte 255.
    Canvas full(0);
    drawSpriteFaded(full.pixels(), 50, 5, &t.s, 3, 1, true, 255);
    EXPECT_EQ(full.at(48, 5), refBlend(0xFF0000, 0, 255) | 0xFF000000u);
    EXPECT_EQ(full.at(50, 5), refBlend(0x0000FF, 0, 255) | 0xFF000000u);
    EXPECT_EQ(lastSpriteRect(), (Rect{48, 5, 3, 1}));

    Canvas none(0);
    drawSpriteFaded(none.pixels(), 50, 5, &t.s, 3, 1, false, 0);
    EXPECT_EQ(none.countOther(0), 0);
}

TEST_F(SpriteEffectTest, FadedScalesLikeTheScaledSprite) {
    TestSprite t(2, 2);
    t.at(0, 0) = 0xFFFF0000;
    t.at(1, 0) = 0xFF00FF00;
    t.at(0, 1) = 0xFF0000FF;
    t.at(1, 1) = 0xFFFFFFFF;
    Canvas c(0);
    drawSpriteFaded(c.pixels(), 0, 0, &t.s, 4, 4, false, 100);
    const uint32_t a = (255 * 100) >> 8;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(c.at(x, y), refBlend(t.at(x / 2, y / 2), 0, a)) << x << "," << y;
    EXPECT_EQ(c.countOther(0), 16);
}

// A 40 x 10 opaque grey sprite: the blended base value is (100*255 + 1) >> 8 = 99.
class ShineTest : public SpriteEffectTest {
  protected:
    TestSprite t{40, 10, -5, -2, 0xFF646464};
    uint32_t lit(uint32_t redGreen) { return 0xFF000000u | redGreen << 16 | redGreen << 8 | 99; }
};

TEST_F(ShineTest, BandSitsWhereTheStrengthPutsIt) {
    Canvas c(0);
    // total = 40 + 10 + 24 = 74; strength 0.5 -> band end 37, so the first row's band is 13..36.
    drawSpriteShine(c.pixels(), 105, 52, &t.s, false, 0.5f);
    EXPECT_EQ(lastSpriteRect(), (Rect{100, 50, 40, 10}));
    const int y0 = 50;
    EXPECT_EQ(c.at(100 + 12, y0), lit(99));
    EXPECT_EQ(c.at(100 + 13, y0), lit(99));  // p = 0: factor 1
    EXPECT_EQ(c.at(100 + 23, y0), lit(123)); // p = 10: 1 + 0.5/2 = 1.25 -> 123.75
    EXPECT_EQ(c.at(100 + 33, y0), lit(148)); // p = 20: 1.5 -> 148.5
    EXPECT_EQ(c.at(100 + 34, y0), lit(136)); // p = 21: 1 + 0.75/2 = 1.375 -> 136.125
    EXPECT_EQ(c.at(100 + 36, y0), lit(111)); // p = 23: 1.125 -> 111.375
    EXPECT_EQ(c.at(100 + 37, y0), lit(99));
    // Each row moves the band one column to the left: row 3 spans 10..33.
    EXPECT_EQ(c.at(100 + 9, y0 + 3), lit(99));
    EXPECT_EQ(c.at(100 + 30, y0 + 3), lit(148));
    EXPECT_EQ(c.at(100 + 33, y0 + 3), lit(111));
    EXPECT_EQ(c.at(100 + 34, y0 + 3), lit(99));
    EXPECT_EQ(c.countOther(0), 400);
}

TEST_F(ShineTest, OnlyNearlyOpaquePixelsShine) {
    t.at(23, 0) = 0xFA646464; // alpha 250: blended (100*250 + 1) >> 8 = 97, not brightened
    t.at(24, 0) = 0xFB646464; // alpha 251: (100*251 + 1) >> 8 = 98, then p = 11: 1.275 -> 124.95
    Canvas c(0);
    drawSpriteShine(c.pixels(), 105, 52, &t.s, false, 0.5f);
    EXPECT_EQ(c.at(123, 50), 0xFF616161u);
    EXPECT_EQ(c.at(124, 50), 0xFF7C7C62u);
}

TEST_F(ShineTest, NoBandAtEitherEndOfTheRun) {
    for (float strength : {0.0f, 1.0f}) {
        Canvas c(0);
        drawSpriteShine(c.pixels(), 105, 52, &t.s, false, strength);
        EXPECT_EQ(c.countOther(lit(99)), 800 * 600 - 400) << strength;
    }
}

TEST_F(SpriteEffectTest, FastCopyKeepsPixelsAsTheyAre) {
    TestSprite t(4, 1, -1, -1);
    t.at(0, 0) = 0xFF112233;
    t.at(1, 0) = 0x80445566;
    t.at(2, 0) = 0x00778899;
    t.at(3, 0) = 0xFFAABBCC;
    Canvas c(0);
    drawSpriteFast(c.pixels(), 100, 10, &t.s, false);
    EXPECT_EQ(c.at(99, 9), 0xFF112233u);
    EXPECT_EQ(c.at(100, 9), 0x80445566u); // copied, not blended
    EXPECT_EQ(c.at(101, 9), 0u);
    EXPECT_EQ(c.at(102, 9), 0xFFAABBCCu);
    EXPECT_EQ(c.countOther(0), 3);
}

TEST_F(SpriteEffectTest, FastCopyMirroredTakesOnlyOpaquePixels) {
    TestSprite t(4, 1, -1, -1);
    t.at(0, 0) = 0xFF112233;
    t.at(1, 0) = 0x80445566;
    t.at(2, 0) = 0xFE778899;
    t.at(3, 0) = 0xFFAABBCC;
    Canvas c(0);
    // Turned about the hot spot like drawSprite: left = 100 - (4 - 1) = 97, right to left.
    drawSpriteFast(c.pixels(), 100, 10, &t.s, true);
    EXPECT_EQ(c.at(97, 9), 0xFFAABBCCu);
    EXPECT_EQ(c.at(98, 9), 0u); // alpha 254
    EXPECT_EQ(c.at(99, 9), 0u); // alpha 128
    EXPECT_EQ(c.at(100, 9), 0xFF112233u);
    EXPECT_EQ(c.countOther(0), 2);
}

TEST_F(SpriteEffectTest, FastCopyIsClipped) {
    TestSprite t(10, 10, 0, 0, 0xFF123456);
    Canvas c(0);
    setClip(5, 5, 8, 9);
    drawSpriteFast(c.pixels(), 0, 0, &t.s, false);
    drawSpriteFast(c.pixels(), 10, 0, &t.s, true);
    EXPECT_EQ(c.countOther(0), 3 * 4);
    EXPECT_EQ(c.at(5, 5), 0xFF123456u);
    EXPECT_EQ(c.at(7, 8), 0xFF123456u);
}

TEST_F(SpriteEffectTest, SilhouetteFillsEveryVisiblePixelAndRecordsItsRectangle) {
    TestSprite t(3, 2, -1, -2);
    t.at(0, 0) = 0x01000000; // faint but not empty
    t.at(1, 0) = 0x00FFFFFF;
    t.at(2, 0) = 0xFF000000;
    t.at(0, 1) = 0x00000000;
    t.at(1, 1) = 0x80808080;
    t.at(2, 1) = 0x00FFFFFF;
    Canvas c(0xAAAAAA);
    drawSilhouette(c.pixels(), 20, 30, &t.s, false, 17); // house 16's hit-test value
    EXPECT_EQ(lastSpriteRect(), (Rect{19, 28, 3, 2}));
    EXPECT_EQ(c.at(19, 28), 17u);
    EXPECT_EQ(c.at(20, 28), 0xAAAAAAu);
    EXPECT_EQ(c.at(21, 28), 17u);
    EXPECT_EQ(c.at(19, 29), 0xAAAAAAu);
    EXPECT_EQ(c.at(20, 29), 17u);
    EXPECT_EQ(c.countOther(0xAAAAAA), 3);

    Canvas m(0);
    drawSilhouette(m.pixels(), 20, 30, &t.s, true, 5); // left = 20 - (3 - 1) = 18
    EXPECT_EQ(lastSpriteRect(), (Rect{18, 28, 3, 2}));
    EXPECT_EQ(m.at(18, 28), 5u);
    EXPECT_EQ(m.at(20, 28), 5u);
    EXPECT_EQ(m.at(19, 29), 5u);
    EXPECT_EQ(m.countOther(0), 3);
}

} // namespace

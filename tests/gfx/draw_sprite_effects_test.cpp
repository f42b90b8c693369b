// Faded, fast-copied and silhouette sprites, pixel by pixel.
#include "canvas.h"
#include "gfx/draw.h"

using namespace bv;
using gfxtest::Canvas;
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
    EXPECT_EQ(c.at(12, 10), 0x003F3F3Fu); // (255*64 + 1) >> 8 = 63
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

// Sprites drawn plain, placed by their offsets, mirrored, scaled and brightened, pixel by pixel.
#include <climits>

#include "canvas.h"
#include "gfx/blend_row.h"
#include "gfx/draw.h"

using namespace bv;
using gfxtest::Canvas;
using gfxtest::refBlend;
using gfxtest::TestSprite;

namespace {

class SpriteTest : public gfxtest::DrawTest {};

// An opaque sprite pixel drawn at brightness 1: the rule at alpha 255, top byte set.
uint32_t opaqueOver(uint32_t colour, uint32_t background) {
    return refBlend(colour, background, 255) | 0xFF000000u;
}

// A sprite whose every pixel is different and opaque.
TestSprite patterned(int w, int h, int xOffset, int yOffset) {
    TestSprite t(w, h, xOffset, yOffset);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) t.at(x, y) = 0xFF000040u | uint32_t(x * 7) << 16 | uint32_t(y * 5) << 8;
    return t;
}

TEST_F(SpriteTest, EachPixelIsBlendedWithItsOwnAlpha) {
    Canvas c(0x0000FF);
    TestSprite t(3, 1);
    t.at(0, 0) = 0xFF80FF10; // opaque: 128 -> 127, 255 -> 254, 16 -> 15 by (c*255 + 1) >> 8
    t.at(1, 0) = 0x80FF0000; // half: red (255*128+1)>>8 = 127, blue (255*127+1)>>8 = 126
    t.at(2, 0) = 0x00FFFFFF; // transparent
    drawSprite(c.pixels(), 10, 20, &t.s, false);
    EXPECT_EQ(c.at(10, 20), 0xFF7FFE0Fu);
    EXPECT_EQ(c.at(11, 20), 0xFF7F007Eu);
    EXPECT_EQ(c.at(12, 20), 0x0000FFu);
    EXPECT_EQ(c.countOther(0x0000FF), 2);
    EXPECT_EQ(lastSpriteRect(), (Rect{10, 20, 3, 1}));
}

TEST_F(SpriteTest, OffsetsPlaceThePictureAndMirroringTurnsItAboutTheHotSpot) {
    TestSprite t = patterned(30, 40, -10, -20);
    // Plain, the left edge is at 100 - 10 = 90; mirrored at 100 - (30 - 10) = 80, columns from the
    // right end. Source column -1: the background.
    const struct {
        bool mirror;
        int x, y, column, row;
    } probes[] = {
        {false, 90, 80, 0, 0},  {false, 119, 119, 29, 39}, {false, 105, 90, 15, 10}, {false, 89, 80, -1, 0},
        {false, 90, 79, -1, 0}, {false, 120, 119, -1, 0},  {false, 119, 120, -1, 0}, {true, 80, 80, 29, 0},
        {true, 109, 80, 0, 0},  {true, 85, 119, 24, 39},   {true, 79, 80, -1, 0},    {true, 110, 80, -1, 0},
    };
    for (const bool mirror : {false, true}) {
        Canvas c(0);
        drawSprite(c.pixels(), 100, 100, &t.s, mirror);
        EXPECT_EQ(c.countOther(0), 30 * 40);
        EXPECT_EQ(lastSpriteRect(), (Rect{mirror ? 80 : 90, 80, 30, 40}));
        for (const auto& p : probes) {
            if (p.mirror != mirror) continue;
            EXPECT_EQ(c.at(p.x, p.y), p.column < 0 ? 0u : opaqueOver(t.at(p.column, p.row), 0))
                << p.x << "," << p.y << (mirror ? " mirrored" : "");
        }
    }
}

TEST_F(SpriteTest, ScalingSamplesInEightDotEightFixedPoint) {
    // Two columns stretched to six: step (2 << 8) / 6 = 85, so column 3 samples 255 >> 8 = 0,
    // where exact arithmetic would already pick source column 1.
    TestSprite t(2, 1);
    t.at(0, 0) = 0xFF0000FF;
    t.at(1, 0) = 0xFFFF0000;
    Canvas c(0);
    drawSpriteScaled(c.pixels(), 0, 0, &t.s, 6, 1, false, 1.0f);
    const uint32_t left = opaqueOver(0xFF0000FF, 0), right = opaqueOver(0xFFFF0000, 0);
    const uint32_t expected[] = {left, left, left, left, right, right};
    for (int x = 0; x < 6; ++x) EXPECT_EQ(c.at(x, 0), expected[x]) << x;
}

TEST_F(SpriteTest, BrightnessAppliesFromAlpha224Up) {
    TestSprite t(5, 1);
    t.at(0, 0) = 0xE664320A; // alpha 230: 100, 50, 10
    t.at(1, 0) = 0xC864320A; // alpha 200
    t.at(2, 0) = 0xFFC86407; // alpha 255: 200, 100, 7
    t.at(3, 0) = 0xE064320A; // alpha 224: brightened
    t.at(4, 0) = 0xDF64320A; // alpha 223: blended only
    Canvas c(0x204060);      // 32, 64, 96
    drawSpriteScaled(c.pixels(), 0, 0, &t.s, 5, 1, false, 1.5f);
    // Alpha 230: mixed (old*25 + (c+1)*231) >> 8 = 94, 52, 19, then * 1.5 = 141, 78, 28; top byte 0.
    EXPECT_EQ(c.at(0, 0), 0x008D4E1Cu);
    // Alpha 200: (c*200 + old*55 + 1) >> 8 = 85, 52, 28; top byte 255.
    EXPECT_EQ(c.at(1, 0), 0xFF55341Cu);
    // Alpha 255: no mixing; 300 held to 255, 150, 10.5 -> 10.
    EXPECT_EQ(c.at(2, 0), 0x00FF960Au);
    // Alpha 224: (32*31 + 101*225) >> 8 = 92, (64*31 + 51*225) >> 8 = 52, (96*31 + 11*225) >> 8 = 21.
    EXPECT_EQ(c.at(3, 0), uint32_t(92 * 3 / 2) << 16 | uint32_t(52 * 3 / 2) << 8 | uint32_t(21 * 3 / 2));
    // Alpha 223: only blended, (100*223 + 32*32 + 1) >> 8 = 91, (50*223 + 64*32 + 1) >> 8 = 51, 20.
    EXPECT_EQ(c.at(4, 0), 0xFF5B3314u);

    // At exactly 1.0 even opaque pixels take the blending path.
    Canvas one(0x204060);
    drawSpriteScaled(one.pixels(), 0, 0, &t.s, 5, 1, false, 1.0f);
    EXPECT_EQ(one.at(2, 0), 0xFFC76306u);
}

TEST_F(SpriteTest, SpritesAreClippedAtEveryEdge) {
    TestSprite t = patterned(20, 20, 0, 0);
    Canvas c(0);
    drawSprite(c.pixels(), -10, -10, &t.s, false);
    drawSprite(c.pixels(), 790, 590, &t.s, false);
    EXPECT_EQ(c.at(0, 0), opaqueOver(t.at(10, 10), 0));
    EXPECT_EQ(c.at(9, 9), opaqueOver(t.at(19, 19), 0));
    EXPECT_EQ(c.at(799, 599), opaqueOver(t.at(9, 9), 0));
    EXPECT_EQ(c.at(790, 590), opaqueOver(t.at(0, 0), 0));
    EXPECT_EQ(c.countOther(0), 200);
    EXPECT_TRUE(c.guardsIntact());

    Canvas k(0);
    setClip(100, 100, 110, 105);
    drawSprite(k.pixels(), 95, 95, &t.s, true); // mirrored: left = 95 - 20 = 75, nothing visible
    EXPECT_EQ(k.countOther(0), 0);
    drawSprite(k.pixels(), 95, 95, &t.s, false);
    EXPECT_EQ(k.countOther(0), 10 * 5);
    EXPECT_EQ(k.at(100, 100), opaqueOver(t.at(5, 5), 0));
    EXPECT_EQ(k.at(109, 104), opaqueOver(t.at(14, 9), 0));
}

// Rows drawn in blocks of pixels must give every pixel the rule's result whatever mixes in a
// block: runs of transparent, opaque and translucent pixels of odd lengths, every alpha value,
// long clear and opaque stretches, mirrored or not, cut by the clip rectangle at either side, in
// the processor's widest steps and in four-pixel ones.
TEST_F(SpriteTest, MixedRunsOfAlphaGiveEachPixelTheRule) {
    constexpr int kW = 301;
    TestSprite t(kW, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < kW; ++x) {
            // Runs of 1, 2, 3 ... pixels alternate between clear, opaque and graded alpha.
            const int run = (x * 2 / 7 + y) % 3;
            uint32_t a = run == 0 ? 0u : run == 1 ? 255u : uint32_t(x * 37 + y * 11) % 256u;
            if (x >= 20 && x < 60) a = 255;
            if (x >= 140 && x < 230 + y * 7) a = 0;
            t.at(x, y) =
                a << 24 | uint32_t(x * 13 % 256) << 16 | uint32_t(y * 90 + x) % 256u << 8 | 0x01u * (x % 3);
        }
    const auto backdrop = [](int x, int y) { return uint32_t(x * 2654435761u + y) & 0xFFFFFFu; };
    // Sprites blend every visible pixel; the town's background rule copies opaque ones as they are.
    const auto rule = [](uint32_t src, uint32_t old, bool background) {
        const uint32_t a = src >> 24;
        return a == 0 ? old : background && a == 255 ? src : refBlend(src, old, a) | 0xFF000000u;
    };
    const struct {
        const char* name;
        bool mirror;
        int clipLeft, clipRight;
    } cases[] = {
        {"whole", false, 0, 800},      {"whole mirrored", true, 0, 800},
        {"cut left", false, 103, 800}, {"cut left mirrored", true, 103, 800},
        {"cut right", false, 0, 257},  {"cut right mirrored", true, 0, 257},
        {"cut both", false, 161, 166}, {"cut both mirrored", true, 161, 166},
    };
    for (const bool wide : {true, false}) {
        allowWideRows(wide);
        const char* steps = wide ? "" : " (four-pixel steps)";
        for (const auto& k : cases) {
            Canvas c(0);
            for (int y = 45; y < 60; ++y)
                for (int x = 0; x < gfxtest::kW; ++x) c.set(x, y, backdrop(x, y));
            setClip(k.clipLeft, 0, k.clipRight, gfxtest::kH);
            // Mirrored, the left edge is x - width: both draws cover columns 100 .. 400.
            drawSprite(c.pixels(), k.mirror ? 100 + kW : 100, 50, &t.s, k.mirror);
            resetClip();
            int wrong = 0;
            for (int y = 49; y < 54; ++y)
                for (int x = 90; x < 410; ++x) {
                    const bool inside =
                        x >= 100 && x < 100 + kW && y >= 50 && y < 53 && x >= k.clipLeft && x < k.clipRight;
                    const uint32_t src = inside ? t.at(k.mirror ? 400 - x : x - 100, y - 50) : 0;
                    wrong += c.at(x, y) != rule(src, backdrop(x, y), false);
                }
            EXPECT_EQ(wrong, 0) << k.name << steps;
        }
        for (int y = 0; y < 3; ++y) {
            std::vector<uint32_t> row(kW);
            for (int x = 0; x < kW; ++x) row[size_t(x)] = backdrop(x, y);
            blendBackgroundRow(row.data(), &t.at(0, y), kW);
            int wrong = 0;
            for (int x = 0; x < kW; ++x) wrong += row[size_t(x)] != rule(t.at(x, y), backdrop(x, y), true);
            EXPECT_EQ(wrong, 0) << "background row " << y << steps;
        }
    }
    allowWideRows(true);
}

} // namespace

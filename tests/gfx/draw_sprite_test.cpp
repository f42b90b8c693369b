// Sprites drawn plain, placed by their offsets, mirrored, scaled, brightened, faded, as
// silhouettes and slanted, pixel by pixel.
#include <climits>
#include <string>

#include "canvas.h"
#include "gfx/blend_row.h"
#include "gfx/draw.h"
#include "gfx/slant.h"

using namespace bv;
using gfxtest::Canvas;
using gfxtest::TestSprite;

namespace {

class SpriteTest : public gfxtest::DrawTest {};

// A sprite whose every pixel is different and opaque: red 7x, green 5y, blue 0x40.
TestSprite patterned(int w, int h, int xOffset, int yOffset) {
    TestSprite t(w, h, xOffset, yOffset);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) t.at(x, y) = 0xFF000040u | uint32_t(x * 7) << 16 | uint32_t(y * 5) << 8;
    return t;
}

// That pixel drawn at brightness 1: opaque, each channel c becomes (c * 255 + 1) >> 8, which is
// c - 1 for these channels (0 stays 0); the top byte 255.
uint32_t patternDrawn(int x, int y) {
    return 0xFF00003Fu | uint32_t(x > 0 ? x * 7 - 1 : 0) << 16 | uint32_t(y > 0 ? y * 5 - 1 : 0) << 8;
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
            EXPECT_EQ(c.at(p.x, p.y), p.column < 0 ? 0u : patternDrawn(p.column, p.row))
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
    const uint32_t left = 0xFF0000FE, right = 0xFFFE0000; // 255 drawn opaque: (255 * 255 + 1) >> 8
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
    EXPECT_EQ(c.at(0, 0), patternDrawn(10, 10));
    EXPECT_EQ(c.at(9, 9), patternDrawn(19, 19));
    EXPECT_EQ(c.at(799, 599), patternDrawn(9, 9));
    EXPECT_EQ(c.at(790, 590), patternDrawn(0, 0));
    EXPECT_EQ(c.countOther(0), 200);
    EXPECT_TRUE(c.guardsIntact());

    Canvas k(0);
    setClip(100, 100, 110, 105);
    drawSprite(k.pixels(), 95, 95, &t.s, true); // mirrored: left = 95 - 20 = 75, nothing visible
    EXPECT_EQ(k.countOther(0), 0);
    drawSprite(k.pixels(), 95, 95, &t.s, false);
    EXPECT_EQ(k.countOther(0), 10 * 5);
    EXPECT_EQ(k.at(100, 100), patternDrawn(5, 5));
    EXPECT_EQ(k.at(109, 104), patternDrawn(14, 9));
}

// Rows are drawn in blocks of four or eight pixels, clear and opaque blocks taken whole and long
// clear stretches skipped sixteen pixels at a time: whatever a block mixes, each pixel must get the
// rule's result, mirrored or not, cut by the clip rectangle at either side, in the processor's
// widest steps and in four-pixel ones.
TEST_F(SpriteTest, RowsDrawnInBlocksGiveEachPixelTheRule) {
    const uint32_t kinds[] = {0x00FFFFFF, 0xFFC08040, 0x80C08040, 0x01FFFFFF, 0xFF010200};
    // Each kind over the backdrop greys 0, 0x40 and 0x80, by (c * a + old * (255 - a) + 1) >> 8:
    const uint32_t drawn[5][3] = {
        // clang-format off
        {0x000000, 0x404040, 0x808080},       // clear: left alone
        {0xFFBF7F3F, 0xFFBF7F3F, 0xFFBF7F3F}, // opaque: c - 1
        {0xFF604020, 0xFF7F5F3F, 0xFF9F7F5F}, // alpha 128: 192 over 64 gives (192 * 128 + 64 * 127 + 1) >> 8 = 127
        {0xFF010101, 0xFF404040, 0xFF808080}, // alpha 1: 255 over 64 gives (255 + 64 * 254 + 1) >> 8 = 64
        {0xFF010100, 0xFF010100, 0xFF010100}, // opaque 1, 2 and 0 give 1, 1 and 0
        // clang-format on
    };
    // Every kind at every place in a block, an opaque stretch (with channels of 0 and 1) and a long
    // clear one.
    const std::string pattern = "1203412043111411114111411122220000000000000000000000000003213014023";
    const int n = int(pattern.size());
    TestSprite t(n, 1);
    for (int i = 0; i < n; ++i) t.at(i, 0) = kinds[pattern[size_t(i)] - '0'];
    const auto backdrop = [](int x) { return uint32_t(x % 3) * 0x404040u; };
    const auto kind = [&pattern](int column) { return pattern[size_t(column)] - '0'; };
    const struct {
        const char* name;
        bool mirror;
        int clipLeft, clipRight;
    } cases[] = {
        {"whole", false, 0, 800},      {"whole mirrored", true, 0, 800},
        {"cut left", false, 103, 800}, {"cut left mirrored", true, 103, 800},
        {"cut right", false, 0, 157},  {"cut right mirrored", true, 0, 157},
        {"cut both", false, 121, 126}, {"cut both mirrored", true, 121, 126},
    };
    for (const bool wide : {true, false}) {
        allowWideRows(wide);
        const char* steps = wide ? "" : " (four-pixel steps)";
        for (const auto& k : cases) {
            Canvas c(0);
            for (int x = 0; x < gfxtest::kW; ++x) c.set(x, 50, backdrop(x));
            setClip(k.clipLeft, 0, k.clipRight, gfxtest::kH);
            // Mirrored, the left edge is x - width: both draws cover columns 100 .. 100 + n - 1.
            drawSprite(c.pixels(), k.mirror ? 100 + n : 100, 50, &t.s, k.mirror);
            resetClip();
            int wrong = 0;
            for (int x = 90; x < 110 + n; ++x) {
                const bool inside = x >= 100 && x < 100 + n && x >= k.clipLeft && x < k.clipRight;
                wrong += c.at(x, 50) !=
                         (inside ? drawn[kind(k.mirror ? 99 + n - x : x - 100)][x % 3] : backdrop(x));
                wrong += c.at(x, 49) != 0 || c.at(x, 51) != 0;
            }
            EXPECT_EQ(wrong, 0) << k.name << steps;
        }
        // The town's background rule over the same row: opaque pixels copied as they are.
        std::vector<uint32_t> row(static_cast<size_t>(n));
        for (int x = 0; x < n; ++x) row[size_t(x)] = backdrop(x);
        blendBackgroundRow(row.data(), &t.at(0, 0), n);
        int wrong = 0;
        for (int x = 0; x < n; ++x) {
            const int k = kind(x);
            wrong += row[size_t(x)] != (kinds[k] >> 24 == 255 ? kinds[k] : drawn[k][x % 3]);
        }
        EXPECT_EQ(wrong, 0) << "background row" << steps;
    }
    allowWideRows(true);
}

TEST_F(SpriteTest, FadedPixelsBlendWithAlphaTimesOpacity) {
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

TEST_F(SpriteTest, SilhouetteFillsEveryVisiblePixelAndRecordsItsRectangle) {
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
    for (auto [x, y] : {std::pair{19, 28}, {21, 28}, {20, 29}}) EXPECT_EQ(c.at(x, y), 17u) << x << "," << y;
    EXPECT_EQ(c.countOther(0xAAAAAA), 3);

    Canvas m(0);
    drawSilhouette(m.pixels(), 20, 30, &t.s, true, 5); // left = 20 - (3 - 1) = 18
    EXPECT_EQ(lastSpriteRect(), (Rect{18, 28, 3, 2}));
    for (auto [x, y] : {std::pair{18, 28}, {20, 28}, {19, 29}}) EXPECT_EQ(m.at(x, y), 5u) << x << "," << y;
    EXPECT_EQ(m.countOther(0), 3);
}

// Slanted pictures: the street-name shear, its smooth edges, and no slant at all.
TEST_F(SpriteTest, EachColumnMovesByTheFactorTimesItsDistance) {
    TestSprite bar(20, 4, 0, 0, 0xFFFF0000u); // hot spot at its left end, on its top row
    const uint32_t red = 0xFE0000;            // opaque 255 drawn: (255 * 255 + 1) >> 8
    Canvas c(0), up(0);
    drawSpriteSlanted(c.pixels(), 200, 100, &bar.s, 0.5f, 1.0f);
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
    drawSpriteSlanted(up.pixels(), 200, 100, &bar.s, -0.5f, 1.0f);
    EXPECT_EQ(up.at(219, 92) & 0xFFFFFF, red);
    EXPECT_EQ(up.at(219, 100), 0u);
}

TEST_F(SpriteTest, NoSlantBlendsEachPixelInItsPlace) {
    TestSprite s(3, 1, -1, -1);
    s.at(0, 0) = 0xFF102030; // (c * 255 + 1) >> 8: 0x0F, 0x1F, 0x2F
    s.at(1, 0) = 0x80FF0000; // red (255 * 128 + 32 * 127 + 1) >> 8 = 143, the others (32 * 127 + 1) >> 8 = 15
    s.at(2, 0) = 0x00FFFFFF; // clear: left alone
    Canvas c(0x202020);
    drawSpriteSlanted(c.pixels(), 100, 50, &s.s, 0.0f, 1.0f);
    EXPECT_EQ(c.at(99, 49), 0xFF0F1F2Fu);
    EXPECT_EQ(c.at(100, 49), 0xFF8F0F0Fu);
    EXPECT_EQ(c.countOther(0x202020), 2);
}

} // namespace

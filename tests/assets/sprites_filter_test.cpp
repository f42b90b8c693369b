// The 3 x 3 box filter pixel by pixel, resized sets and their opaque copies.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "assets/sprites.h"
#include "core/memory.h"
#include "support/test_support.h"

namespace {

struct Pic {
    std::vector<uint32_t> px;
    bv::Sprite s{};
    Pic(int w, int h, std::vector<uint32_t> pixels = {}) : px(std::move(pixels)) {
        px.resize(size_t(w) * size_t(h), 0xDEADBEEFu);
        s.width = w, s.height = h, s.pixels = px.data();
    }
};

uint32_t argb(uint32_t a, uint32_t r, uint32_t g, uint32_t b) {
    return a << 24 | r << 16 | g << 8 | b;
}

TEST(BoxFilter, TwoByTwoToOneAveragesTheOpaqueNeighboursOfTheCentre) {
    // (0,0) is the centre; (1,0) is transparent and stays out of the average.
    Pic src(2, 2,
            {argb(200, 10, 20, 40), argb(255, 20, 30, 50), argb(0, 255, 255, 255), argb(128, 30, 40, 60)});
    Pic dst(1, 1);
    bv::boxFilter(src.s, dst.s);
    // The mean of three per channel (60 / 3, 90 / 3, 150 / 3), the centre's alpha.
    EXPECT_EQ(dst.px[0], argb(200, 20, 30, 50));
}

TEST(BoxFilter, TransparentCentreGivesATransparentPixel) {
    Pic src(2, 2, {argb(0, 50, 50, 50), argb(255, 1, 2, 3), argb(255, 1, 2, 3), argb(255, 1, 2, 3)});
    Pic dst(1, 1);
    bv::boxFilter(src.s, dst.s);
    EXPECT_EQ(dst.px[0], 0u);
}

TEST(BoxFilter, MeansAreRoundedToNearestAndPlainAreasKeepTheirColour) {
    Pic lone(3, 3, std::vector<uint32_t>(9, 0));
    lone.px[4] = argb(1, 2, 3, 4);
    Pic out(3, 3);
    bv::boxFilter(lone.s, out.s);
    EXPECT_EQ(out.px[4], argb(1, 2, 3, 4));
    EXPECT_EQ(out.px[0], 0u);

    // 1 and 2 give 1.5, rounded up; 1, 1 and 2 give 1.33, rounded down.
    Pic pair(2, 1, {argb(255, 1, 1, 1), argb(255, 2, 2, 2)});
    Pic one(1, 1);
    bv::boxFilter(pair.s, one.s);
    EXPECT_EQ(one.px[0], argb(255, 2, 2, 2));
    Pic triple(3, 1, {argb(255, 1, 0, 0), argb(255, 1, 0, 0), argb(255, 2, 0, 0)});
    Pic two(2, 1);
    bv::boxFilter(triple.s, two.s); // target 1's centre is column 1, with both neighbours
    EXPECT_EQ(two.px[1], argb(255, 1, 0, 0));

    // A plain area, including its edges with fewer neighbours, is not brightened.
    Pic plain(7, 5, std::vector<uint32_t>(35, 0xFF336699u));
    Pic small(3, 2);
    bv::boxFilter(plain.s, small.s);
    for (uint32_t p : small.px) EXPECT_EQ(p, 0xFF336699u);
    Pic white(4, 4, std::vector<uint32_t>(16, 0xFFFFFFFFu));
    Pic w1(1, 1);
    bv::boxFilter(white.s, w1.s);
    EXPECT_EQ(w1.px[0], 0xFFFFFFFFu);
}

TEST(BoxFilter, CentresAreSampledAtTruncatedSteps) {
    Pic row(4, 1, {argb(10, 0, 0, 0), argb(20, 0, 0, 0), argb(30, 0, 0, 0), argb(40, 0, 0, 0)});
    Pic half(2, 1);
    bv::boxFilter(row.s, half.s);
    EXPECT_EQ(half.px[0] >> 24, 10u);
    EXPECT_EQ(half.px[1] >> 24, 30u);

    Pic src3(3, 1, {argb(1, 0, 0, 0), argb(2, 0, 0, 0), argb(3, 0, 0, 0)});
    Pic two(2, 1);
    bv::boxFilter(src3.s, two.s); // steps of 1.5: columns 0 and 1
    EXPECT_EQ(two.px[0] >> 24, 1u);
    EXPECT_EQ(two.px[1] >> 24, 2u);

    Pic grow(4, 4);
    Pic small(2, 2, {argb(1, 0, 0, 0), argb(2, 0, 0, 0), argb(3, 0, 0, 0), argb(4, 0, 0, 0)});
    bv::boxFilter(small.s, grow.s);
    const uint32_t expected[4][4] = {{1, 1, 2, 2}, {1, 1, 2, 2}, {3, 3, 4, 4}, {3, 3, 4, 4}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(grow.px[size_t(y * 4 + x)] >> 24, expected[y][x]) << x << "," << y;
}

TEST(ResizedSprites, BoxFilteredSpriteScalesItsOffsetsWithIntegerArithmetic) {
    bvtest::ensureMemory();
    Pic src(100, 60, std::vector<uint32_t>(6000, 0xFF336699u));
    src.s.xOffset = -50, src.s.yOffset = -60;
    bv::Sprite out{};
    bv::addBoxFilteredSpr(out, src.s, 50, 30);
    EXPECT_EQ(out.width, 50);
    EXPECT_EQ(out.height, 30);
    EXPECT_EQ(out.xOffset, -25);
    EXPECT_EQ(out.yOffset, -30);
    EXPECT_EQ(out.pixels[0], 0xFF336699u);
    EXPECT_EQ(out.pixels[50 * 30 - 1], 0xFF336699u);
    bv::memFree(out.pixels);

    Pic odd(10, 10, std::vector<uint32_t>(100, 0xFF000000u));
    odd.s.xOffset = -7, odd.s.yOffset = 7;
    bv::addBoxFilteredSpr(out, odd.s, 3, 3);
    EXPECT_EQ(out.xOffset, -2); // -21 / 10, truncated toward zero
    EXPECT_EQ(out.yOffset, 2);
    bv::memFree(out.pixels);
}

TEST(ResizedSprites, ScaledSetTakesFiveTwelfthsOfEverySpriteInOneBlock) {
    bvtest::ensureMemory();
    bv::SpriteExSet source;
    source.count = 3;
    std::vector<bv::SpriteEx> records(3);
    source.sprites = records.data();
    Pic big(120, 96, std::vector<uint32_t>(120 * 96, 0x80FF0000u));
    Pic mid(100, 12, std::vector<uint32_t>(1200, 0xFF00FF00u));
    Pic tiny(1, 1, {0xFFFFFFFFu});
    records[0].sprite = big.s, records[1].sprite = mid.s, records[2].sprite = tiny.s;
    records[0].sprite.xOffset = -60, records[0].sprite.yOffset = -96;
    std::snprintf(records[0].name, sizeof records[0].name, "%s", "villa.png");

    bv::SpriteExSet scaled;
    bv::createScaledSprSet(source, scaled, bv::kMapScale, bv::kMapScale);
    ASSERT_EQ(scaled.count, 3);
    const bv::Sprite& a = scaled.sprites[0].sprite;
    EXPECT_EQ(a.width, 50);
    EXPECT_EQ(a.height, 40);
    EXPECT_EQ(a.xOffset, -25);
    EXPECT_EQ(a.yOffset, -40);
    EXPECT_EQ(a.pixels[0], 0x80FF0000u);
    EXPECT_EQ(scaled.sprites[1].sprite.width, 41); // 41.67
    EXPECT_EQ(scaled.sprites[1].sprite.height, 5);
    EXPECT_EQ(scaled.sprites[1].sprite.pixels, a.pixels + 50 * 40);
    EXPECT_EQ(scaled.sprites[2].sprite.width, 0); // 0.42 of a pixel is nothing
    EXPECT_EQ(scaled.sprites[2].sprite.pixels, nullptr);
    EXPECT_STREQ(scaled.sprites[0].name, "");

    bv::makeOpaque(scaled);
    EXPECT_EQ(a.pixels[0], 0xFFFF0000u);
    bv::freeSpriteExSet(scaled);
    EXPECT_EQ(scaled.count, 0);
}

} // namespace

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

uint32_t alphaOnly(uint32_t a) {
    return a << 24;
}

// Each target pixel takes its centre from the source at truncated steps of source / target size,
// keeps the centre's alpha, and takes the rounded mean of the centre and its opaque neighbours.
TEST(BoxFilter, TargetPixelsAreRoundedMeansAroundTruncatedCentres) {
    using V = std::vector<uint32_t>;
    const uint32_t lone = argb(1, 2, 3, 4), one = argb(255, 1, 0, 0), grey = 0xFF010203u;
    const uint32_t a1 = alphaOnly(1), a2 = alphaOnly(2), a3 = alphaOnly(3), a4 = alphaOnly(4);
    const struct {
        const char* name;
        int sw, sh;
        V source;
        int tw, th;
        V expected;
    } cases[] = {
        // clang-format off
        // The centre (0,0) and two opaque neighbours: 60 / 3, 90 / 3, 150 / 3; (1,0) stays out.
        {"transparent neighbour", 2, 2, {argb(200, 10, 20, 40), argb(255, 20, 30, 50), 0x00FFFFFF, argb(128, 30, 40, 60)}, 1, 1, {argb(200, 20, 30, 50)}},
        {"transparent centre", 2, 2, {argb(0, 50, 50, 50), grey, grey, grey}, 1, 1, {0}},
        {"lone pixel", 3, 3, {0, 0, 0, 0, lone, 0, 0, 0, 0}, 3, 3, {0, 0, 0, 0, lone, 0, 0, 0, 0}},
        {"1.5 rounds up", 2, 1, {argb(255, 1, 1, 1), argb(255, 2, 2, 2)}, 1, 1, {argb(255, 2, 2, 2)}},
        // Column 0: 1, 1 gives 1; column 1: 1, 1, 2 gives 1.33.
        {"1.33 rounds down", 3, 1, {one, one, argb(255, 2, 0, 0)}, 2, 1, {one, one}},
        // A plain area, edges with fewer neighbours included, is not brightened.
        {"plain area", 7, 5, V(35, 0xFF336699u), 3, 2, V(6, 0xFF336699u)},
        {"white", 4, 4, V(16, 0xFFFFFFFFu), 1, 1, {0xFFFFFFFFu}},
        {"steps of 2", 4, 1, {alphaOnly(10), alphaOnly(20), alphaOnly(30), alphaOnly(40)}, 2, 1, {alphaOnly(10), alphaOnly(30)}},
        {"steps of 1.5: columns 0 and 1", 3, 1, {a1, a2, a3}, 2, 1, {a1, a2}},
        {"steps of 0.5", 2, 2, {a1, a2, a3, a4}, 4, 4, {a1, a1, a2, a2, a1, a1, a2, a2, a3, a3, a4, a4, a3, a3, a4, a4}},
        // clang-format on
    };
    for (const auto& c : cases) {
        Pic source(c.sw, c.sh, c.source), target(c.tw, c.th);
        bv::boxFilter(source.s, target.s);
        EXPECT_EQ(target.px, c.expected) << c.name;
    }
}

TEST(ResizedSprites, BoxFilteredSpriteScalesItsOffsetsTruncatingTowardZero) {
    bvtest::ensureMemory();
    Pic odd(10, 10, std::vector<uint32_t>(100, 0xFF336699u));
    odd.s.xOffset = -7, odd.s.yOffset = 7;
    bv::Sprite out{};
    bv::addBoxFilteredSpr(out, odd.s, 3, 3);
    // -7 * 3 / 10 = -2.1 and 2.1, cut toward zero.
    EXPECT_EQ((std::vector<int32_t>{out.width, out.height, out.xOffset, out.yOffset}),
              (std::vector<int32_t>{3, 3, -2, 2}));
    EXPECT_EQ(out.pixels[8], 0xFF336699u);
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
    const auto size = [&scaled](int i) {
        const bv::Sprite& s = scaled.sprites[i].sprite;
        return std::vector<int32_t>{s.width, s.height, s.xOffset, s.yOffset};
    };
    // 120 x 96 with offsets -60, -96 at 5 / 12; 100 x 12 gives 41.67 x 5; 1 x 1 gives nothing.
    EXPECT_EQ(size(0), (std::vector<int32_t>{50, 40, -25, -40}));
    EXPECT_EQ(size(1), (std::vector<int32_t>{41, 5, 0, 0}));
    EXPECT_EQ(size(2), (std::vector<int32_t>{0, 0, 0, 0}));
    const bv::Sprite& a = scaled.sprites[0].sprite;
    EXPECT_EQ(a.pixels[0], 0x80FF0000u);
    EXPECT_EQ(scaled.sprites[1].sprite.pixels, a.pixels + 50 * 40); // one block
    EXPECT_EQ(scaled.sprites[2].sprite.pixels, nullptr);
    EXPECT_STREQ(scaled.sprites[0].name, "");

    bv::makeOpaque(scaled);
    EXPECT_EQ(a.pixels[0], 0xFFFF0000u);
    bv::freeSpriteExSet(scaled);
    EXPECT_EQ(scaled.count, 0);
}

} // namespace

// The built content through the game's own loaders: every set and font loads whole, its pixels
// agree with an independent reading of the file, and the start-up derivations (resized
// portraits, the tycoon copies of the town sets) work on it.
#include <gtest/gtest.h>

#include "assets/sprites.h"
#include "content/content_support.h"
#include "core/memory.h"
#include "gfx/font.h"
#include "support/test_support.h"

namespace {

std::string built(const std::string& name) {
    return bvtest::contentDir() + "/" + name;
}

TEST(GameLoaders, EveryPlainSetLoadsWithTheFilesPixels) {
    bvtest::ensureMemory();
    for (const auto& [name, minimum] : bvtest::manifest().sets) {
        bv::SpriteSet set;
        ASSERT_EQ(bv::loadSpriteSet(built(name).c_str(), set), 1) << name;
        std::vector<bvtest::SetPicture> independent;
        std::string problem;
        ASSERT_TRUE(bvtest::parseBinSet(bvtest::readBytes(built(name) + ".bin"), independent, problem))
            << problem;
        ASSERT_EQ(set.count, int32_t(independent.size())) << name;
        for (int32_t i = 0; i < set.count; ++i) {
            const bv::Sprite& s = set.sprites[i];
            const bvtest::SetPicture& p = independent[size_t(i)];
            ASSERT_TRUE(s.width == p.width && s.height == p.height && s.xOffset == p.xOffset &&
                        s.yOffset == p.yOffset)
                << name << " " << i;
            // Visible pixels arrive as 0xAARRGGBB on the game's display.
            for (size_t k = 0; k < p.argb.size(); k += 97) {
                if ((p.argb[k] >> 24) == 0) continue;
                EXPECT_EQ(s.pixels[k] & 0xFFFFFF, p.argb[k] & 0xFFFFFF) << name << " " << i;
            }
        }
        bv::freeSpriteSet(set);
    }
}

TEST(GameLoaders, FontsLoadWithTheirGlyphsAndMetricPairsStayPut) {
    bvtest::ensureMemory();
    for (const auto& [file, base] : bvtest::manifest().fonts) {
        bv::Font font;
        ASSERT_TRUE(bv::loadFont(built(file).c_str(), font)) << file;
        EXPECT_EQ(font.count, 256) << file;
        for (int code : {int('A'), int('0'), int('9'), int('$'), int(','), 0xE9, 0xC5}) {
            const bv::Glyph* g = bv::findGlyph(font, code);
            ASSERT_NE(g, nullptr);
            EXPECT_EQ(g->code, code) << file;
            EXPECT_NE(g->pixels, nullptr) << file << " glyph " << code;
        }
        if (!base.empty()) { // copying the base's metrics must change nothing
            bv::Font original, copy;
            ASSERT_TRUE(bv::loadFont(built(base).c_str(), original));
            ASSERT_TRUE(bv::loadFont(built(file).c_str(), copy));
            bv::copyFontMetrics(original, copy);
            for (int32_t i = 0; i < copy.count; ++i)
                EXPECT_TRUE(copy.glyphs[i].xOffset == font.glyphs[i].xOffset &&
                            copy.glyphs[i].yOffset == font.glyphs[i].yOffset &&
                            copy.glyphs[i].advance == font.glyphs[i].advance)
                    << file << " glyph " << i;
            bv::freeFont(original);
            bv::freeFont(copy);
        }
        bv::freeFont(font);
    }
}

TEST(GameLoaders, PortraitsResampleToTheLargeAndSmallSizes) {
    bvtest::ensureMemory();
    bv::SpriteSet characters;
    ASSERT_EQ(bv::loadSpriteSet(built("characters").c_str(), characters), 1);
    bv::Sprite large{}, small{};
    bv::addBoxFilteredSpr(large, characters.sprites[0], 100, 100);
    bv::addBoxFilteredSpr(small, characters.sprites[0], 50, 50);
    EXPECT_EQ(large.width, 100);
    EXPECT_EQ(large.xOffset, -50); // the centre anchor scales with the picture
    EXPECT_EQ(small.yOffset, -25);
    int visible = 0;
    for (int32_t k = 0; k < 100 * 100; ++k) visible += (large.pixels[k] >> 24) == 255;
    EXPECT_GT(visible, 100 * 100 / 3);
    bv::memFree(large.pixels);
    bv::memFree(small.pixels);
    bv::freeSpriteSet(characters);
}

TEST(GameLoaders, TownSetsLoadByNameAndShrinkForTycoonMaps) {
    bvtest::ensureMemory();
    for (const auto& [file, minimum] : bvtest::manifest().exsSets) {
        bv::SpriteExSet set, small;
        ASSERT_EQ(bv::getSprEx(built(file).c_str(), set), 1) << file;
        ASSERT_GE(set.count, minimum);
        // Names are found without regard to letter case.
        std::string upper = set.sprites[set.count - 1].name;
        for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(bv::findSprExIndex(set, upper.c_str()), set.count - 1) << file;
        bv::createScaledSprSet(set, small, 0.41666666f, 0.41666666f);
        ASSERT_EQ(small.count, set.count);
        for (int32_t i = 0; i < small.count; ++i) {
            EXPECT_GE(small.sprites[i].sprite.width, 1) << set.sprites[i].name;
            EXPECT_GE(small.sprites[i].sprite.height, 2) << set.sprites[i].name;
        }
        bv::freeSpriteExSet(small);
        bv::freeSpriteExSet(set);
    }
}

} // namespace

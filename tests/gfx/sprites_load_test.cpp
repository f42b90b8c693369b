// Loading ".bin" and ".exs" sprite sets: field order, channel conversion, names, and files that
// lie about their counts and sizes.
#include <gtest/gtest.h>

#include <cstring>

#include "assets/asset_fixture.h"
#include "assets/sprite_files.h"
#include "assets/sprites.h"
#include "gfx/font.h"
#include "gfx/framebuffer.h"
#include "gfx/sprite_startup.h"

namespace {

using bvtest::BinPicture;
using bvtest::ExsPicture;

class SpriteLoadTest : public bvtest::AssetFolderTest {
  protected:
    void TearDown() override {
        bv::freeSpriteSet(set);
        bv::freeSpriteExSet(ex);
        bv::redShift = 16, bv::greenShift = 8, bv::blueShift = 0;
        AssetFolderTest::TearDown();
    }
    void put(const std::string& name, const std::vector<uint8_t>& bytes) {
        bvtest::writeFile(file(name), bytes);
    }
    bv::SpriteSet set;
    bv::SpriteExSet ex;
};

BinPicture binPic(int w, int h, uint8_t seed) {
    BinPicture p;
    p.width = w, p.height = h;
    for (int i = 0; i < w * h; ++i)
        for (int c = 0; c < 4; ++c) p.rgba.push_back(uint8_t(seed + i * 4 + c));
    return p;
}

TEST_F(SpriteLoadTest, RecordWordsLandInTheirFieldsAndPixelsAreConvertedToDisplayOrder) {
    BinPicture p;
    p.advance = 5, p.yAdvance = 6, p.code = 7, p.xOffset = -3, p.yOffset = -4, p.width = 2, p.height = 1;
    p.rgba = {10, 20, 30, 255, 1, 2, 3, 128};
    put("one.bin", bvtest::binFile({p}));
    ASSERT_EQ(bv::loadSpriteSet("one", set), 1);
    ASSERT_EQ(set.count, 1);
    const bv::Sprite& s = set.sprites[0];
    EXPECT_EQ(s.advance, 5);
    EXPECT_EQ(s.code, 7);
    EXPECT_EQ(s.yAdvance, 6);
    EXPECT_EQ(s.xOffset, -3);
    EXPECT_EQ(s.yOffset, -4);
    ASSERT_EQ(s.width, 2);
    ASSERT_EQ(s.height, 1);
    // Red 10, green 20, blue 30, opaque.
    EXPECT_EQ(s.pixels[0], 0xFF0A141Eu);
    EXPECT_EQ(s.pixels[1], 0x80010203u);
}

TEST_F(SpriteLoadTest, ConversionFollowsTheDisplaysChannelPositions) {
    bv::redShift = 0, bv::greenShift = 8, bv::blueShift = 16;
    BinPicture p;
    p.width = 1, p.height = 1, p.rgba = {10, 20, 30, 255};
    put("bgr.bin", bvtest::binFile({p}));
    ASSERT_EQ(bv::loadSpriteSet("bgr", set), 1);
    EXPECT_EQ(set.sprites[0].pixels[0], 0xFF1E140Au);
}

TEST_F(SpriteLoadTest, EachSpritesPixelsFollowThePreviousOnes) {
    put("two.bin", bvtest::binFile({binPic(2, 2, 0), binPic(3, 1, 100)}));
    ASSERT_EQ(bv::loadSpriteSet("two", set), 1);
    ASSERT_EQ(set.count, 2);
    // Sprite 1's first pixel is file bytes 100..103: red 100, green 101, blue 102, alpha 103.
    EXPECT_EQ(set.sprites[1].pixels[0], 0x67646566u);
    EXPECT_EQ(set.sprites[1].pixels[2], 0x6F6C6D6Eu);
    EXPECT_EQ(set.sprites[0].pixels[3], 0x0F0C0D0Eu);
}

TEST_F(SpriteLoadTest, EmptySetAndMissingFile) {
    put("none.bin", bvtest::binFile({}));
    ASSERT_EQ(bv::loadSpriteSet("none", set), 1);
    EXPECT_EQ(set.count, 0);
    bv::SpriteSet untouched;
    EXPECT_EQ(bv::loadSpriteSet("absent", untouched), 0);
    EXPECT_EQ(untouched.count, 0);
    EXPECT_EQ(untouched.sprites, nullptr);
}

TEST_F(SpriteLoadTest, CountBeyondTheRecordsIsRefusedAndLeavesTheSetAsItWas) {
    put("good.bin", bvtest::binFile({binPic(1, 1, 0)}));
    ASSERT_EQ(bv::loadSpriteSet("good", set), 1);
    const bv::Sprite* before = set.sprites;
    put("liar.bin", bvtest::binFile({binPic(1, 1, 0)}, 2));
    EXPECT_EQ(bv::loadSpriteSet("liar", set), 0);
    put("negative.bin", bvtest::binFile({}, -1));
    EXPECT_EQ(bv::loadSpriteSet("negative", set), 0);
    put("huge.bin", bvtest::binFile({}, 0x7FFFFFFF));
    EXPECT_EQ(bv::loadSpriteSet("huge", set), 0);
    put("stub.bin", {1, 0});
    EXPECT_EQ(bv::loadSpriteSet("stub", set), 0);
    EXPECT_EQ(set.sprites, before);
    EXPECT_EQ(set.count, 1);
}

TEST_F(SpriteLoadTest, PixelsCutShortLeaveThatSpriteAndTheRestEmpty) {
    std::vector<uint8_t> bytes = bvtest::binFile({binPic(1, 1, 0), binPic(2, 2, 40), binPic(1, 1, 80)});
    bytes.resize(bytes.size() - 4 - 1); // the last sprite and one byte of the middle one are gone
    put("cut.bin", bytes);
    ASSERT_EQ(bv::loadSpriteSet("cut", set), 1);
    ASSERT_EQ(set.count, 3);
    EXPECT_EQ(set.sprites[0].pixels[0], 0x03000102u);
    for (int i : {1, 2}) {
        EXPECT_EQ(set.sprites[i].width, 0) << i;
        EXPECT_EQ(set.sprites[i].height, 0) << i;
        EXPECT_EQ(set.sprites[i].pixels, nullptr) << i;
    }
}

TEST_F(SpriteLoadTest, NegativeAndOverflowingSizesAreNotTrusted) {
    BinPicture negative = binPic(1, 1, 0);
    negative.width = -4;
    BinPicture giant;
    giant.width = 0x7FFFFFFF, giant.height = 0x7FFFFFFF;
    put("neg.bin", bvtest::binFile({binPic(1, 1, 0), negative, binPic(1, 1, 0)}));
    ASSERT_EQ(bv::loadSpriteSet("neg", set), 1);
    EXPECT_NE(set.sprites[0].pixels, nullptr);
    EXPECT_EQ(set.sprites[1].width, 0);
    // Its pixels' position is unknown, so the sprite after it cannot be trusted either.
    EXPECT_EQ(set.sprites[2].pixels, nullptr);
    bv::freeSpriteSet(set);
    put("giant.bin", bvtest::binFile({giant}));
    ASSERT_EQ(bv::loadSpriteSet("giant", set), 1);
    EXPECT_EQ(set.sprites[0].width, 0);
    EXPECT_EQ(set.sprites[0].pixels, nullptr);
}

TEST_F(SpriteLoadTest, FontSetsTakeTheirAdvanceFromTheWidthAndNumberCodes) {
    put("digits.bin", bvtest::binFile({binPic(3, 1, 0), binPic(5, 2, 0), binPic(0, 0, 0)}));
    ASSERT_EQ(bv::loadFontSet("digits", set, 2, true), 1);
    EXPECT_EQ(set.sprites[0].advance, 5);
    EXPECT_EQ(set.sprites[1].advance, 7);
    EXPECT_EQ(set.sprites[2].advance, 2);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(set.sprites[i].code, i);
    bv::setLineAdvance(set, 17);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(set.sprites[i].yAdvance, 17);
    bv::freeSpriteSet(set);
    EXPECT_EQ(set.count, 0);
    bv::freeSpriteSet(set); // a second free does nothing
}

TEST_F(SpriteLoadTest, OverlongSetNameIsFatal) {
    const std::string name(76, 'x');
    EXPECT_EXIT(bv::loadSpriteSet(name.c_str(), set), testing::ExitedWithCode(255),
                "Sprite file name longer than 80, sprFileName bails");
    char out[80];
    bv::sprFileName(out, std::string(75, 'y').c_str());
    EXPECT_EQ(std::string(out), std::string(75, 'y') + ".bin");
}

ExsPicture exsPic(const std::string& name, int w, int h, uint32_t base) {
    ExsPicture p;
    p.name = name, p.width = w, p.height = h, p.xOffset = -w / 2, p.yOffset = -h;
    for (int i = 0; i < w * h; ++i) p.argb.push_back(base + uint32_t(i));
    return p;
}

TEST_F(SpriteLoadTest, ExtendedSetKeepsNamesRecordsAndPixelsUnconverted) {
    ExsPicture a = exsPic("cottage_red.png", 2, 3, 0x80112233u);
    a.advance = 1, a.code = 2, a.yAdvance = 3;
    put("houses.exs", bvtest::exsFile({a, exsPic("oak.png", 1, 1, 0xFF000000u)}));
    ASSERT_EQ(bv::getSprEx("houses.exs", ex), 1);
    ASSERT_EQ(ex.count, 2);
    EXPECT_EQ(ex.header0, 7);
    EXPECT_EQ(ex.spare, 9);
    const bv::Sprite& s = ex.sprites[0].sprite;
    EXPECT_EQ(s.advance, 1);
    EXPECT_EQ(s.code, 2);
    EXPECT_EQ(s.yAdvance, 3);
    EXPECT_EQ(s.xOffset, -1);
    EXPECT_EQ(s.yOffset, -3);
    EXPECT_STREQ(ex.sprites[0].name, "cottage_red.png");
    EXPECT_STREQ(ex.sprites[1].name, "oak.png");
    EXPECT_EQ(s.pixels[0], 0x80112233u);
    EXPECT_EQ(s.pixels[5], 0x80112238u);
    EXPECT_EQ(ex.sprites[1].sprite.pixels[0], 0xFF000000u);
}

TEST_F(SpriteLoadTest, ExtendedSetsThatLieAreRefusedOrCut) {
    EXPECT_EQ(bv::getSprEx("missing.exs", ex), 0);
    put("short.exs", bvtest::exsFile({exsPic("a.png", 1, 1, 1)}, 2));
    EXPECT_EQ(bv::getSprEx("short.exs", ex), 0);
    put("header.exs", {0, 0, 0, 0, 1});
    EXPECT_EQ(bv::getSprEx("header.exs", ex), 0);
    EXPECT_EQ(ex.count, 0);

    std::vector<uint8_t> bytes = bvtest::exsFile({exsPic("a.png", 2, 1, 5), exsPic("b.png", 2, 2, 9)});
    bytes.resize(bytes.size() - 1);
    put("cut.exs", bytes);
    ASSERT_EQ(bv::getSprEx("cut.exs", ex), 1);
    ASSERT_EQ(ex.count, 2);
    EXPECT_EQ(ex.sprites[0].sprite.pixels[1], 6u);
    EXPECT_EQ(ex.sprites[1].sprite.pixels, nullptr);
    EXPECT_EQ(ex.sprites[1].sprite.width, 0);
    // The name survives even though the picture does not, so the editor can still list it.
    EXPECT_STREQ(ex.sprites[1].name, "b.png");
}

TEST_F(SpriteLoadTest, MissingRequiredSetsAndFontsAreFatalNamingTheFile) {
    EXPECT_EXIT(bv::loadStartupSprites(), testing::ExitedWithCode(255), "logos\\.bin");
    // Every plain set present (one picture each), but no fonts.
    for (const char* name :
         {"logos", "icons", "bkgnd", "audio_boxes", "part", "characters", "sml_characters"})
        put(std::string(name) + ".bin", bvtest::binFile({binPic(1, 1, 0)}));
    EXPECT_EXIT(bv::loadStartupSprites(), testing::ExitedWithCode(255), "arial15_bld\\.spr");
    EXPECT_EXIT(bv::loadMapPictureSets(), testing::ExitedWithCode(255), "houses\\.exs");
    put("houses.exs", bvtest::exsFile({exsPic("a.png", 1, 1, 1)}));
    put("objects.exs", bvtest::exsFile({}));
    EXPECT_EXIT(bv::loadMapPictureSets(), testing::ExitedWithCode(255), "objects\\.exs");
}

} // namespace

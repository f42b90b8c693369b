// Loading ".bin" and ".exs" sprite sets: field order, channel conversion, names, and files that
// lie about their counts and sizes.
#include <gtest/gtest.h>

#include <cstring>
#include <utility>

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

TEST_F(SpriteLoadTest, RecordWordsLandInTheirFieldsAndPixelsFollowInDisplayOrder) {
    BinPicture p;
    p.advance = 5, p.yAdvance = 6, p.code = 7, p.xOffset = -3, p.yOffset = -4, p.width = 2, p.height = 1;
    p.rgba = {10, 20, 30, 255, 1, 2, 3, 128};
    put("two.bin", bvtest::binFile({p, binPic(3, 1, 100)}));
    ASSERT_EQ(bv::loadSpriteSet("two", set), 1);
    ASSERT_EQ(set.count, 2);
    const bv::Sprite& s = set.sprites[0];
    ASSERT_EQ((std::vector<int32_t>{s.advance, s.yAdvance, s.code, s.xOffset, s.yOffset, s.width, s.height}),
              (std::vector<int32_t>{5, 6, 7, -3, -4, 2, 1}));
    // Red 10, green 20, blue 30, opaque.
    EXPECT_EQ(s.pixels[0], 0xFF0A141Eu);
    EXPECT_EQ(s.pixels[1], 0x80010203u);
    // Sprite 1's pixels follow: file bytes 100..103 are red 100, green 101, blue 102, alpha 103.
    EXPECT_EQ(set.sprites[1].pixels[0], 0x67646566u);
    EXPECT_EQ(set.sprites[1].pixels[2], 0x6F6C6D6Eu);

    // A display with red and blue the other way round gets them so.
    bv::redShift = 0, bv::greenShift = 8, bv::blueShift = 16;
    ASSERT_EQ(bv::loadSpriteSet("two", set), 1);
    EXPECT_EQ(set.sprites[0].pixels[0], 0xFF1E140Au);
}

// Loaded over a set of one picture: a count the records do not back is refused and leaves the
// set as it was; an empty set empties it.
TEST_F(SpriteLoadTest, CountsTheFileDoesNotHoldAreRefused) {
    const struct {
        const char* name;
        std::vector<uint8_t> bytes; // none: no file
        int32_t result, count;
    } cases[] = {
        {"absent", {}, 0, 1},
        {"liar", bvtest::binFile({binPic(1, 1, 0)}, 2), 0, 1},
        {"negative", bvtest::binFile({}, -1), 0, 1},
        {"huge", bvtest::binFile({}, 0x7FFFFFFF), 0, 1},
        {"stub", {1, 0}, 0, 1},
        {"none", bvtest::binFile({}), 1, 0},
    };
    for (const auto& c : cases) {
        put("good.bin", bvtest::binFile({binPic(1, 1, 0)}));
        ASSERT_EQ(bv::loadSpriteSet("good", set), 1);
        const bv::Sprite* before = set.sprites;
        if (!c.bytes.empty()) put(std::string(c.name) + ".bin", c.bytes);
        EXPECT_EQ(bv::loadSpriteSet(c.name, set), c.result) << c.name;
        EXPECT_EQ(set.count, c.count) << c.name;
        if (c.result == 0) {
            EXPECT_EQ(set.sprites, before) << c.name;
        }
    }
}

// Once one sprite's pixels are not there, or its size is negative or overflows, the position of
// the pixels after it is unknown: that sprite and the rest are left empty.
TEST_F(SpriteLoadTest, SpritesFromTheFirstUntrustedOneOnAreEmpty) {
    std::vector<uint8_t> cut = bvtest::binFile({binPic(1, 1, 0), binPic(2, 2, 40), binPic(1, 1, 80)});
    cut.resize(cut.size() - 4 - 1); // the last sprite and one byte of the middle one are gone
    BinPicture negative = binPic(1, 1, 0), giant;
    negative.width = -4;
    giant.width = 0x7FFFFFFF, giant.height = 0x7FFFFFFF;
    const std::pair<const char*, std::vector<uint8_t>> files[] = {
        {"cut", cut},
        {"neg", bvtest::binFile({binPic(1, 1, 0), negative, binPic(1, 1, 0)})},
        {"giant", bvtest::binFile({binPic(1, 1, 0), giant, binPic(1, 1, 0)})},
    };
    for (const auto& [name, bytes] : files) {
        put(std::string(name) + ".bin", bytes);
        ASSERT_EQ(bv::loadSpriteSet(name, set), 1) << name;
        ASSERT_EQ(set.count, 3) << name;
        EXPECT_EQ(set.sprites[0].pixels[0], 0x03000102u) << name;
        for (int i : {1, 2}) {
            EXPECT_EQ(set.sprites[i].width, 0) << name << i;
            EXPECT_EQ(set.sprites[i].height, 0) << name << i;
            EXPECT_EQ(set.sprites[i].pixels, nullptr) << name << i;
        }
    }
}

TEST_F(SpriteLoadTest, FontSetsTakeTheirAdvanceFromTheWidthAndNumberCodes) {
    put("digits.bin", bvtest::binFile({binPic(3, 1, 0), binPic(5, 2, 0), binPic(0, 0, 0)}));
    ASSERT_EQ(bv::loadFontSet("digits", set, 2, true), 1);
    EXPECT_EQ((std::vector<int32_t>{set.sprites[0].advance, set.sprites[1].advance, set.sprites[2].advance}),
              (std::vector<int32_t>{5, 7, 2})); // width + 2
    for (int i = 0; i < 3; ++i) EXPECT_EQ(set.sprites[i].code, i);
    bv::setLineAdvance(set, 17);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(set.sprites[i].yAdvance, 17);
    bv::freeSpriteSet(set);
    EXPECT_EQ(set.count, 0);
    bv::freeSpriteSet(set); // a second free does nothing
}

ExsPicture exsPic(const std::string& name, int w, int h, uint32_t base) {
    ExsPicture p;
    p.name = name, p.width = w, p.height = h, p.xOffset = -w / 2, p.yOffset = -h;
    for (int i = 0; i < w * h; ++i) p.argb.push_back(base + uint32_t(i));
    return p;
}

TEST_F(SpriteLoadTest, ExtendedSetKeepsNamesRecordsAndPixelsUnconvertedUnlessTheFileLies) {
    ExsPicture a = exsPic("cottage_red.png", 2, 3, 0x80112233u);
    a.advance = 1, a.code = 2, a.yAdvance = 3;
    put("houses.exs", bvtest::exsFile({a, exsPic("oak.png", 1, 1, 0xFF000000u)}));
    ASSERT_EQ(bv::getSprEx("houses.exs", ex), 1);
    ASSERT_EQ(ex.count, 2);
    EXPECT_EQ(std::pair(ex.header0, ex.spare), std::pair(7, 9));
    const bv::Sprite& s = ex.sprites[0].sprite;
    EXPECT_EQ((std::vector<int32_t>{s.advance, s.code, s.xOffset, s.yOffset, s.width, s.height, s.yAdvance}),
              (std::vector<int32_t>{1, 2, -1, -3, 2, 3, 3}));
    EXPECT_STREQ(ex.sprites[0].name, "cottage_red.png");
    EXPECT_STREQ(ex.sprites[1].name, "oak.png");
    EXPECT_EQ(s.pixels[0], 0x80112233u);
    EXPECT_EQ(s.pixels[5], 0x80112238u);
    EXPECT_EQ(ex.sprites[1].sprite.pixels[0], 0xFF000000u);

    // Files that lie are refused, and the set is left as it was; pixels cut short are left out.
    put("short.exs", bvtest::exsFile({exsPic("a.png", 1, 1, 1)}, 2));
    put("header.exs", {0, 0, 0, 0, 1});
    for (const char* name : {"missing.exs", "short.exs", "header.exs"}) {
        EXPECT_EQ(bv::getSprEx(name, ex), 0) << name;
        EXPECT_EQ(ex.count, 2) << name;
    }
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

// The town's sets come with copies at 5 / 12 of the size; the objects' copies have hard edges.
TEST_F(SpriteLoadTest, MapSetsComeWithReducedCopiesTheObjectsOpaque) {
    put("houses.exs", bvtest::exsFile({exsPic("h.png", 12, 12, 0x80102030u)}));
    put("objects.exs", bvtest::exsFile({exsPic("o.png", 12, 12, 0x80102030u)}));
    bv::loadMapPictureSets();
    const bv::Sprite& house = bv::scaledHouseSprites.sprites[0].sprite;
    const bv::Sprite& object = bv::scaledObjectSprites.sprites[0].sprite;
    EXPECT_EQ(house.width, 5);
    EXPECT_EQ(object.height, 5);
    EXPECT_EQ(house.pixels[0] >> 24, 0x80u);
    EXPECT_EQ(object.pixels[0] >> 24, 0xFFu);
    for (bv::SpriteExSet* s :
         {&bv::houseSprites, &bv::objectSprites, &bv::scaledHouseSprites, &bv::scaledObjectSprites})
        bv::freeSpriteExSet(*s);
}

} // namespace

// The built game folder's fonts and picture sets, loaded through the game's own start-up loaders:
// every set and font is there, and the derived sets come out as the screens expect them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "assets/archive.h"
#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "gfx/font.h"
#include "gfx/sprite_startup.h"
#include "gfx/text.h"
#include "platform/platform.h"
#include "support/test_support.h"

namespace {

class BuiltContentTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        bvtest::ensureMemory();
        // An empty current directory, so that only the archive answers.
        previous_ = std::filesystem::current_path();
        dir_ = new bvtest::TempDir();
        std::filesystem::current_path(dir_->path());
        bv::platform::setProgramFolder(std::string(BV_GAME_DIR) + "/");
        bv::archiveOpen("bb_Blob32");
        bv::loadStartupSprites();
        bv::loadMapPictureSets();
    }
    static void TearDownTestSuite() {
        bv::archiveCloseForTests();
        bv::resetTextStateForTests();
        std::filesystem::current_path(previous_);
        delete dir_;
    }
    static inline bvtest::TempDir* dir_ = nullptr;
    static inline std::filesystem::path previous_;
};

// Glyph indexing, coverage and the metric pairs are checked on the built font files in the content
// tests; here, that the start-up loaders put each in its place.
TEST_F(BuiltContentTest, ElevenFontsLoadAndArial15BoldIsCurrent) {
    const bv::Font* fonts[] = {&bv::fontArial15Bld,       &bv::fontArial15BldGold, &bv::fontArial15BldGlw,
                               &bv::fontArial15BldGlwLit, &bv::fontArial20Bld,     &bv::fontArial12Bld,
                               &bv::fontOliverSb8,        &bv::fontArial15Blue,    &bv::fontArial15BlueLit,
                               &bv::fontArial15Brown,     &bv::fontArial20Brown};
    for (const bv::Font* f : fonts) {
        ASSERT_EQ(f->count, 256);
        EXPECT_NE(f->glyphs[int('A')].pixels, nullptr);
    }
    EXPECT_EQ(bv::currentFont(), &bv::fontArial15Bld);
    const int32_t h = bv::fontArial15Bld.glyphs[int('A')].height;
    EXPECT_EQ(bv::lineHeight(), h + h / 2);
}

TEST_F(BuiltContentTest, PlainSetsHoldWhatTheScreensIndex) {
    EXPECT_GE(bv::logoSprites.count, bv::pic::kLogoCount);
    EXPECT_GE(bv::iconSprites.count, bv::pic::kIconCount);
    EXPECT_GE(bv::backgroundSprites.count, bv::pic::kBkgndCount);
    EXPECT_GE(bv::audioBoxSprites.count, bv::pic::kAudioBoxCount);
    EXPECT_GE(bv::particleSprites.count, bv::pic::kSparkCount);
    EXPECT_EQ(bv::characterSprites.count, bv::pic::kCharacterCount);
    EXPECT_EQ(bv::smallCharacterSprites.count, bv::pic::kSmallCharacterCount);
    // The title background is a whole opaque screen: converted pixels keep alpha in the top byte.
    const bv::Sprite& title = bv::backgroundSprites.sprites[bv::pic::kBkgndTitle];
    ASSERT_EQ(title.width, 800);
    ASSERT_EQ(title.height, 600);
    EXPECT_EQ(title.pixels[0] >> 24, 255u);
    EXPECT_EQ(title.pixels[800 * 600 - 1] >> 24, 255u);
}

TEST_F(BuiltContentTest, MapSetsAndTheirReducedCopies) {
    ASSERT_GE(bv::houseSprites.count, 30);
    ASSERT_GE(bv::objectSprites.count, 60);
    ASSERT_EQ(bv::scaledHouseSprites.count, bv::houseSprites.count);
    ASSERT_EQ(bv::scaledObjectSprites.count, bv::objectSprites.count);
    for (int32_t i = 0; i < bv::houseSprites.count; ++i) {
        const bv::Sprite &s = bv::houseSprites.sprites[i].sprite,
                         &r = bv::scaledHouseSprites.sprites[i].sprite;
        EXPECT_EQ(r.width, int32_t(float(s.width) * bv::kMapScale)) << i;
        EXPECT_EQ(r.height, int32_t(float(s.height) * bv::kMapScale)) << i;
    }
    for (int32_t i = 0; i < bv::scaledObjectSprites.count; ++i) {
        const bv::Sprite& r = bv::scaledObjectSprites.sprites[i].sprite;
        for (int32_t p = 0; p < r.width * r.height; ++p) {
            const uint32_t a = r.pixels[p] >> 24;
            ASSERT_TRUE(a == 0 || a == 255) << "object " << i << " pixel " << p;
        }
    }
}

} // namespace

// The screens before a game: the first state, the logo timeline, name entry's keys and refused
// characters, and the set-up arrows at their ends.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "assets/archive.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "game/game.h"
#include "gfx/font.h"
#include "levels/save.h"
#include "platform/platform.h"
#include "screens/screens.h"
#include "sim/owner.h"
#include "sim/owners.h"
#include "support/test_support.h"
#include "world/scenario.h"

namespace bvtest {
namespace {

using namespace bv;

TEST(FirstState, NameEntryOnlyWithoutNameAndWithoutGame) {
    EXPECT_EQ(chooseFirstState(false, false), 23);
    EXPECT_EQ(chooseFirstState(false, true), 0);
    EXPECT_EQ(chooseFirstState(true, false), 0);
    EXPECT_EQ(chooseFirstState(true, true), 0);
}

TEST(LogoSequence, EmblemSlidesInThenLayersJoin) {
    EXPECT_EQ(logoFrameAt(0).emblemY, -300);
    EXPECT_EQ(logoFrameAt(0).opacity, 0);
    EXPECT_EQ(logoFrameAt(250).emblemY, 0);
    EXPECT_EQ(logoFrameAt(250).opacity, 127);
    EXPECT_EQ(logoFrameAt(499).emblemY, 298);
    EXPECT_EQ(logoFrameAt(500).emblemY, 300);
    EXPECT_EQ(logoFrameAt(500).opacity, 255);
    EXPECT_EQ(logoFrameAt(1500).layers, 1);
    EXPECT_EQ(logoFrameAt(1501).layers, 2);
    EXPECT_EQ(logoFrameAt(2000).layers, 2);
    EXPECT_EQ(logoFrameAt(2001).layers, 3);
    EXPECT_EQ(logoFrameAt(2801).layers, 4);
}

class NameEntryTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ensureMemory();
        platform::setProgramFolder(std::string(BV_GAME_DIR) + "/");
        archiveOpen("bb_Blob32");
        loadFonts();
    }
    static void TearDownTestSuite() { archiveCloseForTests(); }
    void SetUp() override {
        platform::setUserDataFolder(dir_.path() + "/");
        std::memset(playerName, 0, sizeof playerName);
        changeState(kStateEnterName);
        nameEntryEnter(0, kStateEnterName, 0);
    }
    void type(const char16_t* s) {
        for (; *s; ++s) nameEntryKey(*s);
    }
    TempDir dir_;
};

TEST_F(NameEntryTest, TypesUpToNineAndBackspaceOrDeleteRemove) {
    type(u"Alexandrina");
    EXPECT_STREQ(playerName, "Alexandri");
    EXPECT_EQ(nameEntryLength(), 9);
    nameEntryKey(8);
    EXPECT_STREQ(playerName, "Alexandr");
    nameEntryKey(127);
    EXPECT_STREQ(playerName, "Alexand");
    for (int i = 0; i < 12; ++i) nameEntryKey(8);
    EXPECT_EQ(nameEntryLength(), 0);
    EXPECT_STREQ(playerName, "");
}

TEST_F(NameEntryTest, RefusesUnsafeAndUnshowableCharacters) {
    type(u".a/b\\c:d*e?f\"<>|");
    EXPECT_STREQ(playerName, "abcdef");
    nameEntryKey(char16_t(0x263A)); // no glyph in the name font
    nameEntryKey(char16_t(7));
    nameEntryKey(u'.');
    EXPECT_STREQ(playerName, "abcdef.");
    ASSERT_NE(findGlyph(fontArial15BldGold, 0xE9), nullptr);
    nameEntryKey(char16_t(0xE9));
    EXPECT_STREQ(playerName, "abcdef.\xe9");
}

TEST_F(NameEntryTest, EnterSavesTheNameAndGoesToTheTitle) {
    type(u"Mo");
    nameEntryKey(13);
    EXPECT_EQ(currentStateId(), kStateAttract);
    const std::vector<uint8_t> last = readFile(dir_.file("bvx2.sav"));
    ASSERT_EQ(last.size(), 10u);
    EXPECT_EQ(std::memcmp(last.data(), "Mo\0\0\0\0\0\0\0\0", 10), 0);
}

TEST_F(NameEntryTest, AnEmptyNameCanBeConfirmed) {
    nameEntryKey(13);
    EXPECT_EQ(currentStateId(), kStateAttract);
    EXPECT_EQ(readFile(dir_.file("bvx2.sav")), std::vector<uint8_t>(10, 0));
}

TEST(GameSetup, AvatarWrapsAndDifficultyStopsAtItsEnds) {
    owners[kOwnerPlayer].avatar = 0;
    stepAvatar(-1);
    EXPECT_EQ(owners[kOwnerPlayer].avatar, 25);
    stepAvatar(1);
    EXPECT_EQ(owners[kOwnerPlayer].avatar, 0);
    owners[kOwnerPlayer].avatar = 24;
    stepAvatar(1);
    EXPECT_EQ(owners[kOwnerPlayer].avatar, 25);
    stepAvatar(1);
    EXPECT_EQ(owners[kOwnerPlayer].avatar, 0);

    currentDifficulty = 0;
    stepDifficulty(-1);
    EXPECT_EQ(currentDifficulty, 0);
    stepDifficulty(1);
    stepDifficulty(1);
    EXPECT_EQ(currentDifficulty, 2);
    stepDifficulty(1);
    EXPECT_EQ(currentDifficulty, 2);
    stepDifficulty(-1);
    EXPECT_EQ(currentDifficulty, 1);
}

} // namespace
} // namespace bvtest

// The screens before a game: the first state, name entry's keys and refused characters, and the
// set-up arrows at their ends.
#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "core/state.h"
#include "core/state_ids.h"
#include "game/board_fixture.h"
#include "game/game.h"
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
    for (const auto& [name, game] : {std::pair{false, true}, {true, false}, {true, true}})
        EXPECT_EQ(chooseFirstState(name, game), 0) << name << game;
}

// On the booted game, whose fonts judge which characters can be shown.
class NameEntryTest : public boardtest::BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
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

// Keys typed into a fresh name entry and the name they leave: nine characters at most, backspace
// (8) and delete (127) remove the last, a leading dot and characters no file name or the name font
// can take (U+263A has no glyph, 7 is a control) are refused, an accented letter with a glyph is not.
TEST_F(NameEntryTest, TypesUpToNineAndRefusesUnsafeAndUnshowableCharacters) {
    // clang-format off
    const std::pair<const char16_t*, const char*> cases[] = {
        {u"Alexandrina", "Alexandri"},
        {u"Alexandrina\b", "Alexandr"},
        {u"Alexandrina\x7f", "Alexandr"},
        {u"Alexandrina\b\x7f", "Alexand"},
        {u"Ab\b\b\b", ""},
        {u".a/b\\c:d*e?f\"<>|", "abcdef"},
        {u"ab\u263A\x07.", "ab."},
        {u"ab\u00E9", "ab\xe9"},
    };
    // clang-format on
    for (const auto& [typed, name] : cases) {
        SetUp();
        type(typed);
        EXPECT_STREQ(playerName, name);
        EXPECT_EQ(nameEntryLength(), int32_t(std::strlen(name)));
    }
}

TEST_F(NameEntryTest, EnterSavesTheNameEvenAnEmptyOneAndGoesToTheTitle) {
    for (const char16_t* name : {u"Mo", u""}) {
        SetUp();
        type(name);
        nameEntryKey(13);
        EXPECT_EQ(currentStateId(), kStateAttract);
        std::vector<uint8_t> expected(10, 0);
        if (name[0]) expected[0] = 'M', expected[1] = 'o';
        EXPECT_EQ(readFile(dir_.file("bvx2.sav")), expected);
    }
}

TEST(GameSetup, AvatarWrapsAndDifficultyStopsAtItsEnds) {
    // From, step, to: the avatar wraps round its 26 pictures.
    const int32_t avatars[][3] = {{0, -1, 25}, {25, 1, 0}, {24, 1, 25}};
    for (const auto& c : avatars) {
        owners[kOwnerPlayer].avatar = c[0];
        stepAvatar(c[1]);
        EXPECT_EQ(owners[kOwnerPlayer].avatar, c[2]) << c[0] << " " << c[1];
    }
    const int32_t difficulties[][3] = {{0, -1, 0}, {0, 1, 1}, {1, 1, 2}, {2, 1, 2}, {2, -1, 1}};
    for (const auto& c : difficulties) {
        currentDifficulty = c[0];
        stepDifficulty(c[1]);
        EXPECT_EQ(currentDifficulty, c[2]) << c[0] << " " << c[1];
    }
}

} // namespace
} // namespace bvtest

// The board's panels on a shipped career town: each house panel button leads to its dialog; the
// portfolio (state 9) with its owner and house indexes wrapped from the state argument and the
// arrows; the in-game options (state 16) with the volume arrows and their ends, and Save & Resume.
#include <gtest/gtest.h>

#include <cstring>

#include "audio/audio.h"
#include "audio/sound.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "game/board_fixture.h"
#include "platform/platform.h"
#include "screens/screens.h"
#include "sim/houses.h"
#include "sim/owner.h"
#include "sim/owners.h"
#include "support/bytes.h"
#include "support/test_support.h"
#include "ui/hotspots.h"

namespace {

using namespace boardtest;
using namespace bv;

constexpr int32_t kPortfolio = 9;
constexpr int32_t kLeftArrowX = 505, kRightArrowX = 545, kArrowY = 358;

class TownView : public BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        startOnBoard("career");
        for (int32_t i = 0; i < bv::houseCount; ++i) bv::houseStates[i].forSale = 0;
    }
    // Selects house i through a click on its own pixels and lets the flight land.
    void selectByClick(int32_t i) {
        int32_t x = 0, y = 0;
        ASSERT_TRUE(housePixel(i, x, y)) << "house " << i << " shows somewhere";
        click(x, y);
        frames(8);
        ASSERT_EQ(bv::selectedHouse, i);
        moveMouse(790, 590);
    }
    // Opens the portfolio as the board's callers do and lets its frame grow open.
    void openPortfolio(int32_t argument) {
        bv::changeState(kPortfolio, argument);
        frames(11);
        ASSERT_EQ(bv::currentStateId(), kPortfolio);
    }
};

// The panel's buttons at x 725 for the selected house, where the scripts do not go: the upgrade at
// y 505 of the player's house 4 does nothing at the top level, and the listed house 5's makeOffer
// at 505 gives the not-enough-cash notice without the cash.
TEST_F(TownView, TopLevelUpgradeDoesNothingAndAnOfferWithoutTheCashIsTurnedAway) {
    givePlayerHouse(4, 100000, false);
    bv::houseStates[5].forSale = 1;
    bv::houseStates[5].askingPrice = 100000;
    const struct {
        int32_t house, level, cash, y, state;
    } cases[] = {
        {4, 4, 1000000, 505, bv::kStateGame},
        {5, 0, 10, 505, bv::kStateNotEnoughCash},
    };
    for (const auto& c : cases) {
        bv::changeState(bv::kStateGame);
        if (bv::selectedHouse != c.house) selectByClick(c.house);
        bv::houseStates[c.house].level = c.level;
        bv::owners[0].cash = c.cash;
        frame();
        click(725, c.y);
        EXPECT_EQ(bv::currentStateId(), c.state) << "house " << c.house << " y " << c.y << " cash " << c.cash;
    }
}

// The argument is owner << 8 | house index; both wrap round.
TEST_F(TownView, OwnerAndHouseIndexWrapAndTheArrowsStepThroughTheHouses) {
    givePlayerHouse(2, 10000, false);
    givePlayerHouse(5, 10000, false);
    givePlayerHouse(8, 10000, false);
    const int32_t cases[][3] = {// argument, owner, house
                                {-1 * 256, 4, -1},     {5 << 8, 0, 2},       {4 << 8, 4, -1},
                                {(3 << 8) | 7, 3, -1}, {(0 << 8) | 3, 0, 2}, {(0 << 8) | 2, 0, 8}};
    for (const auto& c : cases) {
        openPortfolio(c[0]);
        EXPECT_EQ(bv::portfolioOwner(), c[1]) << c[0];
        if (c[2] >= 0) {
            EXPECT_EQ(bv::portfolioHouse(), c[2]) << c[0];
        }
    }
    openPortfolio(bv::kOwnerPlayer << 8);
    ASSERT_TRUE(bv::hotSpotAt(kLeftArrowX, kArrowY));
    ASSERT_TRUE(bv::hotSpotAt(kRightArrowX, kArrowY));
    click(kLeftArrowX, kArrowY); // below the first: the last
    EXPECT_EQ(bv::portfolioHouseIndex(), 2);
    EXPECT_EQ(bv::portfolioHouse(), 8);
    EXPECT_EQ(bv::lastSoundRequested(), 20); // "generic_ui_10b.wav"
    click(kRightArrowX, kArrowY);            // past the last: the first
    EXPECT_EQ(bv::portfolioHouse(), 2);
    click(kRightArrowX, kArrowY);
    EXPECT_EQ(bv::portfolioHouse(), 5);
}

constexpr int32_t kEffectsRowY = 220, kMusicRowY = 320; // the arrows' centres
constexpr int32_t kLeftX = 250, kRightX = 550;

class OptionsPanel : public BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        startOnBoard("career");
        setEffectVolume(kDefaultEffectVolume);
        setMusicVolume(kDefaultMusicVolume);
    }
    // The gear on the board's panel, then frames until the panel has grown open.
    void open() {
        click(110, 475);
        ASSERT_EQ(currentStateId(), kStateOptions);
        frames(20);
        ASSERT_EQ(optionsPanelProgress(), 1.0f);
    }
};

// Effects step by one within 0..10, music by ten within 0..100 (a volume between the steps, from an
// old save, still stops exactly at the ends); an arrow at its end is disabled (dimmed, no hot spot:
// the drawing of a disabled arrow is checked with the widgets).
TEST_F(OptionsPanel, VolumeArrowsStepWithinTheirRangeAndDimAtTheEnds) {
    open();
    const struct {
        bool music;
        int32_t before;
        bool right;
        int32_t after;
        bool dimmed;
    } cases[] = {
        {false, 9, true, 10, true},   {false, 10, true, 10, true}, {false, 1, false, 0, true},
        {false, 0, false, 0, true},   {false, 0, true, 1, false},  {true, 30, true, 40, false},
        {true, 30, false, 20, false}, {true, 95, true, 100, true}, {true, 100, true, 100, true},
        {true, 5, false, 0, true},    {true, 0, false, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << (c.music ? "music " : "effects ") << c.before << (c.right ? " up" : " down"));
        c.music ? setMusicVolume(c.before) : setEffectVolume(c.before);
        frame();
        const int32_t y = c.music ? kMusicRowY : kEffectsRowY;
        const int32_t sounds = soundRequestCount();
        click(c.right ? kRightX : kLeftX, y);
        EXPECT_EQ(c.music ? musicVolume() : effectVolume(), c.after);
        if (c.after == c.before) {
            EXPECT_EQ(soundRequestCount(), sounds);
        } else {
            EXPECT_EQ(lastSoundRequested(), kSoundMagicWand);
        }
        EXPECT_EQ(hotSpotAt(c.right ? kRightX : kLeftX, y) == 0, c.dimmed);
        EXPECT_NE(hotSpotAt(c.right ? kLeftX : kRightX, y), 0) << "the other arrow";
    }
}

// Save & Resume writes the game as it stands on the board, and the board goes on.
TEST_F(OptionsPanel, SaveAndResumeWritesTheSaveOnTheBoard) {
    bvtest::TempDir saves;
    const std::string kept = platform::userDataFolder();
    platform::setUserDataFolder(saves.path());
    std::strcpy(playerName, "Opal");
    open();
    click(690, 485);
    platform::setUserDataFolder(kept);
    EXPECT_EQ(currentStateId(), kStateGame);
    // The block's length word (16,296 bytes), then the block, whose state word at 13,724 is the
    // board's (2).
    const std::vector<uint8_t> f = bvtest::readFile(saves.file("Opal_bvx2.sav"));
    ASSERT_GE(f.size(), 4u + 16296u);
    EXPECT_EQ(bvtest::le32(f, 0), 16296u);
    EXPECT_EQ(bvtest::le32(f, 4 + 13724), 2u);
}

} // namespace

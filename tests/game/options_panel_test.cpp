// The in-game options (state 16) on the real game headless: the volume arrows and their ends, and
// Save & Resume.
#include <gtest/gtest.h>

#include <cstring>

#include "audio/audio.h"
#include "audio/sound.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "game/board_fixture.h"
#include "platform/platform.h"
#include "screens/screens.h"
#include "sim/owners.h"
#include "support/bytes.h"
#include "support/test_support.h"
#include "ui/hotspots.h"

namespace {

using namespace boardtest;
using namespace bv;

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
        moveMouse(790, 590); // off every button, so nothing is drawn hovered
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

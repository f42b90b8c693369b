// The hot-spot list and click delivery: rectangle boundaries, registration order, and the two
// state-changing callbacks with their sounds. The quit dialog: what a close request does in each
// state, the darkened backdrop, and resuming from the options; the buttons' other effects are
// played through in the launch flow test (tests/game/frame_loop_test.cpp).
#include <gtest/gtest.h>

#include <vector>

#include "audio/sound.h"
#include "core/clock.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/draw.h"
#include "platform/platform.h"
#include "support/state_table.h"
#include "ui/button.h"
#include "ui/hotspots.h"
#include "ui/quit_dialog.h"
#include "ui_fixture.h"

namespace {

using namespace uitest;

std::vector<int32_t> g_clicks;
void record(int32_t, int32_t, int32_t value) {
    g_clicks.push_back(value);
}

class HotSpots : public uitest::UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        g_clicks.clear();
    }
};

TEST_F(HotSpots, ButtonRectangleCoversItsExactPixels) {
    // A 100 x 30 button at (400, 383) covers x 350..449 and y 368..397.
    bv::button(400, 383, 100, 30, u"OK", 7, record);
    ASSERT_EQ(bv::hotSpotCount(), 1);
    const int32_t probes[][3] = {{350, 368, 1}, {449, 397, 1}, {450, 383, 0},
                                 {349, 383, 0}, {400, 367, 0}, {400, 398, 0}};
    for (const auto& p : probes) EXPECT_EQ(bv::hotSpotAt(p[0], p[1]), p[2]) << p[0] << "," << p[1];

    pressAt(449, 383); // a click goes where hotSpotAt finds the button, with its value
    bv::dispatchHotSpots();
    EXPECT_EQ(g_clicks, std::vector<int32_t>{7});
    // Odd sizes round the left and top down: 100 - 15.5 and 100 - 8.5.
    EXPECT_EQ(bv::buttonRect(100, 100, 31, 17), (bv::Rect{85, 92, 31, 17}));
}

TEST_F(HotSpots, FirstRegisteredWinsEvenUnderALaterOne) {
    bv::addHotSpot(100, 100, 50, 50, record, 1);
    bv::addHotSpot(120, 120, 50, 50, record, 2); // overlaps the first
    EXPECT_EQ(bv::hotSpotAt(130, 130), 1);
    EXPECT_EQ(bv::hotSpotAt(160, 160), 2);
    pressAt(130, 130);
    bv::dispatchHotSpots();
    EXPECT_EQ(g_clicks, std::vector<int32_t>{1}) << "exactly one callback per click";
}

// The standard callbacks against a small table of their own.
int32_t g_enteredWith = -1;
int32_t enterRecord(int32_t, int32_t, int32_t argument) {
    g_enteredWith = argument;
    return argument;
}

class Callbacks : public uitest::UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        bvtest::useStates({{2, enterRecord}, {9, enterRecord}}, false);
        bv::changeState(bv::kStatePortfolio);
        g_enteredWith = -1;
    }
    void TearDown() override {
        bv::useStateTable(nullptr, 0);
        bv::resetStateMachine();
    }
};

// The value packs a sound above the low byte's state; without one, the callback's own sound.
TEST_F(Callbacks, ValuePacksSoundAndState) {
    const struct {
        void (*callback)(int32_t, int32_t, int32_t);
        int32_t value, sound, state;
    } cases[] = {
        {bv::goStateClick, (33 << 8) | 2, 33, bv::kStateGame},
        {bv::goStateClick, 9, bv::kSoundMagicWand, bv::kStatePortfolio},
        {bv::goStateWhoosh, 2, bv::kSoundClickWhoosh, bv::kStateGame},
        {bv::goStateWhoosh, (45 << 8) | 9, 45, bv::kStatePortfolio},
    };
    for (const auto& c : cases) {
        c.callback(0, 0, c.value);
        EXPECT_EQ(bv::lastSoundRequested(), c.sound) << c.value;
        EXPECT_EQ(bv::currentStateId(), c.state) << c.value;
    }
    EXPECT_EQ(g_enteredWith, 0) << "argument 0";
}

int32_t g_calls = 0; // state enters and exits
int32_t countEnter(int32_t, int32_t, int32_t argument) {
    ++g_calls;
    return argument;
}
int32_t countExit(int32_t) {
    ++g_calls;
    return 0;
}

class QuitDialog : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        // The title, the board, the in-game options and name entry.
        bvtest::useStates({{0, countEnter, nullptr, countExit},
                           {2, countEnter, nullptr, countExit},
                           {16, countEnter, nullptr, countExit},
                           {23, countEnter, nullptr, countExit}},
                          false);
        moveMouse(0, 0);
    }
    void TearDown() override {
        bv::useStateTable(nullptr, 0);
        bv::resetStateMachine();
        bv::exitGame = bv::quitDialogOpen = 0;
    }
    void enter(int32_t state) {
        bv::changeState(state);
        bv::exitGame = bv::quitDialogOpen = g_calls = 0;
    }
};

TEST_F(QuitDialog, CloseEndsTheTitleAndNameEntryAtOnceAndElseOpensOverTheScreenDarkenedByHalf) {
    for (int32_t state : {0, 23}) {
        enter(state);
        bv::handleQuitRequest();
        EXPECT_EQ(bv::exitGame, 1) << state;
        EXPECT_EQ(bv::quitDialogOpen, 0) << state;
    }
    enter(2);
    bv::fillRect(bv::frameBuffer, 0, 0, bv::kFrameWidth, bv::kFrameHeight, 0x804021);
    bv::handleQuitRequest();
    EXPECT_EQ(bv::exitGame, 0);
    EXPECT_EQ(bv::quitDialogOpen, 1);
    EXPECT_EQ(pixel(10, 10), 0x402010u) << "each channel halved, rounded down";
    EXPECT_EQ(pixel(750, 388), 0x402010u) << "just right of the panel (700 x 175 at 50, 214)";
    EXPECT_EQ(pixel(749, 388), opaque(framePieceColour(bv::pic::kIconFrameBottomRight)));
    EXPECT_EQ(bv::screenBackup[0] & 0xFFFFFFu, 0x402010u);
    EXPECT_EQ(bv::hotSpotCount(), 4);
    EXPECT_EQ(g_calls, 0) << "the state is left alone";
}

TEST_F(QuitDialog, ResumeFromTheOptionsReturnsToTheBoardSilently) {
    enter(16);
    bv::openQuitDialog();
    bv::clearHotSpots();
    bv::drawQuitDialog();
    pressAt(bv::kQuitResumeX, bv::kQuitButtonY);
    bv::dispatchHotSpots();
    release(bv::kQuitResumeX, bv::kQuitButtonY);
    EXPECT_EQ(bv::quitDialogOpen, 0);
    EXPECT_EQ(bv::exitGame, 0);
    EXPECT_EQ(bv::currentStateId(), bv::kStateGame);
    EXPECT_EQ(g_calls, 0) << "neither the options' exit nor the board's enter runs";
}

} // namespace

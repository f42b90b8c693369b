// The quit dialog: what a close request does in each state, the darkened backdrop, and resuming
// from the options. The buttons' other effects are played through in the scripts (quit_dialog,
// quit_resume) and the launch flow test (save and quit).
#include <gtest/gtest.h>

#include "core/clock.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/draw.h"
#include "platform/platform.h"
#include "support/state_table.h"
#include "ui/quit_dialog.h"
#include "ui_fixture.h"

namespace {

using namespace uitest;

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

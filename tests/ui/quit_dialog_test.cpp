// The quit dialog: what a close request does in each state, the darkened backdrop, and the four
// buttons' effects.
#include <gtest/gtest.h>

#include "core/clock.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/draw.h"
#include "platform/platform.h"
#include "ui/quit_dialog.h"
#include "ui_fixture.h"

namespace {

using namespace uitest;

int32_t g_enters = 0, g_exits = 0;
int32_t countEnter(int32_t, int32_t, int32_t argument) {
    ++g_enters;
    return argument;
}
int32_t countExit(int32_t) {
    ++g_exits;
    return 0;
}
const bv::StateDef kTable[] = {
    {0, 0, countEnter, nullptr, countExit, "attract", nullptr, {}},
    {2, 50, countEnter, nullptr, countExit, "game", nullptr, {}},
    {16, 50, countEnter, nullptr, countExit, "in game options", nullptr, {}},
    {23, 0, countEnter, nullptr, countExit, "enter name", nullptr, {}},
};

class QuitDialog : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        bv::useStateTable(kTable, 4);
        bv::exitGame = 0;
        bv::quitDialogOpen = 0;
        moveMouse(0, 0);
    }
    void TearDown() override {
        bv::useStateTable(nullptr, 0);
        bv::resetStateMachine();
        bv::exitGame = 0;
        bv::quitDialogOpen = 0;
    }
    void enter(int32_t state) {
        bv::changeState(state);
        g_enters = g_exits = 0;
    }
    // One pass of the open dialog with a click at (x, y).
    void clickButton(int32_t x) {
        bv::clearHotSpots();
        bv::drawQuitDialog();
        pressAt(x, bv::kQuitButtonY);
        bv::dispatchHotSpots();
        release(x, bv::kQuitButtonY);
    }
};

TEST_F(QuitDialog, CloseOnTheTitleOrNameEntryEndsTheGameAtOnce) {
    for (int32_t state : {0, 23}) {
        enter(state);
        bv::exitGame = 0;
        bv::handleQuitRequest();
        EXPECT_EQ(bv::exitGame, 1) << state;
        EXPECT_EQ(bv::quitDialogOpen, 0) << state;
    }
}

TEST_F(QuitDialog, OpensOverTheScreenDarkenedByHalf) {
    enter(2);
    bv::fillRect(bv::frameBuffer, 0, 0, bv::kFrameWidth, bv::kFrameHeight, 0x804021);
    bv::handleQuitRequest();
    EXPECT_EQ(bv::exitGame, 0);
    EXPECT_EQ(bv::quitDialogOpen, 1);
    EXPECT_EQ(pixel(10, 10), 0x402010u) << "each channel halved, rounded down";
    EXPECT_EQ(bv::screenBackup[0] & 0xFFFFFFu, 0x402010u);
    EXPECT_EQ(pixel(50, 214), opaque(framePieceColour(bv::pic::kIconFrameTopLeft)))
        << "the panel at (50, 214)";
    EXPECT_EQ(pixel(749, 388), opaque(framePieceColour(bv::pic::kIconFrameBottomRight)));
    EXPECT_EQ(pixel(750, 388), 0x402010u);
    // Four buttons, 140 x 30, centred on y 353.
    ASSERT_EQ(bv::hotSpotCount(), 4);
    for (int32_t x : {150, 315, 480, 645}) {
        EXPECT_NE(bv::hotSpotAt(x - 70, 338), 0) << x;
        EXPECT_NE(bv::hotSpotAt(x + 69, 367), 0) << x;
        EXPECT_EQ(bv::hotSpotAt(x, 368), 0) << x;
    }
    EXPECT_EQ(g_enters + g_exits, 0) << "the state is left alone";
}

TEST_F(QuitDialog, ResumeFromTheOptionsReturnsToTheBoardSilently) {
    enter(16);
    bv::openQuitDialog();
    clickButton(bv::kQuitResumeX);
    EXPECT_EQ(bv::quitDialogOpen, 0);
    EXPECT_EQ(bv::exitGame, 0);
    EXPECT_EQ(bv::currentStateId(), bv::kStateGame);
    EXPECT_EQ(g_enters, 0) << "the board is not entered again";
    EXPECT_EQ(g_exits, 0) << "the options are not left through their exit";
}

TEST_F(QuitDialog, QuitAndSaveAndQuitEndTheGame) {
    for (int32_t x : {bv::kQuitQuitX, bv::kQuitSaveQuitX}) {
        enter(16);
        bv::exitGame = 0;
        bv::openQuitDialog();
        clickButton(x);
        EXPECT_EQ(bv::exitGame, 1) << x;
        EXPECT_EQ(bv::quitDialogOpen, 0) << x;
        EXPECT_EQ(bv::currentStateId(), bv::kStateOptions) << x;
    }
}

} // namespace

// The repair and foreclosure dialogs and the failed level's screen, driven through the real game
// on the headless backend with clicks on their buttons. The repair rules (the cash they need, the
// last chance at double the cost, the level lost) are the simulation's tests; the postponed and
// refused repair is played through by the repair_flow script.
#include <gtest/gtest.h>

#include "core/state.h"
#include "core/state_ids.h"
#include "game/board_fixture.h"
#include "levels/goals.h"
#include "sim/cash.h"
#include "sim/daily_loop.h"
#include "sim/game_update.h"
#include "sim/houses.h"
#include "sim/owner.h"
#include "sim/repairs.h"

namespace {

using namespace boardtest;
using namespace bv;

class LevelDialogs : public BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        startOnBoard("career");
        resetRepairs();
        goalHoldCounter = 0;
    }
};

TEST_F(LevelDialogs, RepairWithoutCashOffersOnlyOk) {
    givePlayerHouse(1, 50000, true);
    houseStates[1].repairCost = 900;
    setCash(kOwnerPlayer, 100);
    changeState(kStateRepairs, 1);
    frames(12);
    click(249, 400); // where "fixNow" would be: nothing there
    EXPECT_EQ(currentStateId(), kStateRepairs);
    click(400, 390); // "OK"
    EXPECT_EQ(currentStateId(), bv::kStateGame);
    EXPECT_EQ(houseStates[1].damagePending, 1u);
}

TEST_F(LevelDialogs, FailedLevelEndsTheGameOnTheHighScores) {
    changeState(kStateFailedLevel);
    frames(30);
    click(400, 410);
    EXPECT_EQ(currentStateId(), bv::kStateHighScores);
    EXPECT_EQ(gameStarted, 0) << "a failed game is over";
}

TEST_F(LevelDialogs, FourthMissedPaymentShowsTheForeclosureNotice) {
    givePlayerHouse(4, 900000, false);
    owners[0].cash = 0;
    runUntil(3, 15);
    // The notice waits in the dialog queue behind any message of the same day.
    for (int i = 0; i < 40 && currentStateId() != kStateForeclosure; ++i) {
        const int32_t state = currentStateId();
        if (state == 55 || state == 27 || state == 35) changeState(kStateGame);
        frames(1);
    }
    ASSERT_EQ(currentStateId(), kStateForeclosure);
    EXPECT_EQ(foreclosedHouse, 4);
    frames(12);
    // Open: the "OK" button at (400, 395) takes the player back to the board.
    click(400, 395);
    EXPECT_EQ(currentStateId(), kStateGame);
    EXPECT_EQ(houseStates[4].owner, kOwnerBank);
}

TEST_F(LevelDialogs, ForeclosureNoticeWithoutAHouseGoesBackToTheBoard) {
    foreclosedHouse = -1;
    changeState(kStateForeclosure, 9999);
    EXPECT_EQ(currentStateId(), kStateGame);
}

} // namespace

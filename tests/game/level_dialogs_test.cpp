// The repair and foreclosure dialogs and the failed level's screen, driven through the real game
// on the headless backend with clicks on their buttons. The repair rules' figures are the
// simulation's tests; here the dialogs' buttons carry them out.
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
    // Frames until the state is `id` (at most n); true when it was reached.
    bool frameUntil(int32_t id, int32_t n) {
        for (int32_t i = 0; i < n && currentStateId() != id; ++i) frame();
        return currentStateId() == id;
    }
};

TEST_F(LevelDialogs, DamagePostponedThenLastChanceThenPermanentDamage) {
    givePlayerHouse(0, 50000, true);
    HouseState& h = houseStates[0];
    h.level = 2;
    h.wear = 0.999f;
    daysSinceDamage = 10;
    setCash(kOwnerPlayer, 20000);
    ASSERT_TRUE(frameUntil(kStateRepairs, 80));
    EXPECT_EQ(h.damagePending, 1u);
    const int32_t cost = h.repairCost;
    ASSERT_GT(cost, 0);
    frames(12);
    click(550, 400); // "postponeRepairs"
    EXPECT_EQ(currentStateId(), bv::kStateGame);
    EXPECT_EQ(h.damagePending, 1u);
    EXPECT_EQ(cashOf(kOwnerPlayer), 20000);

    h.damageCountdown = kPermanentDamageMs - 10;
    ASSERT_TRUE(frameUntil(kStateLastChanceRepairs, 3));
    EXPECT_EQ(h.repairCost, 2 * cost);
    frames(12);
    setCash(kOwnerPlayer, 2 * cost - 1);
    // "fixNow" cannot pay: the board's frame right after the click takes the level.
    click(249, 395);
    EXPECT_EQ(cashOf(kOwnerPlayer), 2 * cost - 1);
    EXPECT_EQ(h.level, 1);
    EXPECT_EQ(h.damagePending, 0u);
    EXPECT_EQ(currentStateId(), kStateHouseMessage); // the message waited its turn in the queue
}

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

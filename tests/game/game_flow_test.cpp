// Whole months through the real frame loop on the headless backend: a new game through state 1,
// the board's keys, and the month end that ends a level.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/state.h"
#include "core/state_ids.h"
#include "game/game.h"
#include "game/script_player.h"
#include "game/state_table.h"
#include "levels/goals.h"
#include "platform/platform.h"
#include "screens/board_notices.h"
#include "sim/calendar.h"
#include "sim/economy.h"
#include "sim/game_update.h"
#include "sim/houses.h"
#include "sim/owners.h"
#include "sim/repairs.h"
#include "sim/sim_fixture.h"
#include "sim/tenancy.h"
#include "support/events.h"
#include "world/scenario.h"

namespace {

class GameFlow : public simtest::SimTest {
  protected:
    static void SetUpTestSuite() {
        bv::platform::useHeadless();
        bv::platform::setProgramFolder(BV_GAME_DIR);
        bv::gameInit();
    }
    // The game's own wiring, which the simulation's fixture replaces with its own.
    static void wireTheGame() {
        bv::useStateTable(bv::kStateTable, bv::stateCount());
        bv::setNoticePresenter(bv::presentNotice);
        bv::installLevelChecks();
    }
    void SetUp() override {
        SimTest::SetUp();
        wireTheGame();
        simtest::makeTown(12);
        for (auto& byDifficulty : bv::levelTable) byDifficulty[0].startingCash = 25000;
        bv::owners[0].avatar = 22;
        bv::changeState(bv::kStateInitGame);
    }
    void TearDown() override {
        SimTest::TearDown();
        wireTheGame(); // for the whole-game tests after these
    }
};

TEST_F(GameFlow, NewGameStartsEveryoneFreshAndOpensTheGoals) {
    EXPECT_EQ(bv::currentStateId(), bv::kStateDisplayGoals);
    EXPECT_EQ(bv::gameStarted, 1);
    EXPECT_EQ(bv::currentLevel, 0);
    EXPECT_EQ(bv::owners[0].avatar, 22);
    for (int32_t o = 1; o < 5; ++o) EXPECT_EQ(bv::owners[o].cash, 25000) << o;
    for (int32_t r = 1; r <= 4; ++r) EXPECT_NE(bv::ownerName(r)[0], 0) << "rival " << r << " has a name";
    EXPECT_EQ(bv::economySchedule[3], 0);
    // The player's cash, the calendar and the houses' owners in one line.
    const std::string line = bv::stateLine();
    EXPECT_NE(line.find("month=0 day=0 cash=25000 points=0 rating=0 owned=0,0,0,0,0,12"), std::string::npos)
        << line;
}

TEST_F(GameFlow, EscapeOpensTheOptionsAndIKeyTogglesTheOwnerOverlay) {
    bv::changeState(bv::kStateGame);
    for (const auto& [key, down, overlay, state] : {std::tuple{'I', true, 1, bv::kStateGame},
                                                    {'I', false, 1, bv::kStateGame},
                                                    {27, true, 1, bv::kStateOptions}}) {
        bvtest::queueKey(key, down);
        bv::runFrame();
        EXPECT_EQ(bv::ownerOverlayShown, overlay) << key << " " << down;
        EXPECT_EQ(bv::currentStateId(), state) << key << " " << down;
    }
}

class LevelEnd : public GameFlow {
  protected:
    // Ten of the twelve houses are the player's, let to renters so unhappy that on a month's first
    // day several would leave.
    void letToUnhappyRenters() {
        for (int32_t i = 0; i < 10; ++i) {
            simtest::giveHouse(i, 0);
            bv::HouseState& h = bv::houseStates[i];
            h.hasRenter = 1;
            h.renterHistory = 0;
            h.rentLevel = bv::kRentHigh;
        }
        bv::owners[0].cash = 1000000;
        bv::daysSinceDamage = INT32_MIN / 2; // no repairs in these months
    }
    static int32_t renters() {
        int32_t n = 0;
        for (int32_t i = 0; i < 10; ++i) n += bv::houseStates[i].hasRenter ? 1 : 0;
        return n;
    }
};

TEST_F(LevelEnd, TheMonthEndThatEndsTheLevelTakesNothingMoreOfTheDay) {
    const struct {
        const char* what;
        int32_t levels, purchasesGoal;
        int32_t endState, thenState;
    } cases[] = {
        {"won", 2, 0, bv::kStateLevelWon, bv::kStateEndOfLevel},
        {"the game won", 1, 0, bv::kStateYouWin, bv::kStateYouWin},
        {"failed", 2, 5, bv::kStateFailedLevel, bv::kStateFailedLevel},
    };
    for (const auto& c : cases) {
        SetUp();
        bv::scenario.levelCount = c.levels;
        bv::scenario.advancedEconomy = 0; // goals count only in the plain economy
        for (auto& byDifficulty : bv::levelTable) {
            byDifficulty[0].monthsToPlay = 1;
            byDifficulty[0].numPurchases = c.purchasesGoal;
        }
        bv::changeState(bv::kStateGame);
        letToUnhappyRenters();
        bv::queueState(bv::kStateRentApplicant, 0); // a dialog of the finished level, never shown
        for (int32_t guard = 0; guard < 2000 && bv::currentStateId() == bv::kStateGame; ++guard)
            bv::runFrame();
        EXPECT_EQ(bv::currentStateId(), c.endState) << c.what;
        EXPECT_EQ(bv::monthsElapsed, 1) << c.what;
        EXPECT_EQ(renters(), 10) << c.what << ": nobody left on the day the level ended";
        EXPECT_EQ(bv::queuedCount(), 0) << c.what;
        // The finished level's board never comes back.
        for (int32_t i = 0; i < 400 && bv::currentStateId() != c.thenState; ++i) {
            bv::runFrame();
            ASSERT_TRUE(bv::currentStateId() == c.endState || bv::currentStateId() == c.thenState)
                << c.what << " went to " << bv::currentStateId();
        }
        EXPECT_EQ(bv::currentStateId(), c.thenState) << c.what;
        TearDown();
    }
}

TEST_F(LevelEnd, EveryDepartureInALevelThatGoesOnHasItsMessage) {
    bv::changeState(bv::kStateGame);
    letToUnhappyRenters();
    bv::renterLeaves(3);
    bv::renterLeaves(4);
    EXPECT_EQ(bv::currentStateId(), bv::kStateGame);
    int32_t messages = 0;
    for (int32_t i = 0; i < 10; ++i) {
        bv::runFrame();
        if (bv::currentStateId() == bv::kStateHouseMessage) {
            ++messages;
            bv::changeState(bv::kStateGame); // "OK"
        }
    }
    EXPECT_EQ(messages, 2);
}

TEST_F(LevelEnd, TheNextLevelStartsWithItsMonth) {
    bv::scenario.levelCount = 2;
    bv::monthsElapsed = 5;
    bv::dayOfMonth = 17;
    bv::dayClock = 600;
    bv::hurryMonth = 1;
    bv::levelOver = 1;
    bv::advanceToNextLevel();
    EXPECT_EQ((std::vector<int32_t>{bv::currentLevel, bv::monthsElapsed, bv::dayOfMonth, bv::dayClock,
                                    bv::hurryMonth, bv::levelOver}),
              (std::vector<int32_t>{1, 0, 0, 0, 0, 0}));
}

} // namespace

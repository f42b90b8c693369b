// The level's goals, the checks that end a level and the flow to the next one.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/state.h"
#include "core/state_ids.h"
#include "levels/goals.h"
#include "platform/platform.h"
#include "sim/calendar.h"
#include "sim/cash.h"
#include "sim/daily_loop.h"
#include "sim/game_update.h"
#include "sim/houses.h"
#include "sim/owner.h"
#include "sim/repairs.h"
#include "sim/sim_fixture.h"
#include "support/state_table.h"
#include "support/test_support.h"
#include "world/map.h"
#include "world/scenario.h"

namespace {

using namespace bv;

// The board's frame as far as the level sees it: the simulation's steps, then the goal check.
int32_t board(int32_t) {
    simulationFrame();
    drainStateQueue();
    immediateGoalCheck();
    return 0;
}

class GoalsTest : public simtest::SimTest {
  protected:
    void SetUp() override {
        SimTest::SetUp();
        simtest::resetWorld(false, 12);
        installLevelChecks();
        bvtest::useStates({{kStateGame, nullptr, board}, {kStateLevelIntro, levelIntroEnter}});
        setStateSilently(bv::kStateGame);
        goalHoldCounter = 0;
        simtest::makeTown(4);
        tutorialActive = 1;
    }
    void TearDown() override {
        tutorialActive = 0;
        SimTest::TearDown();
    }
    LevelRecord& level(int32_t index = 0) { return levelTable[currentDifficulty][index]; }
    // Makes house i the player's, rented with a renter of the given history.
    void own(int32_t i, bool renter = false, int32_t history = 2) {
        simtest::giveHouse(i, kOwnerPlayer);
        houseStates[i].hasRenter = renter ? 1 : 0;
        houseStates[i].renterHistory = history;
    }
    GoalStatus goal(int32_t kind) { return evaluateGoals(kOwnerPlayer).goals[kind]; }
};

TEST_F(GoalsTest, PerHouseGoalsCountThePlayersHousesAgainstTheHouseCount) {
    level().houseCount = 2;
    level().minHouseValue = 100000;
    own(0);
    own(1);
    houseStates[2].owner = 1; // a rival's house never counts
    EXPECT_EQ(goal(kGoalPropertiesOfValue).figure, 2);
    EXPECT_TRUE(goal(kGoalPropertiesOfValue).met);
    level().minHouseValue = 100001 + 10000 * houseStates[0].level; // one dollar more than house 0
    houseStates[1].level = 4;
    EXPECT_EQ(goal(kGoalPropertiesOfValue).figure, 1);
    EXPECT_FALSE(goal(kGoalPropertiesOfValue).met);

    level().minCondition = 3;
    houseStates[0].level = 2;
    EXPECT_FALSE(goal(kGoalPropertiesOfCondition).met);
    houseStates[0].level = 3;
    EXPECT_TRUE(goal(kGoalPropertiesOfCondition).met);
}

TEST_F(GoalsTest, RentGoalsCountRentedHousesOnly) {
    level().houseCount = 1;
    own(0, false);
    houseStates[0].level = 4;
    level().minRent = 2000;                        // level 4 at normal rent: 1,000 x 2.0f
    EXPECT_FALSE(goal(kGoalPropertiesOfRent).met); // no renter
    houseStates[0].hasRenter = 1;
    EXPECT_TRUE(goal(kGoalPropertiesOfRent).met);
    level().minRent += 1;
    EXPECT_FALSE(goal(kGoalPropertiesOfRent).met);

    own(1, true);
    level().minCombinedRent = 2000 + 899; // and level 0: trunc(1,000 x 0.9f)
    EXPECT_TRUE(goal(kGoalCombinedRent).met);
    EXPECT_EQ(goal(kGoalCombinedRent).figure, 2899);
    level().minCombinedRent += 1;
    EXPECT_FALSE(goal(kGoalCombinedRent).met);
}

TEST_F(GoalsTest, RenterHistoryGoalCountsRentersAtOrAboveTheClass) {
    level().houseCount = 2;
    level().minRenterHistory = 3;
    own(0, true, 3);
    own(1, true, 2);
    own(2, false, 4); // no renter any more: the history left with him
    EXPECT_EQ(goal(kGoalRentersOfHistory).figure, 1);
    EXPECT_FALSE(goal(kGoalRentersOfHistory).met);
    houseStates[1].renterHistory = 4;
    EXPECT_TRUE(goal(kGoalRentersOfHistory).met);
}

TEST_F(GoalsTest, OwnerFigureGoalsAreMetAtTheirNumberAndNotBelow) {
    struct Case {
        int32_t kind;
        int32_t LevelRecord::*field;
        int32_t OwnerRecord::*counter;
    };
    const Case cases[] = {
        {kGoalMinCash, &LevelRecord::minCash, &OwnerRecord::cash},
        {kGoalHousesPurchased, &LevelRecord::numPurchases, &OwnerRecord::housesBought},
        {kGoalUpgrades, &LevelRecord::numUpgrades, &OwnerRecord::renovationsDone},
        {kGoalRenos, &LevelRecord::numRenos, &OwnerRecord::completeRenosDone},
        {kGoalSales, &LevelRecord::numSales, &OwnerRecord::housesSold},
    };
    for (const Case& c : cases) {
        level().*c.field = 3;
        owners[0].*c.counter = 2;
        EXPECT_FALSE(goal(c.kind).met) << c.kind;
        EXPECT_TRUE(goal(c.kind).active) << c.kind;
        owners[0].*c.counter = 3;
        EXPECT_TRUE(goal(c.kind).met) << c.kind;
        level().*c.field = 0;
        EXPECT_FALSE(goal(c.kind).active) << c.kind;
    }
    level().numRenters = 2;
    own(0, true);
    EXPECT_FALSE(goal(kGoalNumRenters).met);
    own(3, true);
    EXPECT_TRUE(goal(kGoalNumRenters).met);
}

TEST_F(GoalsTest, EquityGoalUsesNetWorth) {
    own(0);
    setCash(kOwnerPlayer, 5000);
    level().minEquity = 105000; // the house's 100,000 and the cash
    EXPECT_TRUE(goal(kGoalMinEquity).met);
    level().minEquity += 1;
    EXPECT_FALSE(goal(kGoalMinEquity).met);
}

// No goals: nothing in force and all met; then three goals, one met.
TEST_F(GoalsTest, TotalsCountActiveGoalsInTableOrder) {
    const GoalEvaluation none = evaluateGoals(kOwnerPlayer);
    EXPECT_EQ(none.total, 0);
    EXPECT_TRUE(none.allMet);
    EXPECT_FALSE(goalsInForce(none));
    level().numSales = 1;
    level().minCash = 1;
    level().numPurchases = 1;
    setCash(kOwnerPlayer, 10);
    const GoalEvaluation e = evaluateGoals(kOwnerPlayer);
    EXPECT_EQ(e.total, 3);
    EXPECT_EQ(e.met, 1);
    EXPECT_EQ(e.unmet, 2);
    EXPECT_FALSE(e.allMet);
    EXPECT_TRUE(goalsInForce(e));
    scenario.advancedEconomy = 1;
    EXPECT_FALSE(goalsInForce(e));
}

TEST_F(GoalsTest, ImmediateCheckWinsAtOnceOnlyWithNothingToHold) {
    level().minCash = 100;
    setCash(kOwnerPlayer, 100);
    level().monthsToHold = 1;
    immediateGoalCheck();
    EXPECT_EQ(currentStateId(), bv::kStateGame);
    level().monthsToHold = 0;
    level().playFullTerm = 1;
    immediateGoalCheck();
    EXPECT_EQ(currentStateId(), bv::kStateGame);
    level().playFullTerm = 0;
    immediateGoalCheck();
    EXPECT_EQ(currentStateId(), kStateYouWin); // the only level
}

TEST_F(GoalsTest, HoldCounterWinsAtTheRightMonthEnd) {
    // Months to hold 0, 1, 2: the first month end with all goals met; 3: the second in a row.
    const int32_t expected[4] = {1, 1, 1, 2};
    for (int32_t hold = 0; hold <= 3; ++hold) {
        setStateSilently(bv::kStateGame);
        monthsElapsed = 0;
        goalHoldCounter = 0;
        level().minCash = 100;
        level().monthsToHold = hold;
        level().playFullTerm = 1; // keep the immediate check out of it
        setCash(kOwnerPlayer, 100);
        int32_t wonAt = 0;
        for (int32_t m = 1; m <= 5 && !wonAt; ++m) {
            monthEnd();
            if (currentStateId() != bv::kStateGame) wonAt = m;
        }
        EXPECT_EQ(wonAt, expected[hold]) << "hold " << hold;
        EXPECT_EQ(currentStateId(), kStateYouWin);
    }
}

TEST_F(GoalsTest, AMonthEndWithUnmetGoalsClearsTheHold) {
    level().minCash = 100;
    level().monthsToHold = 3;
    setCash(kOwnerPlayer, 100);
    monthEnd();
    EXPECT_EQ(goalHoldCounter, 1);
    setCash(kOwnerPlayer, 99);
    monthEnd();
    EXPECT_EQ(goalHoldCounter, 0);
    setCash(kOwnerPlayer, 100);
    monthEnd();
    EXPECT_EQ(currentStateId(), bv::kStateGame);
    monthEnd();
    EXPECT_EQ(currentStateId(), kStateYouWin);
}

TEST_F(GoalsTest, LevelWithoutGoalsCompletesAtTheEndOfItsTerm) {
    level().monthsToPlay = 2;
    scenario.levelCount = 2;
    monthEnd();
    EXPECT_EQ(currentStateId(), bv::kStateGame);
    monthEnd();
    EXPECT_EQ(currentStateId(), kStateLevelWon);
}

TEST_F(GoalsTest, GoalsFirstMetInTheLastMonthOfAFullTermLevelFail) {
    level().monthsToPlay = 2;
    level().playFullTerm = 1;
    level().minCash = 100;
    monthEnd();
    setCash(kOwnerPlayer, 100);
    monthEnd();
    EXPECT_EQ(currentStateId(), kStateFailedLevel);
}

TEST_F(GoalsTest, AdvancedEconomyIgnoresGoalsAndCompletesAtTheTerm) {
    scenario.advancedEconomy = 1;
    level().monthsToPlay = 1;
    level().minCash = 100;
    setCash(kOwnerPlayer, 1000);
    immediateGoalCheck();
    EXPECT_EQ(currentStateId(), bv::kStateGame);
    monthEnd();
    EXPECT_EQ(currentStateId(), kStateYouWin);
}

TEST_F(GoalsTest, DayClockStopsAndEndsTheLevelWhenTheTermIsOver) {
    level().monthsToPlay = 1;
    scenario.levelCount = 3;
    hurry();
    simtest::frames(40);
    EXPECT_EQ(monthsElapsed, 1);
    EXPECT_EQ(currentStateId(), kStateLevelWon);
}

// The month's last day rolls over into day 0 of the next: the month end (moods, the goals judged,
// perhaps the level's end) comes first, then the day's wear, rent, leaving roll and foreclosure
// sweep, unless the month end ended the level. House 0 is the player's (cash 9500 + rent 899),
// house 1 rival 3's, house 2 rival 2's with four missed payments (a damaged save's figure); all
// three let at normal rent to renters of history 0 in level-0 houses (rent 899 each, wear 70 to
// 139 thousandths a day).
TEST_F(GoalsTest, TheMonthEndIsJudgedBeforeTheDaysRentWearAndForeclosures) {
    const struct {
        const char* what;
        int32_t minCash;
        bool levelEnds;
    } cases[] = {
        {"cash short at the month end; the day's rent would have met the goal", 10000, false},
        {"goal met at the month end: the level ends and takes nothing more of the day", 9500, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        level().minCash = c.minCash;
        level().monthsToHold = 1;
        own(0, true, 0);
        for (int32_t i : {1, 2}) {
            simtest::giveHouse(i, i == 1 ? 3 : 2);
            houseStates[i].hasRenter = 1;
            houseStates[i].renterHistory = 0;
        }
        houseStates[2].monthsInArrears = 4;
        houseStates[0].wear = 0.5f;
        daysSinceDamage = 100;
        setCash(kOwnerPlayer, 9500);
        dayOfMonth = 30; // the 31st of January
        simtest::days(1);
        simtest::frames(1);
        EXPECT_EQ(monthsElapsed, 1);
        EXPECT_EQ(houseStates[0].hasRenter, 1u);
        if (c.levelEnds) {
            EXPECT_EQ(currentStateId(), kStateYouWin);
            EXPECT_EQ(cashOf(kOwnerPlayer), 9500);
            EXPECT_EQ(cashOf(3), 0);
            EXPECT_EQ(cashOf(2), 0);
            EXPECT_EQ(houseStates[2].owner, 2);
            EXPECT_EQ(houseStates[0].wear, 0.5f);
        } else {
            EXPECT_EQ(currentStateId(), kStateGame);
            EXPECT_EQ(goalHoldCounter, 0);
            EXPECT_EQ(cashOf(kOwnerPlayer), 9500 + 899);
            EXPECT_EQ(cashOf(3), 899);
            EXPECT_EQ(cashOf(2), 899); // the rent comes in before the sweep takes the house
            EXPECT_EQ(houseStates[2].owner, kOwnerBank);
            EXPECT_GE(houseStates[0].wear, 0.57f);
            EXPECT_LT(houseStates[0].wear, 0.64f);
            // The next month end finds the goal met: held for one month, the level is won.
            dayOfMonth = 27; // the 28th of February
            simtest::days(1);
            EXPECT_EQ(currentStateId(), kStateYouWin);
        }
        TearDown();
    }
}

class LevelFlowTest : public GoalsTest {
  protected:
    void SetUp() override {
        GoalsTest::SetUp();
        previous_ = std::filesystem::current_path();
        std::filesystem::create_directories(dir_.path() + "/maps");
        std::filesystem::current_path(dir_.path());
        platform::setProgramFolder(dir_.path() + "/");
        // A second town of six houses on disk, then the first town (four houses) in play.
        simtest::HouseTemplate shape;
        shape.baseValue = 300000;
        simtest::makeTown(6, shape);
        ASSERT_EQ(saveMap("hilltop"), 1);
        simtest::makeTown(4);
        scenario.levelCount = 3;
        std::snprintf(level(0).mapFile, sizeof level(0).mapFile, "lane.map");
        std::snprintf(level(1).mapFile, sizeof level(1).mapFile, "LANE.map");
        std::snprintf(level(2).mapFile, sizeof level(2).mapFile, "hilltop.map");
        for (int32_t l = 0; l < 3; ++l) level(l).monthsToPlay = 12;
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        GoalsTest::TearDown();
    }
    bvtest::TempDir dir_;
    std::filesystem::path previous_;
};

TEST_F(LevelFlowTest, SameMapKeepsTheHoldingsAndANewMapSellsThemForCash) {
    own(0, true);
    own(1);
    houseStates[1].mtgPrincipal = 20000;
    setCash(kOwnerPlayer, 7000);
    owners[0].housesBought = 2;
    monthsElapsed = 5;
    goalHoldCounter = 2;
    changeState(kStateLevelIntro);
    EXPECT_EQ(currentLevel, 1);
    EXPECT_EQ(currentStateId(), kStateDisplayGoals);
    EXPECT_EQ(houseCount, 4);
    EXPECT_EQ(houseStates[0].owner, kOwnerPlayer);
    EXPECT_EQ(houseStates[1].owner, kOwnerPlayer);
    EXPECT_EQ(cashOf(kOwnerPlayer), 7000);
    EXPECT_EQ(owners[0].housesBought, 0); // counters start again
    EXPECT_EQ(monthsElapsed, 0);
    EXPECT_EQ(goalHoldCounter, 0);

    const int32_t worth = 100000 + (100000 - 20000) + 7000; // both houses sold at their value
    setStateSilently(bv::kStateGame);
    changeState(kStateLevelIntro);
    EXPECT_EQ(currentLevel, 2);
    EXPECT_EQ(houseCount, 6);
    EXPECT_EQ(housesOwnedBy(kOwnerPlayer), 0);
    EXPECT_EQ(housesOwnedBy(kOwnerBank), 6);
    EXPECT_EQ(cashOf(kOwnerPlayer), worth);
}

TEST_F(LevelFlowTest, StartingCashOfTheNewLevelOverridesTheSaleProceeds) {
    own(0);
    level(1).startingCash = 12345;
    changeState(kStateLevelIntro);
    EXPECT_EQ(cashOf(kOwnerPlayer), 12345);
}

} // namespace

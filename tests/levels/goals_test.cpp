// The level's goals, the checks that end a level and the flow to the next one.

#include <filesystem>
#include <tuple>

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
        setStateSilently(kStateGame);
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

// Each goal at its boundary: met with the level's figure at `at` (the player's figure then is
// `figure`), not met one above it, not in force at 0. Town houses are worth 100,000 plus 10,000 a
// level and let at normal rent for trunc(1,000 x 0.9f) = 899 at level 0, 1,000 x 2.0f at level 4.
// Per-house goals ask for two houses; house 3, a rival's at level 4 let to a renter of history 4,
// would add to every count if it were taken for the player's.
TEST_F(GoalsTest, EachGoalIsMetAtItsFigureAndNotOneAbove) {
    struct Held {
        int32_t level;
        bool renter;
        int32_t history;
    };
    struct Case {
        const char* name;
        int32_t kind;
        int32_t LevelRecord::*field;
        int32_t at, figure;
        std::vector<Held> houses; // the player's, from house 0
        int32_t OwnerRecord::*counter;
        int32_t count;
    };
    // clang-format off
    const Case cases[] = {
        {"value: 100,000 and 140,000", kGoalPropertiesOfValue, &LevelRecord::minHouseValue, 100000, 2, {{0, false, 0}, {4, false, 0}}, nullptr, 0},
        {"condition: levels 3 and 4", kGoalPropertiesOfCondition, &LevelRecord::minCondition, 3, 2, {{3, false, 0}, {4, false, 0}}, nullptr, 0},
        {"renter history at or above the class; the empty house's old one not", kGoalRentersOfHistory, &LevelRecord::minRenterHistory, 3, 2, {{0, true, 3}, {0, true, 4}, {0, false, 4}}, nullptr, 0},
        {"rent of let houses only", kGoalPropertiesOfRent, &LevelRecord::minRent, 2000, 2, {{4, true, 0}, {4, true, 0}, {4, false, 0}}, nullptr, 0},
        {"combined rent of let houses: 2,000 + 899", kGoalCombinedRent, &LevelRecord::minCombinedRent, 2899, 2899, {{4, true, 0}, {0, true, 0}, {4, false, 0}}, nullptr, 0},
        {"renters", kGoalNumRenters, &LevelRecord::numRenters, 2, 2, {{0, true, 0}, {0, true, 0}, {0, false, 0}}, nullptr, 0},
        {"equity: the house and the cash", kGoalMinEquity, &LevelRecord::minEquity, 105000, 105000, {{0, false, 0}}, &OwnerRecord::cash, 5000},
        {"cash", kGoalMinCash, &LevelRecord::minCash, 3, 3, {}, &OwnerRecord::cash, 3},
        {"purchases", kGoalHousesPurchased, &LevelRecord::numPurchases, 3, 3, {}, &OwnerRecord::housesBought, 3},
        {"upgrades", kGoalUpgrades, &LevelRecord::numUpgrades, 3, 3, {}, &OwnerRecord::renovationsDone, 3},
        {"renovations", kGoalRenos, &LevelRecord::numRenos, 3, 3, {}, &OwnerRecord::completeRenosDone, 3},
        {"sales", kGoalSales, &LevelRecord::numSales, 3, 3, {}, &OwnerRecord::housesSold, 3},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        own(3, true, 4);
        houseStates[3].owner = 1;
        houseStates[3].level = 4;
        for (size_t i = 0; i < c.houses.size(); ++i) {
            own(int32_t(i), c.houses[i].renter, c.houses[i].history);
            houseStates[i].level = c.houses[i].level;
        }
        if (c.counter) owners[kOwnerPlayer].*c.counter = c.count;
        level().houseCount = 2;
        level().*c.field = c.at;
        EXPECT_EQ(std::tuple(goal(c.kind).active, goal(c.kind).met, goal(c.kind).figure),
                  std::tuple(true, true, c.figure));
        level().*c.field = c.at + 1;
        EXPECT_FALSE(goal(c.kind).met);
        level().*c.field = 0;
        EXPECT_FALSE(goal(c.kind).active);
        TearDown();
    }
}

// No goals: nothing in force and all met; then three goals, one met.
TEST_F(GoalsTest, TotalsCountActiveGoalsInTableOrder) {
    const GoalEvaluation none = evaluateGoals(kOwnerPlayer);
    EXPECT_EQ(std::tuple(none.total, none.allMet, goalsInForce(none)), std::tuple(0, true, false));
    level().numSales = 1;
    level().minCash = 1;
    level().numPurchases = 1;
    setCash(kOwnerPlayer, 10);
    const GoalEvaluation e = evaluateGoals(kOwnerPlayer);
    // total, met, unmet, all met, in force
    EXPECT_EQ(std::tuple(e.total, e.met, e.unmet, e.allMet, goalsInForce(e)),
              std::tuple(3, 1, 2, false, true));
    scenario.advancedEconomy = 1;
    EXPECT_FALSE(goalsInForce(e));
}

// The board's check wins the moment the goals are met, but only with no months to hold, no full
// term to play and no advanced economy.
TEST_F(GoalsTest, ImmediateCheckWinsAtOnceOnlyWithNothingToHold) {
    level().minCash = 100;
    setCash(kOwnerPlayer, 100);
    // {months to hold, full term, advanced economy, state after the check}
    const int32_t cases[][4] = {
        {1, 0, 0, kStateGame}, {0, 1, 0, kStateGame}, {0, 0, 1, kStateGame}, {0, 0, 0, kStateYouWin}};
    for (const auto& c : cases) {
        level().monthsToHold = c[0];
        level().playFullTerm = c[1];
        scenario.advancedEconomy = c[2];
        immediateGoalCheck();
        EXPECT_EQ(currentStateId(), c[3]) << c[0] << c[1] << c[2];
    }
}

// Month ends one after another with the player's cash at each (the goal, when there is one, is
// $100 cash) and the state after each. A goal held for the months to hold wins at the month end
// where held + 1 reaches them; a month short of the goal starts the count again; a level whose
// goals are still unmet when its term runs out fails, and one without goals completes.
TEST_F(GoalsTest, MonthEndsWinFailOrCompleteTheLevel) {
    const int32_t G = kStateGame, W = kStateYouWin;
    struct Case {
        const char* name;
        int32_t minCash, toPlay, hold, levels, advanced;
        std::vector<int32_t> cash, states;
    };
    // clang-format off
    const Case cases[] = {
        {"met, nothing to hold", 100, 12, 0, 1, 0, {100}, {W}},
        {"met, two months to hold: the first month end", 100, 12, 2, 1, 0, {100}, {W}},
        {"three months to hold: the second month end in a row", 100, 12, 3, 1, 0, {100, 100}, {G, W}},
        {"a month end short of the goal clears the hold", 100, 12, 3, 1, 0, {100, 99, 100, 100}, {G, G, G, W}},
        {"no goals: complete at the end of the term", 0, 2, 0, 2, 0, {0, 0}, {G, kStateLevelWon}},
        {"first met in the term's last month: failed", 100, 2, 0, 1, 0, {0, 100}, {G, kStateFailedLevel}},
        {"advanced economy: goals ignored, complete at the term", 100, 1, 0, 1, 1, {0}, {W}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        level().minCash = c.minCash;
        level().monthsToPlay = c.toPlay;
        level().monthsToHold = c.hold;
        scenario.levelCount = c.levels;
        scenario.advancedEconomy = c.advanced;
        for (size_t m = 0; m < c.cash.size(); ++m) {
            setCash(kOwnerPlayer, c.cash[m]);
            monthEnd();
            EXPECT_EQ(currentStateId(), c.states[m]) << "month end " << m + 1;
        }
        TearDown();
    }
}

TEST_F(GoalsTest, DayClockStopsAndEndsTheLevelWhenTheTermIsOver) {
    level().monthsToPlay = 1;
    scenario.levelCount = 3;
    hurry();
    simtest::frames(40);
    EXPECT_EQ(std::tuple(monthsElapsed, currentStateId()), std::tuple(1, kStateLevelWon));
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
        EXPECT_EQ(std::tuple(monthsElapsed, houseStates[0].hasRenter), std::tuple(1, 1u));
        if (c.levelEnds) {
            EXPECT_EQ(std::tuple(currentStateId(), cashOf(kOwnerPlayer), cashOf(3), cashOf(2),
                                 houseStates[2].owner, houseStates[0].wear),
                      std::tuple(kStateYouWin, 9500, 0, 0, 2, 0.5f));
        } else {
            // Rival 2's rent comes in before the sweep takes the house.
            EXPECT_EQ(std::tuple(currentStateId(), goalHoldCounter, cashOf(kOwnerPlayer), cashOf(3),
                                 cashOf(2), houseStates[2].owner),
                      std::tuple(kStateGame, 0, 9500 + 899, 899, 899, kOwnerBank));
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
    // level, state, houses on the map, the player's houses and cash as they were
    EXPECT_EQ(std::tuple(currentLevel, currentStateId(), houseCount, housesOwnedBy(kOwnerPlayer),
                         cashOf(kOwnerPlayer)),
              std::tuple(1, kStateDisplayGoals, 4, 2, 7000));
    // The counters start again: purchases, months, months held.
    EXPECT_EQ(std::tuple(owners[0].housesBought, monthsElapsed, goalHoldCounter), std::tuple(0, 0, 0));

    setStateSilently(kStateGame);
    changeState(kStateLevelIntro);
    // Both houses sold at their value, less the loan: 100,000 + (100,000 - 20,000) + 7,000 cash.
    EXPECT_EQ(std::tuple(currentLevel, houseCount, housesOwnedBy(kOwnerPlayer), housesOwnedBy(kOwnerBank),
                         cashOf(kOwnerPlayer)),
              std::tuple(2, 6, 0, 6, 187000));
}

} // namespace

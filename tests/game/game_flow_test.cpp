// Whole months through the real frame loop on the headless backend: a new game through state 1,
// rent and mortgage arriving in the player's cash, and a foreclosure with its dialog.
#include <gtest/gtest.h>

#include <string>

#include "core/state.h"
#include "core/state_ids.h"
#include "game/game.h"
#include "game/script_player.h"
#include "game/state_table.h"
#include "levels/goals.h"
#include "platform/platform.h"
#include "screens/board_notices.h"
#include "screens/float_effects.h"
#include "sim/calendar.h"
#include "sim/cash.h"
#include "sim/daily_loop.h"
#include "sim/economy.h"
#include "sim/effect_list.h"
#include "sim/game_update.h"
#include "sim/houses.h"
#include "sim/owners.h"
#include "sim/repairs.h"
#include "sim/sim_fixture.h"
#include "sim/tenancy.h"
#include "world/scenario.h"

namespace {

// Counts how often the effect list runs, to see whether the frame loop runs it itself.
struct Probe {
    bv::TimedObject header;
};
int32_t g_probeRuns = 0;
void probeRun(bv::TimedObject*) {
    ++g_probeRuns;
}

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
        bv::addTimedObject(sizeof(Probe), probeRun, nullptr);
    }
    void TearDown() override {
        SimTest::TearDown();
        wireTheGame(); // for the whole-game tests after these
    }

    // One pass of the real frame loop; the effect list and the floating effects run after the
    // state's update, by the frame loop when it does so and here otherwise. Dialogs the months
    // raise are answered: an applicant is taken in, a message is waved away.
    void frame() {
        const int32_t probe = g_probeRuns;
        bv::runFrame();
        if (g_probeRuns == probe) {
            bv::runTimedObjects();
            bv::updateEffects();
        }
        if (bv::currentStateId() == bv::kStateRentApplicant) {
            ASSERT_TRUE(bv::takeApplicantFromArgument(bv::updateArgument()));
            bv::moveIn(bv::pendingApplicantHouse, bv::pendingApplicantHistory);
            bv::changeState(bv::kStateGame);
        }
        const int32_t state = bv::currentStateId();
        if (state == bv::kStateSimpleDialog || state == bv::kStateAvatarMessage ||
            state == bv::kStateHouseMessage)
            bv::changeState(bv::kStateGame);
    }
    void runUntil(int32_t month, int32_t day) {
        for (int32_t guard = 0; guard < 200000; ++guard) {
            if (bv::monthsElapsed == month && bv::dayOfMonth == day) return;
            if (bv::currentStateId() != bv::kStateGame) {
                ADD_FAILURE() << "stopped in state " << bv::currentStateId() << " on day " << bv::dayOfMonth
                              << " of month " << bv::monthsElapsed;
                return;
            }
            frame();
        }
    }
    // Lets every money flight land.
    void settle() {
        for (int32_t i = 0; i < 30; ++i) frame();
    }
};

TEST_F(GameFlow, NewGameStartsEveryoneFreshAndOpensTheGoals) {
    EXPECT_EQ(bv::currentStateId(), bv::kStateDisplayGoals);
    EXPECT_EQ(bv::gameStarted, 1);
    EXPECT_EQ(bv::currentLevel, 0);
    EXPECT_EQ(bv::monthsElapsed, 0);
    EXPECT_EQ(bv::dayOfMonth, 0);
    EXPECT_EQ(bv::owners[0].avatar, 22);
    for (int32_t o = 0; o < 5; ++o) EXPECT_EQ(bv::owners[o].cash, 25000) << o;
    for (int32_t r = 1; r <= 4; ++r) EXPECT_NE(bv::ownerName(r)[0], 0) << "rival " << r << " has a name";
    EXPECT_EQ(bv::economySchedule[3], 0);
    EXPECT_EQ(bv::housesOwnedBy(bv::kOwnerBank), 12);
    const std::string line = bv::stateLine();
    EXPECT_NE(line.find("month=0 day=0 cash=25000 points=0 rating=0 owned=0,0,0,0,0,12"), std::string::npos)
        << line;
}

TEST_F(GameFlow, RentAndMortgageReachTheCashMonthAfterMonth) {
    bv::changeState(bv::kStateGame);
    simtest::giveHouse(0, 0, 150000, 12.0f);
    bv::HouseState& h = bv::houseStates[0];
    h.level = 3;
    h.renterHistory = 3;
    h.hasRenter = 1;
    const int32_t payment = h.mtgPayment;
    EXPECT_EQ(payment, static_cast<int32_t>(bv::mortgagePayment(150000, 12.0f, 60)));
    bv::daysSinceDamage = INT32_MIN / 2; // no wear: repairs are the repair tests' business
    for (int32_t month = 0; month < 4; ++month) {
        runUntil(month, 14);
        settle();
        const int32_t cash = bv::owners[0].cash;
        const int32_t principal = h.mtgPrincipal;
        runUntil(month, 15);
        settle();
        EXPECT_EQ(bv::owners[0].cash, cash - payment) << "month " << month;
        EXPECT_LT(h.mtgPrincipal, principal);
        EXPECT_GT(h.mtgPrincipal, principal - payment);
        // Rent on the month's last day processed as day 0 of the next.
        runUntil(month, 27);
        settle();
        const bool rented = h.hasRenter != 0;
        const int32_t rent = bv::currentRent(0);
        const int32_t before = bv::owners[0].cash;
        runUntil(month + 1, 0);
        EXPECT_EQ(bv::owners[0].cash, before) << "the rent is still flying";
        settle();
        EXPECT_EQ(bv::owners[0].cash, before + (rented ? rent : 0)) << "month " << month;
    }
    EXPECT_EQ(bv::currentStateId(), bv::kStateGame);
    EXPECT_EQ(bv::houseStates[0].owner, 0);
}

TEST_F(GameFlow, FourthMissedPaymentForeclosesWithTheDialog) {
    bv::changeState(bv::kStateGame);
    simtest::giveHouse(5, 0, 900000, 12.0f);
    bv::owners[0].cash = 0;
    runUntil(3, 14);
    EXPECT_EQ(bv::houseStates[5].monthsInArrears, 3);
    EXPECT_EQ(bv::houseStates[5].owner, 0);
    runUntil(3, 15);
    EXPECT_EQ(bv::currentStateId(), bv::kStateForeclosure);
    EXPECT_EQ(bv::foreclosedHouse, 5); // the house the queue named
    EXPECT_EQ(bv::houseStates[5].owner, bv::kOwnerBank);
    EXPECT_EQ(bv::monthsElapsed, 3);
    EXPECT_EQ(bv::dayOfMonth, 15);
    // The dialog holds the clock.
    for (int32_t i = 0; i < 100; ++i) frame();
    EXPECT_EQ(bv::dayOfMonth, 15);
}

TEST_F(GameFlow, EscapeOpensTheOptionsAndIKeyTogglesTheOwnerOverlay) {
    bv::changeState(bv::kStateGame);
    bv::platform::Event e;
    e.type = bv::platform::Event::KeyDown;
    e.key = 'I';
    bv::platform::headless::pushEvent(e);
    frame();
    EXPECT_EQ(bv::ownerOverlayShown, 1);
    e.type = bv::platform::Event::KeyUp;
    bv::platform::headless::pushEvent(e);
    frame();
    EXPECT_EQ(bv::ownerOverlayShown, 1);
    e.type = bv::platform::Event::KeyDown;
    e.key = 27;
    bv::platform::headless::pushEvent(e);
    frame();
    EXPECT_EQ(bv::currentStateId(), bv::kStateOptions);
    e.type = bv::platform::Event::KeyUp;
    bv::platform::headless::pushEvent(e);
    frame();
}

} // namespace

namespace {

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
    bv::dayOfMonth = 17;
    bv::dayClock = 600;
    bv::hurryMonth = 1;
    bv::levelOver = 1;
    bv::advanceToNextLevel();
    EXPECT_EQ(bv::currentLevel, 1);
    EXPECT_EQ(bv::monthsElapsed, 0);
    EXPECT_EQ(bv::dayOfMonth, 0);
    EXPECT_EQ(bv::dayClock, 0);
    EXPECT_EQ(bv::hurryMonth, 0);
    EXPECT_EQ(bv::levelOver, 0);
}

} // namespace

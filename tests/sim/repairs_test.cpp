// Wear, repairs, permanent damage and work on houses, through the board's own clock.
#include <gtest/gtest.h>

#include <tuple>

#include "core/random.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "sim/calendar.h"
#include "sim/cash.h"
#include "sim/daily_loop.h"
#include "sim/effect_list.h"
#include "sim/game_update.h"
#include "sim/houses.h"
#include "sim/owner.h"
#include "sim/repairs.h"
#include "sim/sim_fixture.h"
#include "sim/tenancy.h"
#include "support/state_table.h"
#include "world/map.h"

namespace {

using namespace bv;

int32_t board(int32_t) {
    simulationFrame();
    return 0;
}
int32_t keepArgument(int32_t, int32_t, int32_t argument) {
    return argument;
}

class RepairsTest : public simtest::SimTest {
  protected:
    void SetUp() override {
        SimTest::SetUp();
        simtest::resetWorld(false);
        // The board and the dialogs these rules open; only the board runs.
        bvtest::useStates({{kStateAttract},
                           {kStateGame, nullptr, board},
                           {kStateRepairs, keepArgument},
                           {kStateSimpleDialog},
                           {kStateRenosComplete, keepArgument},
                           {kStateRentApplicant, keepArgument},
                           {kStateLastChanceRepairs, keepArgument}},
                          false);
        setStateSilently(bv::kStateGame);
        resetRepairs();
        queueRenosCompleteDialog = 0;
        tutorialActive = 1; // no applicants: the tests place their renters themselves
        simtest::makeTown(3);
    }
    void TearDown() override {
        queueRenosCompleteDialog = 1;
        tutorialActive = 0;
        SimTest::TearDown();
    }
    // A player's house with a renter of the given history and no other business.
    HouseState& rented(int32_t i, int32_t history, int32_t owner = kOwnerPlayer) {
        simtest::giveHouse(i, owner);
        HouseState& h = houseStates[i];
        h.hasRenter = 1;
        h.renterHistory = history;
        h.level = 2;
        return h;
    }
    // Days of wear until the house's repair falls due (the queue gets state 15).
    int32_t daysUntilRepair(int32_t i) {
        for (int32_t day = 1; day <= 400; ++day) {
            dailyWear();
            if (houseStates[i].repairCost != 0) return day;
        }
        return -1;
    }
};

TEST_F(RepairsTest, DayWearFollowsTheRenterHistoryAndIsHeldToItsRange) {
    const int32_t low[6] = {70, 55, 25, 15, 10, 5};
    for (int32_t history = -2; history <= 7; ++history) {
        const int32_t t = low[std::clamp(history, 0, 5)];
        float least = 1.0f, most = 0.0f;
        for (int32_t k = 0; k < 2000; ++k) {
            const float w = dayWear(history);
            least = std::min(least, w);
            most = std::max(most, w);
        }
        EXPECT_FLOAT_EQ(least, t / 1000.0f) << history;
        EXPECT_FLOAT_EQ(most, (2 * t - 1) / 1000.0f) << history;
    }
}

TEST_F(RepairsTest, BestRenterWearsOutIn53To100DaysAndWorstIn8To15) {
    for (int32_t history : {4, 0}) {
        int32_t least = 1000, most = 0;
        for (int32_t trial = 0; trial < 200; ++trial) {
            HouseState& h = rented(0, history);
            h.wear = 0.0f;
            h.repairCost = 0;
            daysSinceDamage = 100;
            const int32_t d = daysUntilRepair(0);
            least = std::min(least, d);
            most = std::max(most, d);
        }
        if (history == 4) {
            EXPECT_GE(least, 53);
            EXPECT_LE(most, 100);
            EXPECT_LT(least, 70); // the draws do spread over the range
        } else {
            EXPECT_GE(least, 8);
            EXPECT_LE(most, 15);
        }
    }
}

TEST_F(RepairsTest, DueRepairQueuesTheDialogWithACostAndClearsTheMeter) {
    HouseState& h = rented(1, 0);
    daysSinceDamage = 10;
    h.wear = 0.999f;
    dailyWear();
    EXPECT_EQ(h.wear, 0.0f);
    EXPECT_EQ(daysSinceDamage, 0);
    // upgradeCost div (12..16), times the level-2 repair factor 1.0.
    EXPECT_GE(h.repairCost, 6000 / 16);
    EXPECT_LE(h.repairCost, 6000 / 12);
    EXPECT_EQ(queuedCount(), 1);
    drainStateQueue();
    EXPECT_EQ(currentStateId(), bv::kStateRepairs);
    EXPECT_EQ(updateArgument(), 1);
}

TEST_F(RepairsTest, QuietDaysHoldEveryHouseAfterAPlayersDamage) {
    HouseState& a = rented(0, 0);
    HouseState& b = rented(1, 0);
    HouseState& rival = rented(2, 0, 1);
    daysSinceDamage = 10;
    a.wear = 0.999f;
    dailyWear();
    ASSERT_EQ(daysSinceDamage, 0);
    const float bWear = b.wear, rivalWear = rival.wear;
    for (int32_t d = 1; d <= kQuietDays; ++d) {
        dailyWear();
        EXPECT_EQ(a.wear, 0.0f) << d;
        EXPECT_EQ(b.wear, bWear) << d;
        EXPECT_EQ(rival.wear, rivalWear) << d;
    }
    dailyWear();
    EXPECT_GT(a.wear, 0.0f);
    EXPECT_GT(b.wear, bWear);
}

TEST_F(RepairsTest, RivalsKeepAFullMeterAndNoDialogOpens) {
    HouseState& h = rented(0, 0, 2);
    daysSinceDamage = 10;
    h.wear = 0.999f;
    dailyWear();
    EXPECT_GT(h.wear, 1.0f);
    EXPECT_EQ(queuedCount(), 0);
    EXPECT_EQ(h.repairCost, 0);
    EXPECT_EQ(daysSinceDamage, 11);
}

TEST_F(RepairsTest, WorkOnAHouseCancelsPendingDamageAndWear) {
    HouseState& h = rented(0, 0);
    h.damagePending = 1;
    h.wear = 0.5f;
    h.renoKind = kWorkUpgrade;
    h.renoDuration = kUpgradeMs;
    daysSinceDamage = 10;
    dailyWear();
    EXPECT_EQ(h.damagePending, 0u);
    EXPECT_EQ(h.wear, 0.0f);
}

TEST_F(RepairsTest, PayRepairNeedsTheCash) {
    HouseState& h = rented(0, 0);
    h.damagePending = 1;
    h.repairCost = 1000;
    setCash(kOwnerPlayer, 999);
    EXPECT_FALSE(payRepair(0));
    EXPECT_EQ(h.damagePending, 1u);
    EXPECT_EQ(cashOf(kOwnerPlayer), 999);
    setCash(kOwnerPlayer, 1000);
    EXPECT_TRUE(payRepair(0));
    EXPECT_EQ(h.damagePending, 0u);
    EXPECT_EQ(cashOf(kOwnerPlayer), 0);
    EXPECT_FALSE(payRepair(-1));
    EXPECT_FALSE(payRepair(houseCount));
}

TEST_F(RepairsTest, LastChanceAtDoubleCostThenTheLevelDropsOnTheNextFrame) {
    HouseState& h = rented(0, 4);
    h.damagePending = 1;
    h.repairCost = 1000;
    setCash(kOwnerPlayer, 1500);
    frameWorkStep(kPermanentDamageMs - 1);
    EXPECT_EQ(currentStateId(), bv::kStateGame);
    frameWorkStep(1);
    EXPECT_EQ(h.repairCost, 2000);
    EXPECT_EQ(h.damagePending, 1u);
    // Queued like every message; while it waits, the countdown changes nothing more.
    frameWorkStep(33);
    frameWorkStep(33);
    EXPECT_EQ(h.repairCost, 2000);
    EXPECT_EQ(h.level, 2);
    ASSERT_EQ(queuedCount(), 1);
    drainStateQueue();
    EXPECT_EQ(currentStateId(), kStateLastChanceRepairs);
    EXPECT_EQ(updateArgument(), 0);
    // "fixNow" cannot pay: nothing is taken, and the board's next frame takes the level.
    EXPECT_FALSE(payRepair(0));
    setStateSilently(bv::kStateGame);
    frameWorkStep(33);
    EXPECT_EQ(h.level, 1);
    EXPECT_EQ(h.damagePending, 0u);
    EXPECT_EQ(h.owner, kOwnerPlayer);
    EXPECT_EQ(cashOf(kOwnerPlayer), 1500);
    const auto lost = simtest::noticesOf(NoticeKind::kPermanentDamage);
    ASSERT_EQ(lost.size(), 1u);
    EXPECT_EQ(lost[0].house, 0);
}

TEST_F(RepairsTest, LastChancePaidKeepsTheLevel) {
    HouseState& h = rented(0, 4);
    h.damagePending = 1;
    h.repairCost = 1000;
    h.damageCountdown = kPermanentDamageMs;
    setCash(kOwnerPlayer, 5000);
    frameWorkStep(33);
    drainStateQueue();
    ASSERT_EQ(currentStateId(), kStateLastChanceRepairs);
    EXPECT_TRUE(payRepair(0));
    EXPECT_EQ(cashOf(kOwnerPlayer), 3000);
    setStateSilently(bv::kStateGame);
    frameWorkStep(33);
    EXPECT_EQ(h.level, 2);
    EXPECT_EQ(currentStateId(), bv::kStateGame);
}

// Without the cash for a last chance the countdown's end takes a level at once (the player is told,
// a rival is not); below level 0 see the condition table in payments_condition_test.
TEST_F(RepairsTest, WithoutTheCashForALastChanceTheCountdownTakesALevel) {
    for (const auto& [owner, cash, told] : {std::tuple{int32_t(kOwnerPlayer), 999, 1u}, {3, 1000000, 0u}}) {
        bv::clearNoticeLog();
        HouseState& h = rented(0, 4, owner);
        h.level = 2;
        h.damagePending = 1;
        h.damageCountdown = 0;
        h.repairCost = 1000;
        setCash(owner, cash);
        frameWorkStep(kPermanentDamageMs);
        EXPECT_EQ(h.level, 1) << owner;
        EXPECT_EQ(h.damagePending, 0u) << owner;
        EXPECT_EQ(queuedCount(), 0) << owner;
        EXPECT_EQ(simtest::noticesOf(NoticeKind::kPermanentDamage).size(), told) << owner;
    }
}

TEST_F(RepairsTest, UpgradeTakesThirteenDaysAndRaisesOneLevel) {
    HouseState& h = rented(0, 2);
    setCash(kOwnerPlayer, 10000);
    ASSERT_TRUE(canUpgrade(0));
    startUpgrade(0);
    EXPECT_EQ(cashOf(kOwnerPlayer), 4000);
    EXPECT_EQ(h.renoKind, kWorkUpgrade);
    EXPECT_EQ(h.hasRenter, 1u); // the renter stays
    frameWorkStep(kUpgradeMs - 1);
    EXPECT_EQ(h.level, 2);
    frameWorkStep(1);
    EXPECT_EQ(h.level, 3);
    EXPECT_EQ(h.renoKind, kWorkNone);
    EXPECT_EQ(owners[0].renovationsDone, 1);
    EXPECT_EQ(owners[0].completeRenosDone, 0);
    const auto done = simtest::noticesOf(NoticeKind::kWorkFinished);
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].house, 0);
    EXPECT_FALSE(canUpgrade(-1));
}

TEST_F(RepairsTest, AHurriedMonthRunsWorkADayPerTick) {
    HouseState& h = rented(0, 2);
    setCash(kOwnerPlayer, 10000);
    startUpgrade(0);
    hurry();
    simtest::frames(12);
    EXPECT_EQ(h.renoElapsed, 12000);
    simtest::frames(1);
    EXPECT_EQ(h.level, 3);
}

TEST_F(RepairsTest, CompleteRenovationMovesTheRenterOutForEightDaysThenWorks26) {
    HouseState& h = rented(0, 2);
    setCash(kOwnerPlayer, 100000);
    ASSERT_TRUE(canRenovate(0));
    startCompleteReno(0);
    EXPECT_EQ(cashOf(kOwnerPlayer), 100000 - 9600); // 6000 x 2 levels x 0.8f
    EXPECT_EQ(h.evicting, 1u);
    frameWorkStep(kMoveOutMs - 1);
    EXPECT_EQ(h.hasRenter, 1u);
    EXPECT_EQ(h.renoElapsed, 0);
    frameWorkStep(1);
    EXPECT_EQ(h.hasRenter, 0u);
    EXPECT_EQ(h.evicting, 0u);
    EXPECT_EQ(h.renoElapsed, 1); // the work starts in the frame the renter leaves
    frameWorkStep(kCompleteRenoMs - 2);
    EXPECT_EQ(h.level, 2);
    frameWorkStep(1);
    EXPECT_EQ(h.level, 4);
    EXPECT_EQ(owners[0].completeRenosDone, 1);
    EXPECT_EQ(owners[0].renovationsDone, 1);
}

TEST_F(RepairsTest, WorkIsOfferedOnlyWhereItMakesSenseAndIsAffordable) {
    HouseState& h = rented(0, 2);
    setCash(kOwnerPlayer, 1000000);
    h.level = 3;
    EXPECT_FALSE(canRenovate(0)); // level + 1 < 4 fails
    EXPECT_TRUE(canUpgrade(0));
    h.level = 4;
    EXPECT_FALSE(canUpgrade(0));
    h.level = 2;
    h.renoKind = kWorkUpgrade;
    EXPECT_FALSE(canUpgrade(0));
    EXPECT_FALSE(canRenovate(0));
    h.renoKind = kWorkNone;
    setCash(kOwnerPlayer, 5999);
    EXPECT_FALSE(canUpgrade(0));
    setCash(kOwnerPlayer, 6000);
    EXPECT_TRUE(canUpgrade(0));
    EXPECT_FALSE(canRenovate(0));
}

TEST_F(RepairsTest, FinishedPlayerWorkQueuesTheRenovationsCompleteDialog) {
    queueRenosCompleteDialog = 1;
    rented(1, 2);
    setCash(kOwnerPlayer, 100000);
    startUpgrade(1);
    frameWorkStep(kUpgradeMs);
    EXPECT_EQ(renosCompleteHouse, 1);
    ASSERT_EQ(queuedCount(), 1);
    drainStateQueue();
    EXPECT_EQ(currentStateId(), kStateRenosComplete);
    EXPECT_EQ(updateArgument(), 1);
}

} // namespace

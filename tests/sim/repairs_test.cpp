// Wear, repairs, permanent damage and work on houses, through the board's own clock.
#include "sim/sim_test.h"

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
};

TEST_F(RepairsTest, DayWearFollowsTheRenterHistoryAndIsHeldToItsRange) {
    const int32_t low[6] = {70, 55, 25, 15, 10, 5}; // thousandths: t..2t-1 a day
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

// A full meter on the player's house: a repair of upgradeCost div (12..16) x the level-2 factor 1.0
// is queued and the meter cleared; a rival's stays full with no dialog and no quiet days.
TEST_F(RepairsTest, AFullMeterQueuesThePlayersRepairOnly) {
    for (int32_t owner : {2, int32_t(kOwnerPlayer)}) {
        HouseState& h = rented(1, 0, owner);
        h.wear = 0.999f;
        h.repairCost = 0;
        daysSinceDamage = 10;
        dailyWear();
        const bool player = owner == kOwnerPlayer;
        EXPECT_EQ(h.wear > 1.0f, !player) << owner;
        EXPECT_EQ(h.wear == 0.0f, player) << owner;
        EXPECT_EQ(daysSinceDamage, player ? 0 : 11) << owner;
        EXPECT_EQ(queuedCount(), player ? 1 : 0) << owner;
        EXPECT_GE(h.repairCost, player ? 6000 / 16 : 0) << owner;
        EXPECT_LE(h.repairCost, player ? 6000 / 12 : 0) << owner;
    }
    drainStateQueue();
    EXPECT_EQ(currentStateId(), kStateRepairs);
    EXPECT_EQ(updateArgument(), 1);
}

TEST_F(RepairsTest, QuietDaysHoldEveryHouseAfterAPlayersDamage) {
    HouseState& a = rented(0, 0);
    HouseState& b = rented(1, 0);
    HouseState& rival = rented(2, 0, 1);
    daysSinceDamage = 10;
    a.wear = 0.999f;
    dailyWear();
    const float bWear = b.wear, rivalWear = rival.wear;
    for (int32_t d = 1; d <= kQuietDays; ++d) {
        dailyWear();
        EXPECT_TRUE(a.wear == 0.0f && b.wear == bWear && rival.wear == rivalWear) << d;
    }
    dailyWear();
    EXPECT_GT(a.wear, 0.0f);
    EXPECT_GT(b.wear, bWear);
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
    h.repairCost = 1000;
    for (const auto& [cash, paid] : {std::pair{999, false}, {1000, true}}) {
        h.damagePending = 1;
        setCash(kOwnerPlayer, cash);
        EXPECT_EQ(payRepair(0), paid) << cash;
        EXPECT_EQ(h.damagePending, paid ? 0u : 1u) << cash;
        EXPECT_EQ(cashOf(kOwnerPlayer), paid ? 0 : cash) << cash;
    }
    EXPECT_FALSE(payRepair(-1));
    EXPECT_FALSE(payRepair(houseCount));
}

// The countdown's end offers a last chance at double the cost (1,000 -> 2,000), queued like every
// message; unpaid, the board's next frame takes a level, paid, the level stays.
TEST_F(RepairsTest, LastChanceAtDoubleCostThenTheLevelDropsOnTheNextFrame) {
    for (const auto& [cash, pays] : {std::pair{1500, false}, {5000, true}}) {
        clearNoticeLog();
        clearStateQueue();
        setStateSilently(kStateGame);
        HouseState& h = rented(0, 4);
        h.damagePending = 1;
        h.damageCountdown = 0;
        h.repairCost = 1000;
        setCash(kOwnerPlayer, cash);
        frameWorkStep(kPermanentDamageMs - 1);
        EXPECT_EQ(queuedCount(), 0) << cash;
        frameWorkStep(1);
        EXPECT_EQ(h.repairCost, 2000) << cash;
        frameWorkStep(33); // while it waits, the countdown changes nothing more
        EXPECT_EQ(h.repairCost, 2000) << cash;
        EXPECT_EQ(h.level, 2) << cash;
        ASSERT_EQ(queuedCount(), 1) << cash;
        drainStateQueue();
        EXPECT_EQ(currentStateId(), kStateLastChanceRepairs) << cash;
        EXPECT_EQ(updateArgument(), 0) << cash;
        EXPECT_EQ(payRepair(0), pays) << cash;
        setStateSilently(kStateGame);
        frameWorkStep(33);
        EXPECT_EQ(h.level, pays ? 2 : 1) << cash;
        EXPECT_EQ(h.damagePending, 0u) << cash;
        EXPECT_EQ(cashOf(kOwnerPlayer), pays ? 3000 : 1500) << cash;
        EXPECT_EQ(simtest::noticesOf(NoticeKind::kPermanentDamage).size(), pays ? 0u : 1u) << cash;
    }
}

// Without the cash for a last chance the countdown's end takes a level at once (the player is told,
// a rival is not); below level 0 see the condition table in payments_condition_test.
TEST_F(RepairsTest, WithoutTheCashForALastChanceTheCountdownTakesALevel) {
    for (const auto& [owner, cash, told] : {std::tuple{int32_t(kOwnerPlayer), 999, 1u}, {3, 1000000, 0u}}) {
        clearNoticeLog();
        HouseState& h = rented(0, 4, owner);
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

// An upgrade (6,000) takes 13 days with the renter in; a complete renovation (6,000 x 2 levels x
// 0.8f = 9,600) moves the renter out for 8 days, then works 26 from the frame he leaves.
TEST_F(RepairsTest, UpgradeAndCompleteRenovationTakeTheirDays) {
    HouseState& h = rented(1, 2);
    setCash(kOwnerPlayer, 100000);
    queueRenosCompleteDialog = 1;
    startUpgrade(1);
    EXPECT_EQ(cashOf(kOwnerPlayer), 94000);
    EXPECT_EQ(h.renoKind, kWorkUpgrade);
    frameWorkStep(kUpgradeMs - 1);
    EXPECT_EQ(h.level, 2);
    frameWorkStep(1);
    EXPECT_EQ(h.level, 3);
    EXPECT_EQ(h.hasRenter, 1u);
    EXPECT_EQ(h.renoKind, kWorkNone);
    EXPECT_EQ(owners[0].renovationsDone, 1);
    EXPECT_EQ(owners[0].completeRenosDone, 0);
    EXPECT_EQ(simtest::noticesOf(NoticeKind::kWorkFinished).size(), 1u);
    EXPECT_EQ(renosCompleteHouse, 1);
    ASSERT_EQ(queuedCount(), 1);
    drainStateQueue();
    EXPECT_EQ(currentStateId(), kStateRenosComplete);
    EXPECT_EQ(updateArgument(), 1);
    queueRenosCompleteDialog = 0;
    h.level = 2;
    startCompleteReno(1);
    EXPECT_EQ(cashOf(kOwnerPlayer), 94000 - 9600);
    EXPECT_EQ(h.evicting, 1u);
    frameWorkStep(kMoveOutMs - 1);
    EXPECT_EQ(h.hasRenter, 1u);
    EXPECT_EQ(h.renoElapsed, 0);
    frameWorkStep(1);
    EXPECT_EQ(h.hasRenter, 0u);
    EXPECT_EQ(h.evicting, 0u);
    EXPECT_EQ(h.renoElapsed, 1);
    frameWorkStep(kCompleteRenoMs - 2);
    EXPECT_EQ(h.level, 2);
    frameWorkStep(1);
    EXPECT_EQ(h.level, 4);
    EXPECT_EQ(owners[0].completeRenosDone, 1);
    EXPECT_EQ(owners[0].renovationsDone, 2);
}

TEST_F(RepairsTest, AHurriedMonthRunsWorkADayPerTick) {
    HouseState& h = rented(0, 2);
    setCash(kOwnerPlayer, 10000);
    startUpgrade(0);
    hurry();
    simtest::frames(12);
    EXPECT_EQ(h.level, 2);
    simtest::frames(1);
    EXPECT_EQ(h.level, 3);
}

// An upgrade costs 6,000 and needs a level to go; a complete renovation needs two levels to go.
TEST_F(RepairsTest, WorkIsOfferedOnlyWhereItMakesSenseAndIsAffordable) {
    const struct {
        int32_t level, renoKind, cash;
        bool upgrade, renovate;
    } cases[] = {
        {2, kWorkNone, 1000000, true, true},   {3, kWorkNone, 1000000, true, false},
        {4, kWorkNone, 1000000, false, false}, {2, kWorkUpgrade, 1000000, false, false},
        {2, kWorkNone, 5999, false, false},    {2, kWorkNone, 6000, true, false},
    };
    HouseState& h = rented(0, 2);
    for (const auto& c : cases) {
        h.level = c.level;
        h.renoKind = c.renoKind;
        setCash(kOwnerPlayer, c.cash);
        EXPECT_EQ(canUpgrade(0), c.upgrade) << c.level << " " << c.renoKind << " " << c.cash;
        EXPECT_EQ(canRenovate(0), c.renovate) << c.level << " " << c.renoKind << " " << c.cash;
    }
    EXPECT_FALSE(canUpgrade(-1));
}

} // namespace

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

// A full meter on a rival's house stays full, with no dialog and no quiet days; on the player's a
// repair is drawn and queued and the meter cleared (the cost's range is worked in houses_test). Then
// no house wears for the quiet days; after them wear goes on, except on a house under work, whose
// pending damage and meter are cleared.
TEST_F(RepairsTest, AFullMeterQueuesThePlayersRepairThenQuietDaysHoldEveryHouse) {
    HouseState& a = rented(0, 0);
    HouseState& b = rented(1, 0);
    HouseState& rival = rented(2, 0, 1);
    daysSinceDamage = 10;
    rival.wear = 0.999f;
    dailyWear();
    EXPECT_EQ(std::tuple(rival.wear > 1.0f, daysSinceDamage, queuedCount()), std::tuple(true, 11, 0));
    a.wear = 0.999f;
    dailyWear();
    EXPECT_EQ(std::tuple(a.wear, daysSinceDamage, queuedCount(), a.repairCost > 0),
              std::tuple(0.0f, 0, 1, true));
    const float bWear = b.wear, rivalWear = rival.wear;
    for (int32_t d = 1; d <= kQuietDays; ++d) {
        dailyWear();
        EXPECT_TRUE(a.wear == 0.0f && b.wear == bWear && rival.wear == rivalWear) << d;
    }
    rival.damagePending = 1;
    rival.renoKind = kWorkUpgrade;
    dailyWear();
    EXPECT_TRUE(a.wear > 0.0f && b.wear > bWear);
    EXPECT_EQ(std::pair(rival.damagePending, rival.wear), std::pair(0u, 0.0f));
    drainStateQueue();
    EXPECT_EQ(std::pair(currentStateId(), updateArgument()), std::pair(kStateRepairs, 0));
}

// The countdown's end on a level-2 house with a repair of 1,000: a player who has the cost gets a
// last chance at double (2,000), queued like every message, and loses the level on the board's next
// frame unless he pays it; without the cost, or for a rival, the level goes at once (only the
// player is told). Below level 0 see the condition table in payments_condition_test.
TEST_F(RepairsTest, TheDamageCountdownEndsInALastChanceOrALostLevel) {
    const struct {
        const char* what;
        int32_t owner, cash;
        bool lastChance;
        int32_t levelAfter, cashAfter;
        size_t told;
    } cases[] = {
        {"player, a dollar short of the cost", kOwnerPlayer, 999, false, 1, 999, 1},
        {"player with the cost, short of double", kOwnerPlayer, 1000, true, 1, 1000, 1},
        {"player with double the cost", kOwnerPlayer, 2000, true, 2, 0, 0},
        {"rival", 3, 1000000, false, 1, 1000000, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        clearNoticeLog();
        clearStateQueue();
        setStateSilently(kStateGame);
        HouseState& h = rented(0, 4, c.owner);
        h.damagePending = 1;
        h.damageCountdown = 0;
        h.repairCost = 1000;
        setCash(c.owner, c.cash);
        frameWorkStep(kPermanentDamageMs - 1);
        EXPECT_EQ(std::pair(h.level, queuedCount()), std::pair(2, 0));
        frameWorkStep(1);
        if (c.lastChance) {
            frameWorkStep(33); // while it waits, the countdown changes nothing more
            EXPECT_EQ(std::tuple(h.level, h.repairCost, queuedCount()), std::tuple(2, 2000, 1));
            drainStateQueue();
            EXPECT_EQ(std::pair(currentStateId(), updateArgument()), std::pair(kStateLastChanceRepairs, 0));
            EXPECT_EQ(payRepair(0), c.levelAfter == 2);
            setStateSilently(kStateGame);
            frameWorkStep(33);
        }
        EXPECT_EQ(std::tuple(queuedCount(), h.level, h.damagePending, cashOf(c.owner),
                             simtest::noticesOf(NoticeKind::kPermanentDamage).size()),
                  std::tuple(0, c.levelAfter, 0u, c.cashAfter, c.told));
    }
    // Outside the town: the index guard every house query shares.
    EXPECT_FALSE(payRepair(-1));
    EXPECT_FALSE(payRepair(houseCount));
}

// An upgrade (6,000) takes 13 days with the renter in; a complete renovation (6,000 x 2 levels x
// 0.8f = 9,600) moves the renter out for 8 days, then works 26 from the frame he leaves.
TEST_F(RepairsTest, UpgradeAndCompleteRenovationTakeTheirDays) {
    HouseState& h = rented(1, 2);
    setCash(kOwnerPlayer, 100000);
    queueRenosCompleteDialog = 1;
    startUpgrade(1);
    EXPECT_EQ(std::pair(cashOf(kOwnerPlayer), h.renoKind), std::pair(94000, kWorkUpgrade));
    frameWorkStep(kUpgradeMs - 1);
    EXPECT_EQ(h.level, 2);
    frameWorkStep(1);
    EXPECT_EQ(std::tuple(h.level, h.hasRenter, h.renoKind), std::tuple(3, 1u, kWorkNone));
    EXPECT_EQ(std::tuple(owners[0].renovationsDone, owners[0].completeRenosDone,
                         simtest::noticesOf(NoticeKind::kWorkFinished).size(), renosCompleteHouse),
              std::tuple(1, 0, 1ul, 1));
    ASSERT_EQ(queuedCount(), 1);
    drainStateQueue();
    EXPECT_EQ(std::pair(currentStateId(), updateArgument()), std::pair(kStateRenosComplete, 1));
    queueRenosCompleteDialog = 0;
    h.level = 2;
    startCompleteReno(1);
    EXPECT_EQ(std::pair(cashOf(kOwnerPlayer), h.evicting), std::pair(94000 - 9600, 1u));
    frameWorkStep(kMoveOutMs - 1);
    EXPECT_EQ(std::pair(h.hasRenter, h.renoElapsed), std::pair(1u, 0));
    frameWorkStep(1);
    EXPECT_EQ(std::tuple(h.hasRenter, h.evicting, h.renoElapsed), std::tuple(0u, 0u, 1));
    frameWorkStep(kCompleteRenoMs - 2);
    EXPECT_EQ(h.level, 2);
    frameWorkStep(1);
    EXPECT_EQ(std::tuple(h.level, owners[0].renovationsDone, owners[0].completeRenosDone),
              std::tuple(4, 2, 1));
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

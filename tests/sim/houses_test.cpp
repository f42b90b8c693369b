// House values, rents, moods and costs, with the worked figures to the dollar.
#include "sim/sim_test.h"

namespace {

using Houses = simtest::SimTest;

// Base rent 1,000 and value 100,000: float factors, truncated to the dollar (0.9f is just below
// 0.9), levels and rent levels outside the tables held to their ends, level -1 (permanent damage)
// on level 0's rent row; the value grows by a tenth of the base per level, whatever the level.
TEST_F(Houses, RentsAndValuesWorkedByHand) {
    const struct {
        int32_t level, rentLevel, economy; // economy -1: the plain economy (neutral)
        int32_t rent, value;
    } cases[] = {
        {0, bv::kRentNormal, -1, 899, 100000}, {1, bv::kRentNormal, -1, 1049, 110000},
        {2, bv::kRentLow, -1, 1104, 120000},   {9, 7, -1, 2299, 190000},
        {-1, bv::kRentNormal, -1, 899, 90000}, {-1, -3, -1, 764, 90000},
        {2, bv::kRentNormal, 0, 1299, 167999}, {2, bv::kRentNormal, 6, 1299, 83999},
    };
    simtest::makeTown(1);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "level " << c.level << " rent level " << c.rentLevel << " economy " << c.economy);
        bv::houseStates[0].level = c.level;
        bv::houseStates[0].rentLevel = c.rentLevel;
        bv::scenario.advancedEconomy = c.economy >= 0 ? 1 : 0;
        bv::economySchedule[0] = c.economy;
        bv::monthsElapsed = 0;
        EXPECT_EQ(std::pair(bv::currentRent(0), bv::currentValue(0)), std::pair(c.rent, c.value));
    }
    // A huge base value saturates instead of wrapping.
    bv::mapHouses[0].baseValue = 2000000000;
    bv::houseStates[0].level = 4;
    bv::scenario.advancedEconomy = 1;
    bv::economySchedule[0] = 0;
    EXPECT_EQ(bv::currentValue(0), INT32_MAX);
}

TEST_F(Houses, MoodComparesRenterHistoryWithLevelAndRent) {
    simtest::makeTown(1);
    // {history, level, rent level, mood}: a difference of 3 stays unhappy even at low rent.
    const int32_t cases[][4] = {
        {2, 2, bv::kRentNormal, bv::kMoodHappy},   {2, 2, bv::kRentHigh, bv::kMoodNeutral},
        {0, 2, bv::kRentNormal, bv::kMoodUnhappy}, {0, 2, bv::kRentLow, bv::kMoodNeutral},
        {0, 3, bv::kRentLow, bv::kMoodUnhappy},
    };
    for (const auto& c : cases) {
        bv::houseStates[0].renterHistory = c[0];
        EXPECT_EQ(bv::moodFor(0, c[1], c[2]), c[3]) << c[0] << " " << c[1] << " " << c[2];
    }
    bv::houseStates[0].level = 2;
    bv::houseStates[0].rentLevel = bv::kRentLow;
    EXPECT_EQ(bv::renterMoodOf(0), bv::kMoodNeutral);
}

// Each house query has its own guard against an index outside the town.
TEST_F(Houses, BadIndexesGiveNothing) {
    simtest::makeTown(3);
    for (int32_t bad : {-1, 3}) {
        EXPECT_TRUE(bv::getHouse(bad) == nullptr && bv::getMapHouse(bad) == nullptr) << bad;
        EXPECT_EQ(bv::currentValue(bad) + bv::rent(bad, 1) + bv::renovationCost(bad) +
                      bv::comparableListings(bad, false) + bv::houseEquity(bad),
                  0)
            << bad;
    }
}

TEST_F(Houses, ComparableListingsCountValueRatiosFromPointEightToBelowOnePointTwo) {
    simtest::makeTown(5);
    bv::scenario.advancedEconomy = 0;
    const int32_t values[5] = {100000, 110000, 80000, 83334, 125000};
    for (int32_t i = 0; i < 5; ++i) bv::mapHouses[i].baseValue = values[i];
    // 100000 / 110000 = 0.91 counts; / 80000 = 1.25 does not; / 83334 = 1.19999 counts;
    // / 125000 = 0.8 counts (the lower end is included). The house itself never counts.
    EXPECT_EQ(std::pair(bv::comparableListings(0, false), bv::comparableListings(0, true)), std::pair(3, 0));
    bv::houseStates[1].forSale = 1;
    bv::houseStates[2].forSale = 1;
    bv::houseStates[0].forSale = 1;
    EXPECT_EQ(bv::comparableListings(0, true), 1);
}

TEST_F(Houses, WorkCosts) {
    simtest::makeTown(1);
    bv::HouseState& h = bv::houseStates[0]; // the town's upgrade cost is 6,000
    h.level = 1;
    EXPECT_EQ(bv::upgradeCostOf(0), 6000);
    EXPECT_EQ(bv::renovationCost(0), 14400); // 6000 x 3 x 0.8f = 14400.0004
    h.level = 4;
    EXPECT_EQ(bv::renovationCost(0), 0);
    // Repairs: upgradeCost div (12..16) x the level's factor, 0.5 at level 0 (and -1), 1.0 at 2,
    // 1.5 at 4: 6,000 / 16 x 0.5 = 187.5 -> 187.
    const int32_t repairs[][3] = {{-1, 187, 250}, {0, 187, 250}, {2, 375, 500}, {4, 562, 750}};
    for (const auto& r : repairs) {
        h.level = r[0];
        for (int k = 0; k < 30; ++k) {
            const int32_t cost = bv::repairCostDraw(0);
            EXPECT_TRUE(cost >= r[1] && cost <= r[2]) << "level " << r[0] << ": " << cost;
        }
    }
}

TEST_F(Houses, OwnershipCounts) {
    simtest::makeTown(6);
    simtest::giveHouse(1, 0);
    simtest::listed(3, 0, 100000);
    simtest::giveHouse(4, 2);
    EXPECT_EQ(std::tuple(bv::housesOwnedBy(0), bv::listedHousesOf(0), bv::housesOwnedBy(bv::kOwnerBank)),
              std::tuple(2, 1, 3));
    const int32_t nth[4][2] = {{0, 1}, {1, 3}, {2, -1}, {-1, -1}};
    for (const auto& n : nth) EXPECT_EQ(bv::nthHouseOf(0, n[0]), n[1]) << n[0];
}

TEST_F(Houses, NewGameLeavesEveryHouseWithTheBankAtLevelZeroOrOne) {
    simtest::makeTown(200);
    for (int32_t i = 0; i < 200; ++i) {
        simtest::giveHouse(i, 0, 5);
        bv::houseStates[i].forSale = bv::houseStates[i].hasRenter = 1;
        bv::houseStates[i].reserved8[2] = 7;
    }
    bv::initHouses();
    int32_t levels[2] = {0, 0};
    for (int32_t i = 0; i < 200; ++i) {
        const bv::HouseState& h = bv::houseStates[i];
        ASSERT_TRUE(h.level == 0 || h.level == 1) << i;
        ++levels[h.level];
        EXPECT_TRUE(h.owner == bv::kOwnerBank && h.rentLevel == bv::kRentNormal && !h.forSale &&
                    !h.hasRenter && h.mtgPrincipal == 0 && h.reserved8[2] == 0)
            << i;
    }
    EXPECT_GT(std::min(levels[0], levels[1]), 50); // both levels are drawn
}

} // namespace

// The economy schedule, its queries and the outlook words.
#include "sim/sim_test.h"

namespace {

using Economy = simtest::SimTest;

TEST_F(Economy, FirstYearIsFixedAndLaterYearsDifferFromGameToGame) {
    bv::resetEconomy();
    int32_t previous[bv::kScheduleLength];
    std::memcpy(previous, bv::economySchedule, sizeof previous);
    bv::resetEconomy();
    EXPECT_NE(std::memcmp(previous, bv::economySchedule, sizeof previous), 0);
    EXPECT_EQ(std::vector<int32_t>(bv::economySchedule, bv::economySchedule + 12),
              (std::vector<int32_t>{3, 2, 1, 0, 2, 4, 5, 4, 3, 2, 1, 0}));
    for (int32_t m = 0; m < bv::kScheduleLength; ++m)
        EXPECT_TRUE(bv::economySchedule[m] >= 0 && bv::economySchedule[m] <= 6) << m;
    bv::monthsElapsed = 6;
    EXPECT_EQ(bv::currentEconomy(), 5);
}

// Every level longer than a year must still see the economy move: over many new games, no
// twelve months after the first year stand still, every two years see a boom (0..2) and a slump
// (4..6), and consecutive months never jump by more than two steps.
TEST_F(Economy, LaterYearsKeepSwingingBetweenBoomAndSlump) {
    for (int game = 0; game < 40; ++game) {
        bv::resetEconomy();
        const int32_t* s = bv::economySchedule;
        for (int32_t start = 12; start + 12 <= bv::kScheduleLength; ++start) {
            const auto [lo, hi] = std::minmax_element(s + start, s + start + 12);
            EXPECT_GE(*hi - *lo, 1) << "game " << game << " months " << start << "..";
        }
        for (int32_t start = 12; start + 24 <= bv::kScheduleLength; ++start) {
            const auto [lo, hi] = std::minmax_element(s + start, s + start + 24);
            EXPECT_LE(*lo, 2) << "game " << game << " months " << start << "..";
            EXPECT_GE(*hi, 4) << "game " << game << " months " << start << "..";
        }
        for (int32_t m = 12; m < bv::kScheduleLength; ++m)
            EXPECT_LE(std::abs(s[m] - s[m - 1]), 2) << "game " << game << " month " << m;
    }
}

TEST_F(Economy, RampLandsOnItsTargetInEqualSteps) {
    bv::economySchedule[19] = 1;
    EXPECT_EQ(bv::appendRamp(20, 5, 4), 25);
    // step (4 + 0.5) / 5 = 0.9: 0.9, 1.8, 2.7, 3.6, 4.5 -> +0, +1, +2, +3, +4
    const int32_t up[5] = {1, 2, 3, 4, 5};
    for (int32_t k = 0; k < 5; ++k) EXPECT_EQ(bv::economySchedule[20 + k], up[k]) << k;
    EXPECT_EQ(bv::appendRamp(25, 3, -5), 28); // 5 -> 0: -1.83, -3.67, -5.5
    EXPECT_EQ(bv::economySchedule[26], 2);
    EXPECT_EQ(bv::appendRamp(28, 2, -3), 30); // held at 0
    EXPECT_EQ(bv::economySchedule[29], 0);
    EXPECT_EQ(bv::appendRamp(117, 10, 1), 120); // stops at the end of the schedule
}

// Months past the schedule read its last entry, before it its first; a damaged saved entry reads as
// the weakest economy; without the advanced economy every month is neutral and never worsens.
TEST_F(Economy, EveryMonthReadsAnEconomyInRange) {
    bv::resetEconomy();
    bv::economySchedule[119] = 5;
    bv::economySchedule[50] = 99;
    const int32_t cases[][3] = {
        {1, 120, 5}, {1, -4, 3}, {1, 50, 6}, {0, 3, 3}, {0, 50, 3}, {0, 500, 3},
    }; // {advanced, month, economy}
    for (const auto& c : cases) {
        bv::scenario.advancedEconomy = c[0];
        EXPECT_EQ(bv::economyAt(c[1]), c[2]) << c[0] << " " << c[1];
    }
    EXPECT_FLOAT_EQ(bv::economyValueFactor(9), 0.7f);
}

// Worse next month or the month after, over the first year 3 2 1 0 2 4 5 4 3 2 1 0; never without
// the advanced economy. {advanced, month, worse}
TEST_F(Economy, WorsensSoonLooksTwoMonthsAhead) {
    bv::resetEconomy();
    const int32_t cases[][3] = {{1, 3, 1}, {1, 2, 1}, {1, 8, 0}, {1, 9, 0}, {0, 2, 0}};
    for (const auto& c : cases) {
        bv::scenario.advancedEconomy = c[0];
        bv::monthsElapsed = c[1];
        EXPECT_EQ(bv::economyWorsensSoon(), c[2] != 0) << c[0] << " " << c[1];
    }
}

TEST_F(Economy, OutlookWords) {
    bv::resetEconomy();
    struct Case {
        int32_t now, next;
        const char* word;
    } cases[] = {
        {3, 2, "growing"},   {5, 4, "improving"},        {2, 2, "stable"}, {4, 4, "flat"},
        {1, 3, "shrinking"}, {4, 6, "furtherWeakening"}, {3, 3, "stable"},
    };
    bv::monthsElapsed = 40;
    for (const Case& c : cases) {
        bv::economySchedule[40] = c.now;
        bv::economySchedule[41] = c.next;
        EXPECT_STREQ(bv::economyOutlookKey(), c.word) << c.now << " -> " << c.next;
    }
    bv::monthsElapsed = 119;
    EXPECT_EQ(bv::economyTrend(), 0);
    EXPECT_STREQ(bv::economyOutlookKey(), "sustained");
    bv::monthsElapsed = 400;
    EXPECT_STREQ(bv::economyOutlookKey(), "sustained");
}

TEST_F(Economy, ChartPointsStartAtThePreviousMonth) {
    bv::resetEconomy();
    bv::monthsElapsed = 0;
    EXPECT_EQ(bv::economyChartIndex(0), 3); // month 0 at the start
    EXPECT_EQ(bv::economyChartIndex(4), 0); // month 3
    bv::monthsElapsed = 5;
    EXPECT_EQ(bv::economyChartIndex(0), 2); // month 4
    bv::monthsElapsed = 115;
    EXPECT_TRUE(bv::economyChartSegmentDrawn(5));  // month 119
    EXPECT_FALSE(bv::economyChartSegmentDrawn(6)); // month 120
}

} // namespace

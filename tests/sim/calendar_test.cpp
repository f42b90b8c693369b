// The day clock, month lengths, hurried days and the month end.
#include "sim/sim_test.h"

namespace {

class Calendar : public simtest::SimTest {
  protected:
    void SetUp() override {
        simtest::SimTest::SetUp();
        simtest::makeTown(2);
    }
};

// A day is 31 ticks of 33 ms (1,023 ms); long frames carry more ticks but still run one day at a
// time, and the new day starts its clock again from 0.
TEST_F(Calendar, ADayTakes31FrameTicks) {
    const struct {
        int32_t ticks, frames, day, clock;
    } cases[] = {{1, 30, 0, 990}, {1, 1, 1, 0}, {1, 31, 2, 0}, {10, 3, 2, 990}, {10, 1, 3, 0}};
    for (const auto& c : cases) {
        bv::frameTicks = c.ticks;
        bv::frameMs = c.ticks * 33;
        simtest::frames(c.frames);
        EXPECT_EQ(std::pair(bv::dayOfMonth, bv::dayClock), std::pair(c.day, c.clock))
            << c.ticks << " x " << c.frames;
    }
}

TEST_F(Calendar, HurriedDaysPassEveryFrameWhateverItsTicks) {
    bv::hurry();
    EXPECT_EQ(std::pair(bv::hurryMonth, simtest::noticesOf(bv::NoticeKind::kMonthHurried).size()),
              std::pair(1, 1ul));
    bv::frameTicks = 7;
    bv::frameMs = 231;
    simtest::frames(30); // January's 31st day is the next month's day 0
    EXPECT_EQ(bv::dayOfMonth, 30);
    simtest::frames(1);
    EXPECT_EQ(std::pair(bv::monthsElapsed, bv::hurryMonth), std::pair(1, 0)); // the month end stops the hurry
    bv::frameTicks = 1;
    bv::frameMs = 33;
    simtest::frames(1);
    EXPECT_EQ(bv::dayOfMonth, 0);
}

// Two years of days from February, February 28 days long in every year.
TEST_F(Calendar, MonthLengthsWithoutLeapYearsFromTheCalendarsOrigin) {
    const int32_t lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    EXPECT_EQ(std::pair(bv::daysInMonth(12), bv::daysInMonth(-1)), std::pair(30, 30));
    bv::startMonth = 1;
    for (int32_t m = 0; m < 24; ++m) {
        int32_t d = 0;
        for (const int32_t month = bv::monthsElapsed; bv::monthsElapsed == month; ++d) bv::nextDay();
        EXPECT_EQ(d, lengths[(m + 1) % 12]) << "month " << m;
    }
    EXPECT_EQ(bv::currentMonthOfYear(), 1);
}

TEST_F(Calendar, MonthEndRefreshesMoodsAndCalmsCrankySellers) {
    bv::HouseState& a = bv::houseStates[0];
    bv::HouseState& b = bv::houseStates[1];
    a.crankyMonths = 2;
    b.crankyMonths = -3; // below 1 becomes 0
    a.level = 2;
    a.renterHistory = 0;
    a.renterMood = bv::kMoodHappy; // stale
    bv::dayOfMonth = 20;
    bv::monthEnd();
    EXPECT_EQ(std::tuple(bv::dayOfMonth, a.crankyMonths, b.crankyMonths, a.renterMood),
              std::tuple(0, 1, 0, bv::kMoodUnhappy));
    bv::monthEnd();
    EXPECT_EQ(a.crankyMonths, 0);
}

TEST_F(Calendar, TimeUpStopsTheDaysAndKeepsTheClock) {
    // The level's term is over once its one month has passed.
    bv::setCalendarHooks({[] { return bv::monthsElapsed >= 1; }, nullptr});
    for (int32_t d = 0; d < 31; ++d) bv::nextDay();
    EXPECT_EQ(bv::monthsElapsed, 1);
    bv::dayClock = 1500;
    bv::nextDay();
    EXPECT_EQ(bv::dayOfMonth + bv::dayClock, 1500); // still day 0, the clock left unchanged
    bv::hurry();
    bv::frameTicks = 10;
    bv::dayClock = 2147480000;
    simtest::frames(3); // the clock cannot wrap while the level waits to end
    EXPECT_EQ(std::pair(bv::dayClock, bv::monthsElapsed), std::pair(INT32_MAX, 1));
}

} // namespace

#include "sim/calendar.h"

#include "core/clock.h"
#include "sim/cash.h"
#include "sim/daily_loop.h"
#include "sim/houses.h"
#include "sim/later_steps.h"
#include "sim/notices.h"

namespace bv {

int32_t dayClock = 0;
int32_t dayOfMonth = 0;
int32_t monthsElapsed = 0;
int32_t startMonth = 0;
int32_t startYear = 0;
int32_t hurryMonth = 0;
int32_t levelOver = 0;

namespace {
CalendarHooks g_hooks{};
constexpr int32_t kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
} // namespace

void setCalendarHooks(const CalendarHooks& hooks) {
    g_hooks = hooks;
}

int32_t daysInMonth(int32_t monthOfYear) {
    return monthOfYear >= 0 && monthOfYear < 12 ? kMonthLengths[monthOfYear] : 30;
}

int32_t currentMonthOfYear() {
    return static_cast<int32_t>((static_cast<int64_t>(startMonth) + monthsElapsed) % 12);
}

int32_t currentYear() {
    return saturate32((static_cast<int64_t>(startMonth) + monthsElapsed) / 12 + startYear);
}

void advanceDayClock() {
    const int32_t perTick = hurryMonth ? kHurriedDayMs : kTickMs;
    // Saturating: while the level's time is up the clock keeps counting without a new day.
    dayClock = addSaturated(dayClock, mulSaturated(perTick, frameTicks));
    if (dayClock >= kDayMs) nextDay();
}

void nextDay() {
    if (levelOver) return;
    if (g_hooks.termOver && g_hooks.termOver()) {
        levelOver = 1;
        return;
    }
    dayClock = 0;
    ++dayOfMonth;
    if (dayOfMonth >= daysInMonth(currentMonthOfYear())) monthEnd();
    // A level that ended at the month end takes nothing more of the day with it.
    if (levelOver) return;
    dailyWearStep();
    dailyHouseLoop();
}

void monthEnd() {
    ++monthsElapsed;
    dayOfMonth = 0;
    hurryMonth = 0;
    for (int32_t i = 0; i < houseCount; ++i) {
        HouseState& h = houseStates[i];
        h.renterMood = renterMoodOf(i);
        h.crankyMonths = h.crankyMonths > 1 ? h.crankyMonths - 1 : 0;
    }
    if (g_hooks.monthEnded && g_hooks.monthEnded()) levelOver = 1;
}

void hurry() {
    hurryMonth = 1;
    raiseNotice(Notice{NoticeKind::kMonthHurried});
}

void resetCalendar() {
    dayClock = 0;
    dayOfMonth = 0;
    monthsElapsed = 0;
    hurryMonth = 0;
    levelOver = 0;
}

void startLevelCalendar() {
    dayClock = 0;
    dayOfMonth = 0;
    hurryMonth = 0;
    levelOver = 0;
}

} // namespace bv

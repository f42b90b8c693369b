// The game's clock. While the board is current every frame advances the day clock: a day is 1000
// game milliseconds (31 frame ticks at 33 ms), or one frame tick while the player hurries the
// month. Each new day runs the month end first when the month is over (so the first day of a
// month is processed as day 0), then the day's wear and the daily house loop.
#pragma once

#include <cstdint>

namespace bv {

constexpr int32_t kDayMs = 1000;
constexpr int32_t kHurriedDayMs = 1000; // per tick: a hurried day passes every tick
constexpr int32_t kRentDay = 0;
constexpr int32_t kMortgageDay = 15;

// The calendar (saved with the game).
extern int32_t dayClock;      // game ms since the current day began
extern int32_t dayOfMonth;    // from 0
extern int32_t monthsElapsed; // months completed in the current level
extern int32_t startMonth;    // calendar origin: month of year of month 0
extern int32_t startYear;
extern int32_t hurryMonth; // 1 while the player has asked to finish the month quickly
// 1 once the level has ended (won, failed or the game won): the rest of that day does not run and
// the town stands still until the next level starts.
extern int32_t levelOver;

// 31, 28, 31, 30, ... for months of year 0..11 (no leap years); 30 for any other number.
int32_t daysInMonth(int32_t monthOfYear);
// (startMonth + monthsElapsed) mod 12 and the matching year.
int32_t currentMonthOfYear();
int32_t currentYear();

// One frame of the day clock: runs nextDay once when a whole day has passed.
void advanceDayClock();

// What the calendar asks of the level it runs in: whether the level's months are over (then the
// level ends and the day does not advance) and the goal check after a month has ended. The level
// flow installs them; without them the calendar runs on for ever.
struct CalendarHooks {
    bool (*termOver)();   // true when the level has just ended because its months are over
    bool (*monthEnded)(); // true when the month end has ended the level
};
void setCalendarHooks(const CalendarHooks& hooks);
// Unless the level's time is up: the next day, the month end when the month is over, the day's
// wear and the daily house loop.
void nextDay();
// Month counter up, day 0, no hurry, renter moods refreshed, cranky sellers a month calmer, and
// the goals' month-end check.
void monthEnd();
// The "EndMonth" button: days pass every tick until the month ends.
void hurry();

// Back to the first day of month 0 (new game); the origin is kept.
void resetCalendar();
// The next level starts at the beginning of a month: day 0, no time into it, no hurry, not over.
void startLevelCalendar();

} // namespace bv

// The economy: a fixed schedule of economy indexes, one per month of the level, written when a
// game starts and only read afterwards. Index 0 is the strongest economy, 3 neutral, 6 the
// weakest. Without the advanced economy every month reads 3.
#pragma once

#include <cstdint>

namespace bv {

constexpr int32_t kScheduleLength = 120;
constexpr int32_t kEconomyNeutral = 3;
constexpr int32_t kEconomyLevels = 7; // indexes 0..6

// The schedule itself (saved with the game). Entries are kept within 0..6.
extern int32_t economySchedule[kScheduleLength];

// New game: the fixed first year, then months 12..119 built as a run of booms and slumps (below).
void resetEconomy();

// Schedule builders; both append after `from` - 1 and stop at the end of the schedule, keeping
// every entry within 0..6. They return the month after the last one written.
// Random walk: each month is the previous one plus random(hi - lo) + lo.
int32_t appendRandomWalk(int32_t from, int32_t months, int32_t lo, int32_t hi);
// Ramp: `months` months moving from the previous entry to it plus `change` in equal steps. The
// step is (change +- 0.5) / months, accumulated in 32-bit float and added with truncation, so the
// last month lands exactly on the target.
int32_t appendRamp(int32_t from, int32_t months, int32_t change);

// 3 without the advanced economy; else the schedule entry, months of 120 or more reading entry 119
// and negative months entry 0.
int32_t economyAt(int32_t month);
int32_t currentEconomy();
// The economy weakens within the next two months (a higher index is a weaker economy).
bool economyWorsensSoon();
// 0 no future months, 1 no change, 2 weakening, 3 strengthening (next month against this one).
int32_t economyTrend();
// The string-table key of the outlook word ("growing", "flat" ...).
const char* economyOutlookKey();
// The display word of an index: the lettered family "economy_tags", wrapped.
const char16_t* economyTagText(int32_t index);

// Factors the index drives, one table each, indexed 0..6 (an index above 6 reads 6's).
float economyValueFactor(int32_t index);
float economyListingMultiplier(int32_t index);

// The chart's data: the index plotted at point k = 0..7 (month monthsElapsed + k - 1, month 0 at
// the start), and whether the segment into point k is drawn (its month is below 120).
int32_t economyChartIndex(int32_t k);
bool economyChartSegmentDrawn(int32_t k);

} // namespace bv

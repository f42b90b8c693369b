// The high-score screen (state 12): one of the five local tables over the title background, with
// arrows to the others and "back" (or Escape) to the title menu. Its argument is the place (1..10)
// to mark in the table shown on entry, 0 for none.
#pragma once

#include <cstdint>

namespace bv {

int32_t highScoresEnter(int32_t previousId, int32_t newId, int32_t argument);
int32_t highScoresUpdate(int32_t argument);

// Steps the shown table by delta (wrapping at both ends) and keeps the choice in the save.
void stepScoreTable(int32_t delta);
// The place marked in the shown table (0 when the table has none), for checks.
int32_t markedScorePlace();

// --- Online scores -----------------------------------------------------------------------------
// A panel drawn over the screen every frame after the table: it is given the shown table and the
// place marked in it (0 for none). None by default (nullptr).
using OnlineScoresPanel = void (*)(int32_t table, int32_t highlightedPlace);
void setOnlineScoresPanel(OnlineScoresPanel draw);

} // namespace bv

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
// Below the table sits the online scores panel (screens/online_scores.h): register a game name,
// submit the score just made.

} // namespace bv

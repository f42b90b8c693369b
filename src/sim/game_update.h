// The board's update (state 2, "game") in its fixed order of steps, and the new-game reset
// (state 1, "initGame").
#pragma once

#include <cstdint>

namespace bv {

constexpr int32_t kStateInitGame = 1;
constexpr int32_t kStateGame = 2;
constexpr int32_t kStateOptions = 16;
constexpr int32_t kStateDisplayGoals = 54;

// Set once a game has been started (a game in progress can be resumed and saved).
extern int32_t gameStarted;
// The I key's owner overlay on the board (drawn by the town view while set).
extern int32_t ownerOverlayShown;

// One frame of the board: the day clock, the rivals, the houses' frame timers, the bank's
// listings, the town view's drawing, the keys (Escape: options; I: owner overlay), the credit
// notice countdown, at most one queued dialog, and the level's goal check.
void gameUpdate();
// The new game: level 0, a fresh economy, the calendar at its start, new rivals, every house
// back with the bank at level 0 or 1, the level's starting cash; then the goals screen.
void resetGame();

// The state table's operations for states 1 and 2.
int32_t enterInitGame(int32_t previousId, int32_t newId, int32_t argument);
int32_t updateGame(int32_t argument);

// The town view draws itself inside the board's update (between the bank's listings and the
// keys); it installs its drawing here. nullptr draws nothing.
void setBoardDrawer(void (*drawer)());

} // namespace bv

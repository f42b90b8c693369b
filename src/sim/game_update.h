// The simulation's frame on the board, in its fixed order of steps, and its part of a new game.
#pragma once

#include <cstdint>

namespace bv {

// Set once a game has been started (a game in progress can be resumed and saved).
extern int32_t gameStarted;
// The I key's owner overlay on the board (drawn by the town view while set; saved with the game).
extern int32_t ownerOverlayShown;

// One frame of the simulation: the day clock (and with it the days and months), the rivals' turns,
// the houses' frame timers and the bank's listings.
void simulationFrame();
// The simulation's part of a new game: level 0, a fresh economy, the calendar at its start, no
// delayed cash, effects or pending dialogs, new rivals, every house back with the bank at level 0
// or 1, the level's starting cash for every investor.
void resetSimulation();

} // namespace bv

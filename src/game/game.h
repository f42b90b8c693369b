// Start-up, the frame loop and shut-down: the one place that wires every part of the game together.
#pragma once

#include <cstdint>

#include "core/clock.h"

namespace bv {

// Start-up in its fixed order; ends in the first state.
void gameInit();
// One pass of the frame loop (pump input ... pace ... quit check).
void runFrame();
// gameInit, the statistics line, the loop until exitGame, shut-down. Returns 0.
int gameMain();
void gameShutdown();
// The name entry when no game is in progress and no player name is stored, else the title menu.
int32_t chooseFirstState(bool gameInProgress, bool playerNameStored);

} // namespace bv

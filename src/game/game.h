// Start-up, the frame loop and shut-down: the one place that wires every part of the game together.
#pragma once

#include <cstdint>
#include <string>

#include "core/clock.h"

namespace bv {

// Start-up in its fixed order; ends in the first state.
void gameInit();
// One pass of the frame loop (pump input ... pace ... quit check).
void runFrame();
// gameInit, the loop until exitGame, shut-down. Returns 0. Prints nothing on a normal run.
int gameMain();
// F12: the frame as the player sees it, as a PNG in the pictures folder, with a note over the next
// frames saying where. Returns the path, or "" when it could not be written (the note says so).
std::string saveScreenshot();
void gameShutdown();
// The name entry when no game is in progress and no player name is stored, else the title menu.
int32_t chooseFirstState(bool gameInProgress, bool playerNameStored);

} // namespace bv

// Start-up, the frame loop and shut-down: the one place that wires every part of the game together.
#pragma once

#include <cstdint>
#include <string>

#include "core/clock.h"

namespace bv {

// Start-up in its fixed order; ends in the first state.
void gameInit();
// What the last gameInit cost in processor time (milliseconds since the process began): all of
// it, and the part spent in the logo sequence, whose length is fixed by its clock.
struct StartupCost {
    double totalCpuMs = 0.0;
    double logoCpuMs = 0.0;
};
StartupCost startupCost();
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

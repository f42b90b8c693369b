// Start-up, the frame loop and the frame clock.
#pragma once

#include <cstdint>

namespace bv {

constexpr int32_t kTickMs = 33;
constexpr int32_t kMaxFrameTicks = 10;

// The frame clock, written only by the frame loop.
extern int32_t frameTicks; // 1..10 ticks the last frame took
extern int32_t frameMs;    // frameTicks * 33: game milliseconds of the last frame
extern int32_t totalTicks;
extern int32_t frameCount;

extern int32_t exitGame;
extern int32_t quitDialogOpen;

// Whole ticks in an elapsed time, clamped to 1..10.
int32_t ticksForElapsed(uint32_t elapsedMs);

// Start-up in its fixed order; ends in the first state.
void gameInit();
// One pass of the frame loop (pump input ... pace ... quit check).
void runFrame();
// gameInit, the statistics line, the loop until exitGame, shut-down. Returns 0.
int gameMain();
void gameShutdown();
// The main menu's quit button.
void requestExit();
// 23 (name entry) when no game is in progress and no player name is stored, else 0.
int32_t chooseFirstState(bool gameInProgress, bool playerNameStored);

} // namespace bv

// The frame clock: how much game time the last frame took, and the run's totals. Only the frame
// loop writes it; everything that moves with time reads it.
#pragma once

#include <cstdint>

namespace bv {

constexpr int32_t kTickMs = 33;
constexpr int32_t kMaxFrameTicks = 10;

extern int32_t frameTicks; // 1..10 ticks the last frame took
extern int32_t frameMs;    // frameTicks * 33: game milliseconds of the last frame
extern int32_t totalTicks;
extern int32_t frameCount;

// Set when the game is to end after this frame (the main menu's quit, a closed window).
extern int32_t exitGame;
// Set while the quit dialog replaces the frame loop's passes.
extern int32_t quitDialogOpen;

// The main menu's quit button: the game ends after this frame.
void requestExit();

// Whole ticks in an elapsed time, clamped to 1..10.
int32_t ticksForElapsed(uint32_t elapsedMs);

} // namespace bv

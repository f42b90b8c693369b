// Driving the real game on the headless backend as a player does: frames, mouse clicks, keys and
// typed characters pushed as window events, and a scenario started as game set-up starts it. The
// script player (bvplay) and the reference player (bvbot) both play through these.
#pragma once

#include <cstdint>
#include <string>

namespace bv {

// Runs n frames, each exactly one tick on the headless backend; stops early when the game ends.
void driveFrames(int32_t n);
// Moves the mouse to (x, y) and runs one frame.
void driveMove(int32_t x, int32_t y);
// Moves there and presses and releases the left (or right) button over two frames.
void driveClick(int32_t x, int32_t y, bool right = false);
// Presses a key (a virtual key code), holds it for `frames` frames, releases it and runs one more;
// Enter, Escape, Tab and Backspace also type their control character, as the window does.
void driveKey(int32_t vk, int32_t frames = 1);
// Types the characters, one frame each.
void driveType(const std::string& text);
// Starts the scenario file `name` ("career" or "career.bvx") at level 0 with difficulty 0..2, as
// game set-up does. False when no such scenario is listed or it cannot be started.
bool startScenarioNamed(const std::string& name, int32_t difficulty);

} // namespace bv

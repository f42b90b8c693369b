// The real game on the headless backend with a shipped scenario on the board (state 2), and the
// helpers the board's tests share: houses handed to the player, whole frames and clicks.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

namespace boardtest {

// Starts the scenario file at level 0 on Normal through a new game (state 1) and the board.
void startOnBoard(const char* scenarioFile);
// One frame of the frame loop (one tick of the headless clock).
void frame();
void frames(int32_t n);
// Mouse down and up over two frames, as a player's click.
void click(int32_t x, int32_t y);
void moveMouse(int32_t x, int32_t y);
// Frames until the calendar shows that month and day, or the board is left (a dialog opened).
void runUntil(int32_t month, int32_t day);

// House i becomes the player's with a 60-month mortgage of `principal` at 12 %, and optionally a
// renter (history 3, normal rent).
void givePlayerHouse(int32_t i, int32_t principal, bool renter);
// A pixel that shows house i in the town (its own in the hit map, above the panel), or false.
bool housePixel(int32_t i, int32_t& x, int32_t& y);

class BoardTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;
};

} // namespace boardtest

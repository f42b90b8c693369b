// A small town in memory for the simulation tests: houses made through the map's own editor
// operation, a scenario with one level, and every simulation global back at its start.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "sim/notices.h"
#include "world/house_state.h"

namespace simtest {

struct HouseTemplate {
    int32_t baseValue = 100000;
    int32_t baseRent = 1000;
    int32_t upgradeCost = 6000;
    int32_t x = 400;
    int32_t y = 300;
};

// Replaces the town with `count` houses of the given description (house i at x + i).
void makeTown(int32_t count, const HouseTemplate& shape = HouseTemplate());

// Scenario with one level of `monthsToPlay` months, the advanced economy on or off, and all
// simulation state (calendar, owners, credit notice, notice log, queue, random generator) fresh.
void resetWorld(bool advanced, int32_t monthsToPlay = 119);

// Runs `n` game frames of one tick each the way the frame loop does: the board's update (the
// simulation's steps, the credit notice, one queued dialog), then the effect list.
void frames(int32_t n);
// Runs whole days through the clock (31 ticks each) until the calendar has advanced `n` days.
void days(int32_t n);
// Advances to the given day of month (running days), staying in the current month when it is
// still ahead, else in the next.
void toDay(int32_t day);

// Gives house `i` to `owner` with a mortgage of `principal` at `rate` % for 60 months.
void giveHouse(int32_t i, int32_t owner, int32_t principal = 0, float rate = 12.0f);

// Puts house `i` of `owner` up for sale at `price`, its last cut `daysSinceCut` days ago.
bv::HouseState& listed(int32_t i, int32_t owner, int32_t price, int32_t daysSinceCut = 0);
// The advanced economy at index `e` for every month of the schedule.
void setEconomy(int32_t e);

// The notices of one kind raised since the world was reset, oldest first.
std::vector<bv::Notice> noticesOf(bv::NoticeKind kind);

class SimTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace simtest

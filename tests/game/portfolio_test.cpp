// The portfolio (state 9) on the real game headless: owner and house indexes wrapped from the
// state argument and the arrows.
#include <gtest/gtest.h>

#include "audio/sound.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "game/board_fixture.h"
#include "screens/screens.h"
#include "sim/houses.h"
#include "sim/owner.h"
#include "ui/hotspots.h"

namespace {

using namespace boardtest;
using namespace bv;

constexpr int32_t kPortfolio = 9;
constexpr int32_t kLeftArrowX = 505, kRightArrowX = 545, kArrowY = 358;

class Portfolio : public BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        startOnBoard("career");
    }
    // Opens the portfolio as the board's callers do and lets its frame grow open.
    void open(int32_t argument) {
        changeState(kPortfolio, argument);
        frames(11);
        ASSERT_EQ(currentStateId(), kPortfolio);
    }
    static bool clickable(int32_t x, int32_t y) { return hotSpotAt(x, y) != 0; }
};

// The argument is owner << 8 | house index; both wrap round.
TEST_F(Portfolio, OwnerAndHouseIndexWrapAndTheArrowsStepThroughTheHouses) {
    givePlayerHouse(2, 10000, false);
    givePlayerHouse(5, 10000, false);
    givePlayerHouse(8, 10000, false);
    const int32_t cases[][3] = {// argument, owner, house
                                {-1 * 256, 4, -1},     {5 << 8, 0, 2},       {4 << 8, 4, -1},
                                {(3 << 8) | 7, 3, -1}, {(0 << 8) | 3, 0, 2}, {(0 << 8) | 2, 0, 8}};
    for (const auto& c : cases) {
        open(c[0]);
        EXPECT_EQ(portfolioOwner(), c[1]) << c[0];
        if (c[2] >= 0) {
            EXPECT_EQ(portfolioHouse(), c[2]) << c[0];
        }
    }
    open(kOwnerPlayer << 8);
    ASSERT_TRUE(clickable(kLeftArrowX, kArrowY));
    ASSERT_TRUE(clickable(kRightArrowX, kArrowY));
    click(kLeftArrowX, kArrowY); // below the first: the last
    EXPECT_EQ(portfolioHouseIndex(), 2);
    EXPECT_EQ(portfolioHouse(), 8);
    EXPECT_EQ(lastSoundRequested(), 20); // "generic_ui_10b.wav"
    click(kRightArrowX, kArrowY);        // past the last: the first
    EXPECT_EQ(portfolioHouse(), 2);
    click(kRightArrowX, kArrowY);
    EXPECT_EQ(portfolioHouse(), 5);
}

} // namespace

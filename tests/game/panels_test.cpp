// The board's house panel on a shipped career town: each button leads to its dialog; the
// portfolio (state 9) with its owner and house indexes wrapped from the state argument and the
// arrows.
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

constexpr int32_t kPortfolio = 9;
constexpr int32_t kLeftArrowX = 505, kRightArrowX = 545, kArrowY = 358;

class TownView : public BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        startOnBoard("career");
        for (int32_t i = 0; i < bv::houseCount; ++i) bv::houseStates[i].forSale = 0;
    }
    // Selects house i through a click on its own pixels and lets the flight land.
    void selectByClick(int32_t i) {
        int32_t x = 0, y = 0;
        ASSERT_TRUE(housePixel(i, x, y)) << "house " << i << " shows somewhere";
        click(x, y);
        frames(8);
        ASSERT_EQ(bv::selectedHouse, i);
        moveMouse(790, 590);
    }
    // Opens the portfolio as the board's callers do and lets its frame grow open.
    void openPortfolio(int32_t argument) {
        bv::changeState(kPortfolio, argument);
        frames(11);
        ASSERT_EQ(bv::currentStateId(), kPortfolio);
    }
};

// The panel's buttons at x 725 for the selected house: the player's unlisted house 4 (upgrade at
// y 505, changeRent at 540, sell at 575; upgrade does nothing at the top level), the listed house 5
// (makeOffer at 505, or the not-enough-cash notice).
TEST_F(TownView, ButtonsLeadToTheirDialogs) {
    givePlayerHouse(4, 100000, false);
    bv::houseStates[5].forSale = 1;
    bv::houseStates[5].askingPrice = 100000;
    const struct {
        int32_t house, level, cash, y, state;
    } cases[] = {
        {4, 0, 1000000, 575, bv::kStateSetSalePrice}, {4, 0, 1000000, 540, bv::kStateSetRent},
        {4, 0, 1000000, 505, bv::kStateUpgrade},      {4, 4, 1000000, 505, bv::kStateGame},
        {5, 0, 1000000, 505, bv::kStateMakeOffer},    {5, 0, 10, 505, bv::kStateNotEnoughCash},
    };
    for (const auto& c : cases) {
        bv::changeState(bv::kStateGame);
        if (bv::selectedHouse != c.house) selectByClick(c.house);
        bv::houseStates[c.house].level = c.level;
        bv::owners[0].cash = c.cash;
        frame();
        click(725, c.y);
        EXPECT_EQ(bv::currentStateId(), c.state) << "house " << c.house << " y " << c.y << " cash " << c.cash;
    }
}

// The argument is owner << 8 | house index; both wrap round.
TEST_F(TownView, OwnerAndHouseIndexWrapAndTheArrowsStepThroughTheHouses) {
    givePlayerHouse(2, 10000, false);
    givePlayerHouse(5, 10000, false);
    givePlayerHouse(8, 10000, false);
    const int32_t cases[][3] = {// argument, owner, house
                                {-1 * 256, 4, -1},     {5 << 8, 0, 2},       {4 << 8, 4, -1},
                                {(3 << 8) | 7, 3, -1}, {(0 << 8) | 3, 0, 2}, {(0 << 8) | 2, 0, 8}};
    for (const auto& c : cases) {
        openPortfolio(c[0]);
        EXPECT_EQ(bv::portfolioOwner(), c[1]) << c[0];
        if (c[2] >= 0) {
            EXPECT_EQ(bv::portfolioHouse(), c[2]) << c[0];
        }
    }
    openPortfolio(bv::kOwnerPlayer << 8);
    ASSERT_TRUE(bv::hotSpotAt(kLeftArrowX, kArrowY));
    ASSERT_TRUE(bv::hotSpotAt(kRightArrowX, kArrowY));
    click(kLeftArrowX, kArrowY); // below the first: the last
    EXPECT_EQ(bv::portfolioHouseIndex(), 2);
    EXPECT_EQ(bv::portfolioHouse(), 8);
    EXPECT_EQ(bv::lastSoundRequested(), 20); // "generic_ui_10b.wav"
    click(kRightArrowX, kArrowY);            // past the last: the first
    EXPECT_EQ(bv::portfolioHouse(), 2);
    click(kRightArrowX, kArrowY);
    EXPECT_EQ(bv::portfolioHouse(), 5);
}

} // namespace

// The board's house panel on a shipped career town: each button leads to its dialog.
#include <gtest/gtest.h>

#include "core/state.h"
#include "core/state_ids.h"
#include "game/board_fixture.h"
#include "sim/houses.h"
#include "sim/owner.h"

namespace {

using namespace boardtest;

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

} // namespace

// The board on a shipped career town: selecting houses through the hit map, the house panel's
// figures and buttons, the top bar and the status marks, checked on the presented frames.
#include <gtest/gtest.h>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "audio/sound.h"
#include "core/clock.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "game/board_fixture.h"
#include "gfx/draw.h"
#include "screens/town_view.h"
#include "sim/calendar.h"
#include "sim/houses.h"
#include "sim/market.h"
#include "sim/owner.h"
#include "sim/repairs.h"
#include "ui/hotspots.h"
#include "world/map.h"

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

TEST_F(TownView, ClickingAHouseFliesItToThePanelThenSelectsIt) {
    int32_t x = 0, y = 0;
    ASSERT_TRUE(housePixel(2, x, y));
    bv::selectedHouse = -1;
    click(x, y);
    EXPECT_EQ(bv::lastSoundRequested(), 41);
    EXPECT_EQ(bv::houseInFlight(), 2);
    EXPECT_EQ(bv::selectedHouse, -1) << "selected only when the picture lands (200 ms)";
    frames(6); // two click frames + six: 8 ticks of 33 ms
    EXPECT_EQ(bv::selectedHouse, 2);
    EXPECT_EQ(bv::houseInFlight(), -1);
    // The same house again only clicks.
    click(x, y);
    EXPECT_EQ(bv::lastSoundRequested(), 21);
    EXPECT_EQ(bv::houseInFlight(), -1);
}

TEST_F(TownView, TheHitMapDecidesWhichHouseAClickSelects) {
    // A pixel of each house selects that house and no other; the panel's rows select nothing.
    for (int32_t i = 0; i < bv::houseCount; ++i) {
        int32_t x = 0, y = 0;
        if (!housePixel(i, x, y)) continue;
        selectByClick(i);
    }
    const int32_t before = bv::selectedHouse;
    click(300, 500);
    frames(8);
    EXPECT_EQ(bv::selectedHouse, before);
}

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

TEST_F(TownView, EndMonthButtonHurriesTheMonthAndIsTaggedForTheTutorial) {
    frame();
    const bv::HotSpot* spot = bv::findHotSpotByTag(24);
    ASSERT_NE(spot, nullptr);
    EXPECT_EQ(spot->left, 730 - 65);
    EXPECT_EQ(spot->top, 17 - 15);
    click(730, 17);
    EXPECT_EQ(bv::hurryMonth, 1);
    const int32_t month = bv::monthsElapsed;
    for (int32_t i = 0; i < 40 && bv::monthsElapsed == month; ++i) frame();
    EXPECT_EQ(bv::monthsElapsed, month + 1);
    EXPECT_EQ(bv::hurryMonth, 0);
}

TEST_F(TownView, ListedHousesWaveTheirSignsAndRentedHousesShowTheirMeter) {
    bv::houseStates[0].forSale = 1;
    bv::houseStates[0].askingPrice = 50000;
    givePlayerHouse(1, 50000, true);
    bv::houseStates[1].wear = 0.5f;
    frame();
    const bv::MapHouse& m = bv::mapHouses[1];
    // The damage meter: a 40 x 6 bar from (x - 20, y + 2), half filled with the wear.
    const uint32_t filled = shownPixel(m.x - 20 + 5, m.y + 2 + 3);
    const uint32_t rest = shownPixel(m.x - 20 + 35, m.y + 2 + 3);
    EXPECT_NE(filled, rest);
    EXPECT_GT((filled >> 16) & 0xFF, 200u) << "yellow wear";
    // Clicking the wear bar shows the damage-meter message.
    click(m.x, m.y + 4);
    EXPECT_EQ(bv::currentStateId(), bv::kStateSimpleDialog);
    bv::changeState(bv::kStateGame);
    bv::houseStates[1].damagePending = 1;
    click(m.x, m.y + 4);
    EXPECT_EQ(bv::currentStateId(), bv::kStateRepairs);
}

TEST_F(TownView, GoalsButtonOpensTheGoalsOnlyWhenTheLevelHasGoals) {
    // The first career level sets a goal: the button counts it and opens the goals screen.
    frame();
    EXPECT_GT(darkPixels(665, 462, 120, 22), 20) << "the goal count on the button";
    click(725, 473);
    EXPECT_EQ(bv::currentStateId(), bv::kStateDisplayGoals);
    // The tycoon game has no goals in force: the button is drawn disabled.
    startOnBoard("tycoon");
    click(725, 473);
    EXPECT_EQ(bv::currentStateId(), bv::kStateGame);
}

} // namespace

// Months on the board with the drawing in place: rent flying into the cash display, the mortgage
// flying out on day 15, a foreclosure with its notice, the purchase announcement's card, and the
// credit screens.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "game/board_fixture.h"
#include "gfx/draw.h"
#include "gfx/framebuffer.h"
#include "screens/board_parts.h"
#include "screens/float_effects.h"
#include "screens/screens.h"
#include "screens/town_view.h"
#include "sim/calendar.h"
#include "sim/credit.h"
#include "sim/daily_loop.h"
#include "sim/economy.h"
#include "sim/houses.h"
#include "sim/owner.h"
#include "ui/hotspots.h"
#include "world/map.h"

namespace {

using namespace boardtest;

class BoardFlow : public BoardTest {};

// The slot of the active money flight, or -1.
int32_t moneyFlightSlot() {
    for (int32_t s = 0; s < bv::kFloatSlots; ++s)
        if (bv::floatEffect(s).active && (bv::floatEffect(s).kind & bv::kFloatMoneyFlight)) return s;
    return -1;
}

// The flight's amount picture stands on the presented frame where the flight was drawn.
void expectAmountShown(const bv::FloatEffect& e) {
    const bv::Sprite& p = e.picture;
    ASSERT_GT(p.width, 0);
    int32_t compared = 0;
    for (int32_t y = 0; y < p.height; ++y)
        for (int32_t x = 0; x < p.width; ++x) {
            const uint32_t px = p.pixels[y * p.width + x];
            const int32_t sx = int32_t(e.x) + p.xOffset + x, sy = int32_t(e.y) + p.yOffset + y;
            if ((px >> 24) != 255 || sx < 0 || sy < 0 || sx >= 800 || sy >= 600) continue;
            // Opaque pixels go through the one blending rule at full alpha.
            EXPECT_EQ(shownPixel(sx, sy), bv::blendColour(px, 0, 255)) << x << "," << y;
            ++compared;
        }
    EXPECT_GT(compared, 10);
}

// The house farthest from the cash display, so that its flights last several frames.
int32_t farHouse() {
    int32_t best = 0;
    float bestDistance = 0.0f;
    for (int32_t i = 0; i < bv::houseCount; ++i) {
        const float dx = float(bv::mapHouses[i].x) - 160.0f, dy = float(bv::mapHouses[i].y) - 25.0f;
        if (dx * dx + dy * dy > bestDistance) best = i, bestDistance = dx * dx + dy * dy;
    }
    return best;
}

// A renter who moved out or an applicant opens a dialog at once, which holds the effects; back on
// the board the flight goes on and is drawn.
void backToBoard() {
    if (bv::currentStateId() == bv::kStateGame) return;
    bv::changeState(bv::kStateGame);
    frame();
}

TEST_F(BoardFlow, RentFliesIntoTheCashDisplayAndLandsInTheCash) {
    startOnBoard("career");
    const int32_t house = farHouse();
    givePlayerHouse(house, 40000, true);
    runUntil(0, 27);
    const int32_t before = bv::owners[0].cash;
    const int32_t rent = bv::currentRent(house);
    runUntil(1, 0);
    backToBoard();
    const int32_t slot = moneyFlightSlot();
    ASSERT_GE(slot, 0);
    const bv::FloatEffect& e = bv::floatEffect(slot);
    EXPECT_EQ(e.amount, rent);
    EXPECT_EQ(e.endX, 160.0f);
    EXPECT_EQ(e.endY, 25.0f);
    expectAmountShown(e);
    EXPECT_EQ(bv::owners[0].cash, before) << "still flying";
    // About 2 pixels per ms: the flight lands within its duration.
    frames(e.duration / 33 + 2);
    EXPECT_EQ(moneyFlightSlot(), -1);
    EXPECT_EQ(bv::owners[0].cash, before + rent);
}

TEST_F(BoardFlow, FourthMissedPaymentShowsTheForeclosureNotice) {
    startOnBoard("career");
    givePlayerHouse(4, 900000, false);
    bv::owners[0].cash = 0;
    runUntil(3, 14);
    EXPECT_EQ(bv::houseStates[4].monthsInArrears, 3);
    runUntil(3, 15);
    // The notice waits in the dialog queue behind any message of the same day.
    for (int i = 0; i < 40 && bv::currentStateId() != bv::kStateForeclosure; ++i) {
        const int32_t state = bv::currentStateId();
        if (state == 55 || state == 27 || state == 35) bv::changeState(bv::kStateGame);
        frames(1);
    }
    ASSERT_EQ(bv::currentStateId(), bv::kStateForeclosure);
    EXPECT_EQ(bv::foreclosedHouse, 4);
    frames(12);
    // Open: the "OK" button at (400, 395) takes the player back to the board.
    EXPECT_GT(darkPixels(170, 340, 400, 20), 30) << "the notice's body";
    click(400, 395);
    EXPECT_EQ(bv::currentStateId(), bv::kStateGame);
    EXPECT_EQ(bv::houseStates[4].owner, bv::kOwnerBank);
}

TEST_F(BoardFlow, ForeclosureNoticeWithoutAHouseGoesBackToTheBoard) {
    startOnBoard("career");
    bv::foreclosedHouse = -1;
    bv::changeState(bv::kStateForeclosure, 9999);
    EXPECT_EQ(bv::currentStateId(), bv::kStateGame);
}

// The credit screens on the board: the rise notice (its timing is the simulation's) and the details
// opened with the gauge; each shows its text and its "OK" returns to the board.
TEST_F(BoardFlow, CreditScreensOpenShowTheirTextAndReturn) {
    const struct {
        bool fromGauge;
        int32_t state, textX, textY, textW, textH, okY;
    } cases[] = {{false, bv::kStateCreditImproves, 120, 258, 300, 18, 383},
                 {true, bv::kStateCreditDetails, 100, 140, 600, 40, 535}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        startOnBoard("tycoon");
        frame();
        if (c.fromGauge) {
            const bv::HotSpot* spot = nullptr;
            for (int32_t i = 0; i < bv::hotSpotCount(); ++i)
                if (bv::hotSpotByIndex(i)->value == 48) spot = bv::hotSpotByIndex(i);
            ASSERT_NE(spot, nullptr);
            click(spot->left + spot->width / 2, spot->top + spot->height / 2);
        } else {
            bv::owners[0].creditPoints = 48;
            bv::owners[0].creditRating = 0;
            bv::creditEvent(bv::kCreditPurchase, 0, 300, 200);
            frames(32);
        }
        ASSERT_EQ(bv::currentStateId(), c.state);
        frames(12);
        EXPECT_GT(darkPixels(c.textX, c.textY, c.textW, c.textH), 30);
        click(400, c.okY);
        EXPECT_EQ(bv::currentStateId(), bv::kStateGame);
    }
}

} // namespace

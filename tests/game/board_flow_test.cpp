// Months on the board with the drawing in place: a foreclosure with its notice.
#include <gtest/gtest.h>

#include "core/state.h"
#include "core/state_ids.h"
#include "game/board_fixture.h"
#include "screens/screens.h"
#include "sim/daily_loop.h"
#include "sim/houses.h"
#include "sim/owner.h"

namespace {

using namespace boardtest;

class BoardFlow : public BoardTest {};

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

} // namespace

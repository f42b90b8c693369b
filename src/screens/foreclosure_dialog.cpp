// The foreclosure notice (state 24): the bank has taken back one of the player's houses after its
// fourth missed payment. The queue's argument names the house, so that two foreclosures on one day
// each show their own.
#include "assets/strings.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "screens/board_parts.h"
#include "screens/town_view.h"
#include "sim/daily_loop.h"
#include "sim/houses.h"
#include "ui/button.h"
#include "ui/dialog.h"

namespace bv {

namespace {
constexpr uint32_t kTitleTeal = 0x00707A; // the notice's cyan, deep enough to read on the cream
} // namespace

int32_t enterForeclosureDialog(int32_t, int32_t, int32_t argument) {
    if (getHouse(argument)) foreclosedHouse = argument;
    if (!getHouse(foreclosedHouse)) {
        changeState(kStateGame);
        return 0;
    }
    openDialogCentred();
    return 0;
}

int32_t updateForeclosureDialog(int32_t) {
    if (!getHouse(foreclosedHouse)) {
        changeState(kStateGame);
        return 0;
    }
    if (!dialogFrame(150, 60, 500, 380)) return 0;
    pushFont(&fontArial20Brown);
    printKey(400, 110, true, kTitleTeal, "foreclosureNoticeTitle");
    const int32_t titleBottom = 110 + lineHeight();
    popFont();
    drawHouseCard(foreclosedHouse, 400, titleBottom + 5);
    pushFont(&fontArial15Brown);
    setTextArea(170, 340, 630, 600);
    printKey(170, 340, false, 0, "foreclosureNoticeBody");
    setTextArea(0, 0, kFrameWidth, kFrameHeight);
    popFont();
    button(400, 395, 100, 30, text("OK"), kStateGame, goStateClick);
    return 0;
}

} // namespace bv

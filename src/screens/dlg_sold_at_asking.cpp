// Sold at the asking price (state 50): a buyer paid what the player asked; the sale is done.
#include "assets/strings.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "screens/board_parts.h"
#include "screens/market_dialogs.h"
#include "screens/town_view.h"
#include "sim/houses.h"
#include "sim/market.h"
#include "sim/owners.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "ui/widgets.h"
#include "world/map.h"

namespace bv {

namespace {} // namespace

int32_t enterSoldAtAsking(int32_t, int32_t, int32_t argument) {
    if (getHouse(argument)) dealHouse = argument;
    if (!getHouse(dealHouse)) {
        changeState(kStateGame);
        return 0;
    }
    openDialogCentred();
    return 0;
}

int32_t updateSoldAtAsking(int32_t) {
    const MapHouse* m = getMapHouse(dealHouse);
    if (!m) {
        changeState(kStateGame);
        return 0;
    }
    if (!dialogFrame(150, 88, 500, 425)) return 0;
    pushFont(&fontArial20Brown);
    printKey(400, 130, true, 0, "soldAtAskingTitle");
    popFont();
    drawHouseCard(dealHouse, 480, 150);
    partyPortrait(265, 230, dealBuyer);
    pushFont(&fontArial15Brown);
    setTextArea(190, 340, 610, 600);
    // The sale is done: dealOffer holds the price it was made at.
    printBoardKey(190, 340, false, 0, "soldAtAskingBody", ownerName(dealBuyer), moneyText(dealOffer).text,
                  m->address);
    setTextArea(0, 0, kFrameWidth, kFrameHeight);
    popFont();
    button(400, 475, 100, 30, text("OK"), kStateGame, goStateClick);
    return 0;
}

} // namespace bv

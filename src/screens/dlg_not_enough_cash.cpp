// Not enough cash to bid (state 56): the player's cash does not cover the down payment at the
// selected house's asking price.
#include "assets/strings.h"
#include "audio/sound.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "screens/board_parts.h"
#include "screens/market_dialogs.h"
#include "sim/credit.h"
#include "sim/houses.h"
#include "sim/market.h"
#include "sim/owner.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "world/map.h"

namespace bv {

namespace {} // namespace

int32_t enterNotEnoughCash(int32_t, int32_t, int32_t) {
    const HouseState* h = selectedHouseState();
    if (!h || !h->forSale || h->owner == kOwnerPlayer) {
        changeState(kStateGame);
        return 0;
    }
    playSound(kSoundMarketClick);
    // A cranky seller's message comes first, as for an offer the player could cover.
    if (h->crankyMonths > 0) {
        changeState(kStateMakeOffer);
        return 0;
    }
    openDialogAtMouse();
    return 0;
}

int32_t updateNotEnoughCash(int32_t) {
    const HouseState* h = selectedHouseState();
    const MapHouse* m = getMapHouse(selectedHouse);
    if (!h || !m || !h->forSale) {
        changeState(kStateGame);
        return 0;
    }
    if (!dialogFrame(150, 175, 500, 250)) return 0;
    pushFont(&fontArial20Brown);
    printKey(400, 210, true, 0, "notEnoughCash");
    popFont();
    pushFont(&fontArial15Brown);
    setTextArea(190, 250, 610, 600);
    printBoardKey(190, 250, false, 0, "cantMakeOffer", moneyText(owners[kOwnerPlayer].cash).text, m->address,
                  moneyText(downPayment(kOwnerPlayer, h->askingPrice)).text, moneyText(h->askingPrice).text);
    setTextArea(0, 0, kFrameWidth, kFrameHeight);
    popFont();
    button(400, 390, 100, 30, text("OK"), kStateGame, goStateClick);
    return 0;
}

} // namespace bv

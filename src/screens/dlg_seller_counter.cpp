// The seller's counter-offer (state 51): the seller names his price for the house the player bid
// on; "yes" buys it at that price, "no" leaves it.
#include "assets/strings.h"
#include "audio/sound.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "screens/board_parts.h"
#include "screens/market_dialogs.h"
#include "screens/town_view.h"
#include "sim/houses.h"
#include "sim/market.h"
#include "sim/owner.h"
#include "sim/owners.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "ui/widgets.h"

namespace bv {

namespace {

bool counterHouse() {
    const HouseState* h = getHouse(dealHouse);
    return h && h->forSale && h->owner != kOwnerPlayer;
}

void yesClicked(int32_t, int32_t, int32_t) {
    playSound(kSoundDeal);
    if (counterHouse()) purchase(kOwnerPlayer, dealHouse, dealCounter);
    changeState(kStateGame);
}

} // namespace

int32_t enterSellerCounter(int32_t, int32_t, int32_t) {
    if (!counterHouse()) {
        changeState(kStateGame);
        return 0;
    }
    openDialogCentred();
    return 0;
}

int32_t updateSellerCounter(int32_t) {
    if (!counterHouse()) {
        changeState(kStateGame);
        return 0;
    }
    if (!dialogFrame(100, 28, 600, 425)) return 0;
    const int32_t seller = getHouse(dealHouse)->owner;
    pushFont(&fontArial20Brown);
    printKey(400, 70, true, 0, "counterOfferTitle");
    popFont();
    drawHouseCard(dealHouse, 500, 95);
    partyPortrait(250, 175, seller);
    pushFont(&fontArial15Brown);
    setTextArea(140, 290, 660, 600);
    printBoardKey(140, 290, false, 0, "aiCounterOfferBody", ownerName(seller), moneyText(dealOffer).text,
                  moneyText(dealCounter).text);
    setTextArea(0, 0, kFrameWidth, kFrameHeight);
    popFont();
    button(280, 408, 160, 30, text("yes"), 0, yesClicked);
    button(520, 408, 160, 30, text("no"), kStateGame, goStateClick);
    return 0;
}

} // namespace bv

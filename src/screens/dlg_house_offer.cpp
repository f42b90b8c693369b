// A buyer's offer on one of the player's listed houses below its asking price (state 38): the body
// shows what the sale would leave after the house's debts; the player accepts, negotiates (state
// 49) or declines.
#include "assets/strings.h"
#include "audio/sound.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "screens/board_parts.h"
#include "screens/market_dialogs.h"
#include "screens/town_view.h"
#include "sim/cash.h"
#include "sim/houses.h"
#include "sim/market.h"
#include "sim/owner.h"
#include "sim/owners.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "ui/widgets.h"
#include "world/map.h"

namespace bv {

namespace {

constexpr int32_t kMinimumOffer = 500;

bool offeredHouse() {
    const HouseState* h = getHouse(dealHouse);
    return h && h->owner == kOwnerPlayer && h->forSale && dealBuyer != kOwnerPlayer;
}

void acceptClicked(int32_t, int32_t, int32_t) {
    playSound(kSoundMarketClick);
    if (offeredHouse()) purchase(dealBuyer, dealHouse, dealOffer);
    changeState(kStateGame);
}

void negotiateClicked(int32_t, int32_t, int32_t) {
    playSound(kSoundMarketClick);
    changeState(kStatePlayerCounter);
}

} // namespace

int32_t enterHouseOffer(int32_t, int32_t, int32_t argument) {
    if (getHouse(argument)) dealHouse = argument;
    if (dealOffer == 0) dealOffer = kMinimumOffer;
    if (dealBuyer == 0) dealBuyer = 1;
    if (!offeredHouse()) {
        changeState(kStateGame);
        return 0;
    }
    openDialogCentred();
    return 0;
}

int32_t updateHouseOffer(int32_t) {
    if (!offeredHouse()) {
        changeState(kStateGame);
        return 0;
    }
    if (!dialogFrame(100, 70, 600, 460)) return 0;
    const HouseState& h = *getHouse(dealHouse);
    const MapHouse& m = *getMapHouse(dealHouse);
    pushFont(&fontArial20Brown);
    printKey(400, 110, true, 0, "houseOfferTitle");
    popFont();
    drawHouseCard(dealHouse, 400, 170);
    partyPortrait(180, 170, dealBuyer);
    // What the sale leaves after the mortgage and any other debt are paid off.
    const int64_t profit = static_cast<int64_t>(dealOffer) - h.mtgPrincipal - h.extraDebt;
    pushFont(&fontArial15Brown);
    setTextArea(140, 365, 660, 600);
    if (profit >= 1)
        printBoardKey(140, 365, false, 0, "HouseOfferBodyProfit", moneyText(dealOffer).text, m.address,
                      ownerName(dealBuyer), m.address, moneyText(currentValue(dealHouse)).text,
                      moneyText(h.purchasePrice).text, moneyText(saturate32(profit)).text);
    else
        printBoardKey(140, 365, false, 0, "HouseOfferBodyLoss", moneyText(dealOffer).text, m.address,
                      ownerName(dealBuyer), m.address, moneyText(currentValue(dealHouse)).text,
                      moneyText(saturate32(profit)).text);
    setTextArea(0, 0, kFrameWidth, kFrameHeight);
    popFont();
    button(200, 485, 160, 30, text("acceptOffer"), 0, acceptClicked);
    button(400, 485, 160, 30, text("negotiate"), 0, negotiateClicked);
    button(600, 485, 160, 30, text("decline"), kStateGame, goStateClick);
    return 0;
}

} // namespace bv

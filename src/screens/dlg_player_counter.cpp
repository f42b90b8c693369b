// The player's counter-offer to a buyer (state 49): a price between the buyer's offer and the
// asking price; the nearer the asking price, the less likely the buyer takes it.
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
#include "ui/button.h"
#include "ui/dialog.h"
#include "world/map.h"

namespace bv {

namespace {

bool counteredHouse() {
    const HouseState* h = getHouse(dealHouse);
    return h && h->owner == kOwnerPlayer && h->forSale && dealBuyer != kOwnerPlayer;
}

// The counter stays between the buyer's offer and the asking price.
void holdCounter() {
    const int32_t asking = getHouse(dealHouse)->askingPrice;
    const int32_t lo = dealOffer < asking ? dealOffer : asking;
    if (dealCounter < lo) dealCounter = lo;
    if (dealCounter > asking) dealCounter = asking;
}

void submitClicked(int32_t, int32_t, int32_t) {
    if (!counteredHouse()) {
        changeState(kStateGame);
        return;
    }
    const int32_t buyer = dealBuyer;
    if (submitPlayerCounter())
        partyMessage("dealSoundsGreat", buyer);
    else
        partyMessage("yourCounterOfferRejected", buyer);
}

} // namespace

int32_t enterPlayerCounter(int32_t, int32_t, int32_t) {
    if (!counteredHouse()) {
        changeState(kStateGame);
        return 0;
    }
    holdCounter();
    // Opened from the buyer's offer dialog: the new frame grows from the middle of the board.
    openDialogCentred();
    return 0;
}

int32_t updatePlayerCounter(int32_t) {
    if (!counteredHouse()) {
        changeState(kStateGame);
        return 0;
    }
    if (!dialogFrame(100, 70, 600, 460)) return 0;
    holdCounter();
    const HouseState& h = *getHouse(dealHouse);
    pushFont(&fontArial20Brown);
    printKey(400, 110, true, 0, "counterOfferTitle");
    popFont();
    drawHouseCard(dealHouse, 284, 150);
    const int32_t lo = dealOffer < h.askingPrice ? dealOffer : h.askingPrice;
    const PriceControl control{&dealCounter, lo, h.askingPrice, kSoundPriceStep, false, false};
    priceControl(516, 250, control, nullptr, kNearBlackText);
    pushFont(&fontArial15Brown);
    setTextArea(140, 340, 660, 600);
    printBoardKey(140, 340, false, 0, "counterOfferBody", moneyText(dealOffer).text,
                  moneyText(h.askingPrice).text, getMapHouse(dealHouse)->address,
                  moneyText(currentValue(dealHouse)).text);
    setTextArea(0, 0, kFrameWidth, kFrameHeight);
    popFont();
    button(300, 485, 160, 30, text("counterOfferTitle"), 0, submitClicked);
    button(500, 485, 160, 30, text("cancel"), kStateGame, goStateClick);
    return 0;
}

} // namespace bv

// Changing a listing (state 57): the player lowers the asking price of one of his listed houses
// (a cut of 3 % or more counts as a fresh cut and draws buyers again) or takes it off the market.
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
#include "ui/button.h"
#include "ui/dialog.h"

namespace bv {

namespace {

constexpr float kCompellingCut = 0.03f;
constexpr int32_t kTextX = 360, kTextY = 155, kTextRight = 710;

bool listedHouse() {
    const HouseState* h = selectedHouseState();
    return h && h->owner == kOwnerPlayer && h->forSale;
}

bool compellingCut(const HouseState& h) {
    return newListingPrice < h.askingPrice &&
           static_cast<int64_t>(h.askingPrice) - newListingPrice >= scaleMoney(h.askingPrice, kCompellingCut);
}

void acceptClicked(int32_t, int32_t, int32_t) {
    HouseState* h = selectedHouseState();
    if (listedHouse() && newListingPrice < h->askingPrice) {
        if (compellingCut(*h)) h->daysSinceCut = 0;
        h->askingPrice = newListingPrice;
    }
    changeState(kStateGame);
}

void takeOffClicked(int32_t, int32_t, int32_t) {
    if (listedHouse()) selectedHouseState()->forSale = 0;
    playSound(kSoundMarketClick);
    changeState(kStateGame);
}

} // namespace

int32_t enterChangeListing(int32_t, int32_t, int32_t) {
    if (!listedHouse()) {
        changeState(kStateGame);
        return 0;
    }
    newListingPrice = selectedHouseState()->askingPrice;
    openDialogAtMouse();
    return 0;
}

int32_t updateChangeListing(int32_t) {
    if (!listedHouse()) {
        changeState(kStateGame);
        return 0;
    }
    if (!dialogFrame(50, 65, 700, 470)) return 0;
    const HouseState& h = *selectedHouseState();
    if (newListingPrice > h.askingPrice) newListingPrice = h.askingPrice;
    drawHouseCard(selectedHouse, 200, 182);
    const PriceControl control{&newListingPrice, 0, h.askingPrice, kSoundPriceStep, false, false};
    priceControl(200, 407, control, nullptr, kNearBlackText);
    pushFont(&fontArial20Brown);
    printKey(400, 115, true, 0, "changeListing");
    popFont();
    pushFont(&fontArial15Brown);
    setTextArea(kTextX, kTextY, kTextRight, kFrameHeight);
    printKey(kTextX + 1, kTextY + 40, false, 0, "changeListingExplained");
    if (compellingCut(h)) printKey(kTextX + 1, penY() + 40, false, kPanelRed, "compellingListingChange");
    setTextArea(0, 0, kFrameWidth, kFrameHeight);
    popFont();
    button(166, 490, 175, 30, text("accept"), 0, newListingPrice < h.askingPrice ? acceptClicked : nullptr);
    button(399, 490, 175, 30, text("takeOffMkt"), 0, takeOffClicked);
    button(632, 490, 175, 30, text("cancel"), kStateGame, goStateClick);
    return 0;
}

} // namespace bv

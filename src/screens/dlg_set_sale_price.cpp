// Setting a sale price (state 47): the player prices one of his unlisted houses, starting from its
// current value, and "askPrice" lists it.
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
#include "ui/money.h"

namespace bv {

namespace {

constexpr int32_t kNoLimit = 0x7FFFFFFF;

bool saleHouse() {
    const HouseState* h = selectedHouseState();
    return h && h->owner == kOwnerPlayer && !h->forSale;
}

void listClicked(int32_t, int32_t, int32_t) {
    HouseState* h = selectedHouseState();
    if (saleHouse()) listHouse(selectedHouse, h->askingPrice);
    changeState(kStateGame);
}

} // namespace

int32_t enterSetSalePrice(int32_t, int32_t, int32_t) {
    if (!saleHouse()) {
        changeState(kStateGame);
        return 0;
    }
    selectedHouseState()->askingPrice = currentValue(selectedHouse);
    openDialogAtMouse();
    return 0;
}

int32_t updateSetSalePrice(int32_t) {
    if (!saleHouse()) {
        changeState(kStateGame);
        return 0;
    }
    if (!dialogFrame(100, 38, 600, 425)) return 0;
    HouseState* h = selectedHouseState();
    pushFont(&fontArial20Brown);
    printKey(400, 85, true, 0, "setSalePrice");
    popFont();
    drawHouseCard(selectedHouse, 250, 120);
    const PriceControl control{&h->askingPrice, 0, kNoLimit, kSoundPriceStep, false, false};
    priceControl(550, 248, control, nullptr, kNearBlackText);
    pushFont(&fontArial15Brown);
    printKey(550, 308, true, 0, "estValue", moneyStr(currentValue(selectedHouse)));
    popFont();
    button(249, 418, 200, 30, text("askPrice"), 0, listClicked);
    button(550, 418, 200, 30, text("cancel"), kStateGame, goStateClick);
    return 0;
}

} // namespace bv

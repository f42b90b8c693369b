// The repair dialog (state 15): a repair has fallen due on one of the player's houses. The player
// fixes it now or postpones it; without the cash there is only "OK" and the repair stays pending.
#include "assets/strings.h"
#include "assets/text_keys.h"
#include "audio/sound.h"
#include "core/clock.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "screens/level_screens.h"
#include "screens/town_view.h"
#include "sim/cash.h"
#include "sim/game_update.h"
#include "sim/houses.h"
#include "sim/owner.h"
#include "sim/repairs.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "ui/money.h"

namespace bv {

namespace {

void fixNowClicked(int32_t, int32_t, int32_t) {
    payRepair(repairHouse);
    playSound(kSoundMagicWand, 5);
    changeState(kStateGame);
}

} // namespace

bool isPlayersHouse(int32_t house) {
    const HouseState* h = getHouse(house);
    return h && h->owner == kOwnerPlayer;
}

void drawRepairHeader(int32_t house, int32_t historyGap) {
    pushFont(&fontArial20Brown);
    printKey(400, 110, true, 0, "repairsNeeded");
    popFont();
    drawHouseCard(house, 250, 150);
    const HouseState* h = getHouse(house);
    pushFont(&fontArial15Brown);
    if (h && h->hasRenter) {
        char history[200];
        narrowInto(history, sizeof history, lookupVariant("history", h->renterHistory));
        printKey(250, 150 + historyGap, true, 0, "rentHistory", history);
    }
    popFont();
}

void drawRepairText(int32_t house, const char* key) {
    const MapHouse* m = getMapHouse(house);
    const HouseState* h = getHouse(house);
    if (!m || !h) return;
    char address[1000], cost[kMoneyTextBytes];
    narrowInto(address, sizeof address, m->address);
    moneyStr(cost, sizeof cost, h->repairCost);
    pushFont(&fontArial15Brown);
    setTextArea(400, 150, 680, 600);
    printKey(400, 160, false, 0, key, address, cost);
    setTextArea(0, 0, 800, 600);
    popFont();
}

int32_t repairsEnter(int32_t, int32_t, int32_t argument) {
    HouseState* h = getHouse(argument);
    // The house may have changed hands since the repair was queued.
    if (!h || h->owner != kOwnerPlayer) {
        repairHouse = -1;
        changeState(kStateGame);
        return 0;
    }
    repairHouse = argument;
    h->damagePending = 1;
    openDialogCentred();
    return argument;
}

int32_t repairsUpdate(int32_t) {
    const HouseState* h = getHouse(repairHouse);
    if (!h) {
        changeState(kStateGame);
        return 0;
    }
    if (!dialogFrame(100, 60, 600, 380)) return 0;
    drawRepairHeader(repairHouse, 200);
    drawRepairText(repairHouse, "repairDlg");
    if (cashOf(kOwnerPlayer) < h->repairCost) {
        if (totalTicks & 32) {
            pushFont(&fontArial15Brown);
            printKey(550, 340, true, 0x9A1010, "noRepairCash");
            popFont();
        }
        button(400, 390, 200, 30, text("OK"), kStateGame, goStateClick);
        return 0;
    }
    button(249, 400, 200, 30, text("fixNow"), 0, fixNowClicked);
    button(550, 400, 200, 30, text("postponeRepairs"), kStateGame, goStateWhoosh);
    return 0;
}

} // namespace bv

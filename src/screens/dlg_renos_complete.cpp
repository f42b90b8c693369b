// The renovations-complete dialog (state 52), queued when work on one of the player's houses has
// finished: the house card and an offer to set a new rent for the better house.
#include "assets/strings.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "screens/level_screens.h"
#include "screens/town_view.h"
#include "sim/game_update.h"
#include "sim/houses.h"
#include "sim/owner.h"
#include "sim/repairs.h"
#include "ui/button.h"
#include "ui/dialog.h"

namespace bv {

namespace {

void yesClicked(int32_t, int32_t, int32_t) {
    // The set-rent dialog works on the selected house.
    selectedHouse = renosCompleteHouse;
    changeState(kStateSetRent, renosCompleteHouse);
}

} // namespace

int32_t renosCompleteEnter(int32_t, int32_t, int32_t argument) {
    const HouseState* h = getHouse(argument);
    if (!h || h->owner != kOwnerPlayer) {
        changeState(kStateGame);
        return 0;
    }
    renosCompleteHouse = argument;
    openDialogCentred();
    return argument;
}

int32_t renosCompleteUpdate(int32_t) {
    const MapHouse* m = getMapHouse(renosCompleteHouse);
    if (!m) {
        changeState(kStateGame);
        return 0;
    }
    if (!dialogFrame(150, 80, 500, 410)) return 0;
    pushFont(&fontArial20Brown);
    printKey(400, 120, true, 0, "renosCompleteTitle");
    popFont();
    drawHouseCard(renosCompleteHouse, 400, 140);
    char address[1000];
    narrowInto(address, sizeof address, m->address);
    pushFont(&fontArial15Brown);
    setTextArea(190, 330, 610, 600);
    printKey(190, 335, false, 0, "renosCompleteBody", address);
    setTextArea(0, 0, 800, 600);
    popFont();
    button(300, 445, 150, 30, text("yes"), 0, yesClicked);
    button(500, 445, 150, 30, text("no"), kStateGame, goStateWhoosh);
    return 0;
}

} // namespace bv

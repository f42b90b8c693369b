// The last-chance dialog (state 62): a postponed repair is about to become permanent damage, and
// the player has the cash for it at twice the price. "fixNow" pays (when the cash still covers
// it); "noRepairs" accepts the loss of a level.
#include "assets/strings.h"
#include "audio/sound.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "screens/level_screens.h"
#include "sim/game_update.h"
#include "sim/houses.h"
#include "sim/repairs.h"
#include "ui/button.h"
#include "ui/dialog.h"

namespace bv {

namespace {

void fixNowClicked(int32_t, int32_t, int32_t) {
    // Without the cash nothing is paid; the board's next frame then takes the level.
    payRepair(repairHouse);
    playSound(kSoundMagicWand, 5);
    changeState(kStateGame);
}

void noRepairsClicked(int32_t, int32_t, int32_t) {
    playSound(kSoundMagicWand, 5);
    changeState(kStateGame);
    // Back on the board first, so that a condemned building's message opens over it.
    declineRepair(repairHouse);
}

} // namespace

int32_t lastChanceEnter(int32_t, int32_t, int32_t argument) {
    if (!isPlayersHouse(argument)) {
        repairHouse = -1;
        changeState(kStateGame);
        return 0;
    }
    repairHouse = argument;
    openDialogCentred();
    return argument;
}

int32_t lastChanceUpdate(int32_t) {
    if (!getHouse(repairHouse)) {
        changeState(kStateGame);
        return 0;
    }
    if (!dialogFrame(100, 60, 600, 380)) return 0;
    drawRepairHeader(repairHouse, 180);
    drawRepairText(repairHouse, "lastChanceRepairDlg");
    button(249, 395, 200, 30, text("fixNow"), 0, fixNowClicked);
    button(550, 395, 200, 30, text("noRepairs"), 0, noRepairsClicked);
    return 0;
}

} // namespace bv

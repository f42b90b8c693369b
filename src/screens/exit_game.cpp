// Leaving a game for the title menu (state 59): a dialog over the board that offers to save
// first. "Yes" saves and leaves, "No" leaves without saving, "Cancel" goes back to the board.
#include "assets/strings.h"
#include "audio/sound.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "levels/save_hooks.h"
#include "screens/screens.h"
#include "sim/game_update.h"
#include "ui/button.h"
#include "ui/dialog.h"

namespace bv {

namespace {

void yesClicked(int32_t, int32_t, int32_t) {
    playSound(kSoundMagicWand, 5);
    saveGame();
    changeState(kStateAttract);
}

} // namespace

int32_t exitGameEnter(int32_t, int32_t, int32_t) {
    // Grows out of the middle of the board with a soft whoosh.
    resetDialog(0.1f);
    return 0;
}

int32_t exitGameUpdate(int32_t) {
    if (!dialogFrame(80, 200, 640, 200)) return 0;
    pushFont(&fontArial20Brown);
    printKey(400, 245, true, 0, "exitGameTitle");
    popFont();
    pushFont(&fontArial15Brown);
    setTextArea(100, 295, 720, 600);
    printKey(100, 295, false, 0, "exitGameBody");
    setTextArea(0, 0, 800, 600);
    popFont();
    button(200, 365, 120, 30, text("yes"), 0, yesClicked);
    button(400, 365, 120, 30, text("no"), kStateAttract, goStateWhoosh);
    button(600, 365, 120, 30, text("cancel"), kStateGame, goStateWhoosh);
    return 0;
}

} // namespace bv

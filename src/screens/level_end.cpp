// The end-of-level dialog (state 61): on to the next level, saving first if the player likes. The
// save is written after the next level has started, so the saved game opens on its goals screen.
#include "assets/strings.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "levels/goals.h"
#include "levels/save_hooks.h"
#include "screens/level_screens.h"
#include "ui/button.h"
#include "ui/dialog.h"

namespace bv {

namespace {

void saveAndContinueClicked(int32_t, int32_t, int32_t) {
    changeState(kStateLevelIntro);
    saveGame();
}

} // namespace

int32_t endOfLevelEnter(int32_t, int32_t, int32_t) {
    openDialogCentred();
    return 0;
}

int32_t endOfLevelUpdate(int32_t) {
    if (!dialogFrame(100, 180, 600, 240)) return 0;
    pushFont(&fontArial20Brown);
    printKey(400, 215, true, 0, "levelCompleteTitle");
    popFont();
    pushFont(&fontArial15Brown);
    setTextArea(120, 250, 660, 600);
    printKey(120, 260, false, 0, "levelCompleteText");
    setTextArea(0, 0, 800, 600);
    popFont();
    button(250, 380, 200, 30, text("saveAndContinue"), 0, saveAndContinueClicked);
    button(550, 380, 200, 30, text("continue"), kStateLevelIntro, goStateWhoosh);
    return 0;
}

} // namespace bv

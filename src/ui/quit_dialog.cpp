// The quit confirmation dialog and its loop.
#include "ui/quit_dialog.h"

#include "assets/strings.h"
#include "core/clock.h"
#include "core/input.h"
#include "core/memory.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/display.h"
#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "ui/button.h"
#include "ui/hotspots.h"
#include "ui/widgets.h"

namespace bv {

// A full copy of the frame buffer; the quit dialog draws over it.
uint32_t* screenBackup = nullptr;

namespace {

void (*g_saver)() = nullptr;

void saveGame() {
    if (g_saver) g_saver();
}

uint32_t* backup() {
    if (!screenBackup) screenBackup = static_cast<uint32_t*>(memAllocZeroed(kFrameBytes));
    return screenBackup;
}

} // namespace

void handleQuitRequest() {
    const int32_t state = currentStateId();
    if (state == kStateAttract || state == kStateEnterName) {
        exitGame = 1;
        return;
    }
    openQuitDialog();
    quitDialogPass();
}

void openQuitDialog() {
    quitDialogOpen = 1;
    dimRect(frameBuffer, 0, 0, kFrameWidth, kFrameHeight, 50);
    copyRect(backup(), frameBuffer, kFrameWidth, kFrameHeight);
}

void drawQuitDialog() {
    copyRect(frameBuffer, backup(), kFrameWidth, kFrameHeight);
    drawPanelFrame(kQuitPanelX, kQuitPanelY, kQuitPanelW, kQuitPanelH);
    pushFont(&fontArial20Brown);
    drawText(400, 248, true, 0, text("quitDlgTitle"));
    setFont(&fontArial15Brown);
    drawText(400, 293, true, 0, text("quitting"));
    popFont();
    button(kQuitResumeX, kQuitButtonY, kQuitButtonW, kQuitButtonH, text("resumeGame"), 0, quitDialogResume);
    button(kQuitSaveQuitX, kQuitButtonY, kQuitButtonW, kQuitButtonH, text("yesSave"), 0,
           quitDialogSaveAndQuit);
    button(kQuitQuitX, kQuitButtonY, kQuitButtonW, kQuitButtonH, text("Quit"), 0, quitDialogQuit);
    button(kQuitSaveResumeX, kQuitButtonY, kQuitButtonW, kQuitButtonH, text("saveAndResume"), 0,
           quitDialogSaveAndResume);
}

void quitDialogPass() {
    pumpInput();
    clearHotSpots();
    drawQuitDialog();
    dispatchHotSpots();
    markDirty(0, 0, kFrameWidth, kFrameHeight);
    present();
}

void quitDialogResume(int32_t, int32_t, int32_t) {
    exitGame = 0;
    quitDialogOpen = 0;
    // Back from the in-game options straight to the board, without leaving or entering a state.
    if (currentStateId() == kStateOptions) setStateSilently(kStateGame);
}

void setQuitDialogSaver(void (*save)()) {
    g_saver = save;
}

void quitDialogSaveAndQuit(int32_t, int32_t, int32_t) {
    saveGame();
    exitGame = 1;
    quitDialogOpen = 0;
}

void quitDialogQuit(int32_t, int32_t, int32_t) {
    exitGame = 1;
    quitDialogOpen = 0;
}

void quitDialogSaveAndResume(int32_t mouseX, int32_t mouseY, int32_t value) {
    quitDialogResume(mouseX, mouseY, value);
    saveGame();
}

} // namespace bv

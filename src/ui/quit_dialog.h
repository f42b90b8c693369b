// The quit confirmation: shown when the window is closed in any state but the title menu (0) and
// name entry (23). It runs over a darkened copy of the screen with four buttons: resume, save and
// quit, quit, save and resume. While it is open nothing else runs: no state update, no timers, no
// audio, no frame wait.
#pragma once

#include <cstdint>

namespace bv {

// The full-screen copy the dialog draws over (allocated at start-up, or on first use).
extern uint32_t* screenBackup;

// The panel and its buttons.
constexpr int32_t kQuitPanelX = 50, kQuitPanelY = 214, kQuitPanelW = 700, kQuitPanelH = 175;
constexpr int32_t kQuitButtonY = 353, kQuitButtonW = 140, kQuitButtonH = 30;
constexpr int32_t kQuitResumeX = 150, kQuitSaveQuitX = 315, kQuitQuitX = 480, kQuitSaveResumeX = 645;

// The frame loop's answer to a close request: in state 0 or 23 the game ends at once; in any other
// state the quit dialog opens (and draws its first pass).
void handleQuitRequest();

// Opening: darkens the whole frame buffer to 50 % and copies it into the screen backup.
void openQuitDialog();
// One pass of the dialog's loop: pump input, clear the hot spots, restore the darkened copy, draw
// the panel, its texts and buttons, dispatch the click, present. The frame loop runs these passes
// instead of frames while quitDialogOpen is set, so the dialog loops on its own without pacing and
// a scripted run can still feed it input between passes.
void quitDialogPass();
// Draws the dialog over the screen backup (the drawing part of a pass).
void drawQuitDialog();

// What "save" means: the saved game sits above the widgets, so start-up installs its writer here.
// Until then (and with nullptr) the save buttons only quit or resume.
void setQuitDialogSaver(void (*save)());

// The four buttons' effects.
void quitDialogResume(int32_t mouseX, int32_t mouseY, int32_t value);
void quitDialogSaveAndQuit(int32_t mouseX, int32_t mouseY, int32_t value);
void quitDialogQuit(int32_t mouseX, int32_t mouseY, int32_t value);
void quitDialogSaveAndResume(int32_t mouseX, int32_t mouseY, int32_t value);

} // namespace bv

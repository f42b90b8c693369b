// Dialog boxes: in-game messages are states drawn over a frozen picture of the board (the
// backdrop). Their frame grows out of a point over a few frames; the content is drawn only once
// it is fully open. Also the one-message dialog (state 27) and the avatar message (state 35).
#pragma once

#include <cstdint>

#include "gfx/framebuffer.h"
#include "ui/hotspots.h"

namespace bv {

// What dialogs need from the game board. Until the board exists both are absent: the backdrop is
// the frame as it stands, and a house counts as selected.
struct DialogBoardHooks {
    void (*drawBoard)();     // draws the board into the frame buffer
    bool (*houseSelected)(); // a house is selected on the board
};
void setDialogBoardHooks(const DialogBoardHooks& hooks);
// Whether a house is selected (true while the board has no hook for it).
bool dialogHouseSelected();

// --- Backdrop ----------------------------------------------------------------------------------
// Draws the board, empties the hot-spot list (the board must not stay clickable under a dialog)
// and copies the frame buffer into the backdrop.
void snapshotBackdrop();
// Copies the backdrop into the frame buffer.
void restoreBackdrop();

// --- Opening animation -------------------------------------------------------------------------
// "clickWhoosh.wav"; speed 0.1; the frame grows out of (x, y); progress 0; snapshotBackdrop.
void openDialogFrom(int32_t x, int32_t y);
void openDialogCentred(); // from (400, 300)
void openDialogAtMouse(); // from the mouse position
// snapshotBackdrop; "organic_whoosh_21.wav"; progress 0; the given speed (origin unchanged).
void resetDialog(float speed);
float dialogProgress();
float dialogSpeed();
// The rectangle the last dialogFrame or textDialog drew its frame over.
Rect lastDialogRect();

// The rectangle grown from a start size at the origin to the target at `progress`: each product
// truncated; at progress 1 or more exactly the target.
Rect growDialogRect(int32_t originX, int32_t originY, int32_t startSize, int32_t x, int32_t y, int32_t width,
                    int32_t height, float progress);

// restoreBackdrop, advance by the speed (at least 0.1) once per call, draw the panel frame over
// the grown rectangle. Returns 1 when fully open: screens draw their content only then.
int32_t dialogFrame(int32_t x, int32_t y, int32_t width, int32_t height);

// A frame grown from a point by the frame's ticks x speed, then (when open) the title centred in
// arial20_brown, the body wrapped in arial15_brown and one button labelled `buttonLabel` with
// value and callback. Each text is optional. Returns 1 when fully open.
int32_t textDialog(int32_t originX, int32_t originY, int32_t x, int32_t y, int32_t width, int32_t height,
                   const char16_t* title, const char16_t* body, const char16_t* buttonLabel, int32_t value,
                   HotSpotCallback callback);

// --- The one-message dialog (state 27) -----------------------------------------------------------
// Changes to state 27 and resets the animation with `speed`; the dialog shows the title and body
// with an "ok" button whose click (goStateWhoosh) goes to the value's state.
void showSimpleDialog(int32_t value, float speed, int32_t originX, int32_t originY, int32_t x, int32_t y,
                      int32_t width, int32_t height, const char* titleKey, const char* bodyKey);
void showSimpleDialogText(int32_t value, float speed, int32_t originX, int32_t originY, int32_t x, int32_t y,
                          int32_t width, int32_t height, const char16_t* title, const char16_t* body);
// Only the texts and the frame of the one-message dialog, for a state that shows it from its own
// enter (a message that waited in the queue); simpleDialogUpdate then draws it.
void prepareSimpleDialog(int32_t value, int32_t originX, int32_t originY, int32_t x, int32_t y, int32_t width,
                         int32_t height, const char16_t* title, const char16_t* body);
// Speed 1, centred on (400, 300), growing from there or from the mouse.
void simpleDialogCentred(int32_t value, int32_t width, int32_t height, const char16_t* title,
                         const char16_t* body);
void simpleDialogCentredKeys(int32_t value, int32_t width, int32_t height, const char* titleKey,
                             const char* bodyKey);
void simpleDialogFromMouse(int32_t value, int32_t width, int32_t height, const char16_t* title,
                           const char16_t* body);
void simpleDialogFromMouseKeys(int32_t value, int32_t width, int32_t height, const char* titleKey,
                               const char* bodyKey);

// --- The avatar message (state 35) ---------------------------------------------------------------
// Changes to state 35 with the owner's small avatar beside the body text and an "ok" button
// (goStateClick with the value).
void showAvatarMessage(int32_t value, const char* bodyKey, int32_t owner);

// What the two states show, for checks.
struct DialogParams {
    int32_t value;
    int32_t originX, originY;
    int32_t x, y, width, height;
    const char16_t* title; // nullptr when there is none
    const char16_t* body;
    int32_t owner;
};
DialogParams simpleDialogParams();

// State operations (the game's state table).
int32_t simpleDialogUpdate(int32_t argument);
int32_t avatarMessageEnter(int32_t previousId, int32_t newId, int32_t argument);
int32_t avatarMessageUpdate(int32_t argument);

} // namespace bv

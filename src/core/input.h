// Polled input: the window's reports are recorded as they arrive, and once per frame turned into
// pressed-this-frame edges and held-for-n-frames counters that every screen reads.
#pragma once

#include <cstdint>

namespace bv::platform {
struct Event;
}

namespace bv {

// Key slots the game reads (not virtual-key codes).
enum KeySlot : int32_t {
    kSlotLeft = 0,
    kSlotRight = 1,
    kSlotUp = 2,
    kSlotDown = 3,
    kSlotShift = 4,
    kSlotEnter = 5,
    kSlotF2 = 14,     // F2 .. F9 are 14 .. 21
    kSlotDigit0 = 22, // digits 0 .. 9 are 22 .. 31
    kSlotHome = 32,
    kSlotEnd = 33,
    kSlotB = 34,
    kSlotC = 35,
    kSlotD = 36,
    kSlotE = 37,
    kSlotF = 38,
    kSlotI = 39,
    kSlotL = 40,
    kSlotR = 41,
    kSlotT = 42,
    kSlotU = 43,
    kSlotV = 44,
    kSlotMouseLeft = 45,
    kSlotMouseRight = 46,
    kSlotSpace = 47,
    kSlotEscape = 48,
    kSlotInsert = 50,
    kSlotCtrl = 51,
    kSlotDelete = 52,
    kSlotF12 = 53, // the screenshot key
};

constexpr int kKeySlots = 256;
constexpr uint8_t kHeldLimit = 250;

// The slot of a virtual-key code, or -1 for keys the game ignores.
int32_t slotOfVirtualKey(int32_t vk);
// The slot for a key name ("Enter", "Escape", "Left", "F2", "A", "5", "Space", "MouseLeft" ...), -1 if
// unknown.
int32_t slotByName(const char* name);
// The virtual-key code of a key name, 0 if unknown (for scripted input).
int32_t virtualKeyByName(const char* name);

// Records one window report (the window procedure's part).
void handleWindowEvent(const platform::Event& event);
// The per-frame step: report last frame's character, pump the window's reports, update edges and
// held counters. Called first in every frame loop.
void pumpInput();
// The edge and counter update alone (step 3 of the frame's input step).
void stepKeys();
// Clears all input state (start-up and tests).
void resetInput();

bool isPressed(int32_t slot);
int32_t heldFrames(int32_t slot);
bool leftClicked();
bool rightClicked();
int32_t leftHeld();
int32_t leftHeldDir();
int32_t rightHeldDir();
int32_t upHeldDir();
int32_t downHeldDir();
bool ctrlPaste();
bool ctrlCopy();
char16_t typedChar();
struct Point {
    int32_t x, y;
};
Point mousePos();
bool mouseMoved();
bool hasFocusLost();
// Raises the same request as closing the window.
void setQuitRequested(bool value);
bool quitRequested();
// 0 arrow, 1 help, 2 wait, 3 hand; ignored while the window does not have the focus.
void setCursor(int32_t kind);
int32_t cursorKind();

// Alt+Enter asked for a full-screen switch this frame (handled by the frame loop).
bool fullScreenToggleRequested();

} // namespace bv

#include "core/input.h"

#include <cstring>

#include "platform/platform.h"

namespace bv {

namespace {

struct InputState {
    uint8_t keyDown[kKeySlots];
    uint8_t keyPrev[kKeySlots];
    uint8_t keyPressed[kKeySlots];
    uint8_t keyHeld[kKeySlots];
    int32_t mouseX, mouseY;
    bool mouseMoved;
    char16_t pendingChar;
    char16_t typedChar;
    bool focusLost;
    int32_t cursorKind;
    bool quitRequested;
    bool fullScreenToggle;
};
InputState g_in{};

struct KeyName {
    const char* name;
    int32_t vk;
};
constexpr KeyName kKeyNames[] = {
    {"Left", 37},   {"Right", 39}, {"Up", 38},     {"Down", 40},     {"Shift", 16},  {"Enter", 13},
    {"Return", 13}, {"Home", 36},  {"End", 35},    {"Space", 32},    {"Escape", 27}, {"Esc", 27},
    {"Insert", 45}, {"Ctrl", 17},  {"Delete", 46}, {"Backspace", 8}, {"Tab", 9},     {"F1", 112},
    {"F2", 113},    {"F3", 114},   {"F4", 115},    {"F5", 116},      {"F6", 117},    {"F7", 118},
    {"F8", 119},    {"F9", 120},   {"F10", 121},   {"F11", 122},     {"F12", 123},
};

bool sameNameIgnoringCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b) {
        char x = (*a >= 'a' && *a <= 'z') ? static_cast<char>(*a - 32) : *a;
        char y = (*b >= 'a' && *b <= 'z') ? static_cast<char>(*b - 32) : *b;
        if (x != y) return false;
    }
    return *a == *b;
}

bool validSlot(int32_t slot) {
    return slot >= 0 && slot < kKeySlots;
}

} // namespace

int32_t slotOfVirtualKey(int32_t vk) {
    switch (vk) {
    case 37:
        return kSlotLeft;
    case 39:
        return kSlotRight;
    case 38:
        return kSlotUp;
    case 40:
        return kSlotDown;
    case 16:
        return kSlotShift;
    case 13:
        return kSlotEnter;
    case 36:
        return kSlotHome;
    case 35:
        return kSlotEnd;
    case 'B':
        return kSlotB;
    case 'C':
        return kSlotC;
    case 'D':
        return kSlotD;
    case 'E':
        return kSlotE;
    case 'F':
        return kSlotF;
    case 'I':
        return kSlotI;
    case 'L':
        return kSlotL;
    case 'R':
        return kSlotR;
    case 'T':
        return kSlotT;
    case 'U':
        return kSlotU;
    case 'V':
        return kSlotV;
    case 32:
        return kSlotSpace;
    case 27:
        return kSlotEscape;
    case 45:
        return kSlotInsert;
    case 17:
        return kSlotCtrl;
    case 46:
        return kSlotDelete;
    default:
        break;
    }
    if (vk >= 113 && vk <= 120) return kSlotF2 + (vk - 113);
    if (vk == 123) return kSlotF12;
    if (vk >= '0' && vk <= '9') return kSlotDigit0 + (vk - '0');
    return -1;
}

int32_t virtualKeyByName(const char* name) {
    if (!name || !*name) return 0;
    for (const KeyName& k : kKeyNames)
        if (sameNameIgnoringCase(k.name, name)) return k.vk;
    if (name[1] == '\0') {
        char c = name[0];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    }
    return 0;
}

int32_t slotByName(const char* name) {
    if (name && sameNameIgnoringCase(name, "MouseLeft")) return kSlotMouseLeft;
    if (name && sameNameIgnoringCase(name, "MouseRight")) return kSlotMouseRight;
    int32_t vk = virtualKeyByName(name);
    return vk ? slotOfVirtualKey(vk) : -1;
}

void handleWindowEvent(const platform::Event& e) {
    using platform::Event;
    switch (e.type) {
    case Event::Close:
        g_in.quitRequested = true;
        break;
    case Event::FocusGained:
        g_in.focusLost = false;
        break;
    case Event::FocusLost:
        std::memset(g_in.keyDown, 0, sizeof g_in.keyDown);
        g_in.focusLost = true;
        break;
    case Event::KeyDown: {
        if (e.key == 13 && e.alt) {
            if (!e.repeat) g_in.fullScreenToggle = true;
            break;
        }
        int32_t slot = slotOfVirtualKey(e.key);
        if (slot >= 0) {
            g_in.keyDown[slot] = 1;
            g_in.keyPressed[slot] = 1;
        }
        if (e.key == 46) g_in.pendingChar = 127;
        break;
    }
    case Event::KeyUp: {
        int32_t slot = slotOfVirtualKey(e.key);
        if (slot >= 0) g_in.keyDown[slot] = 0;
        break;
    }
    case Event::Char:
        g_in.pendingChar = e.ch;
        break;
    case Event::LeftDown:
        g_in.keyDown[kSlotMouseLeft] = 1;
        g_in.keyPressed[kSlotMouseLeft] = 1;
        g_in.mouseX = e.x;
        g_in.mouseY = e.y;
        break;
    case Event::LeftUp:
        g_in.keyDown[kSlotMouseLeft] = 0;
        break;
    case Event::RightDown:
        g_in.keyDown[kSlotMouseRight] = 1;
        g_in.keyPressed[kSlotMouseRight] = 1;
        break;
    case Event::RightUp:
        g_in.keyDown[kSlotMouseRight] = 0;
        break;
    case Event::MouseMove:
        if (e.x != g_in.mouseX || e.y != g_in.mouseY) {
            g_in.mouseX = static_cast<int16_t>(e.x);
            g_in.mouseY = static_cast<int16_t>(e.y);
            g_in.mouseMoved = true;
        }
        break;
    default:
        break;
    }
}

void stepKeys() {
    for (int k = 0; k < kKeySlots; ++k) {
        g_in.keyPressed[k] = (g_in.keyPrev[k] == 0 && g_in.keyDown[k] != 0) ? 1 : 0;
        g_in.keyPrev[k] = g_in.keyDown[k];
        if (g_in.keyDown[k] != 0 && g_in.keyDown[k] < kHeldLimit) ++g_in.keyDown[k];
        g_in.keyHeld[k] = g_in.keyDown[k];
    }
}

void pumpInput() {
    g_in.typedChar = g_in.pendingChar;
    g_in.pendingChar = 0;
    g_in.mouseMoved = false;
    g_in.fullScreenToggle = false;
    platform::Event e;
    while (platform::pollEvent(e)) handleWindowEvent(e);
    stepKeys();
}

void resetInput() {
    g_in = InputState{};
}

bool isPressed(int32_t slot) {
    return validSlot(slot) && g_in.keyPressed[slot] != 0;
}
int32_t heldFrames(int32_t slot) {
    return validSlot(slot) ? g_in.keyHeld[slot] : 0;
}
bool leftClicked() {
    return g_in.keyPressed[kSlotMouseLeft] != 0;
}
bool rightClicked() {
    return g_in.keyPressed[kSlotMouseRight] != 0;
}
int32_t leftHeld() {
    return g_in.keyHeld[kSlotMouseLeft];
}
int32_t leftHeldDir() {
    return g_in.keyHeld[9] ? g_in.keyHeld[9] : g_in.keyHeld[kSlotLeft];
}
int32_t rightHeldDir() {
    return g_in.keyHeld[8] ? g_in.keyHeld[8] : g_in.keyHeld[kSlotRight];
}
int32_t upHeldDir() {
    return g_in.keyHeld[7] ? g_in.keyHeld[7] : g_in.keyHeld[kSlotUp];
}
int32_t downHeldDir() {
    return g_in.keyHeld[11] ? g_in.keyHeld[11] : g_in.keyHeld[kSlotDown];
}

bool ctrlPaste() {
    return (g_in.keyPressed[kSlotCtrl] && g_in.keyHeld[kSlotV]) ||
           (g_in.keyPressed[kSlotV] && g_in.keyHeld[kSlotCtrl]);
}
bool ctrlCopy() {
    return (g_in.keyPressed[kSlotCtrl] && g_in.keyHeld[kSlotC]) ||
           (g_in.keyPressed[kSlotC] && g_in.keyHeld[kSlotCtrl]);
}

char16_t typedChar() {
    return g_in.typedChar;
}
Point mousePos() {
    return {g_in.mouseX, g_in.mouseY};
}
bool mouseMoved() {
    return g_in.mouseMoved;
}
bool hasFocusLost() {
    return g_in.focusLost;
}
void setQuitRequested(bool value) {
    g_in.quitRequested = value;
}
bool quitRequested() {
    return g_in.quitRequested;
}

void setCursor(int32_t kind) {
    if (g_in.focusLost) return;
    g_in.cursorKind = kind;
    platform::Cursor c = platform::Cursor::Arrow;
    if (kind == 1) c = platform::Cursor::Help;
    if (kind == 2) c = platform::Cursor::Wait;
    if (kind == 3) c = platform::Cursor::Hand;
    platform::setCursor(c);
}
int32_t cursorKind() {
    return g_in.cursorKind;
}

bool fullScreenToggleRequested() {
    return g_in.fullScreenToggle;
}

} // namespace bv

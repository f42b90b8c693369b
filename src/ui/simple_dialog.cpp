// The two message states: the one-message dialog (state 27) and the avatar message (state 35).
// Their openers store what to show, change state and restart the opening animation.
#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "assets/strings.h"
#include "core/input.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/font.h"
#include "gfx/format.h"
#include "gfx/text.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "ui/widgets.h"

namespace bv {

namespace {

struct StoredDialog {
    int32_t value = kStateGame;
    int32_t originX = 400, originY = 300;
    int32_t x = 0, y = 0, width = 0, height = 0;
    char16_t title[kFormatBufferUnits] = {};
    char16_t body[kFormatBufferUnits] = {};
    bool hasTitle = false, hasBody = false;
    int32_t owner = 0;
};
StoredDialog g_dialog;

// Copies a text into a stored buffer, cut to fit; a null text is stored as absent.
bool storeText(char16_t* out, const char16_t* text) {
    out[0] = 0;
    if (!text) return false;
    int32_t n = 0;
    while (text[n] && n < kFormatBufferUnits - 1) {
        out[n] = text[n];
        ++n;
    }
    out[n] = 0;
    return true;
}

void storeDialog(int32_t value, int32_t originX, int32_t originY, int32_t x, int32_t y, int32_t width,
                 int32_t height, const char16_t* title, const char16_t* body) {
    g_dialog.value = value;
    g_dialog.originX = originX;
    g_dialog.originY = originY;
    g_dialog.x = x;
    g_dialog.y = y;
    g_dialog.width = width;
    g_dialog.height = height;
    g_dialog.hasTitle = storeText(g_dialog.title, title);
    g_dialog.hasBody = storeText(g_dialog.body, body);
}

// The texts are stored before the state changes, so the new state's enter already sees them.
void openSimple(int32_t value, float speed, int32_t originX, int32_t originY, int32_t x, int32_t y,
                int32_t width, int32_t height, const char16_t* title, const char16_t* body) {
    storeDialog(value, originX, originY, x, y, width, height, title, body);
    changeState(kStateSimpleDialog, 0);
    resetDialog(speed);
}

const char16_t* keyText(const char* key) {
    return key ? text(key) : nullptr;
}

} // namespace

void showSimpleDialog(int32_t value, float speed, int32_t originX, int32_t originY, int32_t x, int32_t y,
                      int32_t width, int32_t height, const char* titleKey, const char* bodyKey) {
    openSimple(value, speed, originX, originY, x, y, width, height, keyText(titleKey), keyText(bodyKey));
}

void showSimpleDialogText(int32_t value, float speed, int32_t originX, int32_t originY, int32_t x, int32_t y,
                          int32_t width, int32_t height, const char16_t* title, const char16_t* body) {
    openSimple(value, speed, originX, originY, x, y, width, height, title, body);
}

void prepareSimpleDialog(int32_t value, int32_t originX, int32_t originY, int32_t x, int32_t y, int32_t width,
                         int32_t height, const char16_t* title, const char16_t* body) {
    storeDialog(value, originX, originY, x, y, width, height, title, body);
}

void simpleDialogCentred(int32_t value, int32_t width, int32_t height, const char16_t* title,
                         const char16_t* body) {
    openSimple(value, 1.0f, 400, 300, 400 - width / 2, 300 - height / 2, width, height, title, body);
}

void simpleDialogCentredKeys(int32_t value, int32_t width, int32_t height, const char* titleKey,
                             const char* bodyKey) {
    simpleDialogCentred(value, width, height, keyText(titleKey), keyText(bodyKey));
}

void simpleDialogFromMouse(int32_t value, int32_t width, int32_t height, const char16_t* title,
                           const char16_t* body) {
    const Point m = mousePos();
    openSimple(value, 1.0f, m.x, m.y, 400 - width / 2, 300 - height / 2, width, height, title, body);
}

void simpleDialogFromMouseKeys(int32_t value, int32_t width, int32_t height, const char* titleKey,
                               const char* bodyKey) {
    simpleDialogFromMouse(value, width, height, keyText(titleKey), keyText(bodyKey));
}

void showAvatarMessage(int32_t value, const char* bodyKey, int32_t owner) {
    storeDialog(value, 400, 300, 150, 150, 500, 300, u"", keyText(bodyKey));
    g_dialog.hasTitle = false;
    g_dialog.owner = owner;
    changeState(kStateAvatarMessage, 0);
    resetDialog(0.1f);
}

DialogParams simpleDialogParams() {
    return DialogParams{g_dialog.value,
                        g_dialog.originX,
                        g_dialog.originY,
                        g_dialog.x,
                        g_dialog.y,
                        g_dialog.width,
                        g_dialog.height,
                        g_dialog.hasTitle ? g_dialog.title : nullptr,
                        g_dialog.hasBody ? g_dialog.body : nullptr,
                        g_dialog.owner};
}

int32_t simpleDialogUpdate(int32_t) {
    textDialog(g_dialog.originX, g_dialog.originY, g_dialog.x, g_dialog.y, g_dialog.width, g_dialog.height,
               g_dialog.hasTitle ? g_dialog.title : nullptr, g_dialog.hasBody ? g_dialog.body : nullptr,
               text("ok"), g_dialog.value, goStateWhoosh);
    return 0;
}

int32_t avatarMessageEnter(int32_t, int32_t, int32_t argument) {
    snapshotBackdrop();
    openDialogFrom(g_dialog.originX, g_dialog.originY);
    return argument;
}

int32_t avatarMessageUpdate(int32_t) {
    if (!dialogHouseSelected()) {
        changeState(kStateGame, 0);
        return 0;
    }
    if (!dialogFrame(80, 200, 640, 200)) return 0;
    pushFont(&fontArial15Brown);
    avatarPicture(150, 280, g_dialog.owner, kAvatarSmall | kAvatarWithName, false);
    // The body starts right of the portrait: the normal-size picture's width + 100.
    const Sprite* portrait = spriteAt(characterSprites, avatarIndexOf(g_dialog.owner));
    const int32_t left = (portrait ? portrait->width : 50) + 100;
    setTextArea(left, 260, 680, 600);
    if (g_dialog.hasBody) drawText(left, 260, false, 0, g_dialog.body);
    setTextArea(0, 0, kFrameWidth, kFrameHeight);
    popFont();
    button(400, 360, 150, 30, text("ok"), g_dialog.value, goStateClick);
    return 0;
}

} // namespace bv

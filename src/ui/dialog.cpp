// The dialog backdrop, the growing frame and the generic text dialog.
#include "ui/dialog.h"

#include "audio/sound.h"
#include "core/clock.h"
#include "core/input.h"
#include "core/memory.h"
#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "ui/button.h"
#include "ui/widgets.h"

namespace bv {

namespace {

uint32_t* g_backdrop = nullptr;
DialogBoardHooks g_hooks{};

// The opening animation, shared by whichever dialog is current.
float g_progress = 1.0f;
float g_speed = 0.1f;
int32_t g_originX = 400;
int32_t g_originY = 300;
Rect g_lastRect{};

constexpr float kMinFrameSpeed = 0.1f;
constexpr float kDefaultTextDialogSpeed = 0.05f;
constexpr int32_t kFrameStartSize = 10;

uint32_t* backdrop() {
    if (!g_backdrop) g_backdrop = static_cast<uint32_t*>(memAllocZeroed(kFrameBytes));
    return g_backdrop;
}

} // namespace

void setDialogBoardHooks(const DialogBoardHooks& hooks) {
    g_hooks = hooks;
}

bool dialogHouseSelected() {
    return !g_hooks.houseSelected || g_hooks.houseSelected();
}

void snapshotBackdrop() {
    if (g_hooks.drawBoard) g_hooks.drawBoard();
    clearHotSpots();
    copyRect(backdrop(), frameBuffer, kFrameWidth, kFrameHeight);
}

void restoreBackdrop() {
    copyRect(frameBuffer, backdrop(), kFrameWidth, kFrameHeight);
}

void openDialogFrom(int32_t x, int32_t y) {
    playSound(kSoundClickWhoosh, 5);
    g_speed = 0.1f;
    g_originX = x;
    g_originY = y;
    g_progress = 0.0f;
    snapshotBackdrop();
}

void openDialogCentred() {
    openDialogFrom(400, 300);
}

void openDialogAtMouse() {
    const Point m = mousePos();
    openDialogFrom(m.x, m.y);
}

void resetDialog(float speed) {
    snapshotBackdrop();
    playSound(kSoundOrganicWhoosh21, 0);
    g_progress = 0.0f;
    g_speed = speed;
}

float dialogProgress() {
    return g_progress;
}

float dialogSpeed() {
    return g_speed;
}

Rect lastDialogRect() {
    return g_lastRect;
}

Rect growDialogRect(int32_t originX, int32_t originY, int32_t startSize, int32_t x, int32_t y, int32_t width,
                    int32_t height, float progress) {
    if (progress >= 1.0f) return Rect{x, y, width, height};
    // Each product is truncated toward zero on its own, as the conversions to int do.
    return Rect{originX + int32_t(float(x - originX) * progress),
                originY + int32_t(float(y - originY) * progress),
                startSize + int32_t(float(width - startSize) * progress),
                startSize + int32_t(float(height - startSize) * progress)};
}

int32_t dialogFrame(int32_t x, int32_t y, int32_t width, int32_t height) {
    restoreBackdrop();
    if (g_speed < kMinFrameSpeed) g_speed = kMinFrameSpeed;
    if (g_progress < 1.0f) g_progress += g_speed;
    if (g_progress >= 1.0f) g_progress = 1.0f;
    g_lastRect = growDialogRect(g_originX, g_originY, kFrameStartSize, x, y, width, height, g_progress);
    drawPanelFrame(g_lastRect.x, g_lastRect.y, g_lastRect.width, g_lastRect.height);
    return g_progress >= 1.0f ? 1 : 0;
}

int32_t textDialog(int32_t originX, int32_t originY, int32_t x, int32_t y, int32_t width, int32_t height,
                   const char16_t* title, const char16_t* body, const char16_t* buttonLabel, int32_t value,
                   HotSpotCallback callback) {
    restoreBackdrop();
    if (g_speed == 0.0f) g_speed = kDefaultTextDialogSpeed;
    // Grows with the frame's elapsed ticks, so a slow frame opens it further.
    g_progress += float(frameTicks) * g_speed;
    g_lastRect = growDialogRect(originX, originY, 0, x, y, width, height, g_progress);
    drawPanelFrame(g_lastRect.x, g_lastRect.y, g_lastRect.width, g_lastRect.height);
    if (g_progress < 1.0f) return 0;

    // The texts are clipped to the box; the clip rectangle is the caller's again afterwards.
    pushClip();
    setTextAreaClipped(x + 40, y, x + width - 40, y + height);
    pushFont(&fontArial20Brown);
    const int32_t line = lineHeight();
    // Style 0: the brown fonts draw in their own dark colour.
    if (title) drawText(x + width / 2, y + 2 * line, true, 0, title);
    if (body) {
        setFont(&fontArial15Brown);
        drawText(x + 40, y + int32_t(float(line) * 4.5f), false, 0, body);
    }
    popFont();
    setTextArea(0, 0, kFrameWidth, kFrameHeight);
    popClip();

    if (buttonLabel) {
        // Measured in the font the label is drawn in.
        pushFont(&fontArial15Blue);
        const int32_t labelWidth = textWidth(buttonLabel);
        popFont();
        button(x + width / 2, y + height - 40, labelWidth + 50, 30, buttonLabel, value, callback);
    }
    return 1;
}

} // namespace bv

#include "gfx/display.h"

#include <cstdlib>
#include <cstring>

#include "core/fatal.h"
#include "core/input.h"
#include "core/memory.h"
#include "gfx/framebuffer.h"
#include "platform/platform.h"

namespace bv {

namespace {

struct Display {
    bool exists = false;
    bool windowed = true;
    int32_t width = kScreenWidth;
    int32_t height = kScreenHeight;
    const char* title = "";
    uint32_t* surface = nullptr; // the presented copy of the frame buffer
};
Display g_display;

void releaseForFatal() {
    displayShutdown(false);
}

void copyRectToSurface(const Rect& r) {
    int32_t x0 = r.x < 0 ? 0 : r.x;
    int32_t y0 = r.y < 0 ? 0 : r.y;
    int32_t x1 = r.x + r.width > kScreenWidth ? kScreenWidth : r.x + r.width;
    int32_t y1 = r.y + r.height > kScreenHeight ? kScreenHeight : r.y + r.height;
    if (x0 >= x1 || y0 >= y1) return;
    if (x0 == 0 && y0 == 0 && x1 == kScreenWidth && y1 == kScreenHeight) {
        std::memcpy(g_display.surface, frameBuffer, sizeof(uint32_t) * kScreenWidth * kScreenHeight);
        return;
    }
    for (int32_t y = y0; y < y1; ++y)
        std::memcpy(g_display.surface + y * kScreenWidth + x0, frameBuffer + y * kScreenWidth + x0,
                    sizeof(uint32_t) * static_cast<size_t>(x1 - x0));
}

} // namespace

void displayInit(int32_t width, int32_t height, bool windowed, const char* title) {
    g_display.title = title;
    g_display.width = width;
    g_display.height = height;
    allocFrameBuffer();
    setFatalCleanup(releaseForFatal);
    createDisplay(windowed);
}

bool createDisplay(bool windowed) {
    g_display.windowed = windowed;
    if (!g_display.surface) {
        g_display.surface =
            static_cast<uint32_t*>(memAllocZeroed(sizeof(uint32_t) * kScreenWidth * kScreenHeight));
        if (!g_display.surface) fatal("Failed to allocate dirty buffer.\n");
    }
    if (!platform::windowExists() && !platform::createWindow(g_display.title, windowed)) {
        platform::showMessageBox("Game launch error", "DirectDraw init failed. Game will now exit. ");
        std::exit(-1);
    }
    g_display.exists = true;
    return true;
}

void displayShutdown(bool destroyWindow) {
    g_display.exists = false;
    if (destroyWindow) platform::destroyWindow();
}

void toggleFullScreen(bool fullScreen) {
    // The window is switched in place; nothing here may raise a quit request.
    if (!platform::setWindowFullScreen(fullScreen)) return;
    g_display.windowed = !fullScreen;
    setQuitRequested(false);
    markDirty(0, 0, kScreenWidth, kScreenHeight);
}

bool isWindowed() {
    return g_display.windowed;
}
void setWindowed(bool windowed) {
    g_display.windowed = windowed;
}

void readPixelFormat() {
    // The presented texture is always 32-bit 0x00RRGGBB.
    redShift = 16;
    greenShift = 8;
    blueShift = 0;
}

void present() {
    if (!g_display.surface || !frameBuffer) return;
    for (int32_t i = 0; i < dirtyCount(); ++i) copyRectToSurface(dirtyRect(i));
    clearDirty();
    if (g_display.exists) platform::presentFrame(g_display.surface);
}

const uint32_t* presentedSurface() {
    return g_display.surface;
}

} // namespace bv

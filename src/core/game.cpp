#include "core/game.h"

#include <cstdio>

#include "assets/archive.h"
#include "assets/strings.h"
#include "core/input.h"
#include "core/memory.h"
#include "core/state.h"
#include "gfx/display.h"
#include "gfx/draw.h"
#include "gfx/framebuffer.h"
#include "platform/platform.h"

namespace bv {

int32_t frameTicks = 1;
int32_t frameMs = kTickMs;
int32_t totalTicks = 0;
int32_t frameCount = 0;
int32_t exitGame = 0;
int32_t quitDialogOpen = 0;

// A full copy of the frame buffer; the quit dialog draws over it.
uint32_t* screenBackup = nullptr;

namespace {
constexpr const char* kWindowTitle = "Quillmoor Games Presents - Brickvale 2";
constexpr uint32_t kScreenBytes = kScreenWidth * kScreenHeight * 4;
} // namespace

int32_t ticksForElapsed(uint32_t elapsedMs) {
    uint32_t t = elapsedMs / kTickMs;
    if (t < 1) return 1;
    if (t > static_cast<uint32_t>(kMaxFrameTicks)) return kMaxFrameTicks;
    return static_cast<int32_t>(t);
}

int32_t chooseFirstState(bool gameInProgress, bool playerNameStored) {
    return (!gameInProgress && !playerNameStored) ? 23 : 0;
}

void gameInit() {
    memStartup();
    screenBackup = static_cast<uint32_t*>(memAllocZeroed(kScreenBytes));
    archiveOpen("bb_Blob32");
    initText("bvx_2_english.txt");
    // No saved settings are read yet: the game starts windowed and without a stored player name.
    bool windowed = true;
    displayInit(kScreenWidth, kScreenHeight, windowed, kWindowTitle);
    readPixelFormat();
    resetClip();
    fillRect(frameBuffer, 0, 0, kScreenWidth, kScreenHeight, 0);
    resetInput();
    changeState(chooseFirstState(false, false));
}

void runFrame() {
    uint32_t t0 = platform::ticks();
    pumpInput();
    if (fullScreenToggleRequested()) toggleFullScreen(isWindowed());
    updateCurrentState();
    markDirty(0, 0, kScreenWidth, kScreenHeight);
    present();

    // Pace the frame to 33 ms; a clock that went backwards ends the wait at once.
    for (;;) {
        uint32_t now = platform::ticks();
        if (now < t0 || now >= t0 + kTickMs) break;
        platform::sleepMs(3);
    }
    uint32_t now = platform::ticks();
    frameTicks = ticksForElapsed(now >= t0 ? now - t0 : 0);
    frameMs = frameTicks * kTickMs;
    totalTicks += frameTicks;
    frameCount += 1;

    if (quitRequested()) {
        int32_t state = currentStateId();
        setQuitRequested(false);
        // The quit confirmation dialog belongs to the dialog layer; until it is there every close ends the
        // game.
        (void)state;
        exitGame = 1;
    }
}

void requestExit() {
    exitGame = 1;
}

void gameShutdown() {
    displayShutdown(false);
}

int gameMain() {
    gameInit();
    MemStats stats = memStats();
    std::printf("large %d  total %d \n", stats.largest, stats.total);
    std::fflush(stdout);
    while (!exitGame) runFrame();
    gameShutdown();
    return 0;
}

} // namespace bv

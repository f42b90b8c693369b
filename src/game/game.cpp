#include "game/game.h"

#include <string>

#include "assets/archive.h"
#include "assets/picture_tree.h"
#include "assets/sprites.h"
#include "assets/strings.h"
#include "audio/audio.h"
#include "core/input.h"
#include "core/memory.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "editor/editor_state.h"
#include "game/state_table.h"
#include "gfx/display.h"
#include "gfx/draw.h"
#include "gfx/draw_list.h"
#include "gfx/font.h"
#include "gfx/framebuffer.h"
#include "gfx/png_write.h"
#include "gfx/sprite_startup.h"
#include "gfx/text.h"
#include "levels/goals.h"
#include "levels/save.h"
#include "levels/save_hooks.h"
#include "levels/score_service.h"
#include "platform/platform.h"
#include "platform/system.h"
#include "screens/board_notices.h"
#include "screens/float_effects.h"
#include "screens/screens.h"
#include "screens/tutorial.h"
#include "sim/effect_list.h"
#include "sim/game_update.h"
#include "sim/owners.h"
#include "ui/hotspots.h"
#include "ui/quit_dialog.h"
#include "ui/widgets.h"
#include "world/map.h"

namespace bv {

namespace {
// The screenshot's confirmation, drawn over the next frames (never into a screenshot itself).
std::string g_shotNote;
int32_t g_shotNoteFrames = 0;

void drawShotNote() {
    if (g_shotNoteFrames <= 0) return;
    g_shotNoteFrames -= 1;
    pushClip();
    resetClip();
    pushFont(&fontArial15Bld);
    fillRectAlpha(frameBuffer, 0, 0, kFrameWidth, 24, 0x000000, 170);
    std::u16string wide(g_shotNote.begin(), g_shotNote.end());
    drawText(8, 4, false, 0xFFFFFFu | kStyleSingleLine, wide.c_str());
    popFont();
    popClip();
}

constexpr const char* kWindowTitle = "Quillmoor Games Presents - Brickvale 2";
constexpr uint32_t kScreenBytes = kScreenWidth * kScreenHeight * 4;
StartupCost g_startup;
} // namespace

std::string saveScreenshot() {
    const std::string path = platform::newScreenshotPath();
    if (!writePng(path, frameBuffer, kFrameWidth, kFrameHeight, false)) {
        g_shotNote = std::string("Could not save a screenshot in ") + platform::picturesFolder();
        g_shotNoteFrames = 90;
        return "";
    }
    g_shotNote = std::string("Screenshot saved: ") + path;
    g_shotNoteFrames = 90;
    return path;
}

void leaveOnTermination() {
    // Logout, shutdown or kill: a game in progress is saved as "save and quit" saves it. The
    // editor's player is never written (its save name is its own); its unsaved map stays unsaved.
    if (gameStarted && currentStateId() != kStateEditor) saveGame();
    quitDialogOpen = 0;
    exitGame = 1;
}

int32_t chooseFirstState(bool gameInProgress, bool playerNameStored) {
    return (!gameInProgress && !playerNameStored) ? kStateEnterName : kStateAttract;
}

void gameInit() {
    useStateTable(kStateTable, stateCount());
    platform::installTerminationHandlers();
    setQuitDialogSaver(saveGame);
    setOwnerLooks(OwnerLooks{ownerAvatarIndex, ownerDisplayName});
    installLevelChecks();
    setNoticePresenter(presentNotice);
    memStartup();
    clearEffects();
    screenBackup = static_cast<uint32_t*>(memAllocZeroed(kScreenBytes));
    archiveOpen("bb_Blob32");
    initText("bvx_2_english.txt");
    // The last player's options and high scores; no save means full screen.
    loadPlayer(0);
    const bool playerStored = playerName[0] != 0;
    const bool windowed = savedWindowed();
    displayInit(kScreenWidth, kScreenHeight, windowed, kWindowTitle);
    readPixelFormat();
    loadStartupSprites();
    resetClip();
    allocMapTileBuffers();
    resetClip();
    fillRect(frameBuffer, 0, 0, kScreenWidth, kScreenHeight, 0);
    audioInit();
    enableSavedOptions();
    const double logoStart = platform::processCpuMs();
    runLogoSequence();
    g_startup.logoCpuMs = platform::processCpuMs() - logoStart;
    resetInput();
    initHotSpots();
    initDrawList();
    loadMapPictureSets();
    buildPictureTrees();
    // The map's tile grid is sized by the first reduced object picture, which exists only now.
    allocMapTileBuffers();
    changeState(chooseFirstState(gameStarted != 0, playerStored));
    g_startup.totalCpuMs = platform::processCpuMs();
}

StartupCost startupCost() {
    return g_startup;
}

void runFrame() {
    // While the quit dialog is open its own passes replace the frame: no state, no wait, no clock.
    if (platform::terminationRequested()) {
        leaveOnTermination();
        return;
    }
    if (quitDialogOpen) {
        quitDialogPass();
        // The dialog's passes keep no frame clock, but need not spin the processor either.
        platform::sleepMs(10);
        return;
    }
    uint32_t t0 = platform::ticks();
    pumpInput();
    if (fullScreenToggleRequested()) toggleFullScreen(isWindowed());
    clearHotSpots();
    // Anchor changes of house and object pictures last one frame.
    resetExAnchors(houseSprites);
    resetExAnchors(objectSprites);
    updateCurrentState();
    // An online score request moves on as far as it can without waiting.
    pollScoreService();
    runTimedObjects();
    updateEffects();
    // The overlay draws over the screen and strips the hot spots its step does not allow.
    updateTutorial();
    dispatchHotSpots();
    // F12 keeps the frame as the player sees it, before the note about it is drawn.
    if (isPressed(kSlotF12)) saveScreenshot();
    drawShotNote();
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
    audioUpdate(frameTicks, frameCount);

    if (quitRequested()) {
        setQuitRequested(false);
        // The editor asks its own question: the game's quit dialog would save the player's game.
        if (currentStateId() == kStateEditor)
            editorCloseRequested();
        else
            handleQuitRequest();
    }
}

void gameShutdown() {
    cancelScoreRequest();
    stopAllSound();
    displayShutdown(false);
}

int gameMain() {
    gameInit();
    while (!exitGame) runFrame();
    gameShutdown();
    return 0;
}

} // namespace bv

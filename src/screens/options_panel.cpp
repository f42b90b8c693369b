// The in-game options (state 16): a panel over the paused board with the two volume meters, the
// help and full-screen switches and the ways out of the game. The month clock only runs on the
// board, so the game stands still while this panel is open.
#include <algorithm>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "assets/strings.h"
#include "assets/text_keys.h"
#include "audio/audio.h"
#include "audio/sound.h"
#include "core/clock.h"
#include "core/input.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/display.h"
#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "levels/save_hooks.h"
#include "screens/screens.h"
#include "sim/daily_loop.h"
#include "sim/game_update.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "ui/widgets.h"
#include "world/scenario.h"

namespace bv {

namespace {

// The panel grows by 0.05 per tick of the frame clock, so it opens in about two thirds of a
// second however fast the frames run.
constexpr float kGrowPerTick = 0.05f;
constexpr int32_t kGrowStartSize = 10;
constexpr int32_t kPanelX = 20, kPanelY = 80, kPanelW = 760, kPanelH = 440;

constexpr int32_t kMeterW = 213, kMeterH = 44;
constexpr uint32_t kMeterFrame = 0x808080;
constexpr int32_t kMeterBoxes = 10;
constexpr int32_t kLeftArrowX = 250, kRightArrowX = 550;

constexpr int32_t kButtonY = 485, kButtonW = 140, kButtonH = 30;
constexpr int32_t kClickSound = kSoundMagicWand << 8;

float g_progress = 1.0f;
int32_t g_originX = 400, g_originY = 300;

void effectArrowClicked(int32_t, int32_t, int32_t step) {
    setEffectVolume(std::clamp(effectVolume() + step, 0, kMaxEffectVolume));
    applyEffectVolume();
    playSound(kSoundMagicWand, 5);
}

void musicArrowClicked(int32_t, int32_t, int32_t step) {
    setMusicVolume(std::clamp(musicVolume() + step, 0, kMaxMusicVolume));
    playSound(kSoundMagicWand, 5);
}

void helpClicked(int32_t, int32_t, int32_t) {
    // Unset counts as hidden: the first click shows the tips.
    helpSetting = helpSetting == kHelpShown ? kHelpHidden : kHelpShown;
    playSound(kSoundMagicWand, 5);
}

void fullScreenClicked(int32_t, int32_t, int32_t) {
    toggleFullScreen(isWindowed());
}

// The same request as closing the window: the frame loop then asks whether to save.
void quitClicked(int32_t, int32_t, int32_t) {
    setQuitRequested(true);
}

void saveAndResumeClicked(int32_t, int32_t, int32_t) {
    playSound(kSoundMagicWand, 5);
    // The board is current before the save, so the saved game resumes on the board.
    changeState(kStateGame);
    saveGame();
}

// A row of one meter with its two arrows and label: the arrows dim at either end of the range.
void volumeRow(int32_t y, int32_t shown, bool atBottom, bool atTop, int32_t step, HotSpotCallback clicked,
               const char* labelKey) {
    drawVolumeMeter(400, y, shown, kMeterBoxes);
    const int32_t arrowY = y + 20;
    spriteButton(kLeftArrowX, arrowY, spriteAt(iconSprites, pic::kIconArrowLeft), -step, clicked, false,
                 atBottom);
    spriteButton(kRightArrowX, arrowY, spriteAt(iconSprites, pic::kIconArrowRight), step, clicked, false,
                 atTop);
    printKey(400, y + 65, true, 0, labelKey);
}

void checkBox(int32_t x, int32_t y, bool set, HotSpotCallback clicked, const char* labelKey) {
    spriteButton(x, y, spriteAt(iconSprites, set ? pic::kIconCheckSet : pic::kIconCheckClear), 0, clicked,
                 false, false);
    printKey(x + 25, y + 5, false, 0, labelKey);
}

void drawOptionsContent() {
    pushFont(&fontArial20Brown);
    printKey(400, 120, true, 0, "Options");
    setFont(&fontArial15Brown);
    printKey(400, 145, true, 0, "gamePaused");
    if (const char16_t* difficulty = lookupVariant("diffTitle", currentDifficulty))
        drawText(400, 165, true, 0, difficulty);

    const int32_t effects = effectVolume();
    volumeRow(200, effects, effects <= 0, effects >= kMaxEffectVolume, 1, effectArrowClicked, "sfxVolume");
    // The music volume runs 0..100: its meter shows tenths and its arrows step by ten.
    const int32_t music = musicVolume();
    volumeRow(300, music / kMusicStep, music <= 0, music >= kMaxMusicVolume, kMusicStep, musicArrowClicked,
              "MusicVolume");

    checkBox(250, 410, helpSetting == kHelpShown, helpClicked, "help");
    checkBox(470, 410, !isWindowed(), fullScreenClicked, "fullscreen");
    popFont();

    button(105, kButtonY, kButtonW, kButtonH, text("resumeGame"), kClickSound | kStateGame, goStateClick);
    button(250, kButtonY, kButtonW, kButtonH, text("goals"), kClickSound | kStateDisplayGoals, goStateClick);
    button(395, kButtonY, kButtonW, kButtonH, text("mainMenu"), kClickSound | kStateExitGame, goStateClick);
    button(540, kButtonY, kButtonW, kButtonH, text("quit"), 0, quitClicked);
    button(690, kButtonY, kButtonW, kButtonH, text("saveAndResume"), 0, saveAndResumeClicked);
}

} // namespace

void drawVolumeMeter(int32_t x, int32_t y, int32_t value, int32_t maximum) {
    // A grey framed box with a black inside, centred on x.
    const int32_t left = x - kMeterW / 2;
    fillRect(frameBuffer, left, y, kMeterW, kMeterH, kMeterFrame);
    fillRect(frameBuffer, left + 1, y + 1, kMeterW - 2, kMeterH - 2, 0);
    const Sprite* first = spriteAt(audioBoxSprites, 0);
    if (!first) return;
    // The boxes are centred pictures; the row of ten is centred on x.
    const int32_t step = first->width;
    const int32_t firstCentre = x - 5 * step + step / 2;
    for (int32_t i = 0; i < kMeterBoxes; ++i) {
        int32_t picture = i;                             // lit
        if (i >= value) picture = kMeterBoxes + i;       // dim
        if (i >= maximum) picture = 2 * kMeterBoxes + i; // beyond the maximum
        if (const Sprite* box = spriteAt(audioBoxSprites, picture))
            drawSprite(frameBuffer, firstCentre + i * step, y + kMeterH / 2, box, false);
    }
}

float optionsPanelProgress() {
    return g_progress;
}

int32_t optionsEnter(int32_t, int32_t, int32_t) {
    g_progress = 0.0f;
    const Point mouse = mousePos();
    g_originX = mouse.x;
    g_originY = mouse.y;
    openDialogAtMouse();
    return 0;
}

int32_t optionsUpdate(int32_t) {
    restoreBackdrop();
    if (g_progress < 1.0f) g_progress = std::min(1.0f, g_progress + kGrowPerTick * float(frameTicks));
    const Rect r =
        growDialogRect(g_originX, g_originY, kGrowStartSize, kPanelX, kPanelY, kPanelW, kPanelH, g_progress);
    drawPanelFrame(r.x, r.y, r.width, r.height);
    if (isPressed(kSlotEscape)) {
        changeState(kStateGame);
        return 0;
    }
    if (g_progress >= 1.0f) drawOptionsContent();
    return 0;
}

} // namespace bv

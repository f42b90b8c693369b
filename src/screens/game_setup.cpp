// Game set-up (state 4): the player picks a face, a scenario and a difficulty over a dimmed
// picture of the board, then plays (state 1) or goes back to the title menu.
#include <cstring>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "assets/strings.h"
#include "assets/text_keys.h"
#include "audio/sound.h"
#include "core/memory.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/framebuffer.h"
#include "gfx/text.h"
#include "levels/level_start.h"
#include "screens/screens.h"
#include "screens/tutorial.h"
#include "sim/owner.h"
#include "sim/owners.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "ui/hotspots.h"
#include "ui/widgets.h"
#include "world/map.h"
#include "world/scenario.h"

namespace bv {

namespace {

constexpr int32_t kSoundStep = 20; // "generic_ui_10b.wav"
constexpr int32_t kPlayTag = 26;
constexpr uint32_t kBackdropBytes = uint32_t(kFrameWidth) * kFrameHeight * 4;

uint32_t* g_backdrop = nullptr;
bool g_takeBackdrop = true;
bool g_headerRead = false;

// An arrow that is drawn dimmed and does nothing without a callback.
void arrow(int32_t x, int32_t y, bool right, HotSpotCallback callback, int32_t value) {
    const Sprite* s = spriteAt(iconSprites, right ? pic::kIconArrowRight : pic::kIconArrowLeft);
    spriteButton(x, y, s, value, callback, false, callback == nullptr);
}

void loadHeader() {
    g_headerRead = false;
    if (!scenarioList || chosenScenario < 0 || chosenScenario >= scenarioListCount) return;
    char name[kTextCapacity];
    narrowInto(name, sizeof name, scenarioList[chosenScenario]);
    g_headerRead = readScenarioFile(name) == 0;
    g_takeBackdrop = true;
}

void takeBackdrop() {
    if (!g_backdrop) g_backdrop = static_cast<uint32_t*>(memAlloc(kBackdropBytes));
    // The board when a town is loaded, else the title picture.
    fillRect(frameBuffer, 0, 0, kFrameWidth, kFrameHeight, 0);
    if (const Sprite* bg = spriteAt(backgroundSprites, pic::kBkgndTitle))
        drawSprite(frameBuffer, 0, 0, bg, false);
    if (houseCount > 0) snapshotBackdrop();
    dimRect(frameBuffer, 0, 0, kFrameWidth, kFrameHeight, 20);
    if (g_backdrop) copyRect(g_backdrop, frameBuffer, kFrameWidth, kFrameHeight);
    g_takeBackdrop = false;
}

void avatarClicked(int32_t, int32_t, int32_t value) {
    playSound(kSoundStep, 5);
    stepAvatar(value);
}

void scenarioClicked(int32_t, int32_t, int32_t value) {
    playSound(kSoundStep, 5);
    chosenScenario = (chosenScenario + value + scenarioListCount) % scenarioListCount;
    loadHeader();
}

void difficultyClicked(int32_t, int32_t, int32_t value) {
    playSound(kSoundStep, 5);
    stepDifficulty(value);
}

void playClicked(int32_t, int32_t, int32_t) {
    playSound(kSoundMagicWand, 5);
    if (startScenario() != 0) {
        loadHeader();
        return;
    }
    changeState(kStateInitGame);
}

} // namespace

void stepAvatar(int32_t delta) {
    int32_t a = owners[kOwnerPlayer].avatar + delta;
    if (a < 0) a = kAvatarChoices - 1;
    if (a >= kAvatarChoices) a = 0;
    owners[kOwnerPlayer].avatar = a;
}

void stepDifficulty(int32_t delta) {
    int32_t d = currentDifficulty + delta;
    if (d < 0) d = 0;
    if (d >= kDifficultyCount) d = kDifficultyCount - 1;
    currentDifficulty = d;
}

int32_t setupDifficulty() {
    return currentDifficulty;
}

int32_t gameSetupEnter(int32_t, int32_t, int32_t) {
    buildScenarioList();
    // The tour plays in its own gentle scenario, whose town has houses for sale from the start.
    if (tutorialRunning() && tutorialScenarioIndex() >= 0) chosenScenario = tutorialScenarioIndex();
    if (chosenScenario < 0 || chosenScenario >= scenarioListCount) chosenScenario = 0;
    if (currentDifficulty < 0 || currentDifficulty >= kDifficultyCount) currentDifficulty = 1;
    loadHeader();
    g_takeBackdrop = true;
    return 0;
}

int32_t gameSetupUpdate(int32_t) {
    if (g_takeBackdrop) takeBackdrop();
    if (g_backdrop) copyRect(frameBuffer, g_backdrop, kFrameWidth, kFrameHeight);
    clearHotSpots();

    drawPanelFrame(70, 190, 660, 400);
    stepAvatar(0);
    if (const Sprite* plate = spriteAt(backgroundSprites, pic::kBkgndAvatarBackdrop))
        drawSprite(frameBuffer, 400, 120, plate, false);
    if (const Sprite* face = spriteAt(characterSprites, owners[kOwnerPlayer].avatar))
        drawSprite(frameBuffer, 400, 85, face, false);
    arrow(280, 200, false, avatarClicked, -1);
    arrow(520, 200, true, avatarClicked, 1);
    pushFont(&fontArial20Brown);
    // Texts sit centred on the row of their arrows (and the name on the portrait's name plate).
    const int32_t half = lineHeight() / 2;
    drawText(400, 188 - half, true, 0, ownerName(kOwnerPlayer));

    const bool several = scenarioListCount >= 2;
    const char16_t* title = g_headerRead ? scenario.scenarioName : u"";
    drawText(400, 300 - half, true, 0, title);
    popFont();
    arrow(260, 300, false, several ? scenarioClicked : nullptr, -1);
    arrow(540, 300, true, several ? scenarioClicked : nullptr, 1);

    pushFont(&fontArial15Brown);
    setTextArea(100, 350, 700, 600);
    const char16_t* description = g_headerRead ? scenario.scenarioDescription : u"";
    if (textWidth(description) >= 600)
        drawText(100, 350, false, 0, description);
    else
        drawText(400, 350, true, 0, description);
    // The description's last line ends a line height below the pen; the difficulty row follows.
    const int32_t y = penY() + 80;
    setTextArea(0, 0, kFrameWidth, kFrameHeight);
    popFont();

    pushFont(&fontArial20Brown);
    printKey(400, y - 36 - half, true, 0, "chooseDiff");
    drawText(400, y - lineHeight() / 2, true, 0, lookupVariant("diffTitle", currentDifficulty));
    popFont();
    arrow(300, y, false, currentDifficulty > 0 ? difficultyClicked : nullptr, -1);
    arrow(500, y, true, currentDifficulty < kDifficultyCount - 1 ? difficultyClicked : nullptr, 1);

    button(300, 540, 150, 30, text("back"), kStateAttract, goStateWhoosh);
    button(500, 540, 150, 30, text("play"), 1, g_headerRead ? playClicked : nullptr);
    tagLastHotSpot(kPlayTag);
    return 0;
}

} // namespace bv

// The game-done screen (state 60, "you win"): the closing picture fades in over the board, then
// the text for the difficulty with the scenario's name, and an "ok" that ends the game and shows
// the high scores.
#include <algorithm>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "assets/strings.h"
#include "core/clock.h"
#include "core/state_ids.h"
#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/framebuffer.h"
#include "gfx/text.h"
#include "screens/level_screens.h"
#include "screens/screens.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "world/scenario.h"

namespace bv {

namespace {

constexpr const char* kTextKeys[3] = {"gameDoneEasy", "gameDoneNormal", "gameDoneHard"};
float g_pictureFade = 0.0f;
float g_textFade = 0.0f;

const Sprite* picture() {
    return pic::kBkgndGameDone < backgroundSprites.count ? &backgroundSprites.sprites[pic::kBkgndGameDone]
                                                         : nullptr;
}

} // namespace

float gameDonePictureFade() {
    return g_pictureFade;
}
float gameDoneTextFade() {
    return g_textFade;
}

int32_t gameDoneEnter(int32_t, int32_t, int32_t) {
    g_pictureFade = 0.0f;
    g_textFade = 0.0f;
    // The picture fades in over the last picture of the board.
    snapshotBackdrop();
    return 0;
}

int32_t gameDoneUpdate(int32_t) {
    const Sprite* p = picture();
    if (g_pictureFade < 1.0f) {
        g_pictureFade = std::min(1.0f, g_pictureFade + 0.2f * static_cast<float>(frameTicks));
        restoreBackdrop();
        if (p)
            drawSpriteFaded(frameBuffer, 0, 0, p, p->width, p->height, false,
                            static_cast<int32_t>(255.0f * g_pictureFade));
        return 0;
    }
    if (p) drawSprite(frameBuffer, 0, 0, p, false);
    if (g_textFade < 1.0f) {
        g_textFade = std::min(1.0f, g_textFade + 0.05f * static_cast<float>(frameTicks));
        return 0;
    }
    char name[kTextCapacity];
    narrowInto(name, sizeof name, scenario.scenarioName);
    pushFont(&fontArial15Brown);
    // Wrapped a little inside the box so the words keep clear of the panel's rim.
    setTextArea(450, 147, 722, 400);
    printKey(450, 170, false, 0, kTextKeys[std::clamp(currentDifficulty, 0, 2)], name);
    setTextArea(0, 0, 800, 600);
    popFont();
    button(598, 360, 150, 30, text("ok"), 0, gameOverClicked);
    return 0;
}

} // namespace bv

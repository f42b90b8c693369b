// The title screen: the town picture with the game's logo growing in, its "2" badge popping out
// after it and catching the light now and then; over it the welcome panel (the player's name,
// clickable to change it) and the menu.
#include <cstring>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "assets/strings.h"
#include "audio/audio.h"
#include "audio/sound.h"
#include "core/clock.h"
#include "core/random.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/format.h"
#include "gfx/framebuffer.h"
#include "gfx/text.h"
#include "levels/save.h"
#include "screens/screens.h"
#include "screens/tutorial.h"
#include "sim/owners.h"
#include "ui/button.h"
#include "ui/hotspots.h"
#include "ui/widgets.h"

namespace bv {

namespace {

bool g_resumable = false;

constexpr int32_t kSoundFairyWand = 35;
constexpr int32_t kPlainPhaseTicks = 100;
constexpr int32_t kShineTicks = 63;
constexpr int32_t kPlayGameTag = 2;

float g_logo = 0.0f;
float g_badge = 0.0f;
int32_t g_shineCounter = 0;
bool g_shining = false;
Sprite* g_welcome = nullptr;

// A picture drawn at `scale` of its size, turning about its own anchor.
void drawScaled(int32_t x, int32_t y, const Sprite* s, float scale) {
    const int32_t w = int32_t(float(s->width) * scale), h = int32_t(float(s->height) * scale);
    if (w > 0 && h > 0) drawSpriteScaled(frameBuffer, x, y, s, w, h, false, 1.0f);
}

void drawBadge() {
    const Sprite* badge = spriteAt(logoSprites, pic::kLogoBadge);
    if (!badge) return;
    if (g_badge < 1.0f) {
        g_badge += 0.1f;
        if (g_badge > 0.999f) g_badge = 1.0f;
        // Exactly halfway, as it pops: the wand's sparkle.
        if (g_badge > 0.49f && g_badge < 0.51f) playSound(kSoundFairyWand);
    }
    if (g_badge < 1.0f) {
        const float r = 1.0f - g_badge;
        drawScaled(int32_t(610 - r * 50), int32_t(462 - r * 80), badge, g_badge);
        return;
    }
    g_shineCounter += frameTicks;
    if (!g_shining && g_shineCounter > kPlainPhaseTicks) {
        g_shining = true;
        g_shineCounter = 0;
    } else if (g_shining && g_shineCounter > kShineTicks) {
        g_shining = false;
        g_shineCounter = 0;
    }
    if (g_shining)
        drawSpriteShine(frameBuffer, 610, 462, badge, false, float(g_shineCounter) / float(kShineTicks));
    else
        drawSprite(frameBuffer, 610, 462, badge, false);
}

void playGameClicked(int32_t, int32_t, int32_t) {
    playSound(kSoundMagicWand, 5);
    changeState(kStateSetup);
}

void tutorialClicked(int32_t, int32_t, int32_t) {
    playSound(kSoundMagicWand, 5);
    startTutorial();
    changeState(kStateExplainTutorial);
}

void quitClicked(int32_t, int32_t, int32_t) {
    playSound(kSoundMagicWand, 5);
    requestExit();
}

void changeNameClicked(int32_t, int32_t, int32_t) {
    releaseWelcomeSprite();
    changeState(kStateEnterName);
}

void buildWelcome() {
    const char16_t* format = text("welcome");
    char16_t line[256];
    char16_t name[kPlayerNameBytes];
    for (int32_t i = 0; i < kPlayerNameBytes; ++i)
        name[i] = char16_t(static_cast<unsigned char>(playerName[i]));
    name[kPlayerNameBytes - 1] = 0;
    formatWideText(line, 256, format ? format : u"%s", name);
    pushFont(&fontArial15Brown);
    g_welcome = renderPlainTextSprite(0, line);
    popFont();
}

} // namespace

float titleLogoProgress() {
    return g_logo;
}

void resetTitleAnimation() {
    g_logo = 0.0f;
    g_badge = 0.0f;
    g_shineCounter = 0;
    g_shining = false;
}

void releaseWelcomeSprite() {
    if (g_welcome) freeTextSprite(g_welcome);
    g_welcome = nullptr;
}

void drawTitleBackground() {
    clearHotSpots();
    fillRect(frameBuffer, 0, 0, kFrameWidth, kFrameHeight, 0);
    if (const Sprite* bg = spriteAt(backgroundSprites, pic::kBkgndTitle))
        drawSprite(frameBuffer, 0, 0, bg, false);
    const Sprite* logo = spriteAt(logoSprites, pic::kLogoTitle);
    if (!logo) return;
    if (g_logo < 1.0f) {
        if (g_logo == 0.0f) playSound(kSoundCashRegister);
        g_logo += frameTicks > 0 ? float(frameTicks) * 0.1f : 0.1f;
        if (g_logo > 1.0f) g_logo = 1.0f;
    }
    if (g_logo < 1.0f) {
        const float r = 1.0f - g_logo;
        drawScaled(int32_t(400 - r * 50), int32_t(510 - r * 80), logo, g_logo);
        return;
    }
    drawSprite(frameBuffer, 400, 510, logo, false);
    drawBadge();
}

int32_t titleMenuEnter(int32_t previousId, int32_t, int32_t) {
    // Back from screens drawn over the same background, the logo stands as it stood.
    if (previousId != kStateEnterName && previousId != kStateHighScores) resetTitleAnimation();
    // "Resume" only when there is a saved game to resume.
    g_resumable = gameResumable();
    return 0;
}

int32_t titleMenuUpdate(int32_t) {
    // The menu draws one value of the game generator per frame.
    random(100);
    const bool resumable = g_resumable;
    if (!g_welcome) buildWelcome();
    drawTitleBackground();
    if (g_logo < 1.0f) return 0;

    drawPanelFrame(500, 35, 300, resumable ? 340 : 290);
    if (const Sprite* banner = spriteAt(iconSprites, pic::kIconTitlePanelBanner))
        drawSprite(frameBuffer, 650 - banner->width / 2, 55, banner, false);
    if (g_welcome) spriteButtonGlow(650, 80, g_welcome, 0, changeNameClicked, 1.1f);
    pushFont(&fontArial12Bld);
    printKey(650, 110, true, 0x808000, "clickToChange");
    popFont();

    if (!musicLoaded()) return 0;
    int32_t y = 150;
    button(650, y, 180, 30, text("playGame"), 0, playGameClicked);
    tagLastHotSpot(kPlayGameTag);
    y += 40;
    if (resumable) {
        button(650, y, 180, 30, text("resumeGame"), kStateResume, goStateClick);
        y += 40;
    }
    button(650, y, 180, 30, text("runTutorial"), 0, tutorialClicked);
    y += 40;
    button(650, y, 180, 30, text("HighScores"), kStateHighScores, goStateWhoosh);
    y += 40;
    button(650, y, 180, 30, text("quit"), 0, quitClicked);
    return 0;
}

} // namespace bv

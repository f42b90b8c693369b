// The tutorial's panel: it grows out of the title menu's corner the first time, then stands at
// each step's place with the step's title and text, its buttons, and a blinking arrow at the
// button the step is about.
#include <cstdio>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "assets/strings.h"
#include "audio/sound.h"
#include "core/clock.h"
#include "core/input.h"
#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "screens/tutorial_internal.h"
#include "ui/button.h"
#include "ui/widgets.h"

namespace bv {

namespace {

constexpr int32_t kArrowGap = 10;
constexpr int32_t kScreenMiddleX = 400;
constexpr int32_t kScreenMiddleY = 300;
constexpr int32_t kBlinkBit = 16; // the arrow shows for 16 frames, then hides for 16
constexpr float kGrowPerTick = 0.1f;

TutorialArrow g_arrow{};
bool g_arrowShown = false;

void okClicked(int32_t, int32_t, int32_t) {
    playSound(kSoundMagicWand, 5);
    tutorialNext();
}

void exitClicked(int32_t, int32_t, int32_t) {
    playSound(kSoundMagicWand, 5);
    stopTutorial();
}

void onlineHelpClicked(int32_t, int32_t, int32_t) {
    playSound(kSoundMagicWand, 5);
    openGettingStarted();
}

int32_t between(int32_t from, int32_t to, float progress) {
    return from + int32_t(float(to - from) * progress);
}

// The opening: the frame moves from the start rectangle to the step's over ten ticks.
void drawOpening(const Rect& target) {
    const Rect& s = tutorial.start;
    const float p = tutorial.progress;
    tutorial.rect = Rect{between(s.x, target.x, p), between(s.y, target.y, p),
                         between(s.width, target.width, p), between(s.height, target.height, p)};
    tutorial.progress += float(frameTicks) * kGrowPerTick;
    // Ten steps of 0.1 add up to a hair under or over 1.
    if (tutorial.progress > 0.999f) {
        tutorial.progress = 1.0f;
        tutorial.rect = target;
        tutorial.phase = kPanelShown;
    }
    const Rect& r = tutorial.rect;
    drawPanelFrame(r.x, r.y, r.width, r.height);
}

void drawTexts(const Rect& r, const StepTexts& texts) {
    pushFont(&fontArial20Brown);
    // The title's line is centred on y + 40.
    drawText(r.x + r.width / 2, r.y + 40 - lineHeight() / 2, true, 0, texts.title);
    setFont(&fontArial15Brown);
    setTextArea(r.x + 20, r.y + 30, r.x + r.width - 25, r.y + r.height - 2);
    drawText(r.x + 20, r.y + 70, false, 0, texts.body);
    setTextArea(0, 0, kFrameWidth, kFrameHeight);
    popFont();
}

void drawButtons(const Rect& r, int32_t targetTag) {
    const int32_t y = r.y + r.height - 40;
    const int32_t quarter = r.x + r.width / 4, threeQuarters = r.x + 3 * r.width / 4;
    if (targetTag == kTutorialGoalsTag) {
        button(quarter, y, 130, 30, text("ok"), 0, exitClicked);
        tagLastHotSpot(kTutorialNoTarget);
        button(threeQuarters, y, 200, 30, text("launchOnlineHelp"), 0, onlineHelpClicked);
    } else if (targetTag != kTutorialNoTarget) {
        button(r.x + r.width / 2, y, 150, 30, text("exitTutorial"), 0, exitClicked);
    } else {
        button(quarter, y, 130, 30, text("ok"), 0, okClicked);
        tagLastHotSpot(kTutorialNoTarget);
        button(threeQuarters, y, 130, 30, text("exitTutorial"), 0, exitClicked);
    }
}

void drawArrow(int32_t targetTag) {
    const bool hasTarget = targetTag != kTutorialNoTarget;
    // Without a target the arrow points at the panel's own "ok".
    const HotSpot* target = findHotSpotByTag(targetTag);
    if (!target || !(frameCount & kBlinkBit)) return;
    g_arrow = tutorialArrowFor(*target, hasTarget);
    g_arrowShown = true;
    if (const Sprite* s = spriteAt(iconSprites, g_arrow.picture))
        drawSprite(frameBuffer, g_arrow.x, g_arrow.y, s, g_arrow.mirrored);
}

} // namespace

StepTexts stepTexts(const TutorialStep& step) {
    char key[64];
    std::snprintf(key, sizeof key, "tut_title_%s", step.name);
    const char16_t* title = text(key);
    std::snprintf(key, sizeof key, "tut_body_%s", step.name);
    return StepTexts{title, text(key)};
}

TutorialArrow tutorialArrowFor(const HotSpot& target, bool stepHasTarget) {
    const int32_t centreY = target.top + target.height / 2;
    if (!stepHasTarget) return TutorialArrow{target.left - kArrowGap, centreY, pic::kIconPointerUpper, false};
    const int32_t picture = centreY <= kScreenMiddleY ? pic::kIconPointerUpper : pic::kIconPointerLower;
    // The picture points right with its tip on the anchor; mirrored it points left.
    if (target.left + target.width / 2 <= kScreenMiddleX)
        return TutorialArrow{target.left + target.width + kArrowGap, centreY, picture, true};
    return TutorialArrow{target.left - kArrowGap, centreY, picture, false};
}

bool lastTutorialArrow(TutorialArrow& out) {
    if (g_arrowShown) out = g_arrow;
    return g_arrowShown;
}

void clearTutorialArrow() {
    g_arrowShown = false;
}

void drawTutorialPanel(int32_t i) {
    const TutorialStep& step = kTutorialSteps[i];
    if (tutorial.phase == kPanelOpening) {
        drawOpening(Rect{step.x, step.y, step.width, step.height});
        return;
    }
    const Rect r = tutorial.rect;
    drawPanelFrame(r.x, r.y, r.width, r.height);
    drawTexts(r, stepTexts(step));
    drawButtons(r, step.targetTag);
    drawArrow(step.targetTag);
    // The target's own callback still runs when the click is dispatched after this.
    if (step.targetTag != kTutorialNoTarget && leftClicked()) {
        const Point m = mousePos();
        if (hotSpotTagAt(m.x, m.y) == step.targetTag + 1) completeCurrentStep();
    }
}

} // namespace bv

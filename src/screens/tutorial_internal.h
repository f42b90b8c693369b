// What the tutorial's step logic and its panel drawing share. Internal to the tutorial.
#pragma once

#include <cstdint>

#include "gfx/framebuffer.h"
#include "screens/tutorial.h"

namespace bv {

struct TutorialRun {
    bool running = false;
    bool done[kTutorialStepCount] = {};
    int32_t shown = -1; // the last step shown
    int32_t phase = kPanelOpening;
    float progress = 0.0f;
    Rect rect{};  // the panel as drawn
    Rect start{}; // where the opening grows from
    bool firstShown = false;
};
extern TutorialRun tutorial;

struct StepTexts {
    const char16_t* title;
    const char16_t* body;
};
// The step's title and body from the string table; nullptr for a missing key.
StepTexts stepTexts(const TutorialStep& step);

// Draws the panel of step i in its current phase: the opening frame, or the finished panel with
// its buttons and arrow; a click on the target finishes the step.
void drawTutorialPanel(int32_t i);
// Forgets the arrow of the last frame (nothing is pointed at until a panel draws one).
void clearTutorialArrow();

} // namespace bv

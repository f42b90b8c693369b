// The guided tutorial: an overlay over the ordinary screens that walks a new player through
// twelve steps. Each step belongs to one state; while that state is current and the step is not
// done, a panel explains it, only the button the step is about stays clickable, and a blinking
// arrow points at that button. Clicking the button (or the panel's "ok" for steps without one)
// finishes the step.
#pragma once

#include <cstdint>
#include <string>

#include "gfx/framebuffer.h"
#include "ui/hotspots.h"

namespace bv {

constexpr int32_t kTutorialStepCount = 12;
// The target tag of a step without a target: the panel's own "ok" button carries it.
constexpr int32_t kTutorialNoTarget = 1;
// The conclusion points at the goals button and offers the online help.
constexpr int32_t kTutorialGoalsTag = 23;
// Where the first panel grows from: the title menu's panel corner.
constexpr int32_t kTutorialGrowX = 740;
constexpr int32_t kTutorialGrowY = 35;
// The getting-started page shipped in the game folder ("help/getting_started.html"), as a file
// address for the player's browser.
std::string gettingStartedUrl();
// A file path as the path part of a file address: everything but letters, digits, "/-._~" is
// percent-encoded, so folders with spaces or other characters still open.
std::string fileUrlForPath(const std::string& path);
// The shipped scenario the tour plays in: its town has houses for sale from the start.
constexpr const char* kTutorialScenarioFile = "first_steps.bvx";

struct TutorialStep {
    int32_t state;     // the state the step shows in
    int32_t targetTag; // the hot spot the step is about; kTutorialNoTarget for none
    int32_t x, y, width, height;
    int32_t unused;      // -1 in every row
    const char* name;    // builds the text keys "tut_title_<name>" and "tut_body_<name>"
    int32_t nextState;   // where the panel's "ok" goes; -1 stays
    bool (*condition)(); // must pass before the step shows; nullptr for none
};
extern const TutorialStep kTutorialSteps[kTutorialStepCount];

// Starts the tour from its first step: every step pending.
void startTutorial();
// The first step of the current state that is not done and whose condition passes, or -1.
int32_t currentStep();
void completeCurrentStep();
// Completes the current step and goes to its next state, if it has one.
void tutorialNext();
// Ends the tour and returns to the title menu.
void stopTutorial();
// Every frame after the state update, before the click is dispatched: advances and draws the
// overlay and strips the hot spots the current step does not allow.
void updateTutorial();
// Opens the getting-started page in the player's browser and returns to the title menu.
void openGettingStarted();

bool tutorialRunning();
bool tutorialStepDone(int32_t step);
// The index of the tutorial's scenario in the set-up list, or -1 when the list lacks it.
int32_t tutorialScenarioIndex();

// --- For checks ------------------------------------------------------------------------------
void setTutorialStepDone(int32_t step, bool done);
// Back to a tour that never ran: not running, nothing done, no panel shown.
void resetTutorialForTests();
constexpr int32_t kPanelOpening = 0;
constexpr int32_t kPanelShown = 1;
struct TutorialPanel {
    Rect rect;      // the panel as last drawn (animated while opening)
    int32_t phase;  // kPanelOpening or kPanelShown
    float progress; // 0..1 while opening
    int32_t shown;  // the last step shown, -1 before any
};
TutorialPanel tutorialPanel();

// Where the arrow stands for a target: its tip 10 pixels beside the target's nearer side,
// vertically centred, "icons" 18 above the screen's middle and 19 below.
struct TutorialArrow {
    int32_t x, y;
    int32_t picture;
    bool mirrored;
};
TutorialArrow tutorialArrowFor(const HotSpot& target, bool stepHasTarget);
// The arrow of the last drawn panel: false when no target was found or it was blinked off.
bool lastTutorialArrow(TutorialArrow& out);

} // namespace bv

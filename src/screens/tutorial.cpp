// The tutorial's steps and their bookkeeping: which step shows in which state, what finishes it,
// and where the tour goes next. The panel itself is drawn by tutorial_panel.cpp.
#include "screens/tutorial.h"

#include <cctype>

#include "assets/strings.h"
#include "audio/audio.h"
#include "audio/sound.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "platform/platform.h"
#include "screens/screens.h"
#include "screens/tutorial_internal.h"
#include "sim/daily_loop.h"
#include "world/scenario.h"

namespace bv {

namespace {

constexpr int32_t kConclusion = 11;

bool sameNameIgnoringCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}

// The conclusion waits until every earlier step is done.
bool earlierStepsDone() {
    for (int32_t i = 0; i < kConclusion; ++i)
        if (!tutorialStepDone(i)) return false;
    return true;
}

} // namespace

// clang-format off
const TutorialStep kTutorialSteps[kTutorialStepCount] = {
    {kStateExplainTutorial, kTutorialNoTarget, 112,  80, 533, 304, -1, "explainTutorial",  kStateSetup, nullptr},
    {kStateSetup,           26,                540,   4, 251, 274, -1, "nav",              -1,          nullptr},
    {kStateGame,           18,                205, 370, 590, 217, -1, "houseForSale",     -1,          nullptr},
    {kStateGame,           19,                 50,  12, 381, 278, -1, "selectMakeOffer",  -1,          nullptr},
    {kStateMakeOffer,       20,                 33, 437, 764, 165, -1, "makeOffer",        -1,          nullptr},
    {kStateGame,           24,                121, 134, 444, 228, -1, "hurryMonth",       -1,          nullptr},
    {kStateGame,           21,                100, 100, 400, 200, -1, "selectChangeRent", -1,          nullptr},
    {kStateSetRent,         kTutorialNoTarget,  33, 437, 764, 165, -1, "changeRent",       kStateGame, nullptr},
    {kStateGame,           22,                418, 253, 255, 190, -1, "selectUpgrade",    -1,          nullptr},
    {kStateUpgrade,         kTutorialNoTarget,  33, 437, 764, 165, -1, "upgrade",          kStateGame, nullptr},
    {kStateGame,           kTutorialNoTarget, 121, 134, 444, 228, -1, "options",          -1,          nullptr},
    {kStateGame,           kTutorialGoalsTag, 113, 105, 564, 321, -1, "conclusion",       -1,          earlierStepsDone},
};
// clang-format on

TutorialRun tutorial;

void startTutorial() {
    tutorial.firstShown = false;
    tutorial.running = true;
    for (bool& done : tutorial.done) done = false;
    // A panel still standing from an earlier tour stays; the first show starts the opening anyway.
    if (tutorial.phase != kPanelShown) tutorial.phase = kPanelOpening;
    tutorialActive = 1;
}

int32_t currentStep() {
    const int32_t state = currentStateId();
    for (int32_t i = 0; i < kTutorialStepCount; ++i) {
        const TutorialStep& s = kTutorialSteps[i];
        if (s.state != state || tutorial.done[i]) continue;
        if (s.condition && !s.condition()) continue;
        return i;
    }
    return -1;
}

void completeCurrentStep() {
    const int32_t step = currentStep();
    if (step < 0) return;
    tutorial.done[step] = true;
    // Once the last step is done the tour is over; the game goes on without it (rent applicants
    // arrive again).
    for (bool done : tutorial.done)
        if (!done) return;
    tutorial.running = false;
    tutorialActive = 0;
}

void tutorialNext() {
    const int32_t step = currentStep();
    completeCurrentStep();
    if (step >= 0 && kTutorialSteps[step].nextState >= 0) changeState(kTutorialSteps[step].nextState);
}

void stopTutorial() {
    tutorial.running = false;
    tutorialActive = 0;
    changeState(kStateAttract);
}

std::string fileUrlForPath(const std::string& path) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const char c : path) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (std::isalnum(u) || c == '/' || c == '-' || c == '.' || c == '_' || c == '~') {
            url.push_back(c);
        } else {
            url.push_back('%');
            url.push_back(kHex[u >> 4]);
            url.push_back(kHex[u & 15]);
        }
    }
    return url;
}

std::string gettingStartedUrl() {
    return fileUrlForPath(platform::programFolder() + "help/getting_started.html");
}

void openGettingStarted() {
    platform::openUrl(gettingStartedUrl().c_str());
    changeState(kStateAttract);
}

bool tutorialRunning() {
    return tutorial.running;
}

bool tutorialStepDone(int32_t step) {
    return step >= 0 && step < kTutorialStepCount && tutorial.done[step];
}

void setTutorialStepDone(int32_t step, bool done) {
    if (step >= 0 && step < kTutorialStepCount) tutorial.done[step] = done;
}

void resetTutorialForTests() {
    tutorial = TutorialRun{};
    tutorialActive = 0;
    clearTutorialArrow();
}

int32_t tutorialScenarioIndex() {
    if (!scenarioList) return -1;
    char name[kTextCapacity];
    for (int32_t i = 0; i < scenarioListCount; ++i) {
        narrowInto(name, sizeof name, scenarioList[i]);
        if (sameNameIgnoringCase(name, kTutorialScenarioFile)) return i;
    }
    return -1;
}

TutorialPanel tutorialPanel() {
    return TutorialPanel{tutorial.rect, tutorial.phase, tutorial.progress, tutorial.shown};
}

void updateTutorial() {
    if (!musicLoaded()) return;
    if (currentStateId() == kStateAttract) tutorial.running = false;
    // The simulation keeps no applicants away unless the tour really runs (a saved game can bring
    // back a stale flag).
    tutorialActive = tutorial.running ? 1 : 0;
    clearTutorialArrow();
    if (!tutorial.running) return;
    const int32_t i = currentStep();
    if (i < 0) return;
    const TutorialStep& step = kTutorialSteps[i];

    if (i != tutorial.shown) {
        if (i > 0) {
            tutorial.rect = Rect{step.x, step.y, step.width, step.height};
            tutorial.phase = kPanelShown;
        }
        tutorial.shown = i;
    }
    if (!tutorial.firstShown) {
        tutorial.progress = 0.0f;
        playSound(kSoundClickWhoosh);
        tutorial.start = Rect{kTutorialGrowX, kTutorialGrowY, 0, 0};
        tutorial.rect = tutorial.start;
        tutorial.phase = kPanelOpening;
        helpSetting = kHelpShown;
        tutorial.firstShown = true;
    }
    // A step whose texts are missing shows nothing and takes nothing away.
    if (!stepTexts(step).title || !stepTexts(step).body) return;

    if (step.targetTag != kTutorialNoTarget) {
        // Only the target stays clickable. While the target is not on the screen (the house still
        // flying to the panel, or no house of the player's selected) the screen keeps its hot
        // spots, so the player can bring it up instead of being left with no way on.
        if (findHotSpotByTag(step.targetTag)) keepHotSpotsTagged(step.targetTag);
    } else {
        clearHotSpots();
    }
    drawTutorialPanel(i);
}

} // namespace bv

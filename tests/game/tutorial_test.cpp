// The guided tutorial on the real game, headless: which step shows where, what stays clickable,
// how the panel opens, where the arrow points and how the tour ends.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "core/clock.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "game/board_fixture.h"
#include "platform/platform.h"
#include "screens/screens.h"
#include "screens/town_view.h"
#include "screens/tutorial.h"
#include "sim/calendar.h"
#include "sim/daily_loop.h"
#include "sim/houses.h"
#include "ui/hotspots.h"
#include "ui/widgets.h"
#include "world/scenario.h"

namespace {

using namespace boardtest;

constexpr int32_t kBoard = 2;
constexpr int32_t kPanelFrames = 10; // the opening takes ten ticks, one per headless frame

class Tutorial : public BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        bv::resetTutorialForTests();
    }
    void TearDown() override {
        bv::resetTutorialForTests();
        BoardTest::TearDown();
    }
    // The board of the tour's town with the tour running and its opening panel already grown.
    void boardWithTour() {
        startOnBoard(bv::kTutorialScenarioFile);
        bv::startTutorial();
        frames(kPanelFrames + 1);
        ASSERT_EQ(bv::tutorialPanel().phase, bv::kPanelShown);
    }
};

TEST_F(Tutorial, TheConclusionWaitsForEveryEarlierStep) {
    bv::startTutorial();
    bv::setStateSilently(kBoard);
    for (int32_t pending = 0; pending <= 10; ++pending) {
        for (int32_t i = 0; i < bv::kTutorialStepCount; ++i)
            bv::setTutorialStepDone(i, i != pending && i != 11);
        const int32_t shown = bv::currentStep();
        EXPECT_NE(shown, 11) << "step " << pending << " pending";
        EXPECT_EQ(shown, bv::kTutorialSteps[pending].state == kBoard ? pending : -1) << "step " << pending;
    }
    for (int32_t i = 0; i <= 10; ++i) bv::setTutorialStepDone(i, true);
    EXPECT_EQ(bv::currentStep(), 11);
}

TEST_F(Tutorial, ExitTutorialOrTheTitleMenuStopsTheTour) {
    boardWithTour();
    EXPECT_EQ(bv::tutorialActive, 1);
    const bv::TutorialStep& s = bv::kTutorialSteps[2];
    click(s.x + s.width / 2, s.y + s.height - 40); // "Exit Tutorial"
    EXPECT_EQ(bv::currentStateId(), bv::kStateAttract);
    EXPECT_FALSE(bv::tutorialRunning());
    EXPECT_EQ(bv::tutorialActive, 0);
    boardWithTour();
    bv::changeState(bv::kStateAttract);
    frame();
    EXPECT_FALSE(bv::tutorialRunning());
    EXPECT_EQ(bv::tutorialActive, 0);
    // A flag brought back by a saved game does not keep renters away once the tour is over.
    bv::tutorialActive = 1;
    frame();
    EXPECT_EQ(bv::tutorialActive, 0);
}

} // namespace

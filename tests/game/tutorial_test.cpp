// The guided tutorial on the real game, headless: which step shows, how the tour is left, and how
// it ends: the closing panel's online help and the goals button that finishes it.
#include <gtest/gtest.h>

#include <string>

#include "core/state.h"
#include "core/state_ids.h"
#include "game/board_fixture.h"
#include "platform/platform.h"
#include "screens/tutorial.h"
#include "sim/daily_loop.h"
#include "ui/hotspots.h"

namespace {

using namespace boardtest;

constexpr int32_t kBoard = 2;

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
    // The board of the tour's town with steps 0..last done and the tour's panel grown (ten ticks,
    // one per headless frame).
    void boardWithTour(int32_t last = -1) {
        startOnBoard(bv::kTutorialScenarioFile);
        bv::startTutorial();
        for (int32_t i = 0; i <= last; ++i) bv::setTutorialStepDone(i, true);
        frames(11);
        ASSERT_EQ(bv::tutorialPanel().phase, bv::kPanelShown);
    }
    static void clickStepButton(int32_t step, int32_t x4) { // x4: quarters of the panel's width
        const bv::TutorialStep& s = bv::kTutorialSteps[step];
        click(s.x + x4 * s.width / 4, s.y + s.height - 40);
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
    clickStepButton(2, 2); // "Exit Tutorial"
    EXPECT_EQ(bv::currentStateId(), bv::kStateAttract);
    EXPECT_TRUE(!bv::tutorialRunning() && bv::tutorialActive == 0);
    boardWithTour();
    bv::changeState(bv::kStateAttract);
    frame();
    EXPECT_TRUE(!bv::tutorialRunning() && bv::tutorialActive == 0);
    // A flag brought back by a saved game does not keep renters away once the tour is over.
    bv::tutorialActive = 1;
    frame();
    EXPECT_EQ(bv::tutorialActive, 0);
}

TEST_F(Tutorial, TheConclusionsOnlineHelpOpensTheGettingStartedPage) {
    boardWithTour(10);
    ASSERT_EQ(bv::currentStep(), 11);
    // "More Help Online" hands the getting-started page to the browser and leaves for the title.
    const int opened = bv::platform::headless::openedUrlCount();
    clickStepButton(11, 3);
    EXPECT_EQ(bv::platform::headless::openedUrlCount(), opened + 1);
    const std::string& url = bv::platform::headless::lastOpenedUrl();
    EXPECT_TRUE(url.starts_with("file:///") && url.ends_with("/help/getting_started.html")) << url;
    EXPECT_EQ(bv::currentStateId(), bv::kStateAttract);
    frame();
    EXPECT_FALSE(bv::tutorialRunning());
}

TEST_F(Tutorial, TheGoalsButtonFinishesTheTourAndTheGameGoesOn) {
    boardWithTour(10);
    const bv::HotSpot* goals = bv::findHotSpotByTag(bv::kTutorialGoalsTag);
    ASSERT_NE(goals, nullptr);
    click(goals->left + goals->width / 2, goals->top + goals->height / 2);
    EXPECT_TRUE(bv::tutorialStepDone(11));
    // The goals screen opened as the button always does; with every step done the tour is over
    // and renters may come again.
    EXPECT_EQ(bv::currentStateId(), bv::kStateDisplayGoals);
    EXPECT_FALSE(bv::tutorialRunning());
    EXPECT_EQ(bv::tutorialActive, 0);
}

TEST(TutorialHelpPage, TheFolderIsEncodedInTheFileAddress) {
    EXPECT_EQ(bv::fileUrlForPath("/home/jo/My Games/Brickvale 2/help/getting_started.html"),
              "file:///home/jo/My%20Games/Brickvale%202/help/getting_started.html");
    EXPECT_EQ(bv::fileUrlForPath("/opt/bv#1/%/\xc3\xa9"), "file:///opt/bv%231/%25/%C3%A9");
}

} // namespace

// How the tour ends: the closing panel's online help and the goals button that finishes it.
#include <gtest/gtest.h>

#include "core/state.h"
#include "core/state_ids.h"
#include "game/board_fixture.h"
#include "platform/platform.h"
#include "screens/screens.h"
#include "screens/tutorial.h"
#include "sim/daily_loop.h"
#include "sim/game_update.h"
#include "sim/houses.h"
#include "ui/hotspots.h"

namespace {

using namespace boardtest;

constexpr int32_t kBoard = 2;

class TutorialEnd : public BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        bv::resetTutorialForTests();
        startOnBoard(bv::kTutorialScenarioFile);
    }
    void TearDown() override {
        bv::resetTutorialForTests();
        BoardTest::TearDown();
    }
    // The tour with steps 0..last done, its first panel grown.
    void tourAfter(int32_t last) {
        bv::startTutorial();
        for (int32_t i = 0; i <= last; ++i) bv::setTutorialStepDone(i, true);
        frames(11);
        ASSERT_EQ(bv::tutorialPanel().phase, bv::kPanelShown);
    }
    const bv::TutorialStep& conclusion() { return bv::kTutorialSteps[11]; }
};

TEST_F(TutorialEnd, TheConclusionsOnlineHelpOpensTheGettingStartedPage) {
    tourAfter(10);
    ASSERT_EQ(bv::currentStep(), 11);
    const bv::TutorialStep& s = conclusion();
    // "More Help Online" hands the getting-started page to the browser and leaves for the title.
    const int opened = bv::platform::headless::openedUrlCount();
    click(s.x + 3 * s.width / 4, s.y + s.height - 40);
    EXPECT_EQ(bv::platform::headless::openedUrlCount(), opened + 1);
    EXPECT_EQ(bv::platform::headless::lastOpenedUrl(), bv::gettingStartedUrl());
    EXPECT_EQ(bv::currentStateId(), bv::kStateAttract);
    frame();
    EXPECT_FALSE(bv::tutorialRunning());
}

TEST_F(TutorialEnd, TheGoalsButtonFinishesTheTourAndTheGameGoesOn) {
    tourAfter(10);
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

} // namespace

TEST(TutorialHelpPage, TheAddressIsTheShippedPageWithTheFolderEncoded) {
    EXPECT_EQ(bv::fileUrlForPath("/home/jo/My Games/Brickvale 2/help/getting_started.html"),
              "file:///home/jo/My%20Games/Brickvale%202/help/getting_started.html");
    EXPECT_EQ(bv::fileUrlForPath("/opt/bv#1/%/\xc3\xa9"), "file:///opt/bv%231/%25/%C3%A9");
    const std::string url = bv::gettingStartedUrl();
    EXPECT_EQ(url.rfind("file:///", 0), 0u) << url;
    const std::string tail = "/help/getting_started.html";
    ASSERT_GE(url.size(), tail.size());
    EXPECT_EQ(url.substr(url.size() - tail.size()), tail);
}

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
    // The first house for sale, which the board tags for the tour.
    static int32_t firstListedHouse() {
        for (int32_t i = 0; i < bv::houseCount; ++i)
            if (bv::houseStates[i].forSale) return i;
        return -1;
    }
};

TEST_F(Tutorial, OnTheBoardTheHouseForSaleStepComesFirstAndOnlyThatHouseAnswers) {
    boardWithTour();
    EXPECT_FALSE(bv::tutorialStepDone(2));
    EXPECT_FALSE(bv::tutorialStepDone(3));
    EXPECT_EQ(bv::currentStep(), 2);
    const bv::TutorialStep& step = bv::kTutorialSteps[2];
    const bv::Rect panel{step.x, step.y, step.width, step.height};
    EXPECT_EQ(bv::tutorialPanel().rect, panel);

    // What stays registered: the tagged house, and the panel's own button inside the panel.
    int32_t tagged = 0;
    for (int32_t i = 0; i < bv::hotSpotCount(); ++i) {
        const bv::HotSpot* h = bv::hotSpotByIndex(i);
        if (h->tag == 18) {
            ++tagged;
            continue;
        }
        EXPECT_TRUE(bv::rectContains(panel, h->left, h->top)) << "hot spot " << i << " at " << h->left;
    }
    EXPECT_EQ(tagged, 1);

    // The options gear and End Month are drawn but do nothing.
    click(110, 475);
    click(732, 17);
    frames(25);
    EXPECT_EQ(bv::currentStateId(), kBoard);
    EXPECT_EQ(bv::hurryMonth, 0);

    // The house's own click still selects it, and the step is done.
    const int32_t house = firstListedHouse();
    ASSERT_GE(house, 0);
    const bv::HotSpot* target = bv::findHotSpotByTag(18);
    ASSERT_NE(target, nullptr);
    click(target->left + target->width / 2, target->top + target->height / 2);
    EXPECT_TRUE(bv::tutorialStepDone(2));
    EXPECT_EQ(bv::houseInFlight(), house);
    frames(8);
    EXPECT_EQ(bv::selectedHouse, house);
    EXPECT_EQ(bv::currentStep(), 3);
}

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

TEST_F(Tutorial, TheFirstPanelGrowsOutOfTheMenuCornerAndLaterOnesStandAtOnce) {
    bv::helpSetting = bv::kHelpHidden;
    bv::startTutorial();
    bv::changeState(bv::kStateExplainTutorial);
    // Each side moves a tenth of the way per tick from (740, 35, 0, 0) to (112, 80, 533, 304): after
    // five frames four tenths, opening for nine.
    frames(5);
    const bv::TutorialPanel p = bv::tutorialPanel();
    EXPECT_EQ(p.phase, bv::kPanelOpening);
    EXPECT_NEAR(p.rect.x, 740 + (112 - 740) * 0.4, 1.0);
    EXPECT_NEAR(p.rect.y, 35 + (80 - 35) * 0.4, 1.0);
    EXPECT_NEAR(p.rect.width, 533 * 0.4, 1.0);
    EXPECT_NEAR(p.rect.height, 304 * 0.4, 1.0);
    frames(kPanelFrames - 6);
    EXPECT_EQ(bv::tutorialPanel().phase, bv::kPanelOpening);
    frame();
    // The first show turns the help tips on.
    EXPECT_EQ(bv::helpSetting, bv::kHelpShown);
    const bv::TutorialPanel grown = bv::tutorialPanel();
    EXPECT_EQ(grown.phase, bv::kPanelShown);
    EXPECT_EQ(grown.rect, (bv::Rect{112, 80, 533, 304}));
    frame();
    // The finished panel: the title's brown letters on the cream panel, and its buttons.
    EXPECT_GT(darkPixels(112 + 100, 80 + 25, 333, 30), 100);
    EXPECT_NE(bv::findHotSpotByTag(bv::kTutorialNoTarget), nullptr);

    // "OK" moves on to set-up, where the next panel stands at its place in the very next frame.
    click(112 + 533 / 4, 80 + 304 - 40);
    EXPECT_TRUE(bv::tutorialStepDone(0));
    EXPECT_EQ(bv::currentStateId(), bv::kStateSetup);
    frame();
    EXPECT_EQ(bv::tutorialPanel().phase, bv::kPanelShown);
    EXPECT_EQ(bv::tutorialPanel().rect, (bv::Rect{540, 4, 251, 274}));
    // The set-up of the tour plays the tour's town.
    ASSERT_GE(bv::tutorialScenarioIndex(), 0);
    EXPECT_EQ(bv::chosenScenario, bv::tutorialScenarioIndex());
}

// Beside its target on the nearer side (centre x 400 still counts as the left half), the upper
// picture down to centre y 300; without a target it points at the panel's "OK" from the left.
TEST_F(Tutorial, TheArrowStandsBesideItsTargetOnTheNearerSide) {
    const struct {
        bv::HotSpot spot;
        bool target;
        int32_t x, y, picture;
        bool mirrored;
    } cases[] = {
        {{350, 100, 100, 40, 0, nullptr, 0}, true, 460, 120, bv::pic::kIconPointerUpper, true},
        {{351, 100, 100, 40, 0, nullptr, 0}, true, 341, 120, bv::pic::kIconPointerUpper, false},
        {{600, 280, 50, 40, 0, nullptr, 0}, true, 590, 300, bv::pic::kIconPointerUpper, false},
        {{600, 281, 50, 40, 0, nullptr, 0}, true, 590, 301, bv::pic::kIconPointerLower, false},
        {{100, 500, 130, 30, 0, nullptr, 0}, false, 90, 515, bv::pic::kIconPointerUpper, false},
    };
    for (const auto& c : cases) {
        const bv::TutorialArrow a = bv::tutorialArrowFor(c.spot, c.target);
        SCOPED_TRACE(testing::Message() << "spot at " << c.spot.left << ", " << c.spot.top);
        EXPECT_EQ(a.x, c.x);
        EXPECT_EQ(a.y, c.y);
        EXPECT_EQ(a.picture, c.picture);
        EXPECT_EQ(a.mirrored, c.mirrored);
    }
}

TEST_F(Tutorial, TheArrowBlinksOnBitFourOfTheFrameCounter) {
    bv::startTutorial();
    bv::setTutorialStepDone(0, true);
    bv::changeState(bv::kStateSetup);
    frames(kPanelFrames + 1);
    // "Play!" (500, 540) is right of the middle and low: lower picture, tip 10 left of it.
    const bv::Rect play{425, 525, 150, 30};
    const bv::Sprite* s = bv::spriteAt(bv::iconSprites, bv::pic::kIconPointerLower);
    ASSERT_NE(s, nullptr);
    const bv::Rect r = bv::spriteRectAt(play.x - 10, play.y + play.height / 2, s, false);
    std::vector<uint32_t> lit, dark;
    for (int32_t i = 0; i < 40; ++i) {
        const int32_t drawnAt = bv::frameCount; // the counter the overlay reads this frame
        frame();
        bv::TutorialArrow a{};
        const bool shown = bv::lastTutorialArrow(a);
        EXPECT_EQ(shown, (drawnAt & 16) != 0) << "frame " << drawnAt;
        const uint32_t* f = bv::platform::headless::lastFrame();
        if (shown) {
            EXPECT_EQ(a.x, play.x - 10);
            EXPECT_EQ(a.y, play.y + play.height / 2);
            EXPECT_EQ(a.picture, bv::pic::kIconPointerLower);
            EXPECT_FALSE(a.mirrored);
            lit.assign(f, f + 800 * 600);
        } else {
            dark.assign(f, f + 800 * 600);
        }
    }
    ASSERT_FALSE(lit.empty());
    ASSERT_FALSE(dark.empty());
    // The set-up screen stands still: the lit and the dark frame differ only where the arrow's
    // picture lies, and there in a good part of it.
    int32_t inside = 0, outside = 0;
    for (int32_t y = 0; y < 600; ++y)
        for (int32_t x = 0; x < 800; ++x) {
            if ((lit[y * 800 + x] & 0xFFFFFFu) == (dark[y * 800 + x] & 0xFFFFFFu)) continue;
            (bv::rectContains(r, x, y) ? inside : outside) += 1;
        }
    EXPECT_GT(inside, r.width * r.height / 4);
    EXPECT_EQ(outside, 0);
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

TEST_F(Tutorial, NoApplicantsArriveWhileTheTourRuns) {
    boardWithTour();
    // Every house the player's, empty: without the tour applicants would knock within days.
    for (int32_t i = 0; i < bv::houseCount; ++i) givePlayerHouse(i, 10000, false);
    bv::resetTutorialForTests();
    bv::startTutorial();
    for (int32_t guard = 0; guard < 3000 && bv::monthsElapsed < 2; ++guard) {
        ASSERT_NE(bv::currentStateId(), bv::kStateRentApplicant)
            << "an applicant came on day " << bv::dayOfMonth;
        frame();
    }
    EXPECT_EQ(bv::monthsElapsed, 2);
    for (int32_t i = 0; i < bv::houseCount; ++i) EXPECT_FALSE(bv::houseStates[i].hasRenter) << "house " << i;
    EXPECT_EQ(bv::queuedCount(), 0);

    // The same town without the tour: an applicant knocks within the month.
    bv::resetTutorialForTests();
    bool knocked = false;
    for (int32_t guard = 0; guard < 1500 && !knocked; ++guard) {
        frame();
        knocked = bv::currentStateId() == bv::kStateRentApplicant || bv::queuedCount() > 0;
    }
    EXPECT_TRUE(knocked);
}

} // namespace

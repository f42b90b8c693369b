// The online-score panel and its registration form, driven frame by frame like the high-score
// screen drives them, against a real bvscored.

#include <cstdlib>
#include <cstring>
#include <tuple>

#include "levels/save.h"
#include "levels/score_service.h"
#include "screens/online_scores.h"
#include "sim/owners.h"
#include "support/score_server.h"
#include "ui/ui_fixture.h"

namespace {

using namespace bv;

class OnlineScoresTest : public uitest::UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        previous_ = platform::userDataFolder();
        platform::setUserDataFolder(dir_.path() + "/");
        std::memset(saveBlock(), 0, kSaveBlockBytes);
        setBlockInt(kOffGameLength, 2);
        std::strcpy(playerName, "Cy");
        unsetenv(kScoreServerVariable);
        cancelScoreRequest();
    }
    void TearDown() override {
        unsetenv(kScoreServerVariable);
        cancelScoreRequest();
        closeRegistrationForm();
        platform::setUserDataFolder(previous_);
    }
    // One frame of the high-score screen: its panel last, then the frame loop's poll.
    static bool frame() {
        clearHotSpots();
        pumpInput();
        const bool modal = onlineScoresPanel(2, 3);
        pollScoreService();
        return modal;
    }
    static void click(int32_t x, int32_t y) {
        uitest::sendEvent(platform::Event::MouseMove, x, y);
        uitest::sendEvent(platform::Event::LeftDown, x, y);
        frame();
        uitest::sendEvent(platform::Event::LeftUp, x, y);
        frame();
    }
    static void type(const std::u16string& text) {
        for (char16_t c : text) {
            platform::Event e;
            e.type = platform::Event::Char;
            e.ch = c;
            handleWindowEvent(e);
            frame();
        }
    }
    static std::u16string status() { return onlineStatusText(); }

    bvtest::TempDir dir_;
    std::string previous_;
};

TEST_F(OnlineScoresTest, AnOfferedScoreGoesOnlineThroughTheRegistrationForm) {
    // Nothing configured: the panel says so and offers nothing to click.
    offerScoreSubmission(4321);
    EXPECT_FALSE(frame());
    EXPECT_EQ(status(), u"Online scores are off: no score server is set.");
    EXPECT_EQ(hotSpotCount(), 0);

    bvtest::ScoreServerProcess server;
    ASSERT_FALSE(server.url().empty());
    setenv(kScoreServerVariable, server.url().c_str(), 1);
    offerScoreSubmission(4321);
    frame();
    EXPECT_EQ(status(), u"Your score of $4,321 (place 3) can go on the online board.");

    // No account yet: the offer opens the form, which takes the screen's hot spots away.
    click(kOnlineSubmitX + 20, kOnlineButtonY + 10);
    ASSERT_TRUE(registrationFormOpen());
    clearHotSpots();
    addHotSpot(0, 0, 800, 600, nullptr, 77);
    EXPECT_TRUE(onlineScoresPanel(2, 3));
    for (int32_t i = 0; i < hotSpotCount(); ++i) EXPECT_NE(hotSpotByIndex(i)->value, 77);

    // Five characters are too few for a password: nothing is sent.
    type(u"abcde");
    click(kRegisterOkX + 20, kRegisterButtonY + 10);
    EXPECT_TRUE(registrationFormOpen());
    EXPECT_EQ(scoreRequestState().status, ScoreStatus::Idle);
    type(u"f");
    click(kRegisterOkX + 20, kRegisterButtonY + 10);
    EXPECT_FALSE(registrationFormOpen());
    EXPECT_EQ(status(), u"Registering your game name...");

    // The registration, then the score it was waiting for.
    for (int32_t i = 0; i < 5000 && !(scoreRequestState().task == ScoreTask::Submit &&
                                      scoreRequestState().status != ScoreStatus::UnderWay);
         ++i) {
        frame();
        usleep(2000);
    }
    frame();
    EXPECT_EQ(std::tuple(scoreRequestState().outcome, status(), scoreGameName(), scorePassword()),
              std::tuple(ScoreOutcome::ScoreTaken, u"Your score is on the online board.", "Cy", "abcdef"));
    const std::string page = bvtest::fetch(server.url() + "/scores");
    EXPECT_NE(page.find("<h2>Game Length 2</h2>\n<table>\n<tr><td>1</td><td>Cy</td><td>4321</td>"),
              std::string::npos)
        << page;
    // A player without a save file gets one that holds the account, and no game.
    std::memset(saveBlock(), 0, kSaveBlockBytes);
    EXPECT_EQ(loadSaveFile(0, dir_.file("Cy_bvx2.sav")), 1);
    EXPECT_EQ(std::tuple(scorePassword(), blockInt(kOffGameInProgress)), std::tuple("abcdef", 0));
    // The score went once: its offer is spent.
    click(kOnlineSubmitX + 20, kOnlineButtonY + 10);
    EXPECT_EQ(std::tuple(scoreRequestState().outcome, registrationFormOpen()),
              std::tuple(ScoreOutcome::ScoreTaken, false));
}

} // namespace

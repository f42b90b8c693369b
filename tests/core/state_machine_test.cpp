// The state machine: order of exit and enter, arguments, music selection and the dialog queue.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/state.h"
#include "core/state_ids.h"
#include "support/state_table.h"

namespace {

std::vector<std::string> g_log;
int32_t g_enterResult = 0;

int32_t logEnter(int32_t prev, int32_t now, int32_t arg) {
    g_log.push_back("enter " + std::to_string(prev) + "->" + std::to_string(now) + " arg " +
                    std::to_string(arg));
    return g_enterResult;
}
int32_t logUpdate(int32_t arg) {
    g_log.push_back("update " + std::to_string(arg));
    return 0;
}
int32_t logExit(int32_t leaving) {
    g_log.push_back("exit " + std::to_string(leaving) + " current " + std::to_string(bv::currentStateId()));
    return 0;
}
// An enter that immediately moves on to state 2.
int32_t bounceEnter(int32_t, int32_t, int32_t) {
    g_log.push_back("bounce");
    bv::changeState(bv::kStateGame, 7);
    return 99;
}

using bvtest::StateRow;
void useTestStates() {
    bvtest::useStates({StateRow{0, logEnter, logUpdate, logExit, bv::kMusicTitle, "no_help"},
                       StateRow{2, logEnter, logUpdate, logExit, bv::kMusicPlaylist, "NO_HELP"},
                       StateRow{4, logEnter, logUpdate, nullptr, bv::kMusicTitle},
                       StateRow{49, nullptr, logUpdate, nullptr, bv::kMusicPlaylist, "counterHelp"},
                       StateRow{60, logEnter, logUpdate, logExit, bv::kMusicWin},
                       StateRow{5, bounceEnter, logUpdate, logExit},
                       StateRow{33, logEnter, logUpdate, logExit}},
                      false);
}

std::vector<std::string> g_music;
bool g_musicLoaded = true;

class StateMachine : public ::testing::Test {
  protected:
    void SetUp() override {
        useTestStates();
        g_log.clear();
        g_music.clear();
        g_musicLoaded = true;
        g_enterResult = 0;
        bv::setMusicHooks({[] { return g_musicLoaded; }, [] { g_music.push_back("stop"); },
                           [] { g_music.push_back("playlist"); },
                           [](int32_t t) { g_music.push_back("track " + std::to_string(t)); }});
    }
    void TearDown() override {
        bv::useStateTable(nullptr, 0);
        bv::setMusicHooks({});
        bv::resetStateMachine();
    }
};

TEST_F(StateMachine, ExitRunsAfterTheNewStateIsCurrentAndBeforeEnter) {
    bv::changeState(bv::kStateAttract);
    g_log.clear();
    bv::changeState(bv::kStateGame, 5);
    ASSERT_EQ(g_log.size(), 2u);
    EXPECT_EQ(g_log[0], "exit 0 current 2");
    EXPECT_EQ(g_log[1], "enter 0->2 arg 5");
    EXPECT_EQ(bv::previousStateId(), bv::kStateAttract);
    EXPECT_EQ(bv::currentStateId(), bv::kStateGame);
}

TEST_F(StateMachine, UnknownIdChangesNothingAndNoHelpInAnyCaseIsNoHelpTag) {
    bv::changeState(bv::kStateGame);
    g_log.clear();
    g_music.clear();
    bv::changeState(17);
    bv::setStateSilently(17);
    EXPECT_TRUE(g_log.empty());
    EXPECT_TRUE(g_music.empty());
    EXPECT_EQ(bv::currentStateId(), bv::kStateGame);
    EXPECT_EQ(bv::helpTag(), nullptr); // "NO_HELP" in any case is no help
    bv::changeState(bv::kStateSetup);
    EXPECT_EQ(bv::helpTag(), nullptr);
    bv::changeState(bv::kStatePlayerCounter);
    ASSERT_NE(bv::helpTag(), nullptr);
    EXPECT_STREQ(bv::helpTag(), "counterHelp");
}

TEST_F(StateMachine, EnterResultIsTheUpdateArgumentAndStateWithoutEnterKeepsIt) {
    g_enterResult = 42;
    bv::changeState(bv::kStateGame);
    bv::updateCurrentState();
    EXPECT_EQ(g_log.back(), "update 42");
    bv::changeState(bv::kStatePlayerCounter);
    EXPECT_EQ(bv::updateArgument(), 42);
    bv::updateCurrentState();
    EXPECT_EQ(g_log.back(), "update 42");
}

TEST_F(StateMachine, ChangingToItselfRunsExitThenEnterAndKeepsTheMusic) {
    bv::changeState(bv::kStateGame);
    g_log.clear();
    g_music.clear();
    bv::changeState(bv::kStateGame);
    ASSERT_EQ(g_log.size(), 2u);
    EXPECT_EQ(g_log[0], "exit 2 current 2");
    EXPECT_EQ(g_log[1], "enter 2->2 arg 0");
    EXPECT_TRUE(g_music.empty());
}

TEST_F(StateMachine, ChangeStateOnceRefusesASecondChangeInTheSameFrame) {
    bv::changeState(bv::kStateAttract);
    bv::changeStateOnce(bv::kStateGame);
    EXPECT_EQ(bv::currentStateId(), bv::kStateAttract);
    bv::updateCurrentState(); // the dispatch clears the flag
    EXPECT_FALSE(bv::changedThisFrame());
    bv::changeStateOnce(bv::kStateGame);
    EXPECT_EQ(bv::currentStateId(), bv::kStateGame);
    bv::changeState(bv::kStateSetup); // a plain change still goes through
    EXPECT_EQ(bv::currentStateId(), bv::kStateSetup);
}

TEST_F(StateMachine, NestedChangeInsideEnterCompletesAndItsMusicWins) {
    bv::changeState(bv::kStateYouWin); // win music
    g_log.clear();
    g_music.clear();
    bv::changeState(5);
    EXPECT_EQ(bv::currentStateId(), bv::kStateGame);
    EXPECT_EQ(bv::previousStateId(), 5);
    // The inner change's argument is what the update sees; the outer enter's result comes last.
    EXPECT_EQ(bv::updateArgument(), 99);
    ASSERT_GE(g_music.size(), 2u);
    EXPECT_EQ(g_music[0], "stop");
    EXPECT_EQ(g_music[1], "playlist");
}

TEST_F(StateMachine, MusicSelectionFollowsTheTable) {
    bv::changeState(bv::kStateAttract);
    EXPECT_EQ(g_music, (std::vector<std::string>{"stop", "track 0"}));
    g_music.clear();
    bv::changeState(bv::kStateSetup); // title music goes on playing
    EXPECT_TRUE(g_music.empty());
    bv::changeState(bv::kStateYouWin);
    EXPECT_EQ(g_music, (std::vector<std::string>{"stop", "track 16"}));
    g_music.clear();
    bv::changeState(bv::kStateGame);
    EXPECT_EQ(g_music, (std::vector<std::string>{"stop", "playlist"}));
    g_music.clear();
    bv::changeState(bv::kStateMakeOffer); // playlist to playlist: untouched
    EXPECT_TRUE(g_music.empty());
    EXPECT_EQ(bv::currentMusic(), 50);
}

TEST_F(StateMachine, MusicIsLeftAloneUntilAudioHasLoaded) {
    g_musicLoaded = false;
    bv::changeState(bv::kStateAttract);
    EXPECT_TRUE(g_music.empty());
    EXPECT_EQ(bv::currentMusic(), -1);
    g_musicLoaded = true;
    bv::changeState(bv::kStateSetup);
    EXPECT_EQ(g_music, (std::vector<std::string>{"stop", "track 0"}));
}

TEST_F(StateMachine, SetStateSilentlyRunsNoExitOrEnter) {
    g_enterResult = 8;
    bv::changeState(bv::kStateGame);
    bv::changeState(bv::kStateMakeOffer);
    g_log.clear();
    bv::setStateSilently(bv::kStateGame);
    EXPECT_TRUE(g_log.empty());
    EXPECT_EQ(bv::currentStateId(), bv::kStateGame);
    EXPECT_EQ(bv::previousStateId(), bv::kStateGame); // untouched by the silent switch
    bv::updateCurrentState();
    EXPECT_EQ(g_log.back(), "update 8");
}

TEST_F(StateMachine, QueuedDialogsOpenOnePerFrameInOrderOnlyFromTheBoardAndTheQueueHasItsCapacity) {
    bv::changeState(bv::kStateGame);
    ASSERT_TRUE(bv::queueState(bv::kStateMakeOffer, 1));
    ASSERT_TRUE(bv::queueState(bv::kStateYouWin, 2));
    ASSERT_TRUE(bv::queueState(bv::kStateSetup, 3));
    g_log.clear();
    bv::drainStateQueue();
    EXPECT_EQ(bv::currentStateId(), bv::kStateMakeOffer);
    EXPECT_EQ(g_log.back(), "enter 2->33 arg 1");
    bv::drainStateQueue(); // not on the board: nothing opens
    EXPECT_EQ(bv::currentStateId(), bv::kStateMakeOffer);
    EXPECT_EQ(bv::queuedCount(), 2);
    bv::changeState(bv::kStateGame);
    bv::drainStateQueue();
    EXPECT_EQ(bv::currentStateId(), bv::kStateYouWin);
    EXPECT_EQ(g_log.back(), "enter 2->60 arg 2");
    bv::changeState(bv::kStateGame);
    bv::drainStateQueue();
    EXPECT_EQ(g_log.back(), "enter 2->4 arg 3");
    EXPECT_EQ(bv::queuedCount(), 0);
    for (int i = 0; i < bv::kQueueCapacity; ++i) ASSERT_TRUE(bv::queueState(bv::kStateMakeOffer, i));
    EXPECT_FALSE(bv::queueState(bv::kStateMakeOffer, 1000));
    EXPECT_EQ(bv::queuedCount(), bv::kQueueCapacity);
}

} // namespace

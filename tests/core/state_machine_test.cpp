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

std::vector<std::string> g_music;
bool g_musicLoaded = true;

using bvtest::StateRow;
class StateMachine : public ::testing::Test {
  protected:
    void SetUp() override {
        bvtest::useStates({StateRow{0, logEnter, logUpdate, logExit, bv::kMusicTitle, "no_help"},
                           StateRow{2, logEnter, logUpdate, logExit, bv::kMusicPlaylist, "NO_HELP"},
                           StateRow{4, logEnter, logUpdate, nullptr, bv::kMusicTitle},
                           StateRow{49, nullptr, logUpdate, nullptr, bv::kMusicPlaylist, "counterHelp"},
                           StateRow{60, logEnter, logUpdate, logExit, bv::kMusicWin},
                           StateRow{5, bounceEnter, logUpdate, logExit},
                           StateRow{33, logEnter, logUpdate, logExit}},
                          false);
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

// Exit runs with the new state already current, then enter; changing to itself runs both.
TEST_F(StateMachine, ExitRunsAfterTheNewStateIsCurrentAndBeforeEnter) {
    bv::changeState(bv::kStateAttract);
    g_log.clear();
    bv::changeState(bv::kStateGame, 5);
    bv::changeState(bv::kStateGame, 5);
    EXPECT_EQ(g_log, (std::vector<std::string>{"exit 0 current 2", "enter 0->2 arg 5", "exit 2 current 2",
                                               "enter 2->2 arg 5"}));
    EXPECT_EQ(bv::previousStateId(), bv::kStateGame);
}

TEST_F(StateMachine, UnknownIdChangesNothingAndNoHelpInAnyCaseIsNoHelpTag) {
    bv::changeState(bv::kStateGame);
    g_log.clear();
    g_music.clear();
    bv::changeState(17);
    bv::setStateSilently(17);
    EXPECT_TRUE(g_log.empty() && g_music.empty());
    EXPECT_EQ(bv::currentStateId(), bv::kStateGame);
    EXPECT_EQ(bv::helpTag(), nullptr); // "NO_HELP" in any case is no help
    bv::changeState(bv::kStatePlayerCounter);
    EXPECT_STREQ(bv::helpTag(), "counterHelp");
}

// The enter's result is the update's argument; a state without enter and a silent switch (no exit,
// no enter, the previous state untouched) keep it.
TEST_F(StateMachine, EnterResultIsTheUpdateArgumentUntilTheNextEnter) {
    g_enterResult = 42;
    bv::changeState(bv::kStateGame);
    g_enterResult = 0;
    bv::changeState(bv::kStatePlayerCounter);
    bv::updateCurrentState();
    EXPECT_EQ(g_log.back(), "update 42");
    g_log.clear();
    bv::setStateSilently(bv::kStateGame);
    EXPECT_TRUE(g_log.empty());
    EXPECT_EQ(bv::previousStateId(), bv::kStateGame);
    bv::updateCurrentState();
    EXPECT_EQ(g_log.back(), "update 42");
}

TEST_F(StateMachine, NestedChangeInsideEnterCompletesAndItsMusicWins) {
    bv::changeState(bv::kStateYouWin); // win music
    g_log.clear();
    g_music.clear();
    bv::changeState(5);
    EXPECT_EQ(std::pair(bv::currentStateId(), bv::previousStateId()), std::pair(bv::kStateGame, 5));
    // The inner change's argument is what the update sees; the outer enter's result comes last.
    EXPECT_EQ(bv::updateArgument(), 99);
    EXPECT_EQ(g_music, (std::vector<std::string>{"stop", "playlist"}));
}

// Each change from the state before: a new track stops the old one first; the same track, or the
// playlist to the playlist, is left playing; nothing is played before audio has loaded.
TEST_F(StateMachine, MusicSelectionFollowsTheTable) {
    const struct {
        int32_t id;
        bool loaded;
        std::vector<std::string> music;
    } cases[] = {
        {bv::kStateAttract, false, {}},
        {bv::kStateAttract, true, {"stop", "track 0"}},
        {bv::kStateSetup, true, {}},
        {bv::kStateYouWin, true, {"stop", "track 16"}},
        {bv::kStateGame, true, {"stop", "playlist"}},
        {bv::kStateMakeOffer, true, {}},
    };
    for (const auto& c : cases) {
        g_music.clear();
        g_musicLoaded = c.loaded;
        bv::changeState(c.id);
        EXPECT_EQ(g_music, c.music) << c.id << " loaded " << c.loaded;
    }
}

TEST_F(StateMachine, QueuedDialogsOpenOnePerFrameInOrderOnlyFromTheBoardAndTheQueueHasItsCapacity) {
    bv::changeState(bv::kStateGame);
    ASSERT_TRUE(bv::queueState(bv::kStateMakeOffer, 1));
    ASSERT_TRUE(bv::queueState(bv::kStateYouWin, 2));
    ASSERT_TRUE(bv::queueState(bv::kStateSetup, 3));
    g_log.clear();
    bv::drainStateQueue();
    EXPECT_EQ(g_log.back(), "enter 2->33 arg 1");
    bv::drainStateQueue(); // not on the board: nothing opens
    EXPECT_EQ(bv::queuedCount(), 2);
    for (const char* line : {"enter 2->60 arg 2", "enter 2->4 arg 3"}) {
        bv::changeState(bv::kStateGame);
        bv::drainStateQueue();
        EXPECT_EQ(g_log.back(), line);
    }
    EXPECT_EQ(bv::queuedCount(), 0);
    for (int i = 0; i < bv::kQueueCapacity; ++i) ASSERT_TRUE(bv::queueState(bv::kStateMakeOffer, i));
    EXPECT_FALSE(bv::queueState(bv::kStateMakeOffer, 1000));
    EXPECT_EQ(bv::queuedCount(), bv::kQueueCapacity);
}

} // namespace

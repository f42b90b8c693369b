// The frame clock and the frame loop on the headless backend.
#include <gtest/gtest.h>

#include "core/state.h"
#include "core/state_ids.h"
#include "game/game.h"
#include "game/state_table.h"
#include "platform/platform.h"

namespace {

TEST(FrameClock, ElapsedTimeBecomesOneToTenTicks) {
    EXPECT_EQ(bv::ticksForElapsed(0), 1);
    EXPECT_EQ(bv::ticksForElapsed(20), 1);
    EXPECT_EQ(bv::ticksForElapsed(33), 1);
    EXPECT_EQ(bv::ticksForElapsed(65), 1);
    EXPECT_EQ(bv::ticksForElapsed(66), 2);
    EXPECT_EQ(bv::ticksForElapsed(98), 2);
    EXPECT_EQ(bv::ticksForElapsed(99), 3);
    EXPECT_EQ(bv::ticksForElapsed(330), 10);
    EXPECT_EQ(bv::ticksForElapsed(2000), 10);
}

TEST(FirstState, NameEntryOnlyWithoutNameAndWithoutGame) {
    EXPECT_EQ(bv::chooseFirstState(false, false), 23);
    EXPECT_EQ(bv::chooseFirstState(false, true), 0);
    EXPECT_EQ(bv::chooseFirstState(true, false), 0);
    EXPECT_EQ(bv::chooseFirstState(true, true), 0);
}

// The whole start-up and frame loop on the headless backend, with the built game folder.
class HeadlessGame : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        bv::platform::useHeadless();
        bv::platform::setProgramFolder(BV_GAME_DIR);
        bv::gameInit();
    }
};

TEST_F(HeadlessGame, FramesArePacedToOneTickEachAndPresented) {
    int32_t frames0 = bv::frameCount;
    int32_t ticks0 = bv::totalTicks;
    uint64_t presents0 = bv::platform::headless::presentCount();
    uint32_t clock0 = bv::platform::ticks();
    for (int i = 0; i < 5; ++i) bv::runFrame();
    EXPECT_EQ(bv::frameCount - frames0, 5);
    EXPECT_EQ(bv::totalTicks - ticks0, 5);
    EXPECT_EQ(bv::frameTicks, 1);
    EXPECT_EQ(bv::frameMs, 33);
    EXPECT_EQ(bv::platform::ticks() - clock0, 5u * 33u);
    EXPECT_EQ(bv::platform::headless::presentCount() - presents0, 5u);
}

uint32_t g_frameWork = 0;
int32_t slowUpdate(int32_t) {
    bv::platform::headless::advanceClock(g_frameWork);
    return 0;
}
const bv::StateDef kSlowTable[] = {{7, 50, nullptr, slowUpdate, nullptr, "slow", nullptr, {}}};

TEST_F(HeadlessGame, SlowFramesAreCaughtUpWithMoreTicksUpToTen) {
    bv::useStateTable(kSlowTable, 1);
    int32_t before = bv::currentStateId();
    bv::changeState(7);
    struct Case {
        uint32_t work;
        int32_t ticks;
    } cases[] = {{20, 1}, {70, 2}, {98, 2}, {2000, 10}};
    for (const Case& c : cases) {
        g_frameWork = c.work;
        int32_t total0 = bv::totalTicks;
        bv::runFrame();
        EXPECT_EQ(bv::frameTicks, c.ticks) << c.work << " ms";
        EXPECT_EQ(bv::frameMs, c.ticks * 33);
        EXPECT_EQ(bv::totalTicks - total0, c.ticks);
    }
    bv::useStateTable(bv::kStateTable, bv::stateCount());
    bv::setStateSilently(before);
}

TEST_F(HeadlessGame, ClosingInTheFirstStateEndsTheGame) {
    ASSERT_TRUE(bv::currentStateId() == bv::kStateAttract || bv::currentStateId() == bv::kStateEnterName);
    bv::platform::Event close;
    close.type = bv::platform::Event::Close;
    bv::platform::headless::pushEvent(close);
    bv::runFrame();
    EXPECT_EQ(bv::exitGame, 1);
    bv::exitGame = 0;
}

} // namespace

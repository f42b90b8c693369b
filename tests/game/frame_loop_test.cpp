// The frame clock and the frame loop on the headless backend, and whole launches of the game,
// each its own process (the game starts once per process) sharing one save folder: a new player's
// road to the board, the quit question's Save & Quit, and resuming in the next launch.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "core/memory.h"
#include "core/state.h"
#include "game/board_fixture.h"
#include "game/game.h"
#include "game/script_player.h"
#include "game/state_table.h"
#include "gfx/framebuffer.h"
#include "platform/platform.h"
#include "support/events.h"
#include "support/state_table.h"
#include "support/test_support.h"
#include "world/map_picture.h"

namespace {

TEST(FrameClock, ElapsedTimeBecomesOneToTenTicks) {
    const int32_t cases[][2] = {{0, 1},  {20, 1}, {33, 1},   {65, 1},   {66, 2},
                                {98, 2}, {99, 3}, {330, 10}, {2000, 10}};
    for (const auto& c : cases) EXPECT_EQ(bv::ticksForElapsed(c[0]), c[1]) << c[0] << " ms";
}

// The whole start-up and frame loop on the headless backend, with the built game folder.
class HeadlessGame : public boardtest::BoardTest {};

uint32_t g_frameWork = 0;
int32_t slowUpdate(int32_t) {
    bv::platform::headless::advanceClock(g_frameWork);
    return 0;
}

// A frame waits in sleeps of 3 ms until 33 ms have passed since it began: a frame of no work
// takes 33 ms, one of 20 ms work 20 + 5 * 3 = 35; a slower one is caught up with more ticks.
TEST_F(HeadlessGame, FramesArePacedToATickAndSlowOnesCaughtUpWithUpToTen) {
    const int32_t before = bv::currentStateId();
    bvtest::useStates({{7, nullptr, slowUpdate}}, false);
    bv::changeState(7);
    const struct {
        uint32_t work, clock;
        int32_t ticks;
    } cases[] = {{0, 33, 1}, {20, 35, 1}, {70, 70, 2}, {2000, 2000, 10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.work << " ms of work");
        g_frameWork = c.work;
        const int32_t total0 = bv::totalTicks, frames0 = bv::frameCount;
        const uint32_t clock0 = bv::platform::ticks();
        const uint64_t presents0 = bv::platform::headless::presentCount();
        bv::runFrame();
        EXPECT_EQ(bv::platform::ticks() - clock0, c.clock);
        EXPECT_EQ((std::vector<int32_t>{bv::frameTicks, bv::frameMs, bv::totalTicks - total0,
                                        bv::frameCount - frames0}),
                  (std::vector<int32_t>{c.ticks, c.ticks * 33, c.ticks, 1}));
        EXPECT_EQ(bv::platform::headless::presentCount() - presents0, 1u);
    }
    bv::useStateTable(bv::kStateTable, bv::stateCount());
    bv::setStateSilently(before);
}

// F12 writes the frame the player saw into the pictures folder, a PNG that decodes to exactly the
// frame's pixels; the note about it comes after.
TEST_F(HeadlessGame, F12KeepsTheFrameAsAPng) {
    bvtest::TempDir pictures;
    setenv("XDG_PICTURES_DIR", pictures.path().c_str(), 1);
    bv::runFrame();
    bvtest::queueKey(123, true);
    bv::runFrame();
    unsetenv("XDG_PICTURES_DIR");
    std::vector<std::filesystem::path> shots;
    for (const auto& entry : std::filesystem::directory_iterator(pictures.path()))
        shots.push_back(entry.path());
    ASSERT_EQ(shots.size(), 1u);
    EXPECT_EQ(shots[0].filename().string().rfind("brickvale2-", 0), 0u) << shots[0];
    const std::vector<uint8_t> bytes = bvtest::readFile(shots[0].string());
    bv::Sprite picture{};
    ASSERT_TRUE(bv::decodePng(bytes.data(), uint32_t(bytes.size()), picture));
    ASSERT_EQ(picture.width, bv::kFrameWidth);
    ASSERT_EQ(picture.height, bv::kFrameHeight);
    // Below the note's bar the picture is the presented frame, pixel for pixel.
    const uint32_t* frame = bv::platform::headless::lastFrame();
    int32_t differing = 0;
    for (int32_t i = 24 * bv::kFrameWidth; i < bv::kFramePixels; ++i)
        differing += (picture.pixels[i] & 0xFFFFFF) != (frame[i] & 0xFFFFFF);
    EXPECT_EQ(differing, 0);
    bv::memFree(picture.pixels);
}

// Starts the game with the save folder and runs the script; exits 0 when every check held.
[[noreturn]] void launch(const std::string& saves, const std::string& script) {
    bv::platform::useHeadless();
    bv::platform::setProgramFolder(std::string(BV_GAME_DIR) + "/");
    bv::platform::setUserDataFolder(saves);
    bv::gameInit();
    std::istringstream in(script);
    std::ostringstream out;
    const bv::ScriptResult r = bv::runScript(in, out);
    if (!r.ok) std::fprintf(stderr, "line %d: %s\n", r.failedLine, r.message.c_str());
    std::fflush(stderr);
    std::_Exit(r.ok ? 0 : 1);
}

// A first run (an empty save folder) opens the name entry over the title picture (its panel's
// parchment below the "ok" button); '/' is refused in the name. The board's close asks, and
// "Save & Quit" saves; the next launch resumes onto the board and quits without saving.
constexpr const char* kFirstRun = R"(
frames 2
expect-state 23
expect-pixel 400 430 F6E8CB
type Ann/a
frames 2
key Enter
frames 2
expect-state 0
frames 40
click 650 150
frames 2
expect-state 4
click 500 540
frames 2
state 2
frames 20
expect-state 2
close
click 315 353
expect-exit
)";

constexpr const char* kSecondRun = R"(
frames 2
expect-state 0
frames 40
click 650 190
frames 3
expect-state 2
close
click 480 353
expect-exit
)";

TEST(LaunchFlow, NewPlayerPlaysSavesAndResumesAfterARestart) {
    bvtest::TempDir saves;
    EXPECT_EXIT(launch(saves.path(), kFirstRun), testing::ExitedWithCode(0), "");
    const std::vector<uint8_t> last = bvtest::readFile(saves.file("bvx2.sav"));
    ASSERT_EQ(last.size(), 10u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(last.data())), "Anna") << "'/' was refused";
    const std::vector<uint8_t> save = bvtest::readFile(saves.file("Anna_bvx2.sav"));
    ASSERT_GE(save.size(), 8u + 16296u);
    EXPECT_EQ(save[0] | save[1] << 8, 16296);
    EXPECT_EXIT(launch(saves.path(), kSecondRun), testing::ExitedWithCode(0), "");
}

TEST(LaunchFlow, QuitWithoutSavingLeavesNoSaveAndTheNameIsKept) {
    bvtest::TempDir saves;
    EXPECT_EXIT(launch(saves.path(), "frames 2\ntype Bo\nframes 2\nkey Enter\nframes 2\nexpect-state 0\n"
                                     "close\nexpect-exit\n"),
                testing::ExitedWithCode(0), "");
    EXPECT_FALSE(std::filesystem::exists(saves.file("Bo_bvx2.sav")));
    // With a name stored the title menu comes first, without a resume button (no game yet).
    EXPECT_EXIT(launch(saves.path(), "frames 40\nexpect-state 0\nclick 650 190\nframes 2\nexpect-state 63\n"),
                testing::ExitedWithCode(0), "");
}

} // namespace

// The road from launch to play and back, run on the real game headless. Each launch is its own
// process (the game starts once per process); the save folder is shared between launches.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "game/game.h"
#include "game/script_player.h"
#include "platform/platform.h"
#include "support/test_support.h"

namespace bvtest {
namespace {

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

// A first run (an empty save folder) opens the name entry over the title picture; its panel's
// parchment lies below the "ok" button.
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
    TempDir saves;
    EXPECT_EXIT(launch(saves.path(), kFirstRun), testing::ExitedWithCode(0), "");
    const std::vector<uint8_t> last = readFile(saves.file("bvx2.sav"));
    ASSERT_EQ(last.size(), 10u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(last.data())), "Anna") << "'/' was refused";
    const std::vector<uint8_t> save = readFile(saves.file("Anna_bvx2.sav"));
    ASSERT_GE(save.size(), 8u + 16296u);
    EXPECT_EQ(save[0] | save[1] << 8, 16296);
    EXPECT_EXIT(launch(saves.path(), kSecondRun), testing::ExitedWithCode(0), "");
}

TEST(LaunchFlow, QuitWithoutSavingLeavesNoSaveAndTheNameIsKept) {
    TempDir saves;
    EXPECT_EXIT(launch(saves.path(), "frames 2\ntype Bo\nframes 2\nkey Enter\nframes 2\nexpect-state 0\n"
                                     "close\nexpect-exit\n"),
                testing::ExitedWithCode(0), "");
    EXPECT_FALSE(std::filesystem::exists(saves.file("Bo_bvx2.sav")));
    // With a name stored the title menu comes first, without a resume button (no game yet).
    EXPECT_EXIT(launch(saves.path(), "frames 40\nexpect-state 0\nclick 650 190\nframes 2\nexpect-state 63\n"),
                testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace bvtest

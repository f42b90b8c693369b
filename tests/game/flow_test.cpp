// Launches of the real game headless, each its own process (the game starts once per process),
// sharing one save folder. A new player's road to the board, saving and resuming are played by the
// scripts (career_level_one, resume).
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

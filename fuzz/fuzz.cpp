#include "fuzz.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "assets/archive.h"
#include "core/clock.h"
#include "core/memory.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "game/game.h"
#include "gfx/framebuffer.h"
#include "platform/platform.h"
#include "sim/effect_list.h"
#include "sim/game_update.h"

namespace bvfuzz {

namespace {
bool g_open = false;
bool g_started = false;
} // namespace

const std::string& scratchFolder() {
    static const std::string folder = [] {
        std::error_code ec;
        const std::filesystem::path p =
            std::filesystem::temp_directory_path(ec) / ("bvfuzz-" + std::to_string(::getpid()));
        std::filesystem::remove_all(p, ec);
        std::filesystem::create_directories(p, ec);
        static const std::string removeAtExit = p.string();
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(removeAtExit, ignored);
        });
        return p.string() + "/";
    }();
    return folder;
}

void openGame() {
    if (g_open) return;
    g_open = true;
    bv::platform::useHeadless();
    bv::platform::setProgramFolder(BV_GAME_DIR);
    bv::platform::setUserDataFolder(scratchFolder() + "saves");
    bv::memStartup();
    bv::allocFrameBuffer();
    bv::archiveOpen("bb_Blob32");
}

void startGame() {
    if (g_started) return;
    g_started = true;
    bv::platform::useHeadless();
    bv::platform::setProgramFolder(BV_GAME_DIR);
    bv::platform::setUserDataFolder(scratchFolder() + "saves");
    bv::gameInit();
    g_open = true;
}

void runBoardDays(int32_t days) {
    constexpr int32_t kTicksPerDay = 31;
    bv::changeState(bv::kStateGame);
    for (int32_t day = 0; day < days; ++day) {
        for (int32_t tick = 0; tick < kTicksPerDay; ++tick) {
            bv::frameTicks = 1;
            bv::frameMs = bv::kTickMs;
            bv::simulationFrame();
            bv::runTimedObjects();
        }
        bv::clearStateQueue();
        bv::changeState(bv::kStateGame);
        bv::updateCurrentState();
    }
}

const std::string& manifestText() {
    static const std::string text = [] {
        std::ifstream in(BV_SOURCE_DIR "/content/manifest.txt");
        std::stringstream all;
        all << in.rdbuf();
        if (all.str().empty()) fail("content/manifest.txt is missing", __FILE__, __LINE__);
        return all.str();
    }();
    return text;
}

void fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "FUZZ CHECK FAILED: %s (%s:%d)\n", what, file, line);
    std::fflush(stderr);
    std::abort();
}

} // namespace bvfuzz

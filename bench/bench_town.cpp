// One frame of the game board on the largest shipped map: the board's update (clock, rivals,
// timers, the whole town view with its panel) and the effects, measured against a plain copy of
// the whole frame ("x_copy": time per frame divided by the copy's). It starts the real game on the
// headless backend, so run it on its own:
//   bv_bench --benchmark_filter=BM_Town
// from the build folder (it looks for game/ there and one level up), or with BV_GAME_DIR set.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "core/memory.h"
#include "core/state.h"
#include "frame_copy.h"
#include "game/game.h"
#include "game/script_player.h"
#include "gfx/framebuffer.h"
#include "platform/platform.h"
#include "screens/float_effects.h"
#include "sim/cash.h"
#include "sim/effect_list.h"
#include "sim/houses.h"
#include "sim/owner.h"
#include "world/map.h"

namespace {

std::string townGameFolder() {
    if (const char* env = std::getenv("BV_GAME_DIR"); env && *env) return env;
    // Beside the bench program's folder (the build folder's game/), else from the working folder.
    std::error_code error;
    const auto programFolder = std::filesystem::canonical("/proc/self/exe", error).parent_path();
    for (const auto& candidate :
         {programFolder / ".." / "game", std::filesystem::path("game"), std::filesystem::path("../game")})
        if (std::filesystem::exists(candidate / "bb_Blob32", error))
            return std::filesystem::absolute(candidate).lexically_normal().string();
    return "";
}

// The tycoon game on the board, its town replaced by the largest shipped map, with a third of the
// houses the player's (rented, mortgaged, some listed) so that every status mark and the panel's
// figures are drawn; a rented house is selected.
std::string startBoard(const std::string& game) {
    bv::platform::useHeadless();
    bv::platform::setProgramFolder(game);
    bv::gameInit();
    std::string largest;
    uintmax_t size = 0;
    for (const auto& e : std::filesystem::directory_iterator(game + "/maps"))
        if (e.path().extension() == ".map" && e.file_size() > size) {
            size = e.file_size();
            largest = e.path().stem().string();
        }
    std::istringstream script("load-scenario tycoon 1\nstate 1\nframes 1\nload-map " + largest +
                              "\nstate 2\nframes 1\n");
    std::ostringstream out;
    if (!bv::runScript(script, out).ok) return "";
    for (int32_t i = 0; i < bv::houseCount; i += 3) {
        bv::HouseState& h = bv::houseStates[i];
        h.owner = bv::kOwnerPlayer;
        h.hasRenter = 1;
        h.mtgPrincipal = 100000;
        h.mtgPayment = 2224;
        h.wear = 0.4f;
        h.forSale = (i % 2) ? 1 : 0;
        h.askingPrice = 150000;
    }
    bv::selectedHouse = 0;
    return largest;
}

void BM_TownBoardFrame(benchmark::State& state) {
    const std::string game = townGameFolder();
    if (game.empty()) {
        state.SkipWithError("no game folder");
        return;
    }
    static std::string map;
    static bool started = false;
    if (!started) {
        started = true;
        map = startBoard(game);
    }
    if (map.empty() || bv::currentStateId() != 2) {
        state.SkipWithError("cannot start the board");
        return;
    }
    const double copy = bvbench::frameCopySeconds(50);
    double seconds = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        bv::updateCurrentState();
        bv::runTimedObjects();
        bv::updateEffects();
        benchmark::DoNotOptimize(bv::frameBuffer);
        benchmark::ClobberMemory();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        // A dialog the month raised is closed again: only the board is measured.
        if (bv::currentStateId() != 2) bv::changeState(2);
    }
    state.counters["x_copy"] = seconds / double(state.iterations()) / copy;
    state.counters["houses"] = double(bv::houseCount);
    state.SetLabel(map);
}
BENCHMARK(BM_TownBoardFrame)->Unit(benchmark::kMicrosecond);

} // namespace

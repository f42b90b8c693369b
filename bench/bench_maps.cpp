// Loading and drawing the largest shipped map, each measured against a plain copy of the whole
// frame ("x_copy": time per iteration divided by the copy's). Needs the built game folder: run from
// the build folder (it looks for game/ there and one level up), or set BV_GAME_DIR.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "assets/archive.h"
#include "assets/sprites.h"
#include "core/memory.h"
#include "gfx/framebuffer.h"
#include "gfx/sprite_startup.h"
#include "platform/platform.h"
#include "world/map.h"
#include "world/map_draw.h"

namespace {

double g_mapCopySeconds = 0.0;

std::string gameFolder() {
    if (const char* env = std::getenv("BV_GAME_DIR")) return env;
    for (const char* candidate : {"game", "../game"}) {
        if (std::filesystem::exists(std::string(candidate) + "/bb_Blob32"))
            return std::filesystem::absolute(candidate).string();
    }
    return "";
}

// The game folder opened once, the town pictures loaded, and the name of the largest map.
std::string prepare() {
    static std::string largest;
    static bool done = false;
    if (done) return largest;
    done = true;
    const std::string game = gameFolder();
    if (game.empty()) return largest;
    if (!bv::memInitialised()) bv::memStartup();
    bv::allocFrameBuffer();
    bv::platform::setProgramFolder(game + "/");
    bv::archiveOpen("bb_Blob32");
    bv::loadMapPictureSets();
    uintmax_t size = 0;
    for (const auto& e : std::filesystem::directory_iterator(game + "/maps")) {
        if (e.path().extension() == ".map" && e.file_size() > size) {
            size = e.file_size();
            largest = e.path().stem().string();
        }
    }
    return largest;
}

void report(benchmark::State& state, double seconds) {
    const double perIteration = seconds / double(state.iterations());
    state.counters["x_copy"] = g_mapCopySeconds > 0.0 ? perIteration / g_mapCopySeconds : 0.0;
}

void BM_MapsFrameCopy(benchmark::State& state) {
    std::vector<uint32_t> source(bv::kFramePixels, 0x336699), target(bv::kFramePixels);
    double seconds = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        std::memcpy(target.data(), source.data(), bv::kFrameBytes);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    g_mapCopySeconds = seconds / double(state.iterations());
    state.counters["x_copy"] = 1.0;
}
BENCHMARK(BM_MapsFrameCopy);

void BM_LoadLargestMap(benchmark::State& state) {
    const std::string map = prepare();
    if (map.empty()) return state.SkipWithError("no built game folder with maps");
    double seconds = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!bv::loadMap(map.c_str())) return state.SkipWithError("the map does not load");
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.SetLabel(map + ", " + std::to_string(bv::houseCount) + " houses");
    report(state, seconds);
}
BENCHMARK(BM_LoadLargestMap)->Unit(benchmark::kMillisecond);

// Background, both object layers, labels and houses: one whole town frame.
void BM_DrawLargestMap(benchmark::State& state) {
    const std::string map = prepare();
    if (map.empty() || !bv::loadMap(map.c_str()))
        return state.SkipWithError("no built game folder with maps");
    bv::resetClip();
    double seconds = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        bv::drawMapTown();
        benchmark::ClobberMemory();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.SetLabel(map);
    report(state, seconds);
}
BENCHMARK(BM_DrawLargestMap);

} // namespace

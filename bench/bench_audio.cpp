// Start-up cost of the fifty sounds: the 33 effects decoded by audio start-up, and the 17 music
// tracks created one per pass of the logo sequence (the slowest single pass is what would make
// the logo stutter). Uses the game's archive when it holds the sounds, otherwise WAV stand-ins
// of similar size; the label says which, and whether a real mixer (SDL_mixer) or the silent
// layer ran. Run with SDL_AUDIODRIVER=dummy on a machine without a sound card.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "assets/archive.h"
#include "audio/audio.h"
#include "core/memory.h"
#include "core/state.h"
#include "platform/platform.h"

namespace {

std::vector<uint8_t> standInWav(uint32_t ms) {
    // 22,050 Hz mono 16-bit, a slow sweep so that nothing compresses to nothing.
    uint32_t bytes = ms * 44;
    std::vector<uint8_t> out(44 + bytes);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    std::memcpy(out.data(), "RIFF", 4);
    put32(4, 36 + bytes);
    std::memcpy(out.data() + 8, "WAVEfmt ", 8);
    put32(16, 16);
    put32(20, 1 | 1u << 16); // PCM, mono
    put32(24, 22050);
    put32(28, 44100);
    put32(32, 2 | 16u << 16);
    std::memcpy(out.data() + 36, "data", 4);
    put32(40, bytes);
    for (uint32_t i = 0; i < bytes; ++i) out[44 + i] = static_cast<uint8_t>((i * i) >> 9);
    return out;
}

// Finds the sounds: the game folder beside the benchmark, or stand-ins in a folder of their own.
std::string prepareSounds() {
    static std::string label;
    if (!label.empty()) return label;
    if (!bv::memInitialised()) bv::memStartup();
    std::error_code ec;
    std::string game =
        std::filesystem::read_symlink("/proc/self/exe", ec).parent_path().string() + "/../game/";
    if (std::filesystem::exists(game + "bb_Blob32", ec)) {
        bv::platform::setProgramFolder(game);
        bv::archiveOpen("bb_Blob32");
    }
    if (bv::fileSize("kids.ogg") > 0 && bv::fileSize("magicWand.wav") > 0) return label = "game archive";
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "bv-bench-audio";
    std::filesystem::create_directories(folder, ec);
    for (int32_t id = 0; id < bv::kSoundCount; ++id) {
        std::vector<uint8_t> bytes = standInWav(id < bv::kFirstEffect ? 1000 : 600);
        std::FILE* f = std::fopen((folder / bv::soundFileName(id)).c_str(), "wb");
        if (!f) continue;
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    std::filesystem::current_path(folder, ec);
    return label = "stand-in WAV files";
}

void freshAudio() {
    bv::platform::useSdl();
    bv::resetAudioForTests();
}

void BM_AudioStartupEffects(benchmark::State& state) {
    std::string data = prepareSounds();
    for (auto _ : state) {
        state.PauseTiming();
        freshAudio();
        state.ResumeTiming();
        bv::audioInit(); // opens the output and decodes the 33 effects
    }
    state.SetLabel(data + (bv::platform::soundSilent() ? ", silent layer" : ", SDL_mixer"));
    bv::resetAudioForTests();
}
BENCHMARK(BM_AudioStartupEffects)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_MusicTrackSteps(benchmark::State& state) {
    std::string data = prepareSounds();
    double slowest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        freshAudio();
        bv::audioInit();
        state.ResumeTiming();
        bool done = false;
        while (!done) {
            auto t0 = std::chrono::steady_clock::now();
            done = bv::createMusicStep();
            std::chrono::duration<double, std::milli> ms = std::chrono::steady_clock::now() - t0;
            if (ms.count() > slowest) slowest = ms.count();
        }
    }
    state.counters["slowest_step_ms"] = slowest;
    state.SetLabel(data + (bv::platform::soundSilent() ? ", silent layer" : ", SDL_mixer"));
    bv::resetAudioForTests();
    bv::platform::useHeadless();
}
BENCHMARK(BM_MusicTrackSteps)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

// Presenting a frame on the headless backend, against a plain copy of the frame.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "core/memory.h"
#include "gfx/display.h"
#include "gfx/framebuffer.h"
#include "platform/platform.h"

namespace {

void setUpDisplay() {
    static bool done = false;
    if (done) return;
    done = true;
    if (!bv::memInitialised()) bv::memStartup();
    bv::platform::useHeadless();
    bv::displayInit(bv::kScreenWidth, bv::kScreenHeight, true, "bench");
}

void BM_PresentHeadless(benchmark::State& state) {
    setUpDisplay();
    for (auto _ : state) {
        bv::markDirty(0, 0, bv::kScreenWidth, bv::kScreenHeight);
        bv::present();
        benchmark::DoNotOptimize(bv::platform::headless::lastFrame());
    }
}
BENCHMARK(BM_PresentHeadless);

void BM_PresentFrameCopyReference(benchmark::State& state) {
    std::vector<uint32_t> a(800 * 600, 0x123456), b(800 * 600);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), a.size() * 4);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PresentFrameCopyReference);

} // namespace

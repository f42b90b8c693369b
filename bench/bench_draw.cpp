// Speed of the heaviest drawing primitives, each measured against a plain copy of the whole frame
// (1,920,000 bytes), the cheapest thing a frame can do. Run all benchmarks in one go: each one's
// "x_copy" counter is its time per frame divided by the copy's time from the same run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <vector>

#include "assets/sprite.h"
#include "gfx/draw.h"
#include "gfx/framebuffer.h"

namespace {

// Seconds per iteration of the frame copy, filled in by BM_FrameCopy (registered first).
double g_copySeconds = 0.0;

void setRatio(benchmark::State& state, double seconds) {
    const double perIteration = seconds / double(state.iterations());
    state.counters["x_copy"] = g_copySeconds > 0.0 ? perIteration / g_copySeconds : 0.0;
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bv::kFrameBytes));
}

// A frame with some content, so that blending does real work.
std::vector<uint32_t> makeFrame() {
    std::vector<uint32_t> frame(bv::kFramePixels);
    for (int i = 0; i < bv::kFramePixels; ++i) frame[i] = uint32_t(i) * 2654435761u & 0xFFFFFFu;
    return frame;
}

// A full-screen sprite whose alpha varies over the picture, with transparent and opaque areas.
std::vector<uint32_t> makeSpritePixels() {
    std::vector<uint32_t> px(bv::kFramePixels);
    for (int y = 0; y < bv::kFrameHeight; ++y)
        for (int x = 0; x < bv::kFrameWidth; ++x) {
            const uint32_t alpha = uint32_t(x * 3 + y) % 320; // about a fifth transparent
            const uint32_t a = alpha > 255 ? 0 : alpha;
            px[size_t(y) * bv::kFrameWidth + x] =
                a << 24 | uint32_t(x) << 16 | uint32_t(y) << 8 | uint32_t(x ^ y);
        }
    return px;
}

void timed(benchmark::State& state, auto&& body) {
    double seconds = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        body();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    setRatio(state, seconds);
}

void BM_FrameCopy(benchmark::State& state) {
    std::vector<uint32_t> source = makeFrame();
    std::vector<uint32_t> target(bv::kFramePixels);
    double seconds = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        std::memcpy(target.data(), source.data(), bv::kFrameBytes);
        benchmark::ClobberMemory();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    g_copySeconds = seconds / double(state.iterations());
    state.counters["x_copy"] = 1.0;
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bv::kFrameBytes));
}
BENCHMARK(BM_FrameCopy);

void BM_DrawSpriteFullScreenAlpha(benchmark::State& state) {
    std::vector<uint32_t> frame = makeFrame();
    std::vector<uint32_t> pixels = makeSpritePixels();
    bv::Sprite sprite{};
    sprite.width = bv::kFrameWidth;
    sprite.height = bv::kFrameHeight;
    sprite.pixels = pixels.data();
    bv::resetClip();
    timed(state, [&] {
        bv::drawSprite(frame.data(), 0, 0, &sprite, false);
        benchmark::ClobberMemory();
    });
}
BENCHMARK(BM_DrawSpriteFullScreenAlpha);

void BM_DimRectFullScreen(benchmark::State& state) {
    std::vector<uint32_t> frame = makeFrame();
    const int percent = int(state.range(0));
    timed(state, [&] {
        bv::dimRect(frame.data(), 0, 0, bv::kFrameWidth, bv::kFrameHeight, percent);
        benchmark::ClobberMemory();
    });
}
BENCHMARK(BM_DimRectFullScreen)->Arg(50)->Arg(20);

} // namespace

BENCHMARK_MAIN();

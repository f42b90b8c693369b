// The yardstick every benchmark reports against: the best time of one plain copy of the frame.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

#include "gfx/framebuffer.h"

namespace bvbench {

inline double frameCopySeconds(int tries = 20) {
    std::vector<uint32_t> a(bv::kFramePixels, 1), b(bv::kFramePixels);
    double best = 1e9;
    for (int i = 0; i < tries; ++i) {
        const auto start = std::chrono::steady_clock::now();
        std::memcpy(b.data(), a.data(), bv::kFrameBytes);
        benchmark::DoNotOptimize(b.data());
        benchmark::ClobberMemory();
        best =
            std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

} // namespace bvbench

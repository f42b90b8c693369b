// Speed of the interface's per-frame work: a screen of 30 buttons in the sprite look with cached
// labels, and a flush of a full draw list (2,000 pictures in depth order). Reported as "x_copy":
// time per frame divided by the time of a plain copy of the whole frame measured in the same run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "core/memory.h"
#include "frame_copy.h"
#include "gfx/draw.h"
#include "gfx/draw_list.h"
#include "gfx/font.h"
#include "gfx/framebuffer.h"
#include "gfx/text.h"
#include "ui/button.h"
#include "ui/hotspots.h"

namespace {

// A picture with a soft one-pixel rim, like the game's anti-aliased art.
std::vector<uint32_t> softPicture(int w, int h, uint32_t colour) {
    std::vector<uint32_t> px(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int edge = std::min({x, y, w - 1 - x, h - 1 - y});
            const uint32_t a = edge == 0 ? 120 : 255;
            px[size_t(y) * size_t(w) + size_t(x)] = a << 24 | colour;
        }
    return px;
}

// Button pieces of the game's sizes (ends 12 x 30, middle 4 x 30) and 15-pixel label fonts.
struct ButtonArt {
    std::vector<uint32_t> ends = softPicture(12, 30, 0xF2C65A), middle = softPicture(4, 30, 0xF2C65A);
    std::vector<uint32_t> glyphPixels = softPicture(9, 15, 0x2A4A8A);
    std::vector<bv::Glyph> glyphs{256};
    ButtonArt() {
        if (!bv::memInitialised()) bv::memStartup();
        bv::allocFrameBuffer();
        if (bv::iconSprites.count < bv::pic::kIconCount)
            bv::allocSpriteSet(bv::iconSprites, bv::pic::kIconCount);
        auto place = [](int32_t n, int w, std::vector<uint32_t>& px) {
            bv::Sprite& s = bv::iconSprites.sprites[n];
            s = bv::Sprite{};
            s.width = w;
            s.height = 30;
            s.pixels = px.data();
        };
        place(bv::pic::kIconButtonLeft, 12, ends);
        place(bv::pic::kIconButtonMiddle, 4, middle);
        place(bv::pic::kIconButtonRight, 12, ends);
        for (int c = 0; c < 256; ++c) {
            bv::Glyph& g = glyphs[size_t(c)];
            g.code = c;
            g.advance = c == ' ' ? 4 : 10;
            g.width = c == ' ' ? 0 : 9;
            g.height = c == ' ' ? 0 : 15;
            g.yOffset = 3;
            g.pixels = glyphPixels.data();
        }
        bv::fontArial15Blue = bv::Font{glyphs.data(), 256, false};
        bv::fontArial15BlueLit = bv::Font{glyphs.data(), 256, false};
        bv::resetTextStateForTests();
        bv::setFont(&bv::fontArial15Blue);
    }
};

void noop(int32_t, int32_t, int32_t) {}

void BM_ThirtyButtonFrame(benchmark::State& state) {
    static ButtonArt art;
    const double copy = bvbench::frameCopySeconds();
    std::vector<std::u16string> labels;
    for (int i = 0; i < 30; ++i) labels.push_back(u"Button " + std::u16string(1, char16_t('A' + i)));
    bv::resetClip();
    bv::setButtonLook(bv::kButtonLookSprite);
    double seconds = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        bv::clearHotSpots();
        for (int i = 0; i < 30; ++i)
            bv::button(110 + (i % 5) * 145, 60 + (i / 5) * 90, 140, 30, labels[size_t(i)].c_str(), i, noop);
        benchmark::ClobberMemory();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["x_copy"] = seconds / double(state.iterations()) / copy;
}
BENCHMARK(BM_ThirtyButtonFrame);

void BM_DrawListFlush2000(benchmark::State& state) {
    static ButtonArt art; // memory and the frame buffer
    const double copy = bvbench::frameCopySeconds();
    std::vector<uint32_t> px = softPicture(40, 60, 0x3A7A2A);
    bv::Sprite tree{};
    tree.width = 40;
    tree.height = 60;
    tree.xOffset = -20;
    tree.yOffset = -60;
    tree.pixels = px.data();
    // Positions spread over the town, depths in no particular order.
    std::vector<std::pair<int32_t, int32_t>> spots;
    uint32_t seed = 12345;
    for (int i = 0; i < bv::kDrawListCapacity; ++i) {
        seed = seed * 1103515245u + 12345u;
        spots.emplace_back(int32_t(seed >> 8) % 800, 60 + int32_t(seed >> 20) % 540);
    }
    bv::initDrawList();
    bv::resetClip();
    double seconds = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (const auto& [x, y] : spots) bv::drawListAdd(x, y, &tree, (x & 1) != 0);
        bv::drawListFlush();
        benchmark::ClobberMemory();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["x_copy"] = seconds / double(state.iterations()) / copy;
}
BENCHMARK(BM_DrawListFlush2000);

} // namespace

// Speed of text drawing: a wrapped paragraph of 500 characters, the size of the longest dialog
// bodies, drawn every frame. Reported as "x_copy": time per paragraph divided by the time of a
// plain copy of the whole frame measured in the same benchmark.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "frame_copy.h"
#include "gfx/font.h"
#include "gfx/framebuffer.h"
#include "gfx/text.h"

namespace {

// A font shaped like the game's 15-pixel fonts: 256 glyphs of 9 x 15 with soft edges.
struct BenchFont {
    std::vector<bv::Glyph> glyphs{256};
    std::vector<uint32_t> pixels;
    bv::Font font;
    BenchFont() {
        constexpr int w = 9, h = 15;
        pixels.resize(size_t(256) * w * h);
        for (int c = 0; c < 256; ++c) {
            uint32_t* px = pixels.data() + size_t(c) * w * h;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const int edge = std::min({x, y, w - 1 - x, h - 1 - y});
                    const uint32_t a = edge == 0 ? 0 : edge == 1 ? 140 : 255;
                    px[y * w + x] = a << 24 | 0x5A3A1Au;
                }
            bv::Glyph& g = glyphs[size_t(c)];
            g.code = c;
            g.width = c == ' ' ? 0 : w;
            g.height = c == ' ' ? 0 : h;
            g.advance = c == ' ' ? 4 : w + 1;
            g.yOffset = 3;
            g.pixels = px;
        }
        font.glyphs = glyphs.data();
        font.count = 256;
        font.ownsPixels = false;
    }
};

std::u16string paragraph() {
    const std::u16string words[] = {u"the", u"renter",  u"of", u"this", u"house", u"has",    u"asked",
                                    u"for", u"repairs", u"to", u"the",  u"roof",  u"before", u"winter"};
    std::u16string text;
    for (size_t i = 0; text.size() < 500; ++i) text += words[i % 14] + u" ";
    text.resize(500);
    return text;
}

void runParagraph(benchmark::State& state, uint32_t style, bool measureOnly) {
    BenchFont f;
    std::vector<uint32_t> frame(bv::kFramePixels, 0xE8DCC0u);
    const std::u16string text = paragraph();
    const double copy = bvbench::frameCopySeconds();
    bv::resetClip();
    bv::resetTextStateForTests();
    bv::setFont(&f.font);
    bv::setTextArea(200, 150, 600, 450);
    bv::setDrawTarget(measureOnly ? nullptr : frame.data());
    double seconds = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        bv::drawText(201, 160, false, style, text.c_str());
        benchmark::ClobberMemory();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["x_copy"] = seconds / double(state.iterations()) / copy;
    state.counters["lines"] = double((bv::penY() - 160) / bv::lineHeight() + 1);
    bv::resetTextStateForTests();
}

void BM_TextParagraph500(benchmark::State& state) {
    runParagraph(state, 0, false);
}
BENCHMARK(BM_TextParagraph500);

void BM_TextParagraph500Tinted(benchmark::State& state) {
    runParagraph(state, 0xFFFF00u, false);
}
BENCHMARK(BM_TextParagraph500Tinted);

void BM_TextParagraph500Outlined(benchmark::State& state) {
    runParagraph(state, bv::kStyleOutline, false);
}
BENCHMARK(BM_TextParagraph500Outlined);

void BM_TextParagraph500MeasureOnly(benchmark::State& state) {
    runParagraph(state, 0, true);
}
BENCHMARK(BM_TextParagraph500MeasureOnly);

} // namespace

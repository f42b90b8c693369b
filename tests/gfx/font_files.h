// Small fonts for the text tests: ".spr" files built byte by byte, and fonts built in memory.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "gfx/font.h"
#include "support/bytes.h"

namespace texttest {

struct SprGlyph {
    int32_t xOffset = 0, yOffset = 0, width = 0, height = 0, advance = 0, yAdvance = 0, code = 0;
    std::vector<uint32_t> pixels; // 0xAARRGGBB
};

// Three leading words, header size, record size, the 552-byte header with the count at its
// offset 12, then per glyph a 344-byte record and its pixels.
inline std::vector<uint8_t> sprFile(const std::vector<SprGlyph>& glyphs,
                                    std::optional<int64_t> countOverride = std::nullopt,
                                    uint32_t headerSize = 552, uint32_t recordSize = 344) {
    std::vector<uint8_t> out(20 + 552, 0);
    bvtest::setLE32(out, 0, 0x11111111u);
    bvtest::setLE32(out, 12, headerSize);
    bvtest::setLE32(out, 16, recordSize);
    bvtest::setLE32(out, 20 + 12, uint32_t(countOverride.value_or(int64_t(glyphs.size()))));
    for (const SprGlyph& g : glyphs) {
        const size_t at = out.size();
        out.resize(at + 344, 0xEE); // bytes the loader does not read are not zero
        const std::pair<size_t, int32_t> fields[] = {{0, g.xOffset}, {4, g.yOffset},  {40, g.width},
                                                     {44, g.height}, {72, g.advance}, {76, g.yAdvance},
                                                     {80, g.code}};
        for (const auto& [offset, value] : fields) bvtest::setLE32(out, at + offset, uint32_t(value));
        for (uint32_t p : g.pixels) bvtest::putLE32(out, p);
    }
    return out;
}

// A font held in vectors: glyph i has code i, `advance` pixels wide and 15 high (so its line
// height is 22), filled with colour(i) at alpha 255; the space is blank and 5 wide.
struct MemFont {
    std::vector<bv::Glyph> glyphs;
    std::vector<std::vector<uint32_t>> pixels;
    bv::Font font;
    static uint32_t colour(int code) { return 0xFF000000u | uint32_t(code) << 16 | 0x0055u; }
    explicit MemFont(int count = 128, int advance = 10, int height = 15)
        : glyphs(size_t(count)), pixels(size_t(count)) {
        for (int i = 0; i < count; ++i) {
            bv::Glyph& g = glyphs[size_t(i)];
            g = bv::Glyph{};
            g.code = i;
            if (i == ' ') {
                g.advance = 5;
                continue;
            }
            g.advance = advance;
            g.width = advance;
            g.height = height;
            pixels[size_t(i)].assign(size_t(advance * height), colour(i));
            g.pixels = pixels[size_t(i)].data();
        }
        font.glyphs = glyphs.data();
        font.count = count;
        font.ownsPixels = false;
    }
};

} // namespace texttest

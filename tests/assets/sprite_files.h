// Builders of small ".bin" and ".exs" sprite-set files for the loader tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "asset_fixture.h"

namespace bvtest {

struct BinPicture {
    int32_t advance = 0, yAdvance = 0, code = 0, xOffset = 0, yOffset = 0, width = 0, height = 0;
    std::vector<uint8_t> rgba; // 4 bytes per pixel as on file: red, green, blue, alpha
};

// N, then the records (advance, yAdvance, code, xOffset, yOffset, width, height, 0), then pixels.
// countOverride, when given, replaces N on file.
inline std::vector<uint8_t> binFile(const std::vector<BinPicture>& pics,
                                    std::optional<int64_t> countOverride = std::nullopt) {
    std::vector<uint8_t> out;
    putLE32(out, uint32_t(countOverride.value_or(int64_t(pics.size()))));
    for (const BinPicture& p : pics) {
        for (int32_t v : {p.advance, p.yAdvance, p.code, p.xOffset, p.yOffset, p.width, p.height, 0})
            putLE32(out, uint32_t(v));
    }
    for (const BinPicture& p : pics) out.insert(out.end(), p.rgba.begin(), p.rgba.end());
    return out;
}

struct ExsPicture {
    int32_t advance = 0, code = 0, xOffset = 0, yOffset = 0, width = 0, height = 0, yAdvance = 0;
    std::string name;
    std::vector<uint32_t> argb; // pixels as stored (already in display order)
};

// (7, N, 9), then 112-byte records in memory order with an 80-byte name, then pixels.
inline std::vector<uint8_t> exsFile(const std::vector<ExsPicture>& pics,
                                    std::optional<int64_t> countOverride = std::nullopt) {
    std::vector<uint8_t> out;
    putLE32(out, 7);
    putLE32(out, uint32_t(countOverride.value_or(int64_t(pics.size()))));
    putLE32(out, 9);
    for (const ExsPicture& p : pics) {
        for (int32_t v : {p.advance, p.code, p.xOffset, p.yOffset, p.width, p.height, p.yAdvance, 0})
            putLE32(out, uint32_t(v));
        std::vector<uint8_t> name(80, 0);
        for (size_t i = 0; i < p.name.size() && i < 80; ++i) name[i] = uint8_t(p.name[i]);
        out.insert(out.end(), name.begin(), name.end());
    }
    for (const ExsPicture& p : pics)
        for (uint32_t v : p.argb) putLE32(out, v);
    return out;
}

} // namespace bvtest

// The map editor's snapping grids, as the saved game keeps them.
#pragma once

#include <cstdint>

namespace bv {

// One grid record, seven int32 as saved with the game.
struct GridRecord {
    int32_t on;
    int32_t upLeft;  // up-left alignment of plotted images
    int32_t display; // draw the grid lines
    int32_t xOffset;
    int32_t yOffset;
    int32_t width;
    int32_t height;
};
constexpr int32_t kMasterGrid = 3; // grids[0..2] belong to modes 1..3

} // namespace bv

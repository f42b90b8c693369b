// Drawing the map into the frame buffer, clipped to the 800 x 450 map area (and to the clip
// rectangle in force). The town view calls them in this order:
//   drawMapBackground, drawObjectLayer(background, all), drawMapLabels,
//   (the houses), drawObjectLayer(foreground, not on top), drawObjectLayer(foreground, on top).
// Objects of one pass go through the depth-sorted draw list, so lower objects cover higher ones.
#pragma once

#include <cstdint>

#include "world/map.h"

namespace bv {

enum class LayerPass : int32_t {
    kAll,         // every object of the layer
    kUnderHouses, // objects without the draw-on-top-of-houses flag
    kOverHouses,  // objects with it
};

void drawMapBackground();
void drawObjectLayer(const ObjectLayer& layer, LayerPass pass);
void drawMapLabels();
// Everything below the houses: background, background objects, labels.
void drawMapBelowHouses();
// The houses through the draw list (the town view adds its status marks after): each house whose
// picture exists, whose highlight is below 2 and whose anchor lies within x -100..899, y -100..549.
void drawMapHouses();
// Everything above the houses: foreground objects without, then with, the on-top flag.
void drawMapAboveHouses();
// The whole town as a still picture (previews and screenshots).
void drawMapTown();

} // namespace bv

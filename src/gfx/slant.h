// Slanted pictures: a picture sheared vertically, each column moved down by `factor` pixels per
// pixel of distance to the right of the drawing position, so that a level street name follows a
// street that climbs or falls across the screen. The letters themselves stay upright.
#pragma once

#include <cstdint>

#include "assets/sprite.h"

namespace bv {

// Draws the sprite scaled by `scale` with its hot spot at (x, y) and every column shifted down by
// factor x (column x - x). Rows are sampled with linear filtering between the two nearest source
// rows, so shifted edges stay smooth. Clipped to the clip rectangle. Factor 0 and scale 1 give the
// picture exactly as drawSprite does.
void drawSpriteSlanted(uint32_t* target, int32_t x, int32_t y, const Sprite* sprite, float factor,
                       float scale);
// Writes the colour wherever drawSpriteSlanted at scale 1 would draw a pixel of the sprite (the
// editor's pick image follows slanted street names this way).
void drawSilhouetteSlanted(uint32_t* target, int32_t x, int32_t y, const Sprite* sprite, float factor,
                           uint32_t colour);

} // namespace bv

// How the board shows what the simulation tells the player: the pictures that pop up over houses,
// money flying to and from the cash display, the sounds, and the messages over the board.
#pragma once

#include <cstdint>

#include "sim/notices.h"

namespace bv {

// The notice presenter start-up and the board install.
int32_t presentNotice(const Notice& notice);

// The point above a house where its floating pictures appear: 30 pixels above the top of its
// picture (above its base point when it has none).
void houseEffectPoint(int32_t house, float* x, float* y);

// The damage-meter click of the town view, carrying the whole house index: a pending damage
// re-opens the repair dialog for the house, a wear bar shows the damage-meter message. Nothing for
// a bad index.
void damageMeterClicked(int32_t house);

} // namespace bv

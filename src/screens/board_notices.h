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

// The messages about one of the player's houses wait in the dialog queue as state 36, the message
// and the house in the argument.
enum HouseMessage : int32_t {
    kMessageRenterLeft = 1,
    kMessagePermanentDamage = 2,
    kMessageCondemned = 3,
};
int32_t houseMessageArgument(int32_t message, int32_t house);
// State 36's enter: the message for the argument's house, or back to the board when the house or
// the message is unknown.
int32_t houseMessageEnter(int32_t previousId, int32_t newId, int32_t argument);

// The damage-meter click of the town view, carrying the whole house index: a pending damage
// re-opens the repair dialog for the house, a wear bar shows the damage-meter message. Nothing for
// a bad index.
void damageMeterClicked(int32_t house);

} // namespace bv

// Widgets built on pictures: the nine-piece panel frame, the progress bar, picture buttons with
// a glow pulse, the round arrow buttons and the owners' avatar pictures.
#pragma once

#include <cstdint>

#include "assets/sprite.h"
#include "gfx/framebuffer.h"
#include "ui/hotspots.h"

namespace bv {

// The frame of "icons" pictures 45..53 over (x, y, width, height): centre tiles first, then the
// four edges, corners last. Tiles may run past the inner area; the edges cover them.
void drawPanelFrame(int32_t x, int32_t y, int32_t width, int32_t height);

// A framed bar: full (value >= maximum) in fillColour lightened halfway to white; otherwise the
// first (width - 2) * value / maximum pixels in fillColour lightened 20 % and the rest in
// restColour darkened 20 %.
void drawProgressBar(int32_t x, int32_t y, int32_t width, int32_t height, int32_t value, int32_t maximum,
                     uint32_t fillColour, uint32_t restColour);

// Where a sprite drawn at its own size at (x, y) lands (mirrored: turned about its hot spot).
Rect spriteRectAt(int32_t x, int32_t y, const Sprite* sprite, bool mirrored);

// A picture used as a button. Disabled: drawn at brightness 0.5, not clickable. Otherwise its
// rectangle is registered (when a callback is given) and it is drawn at brightness 1, or 1 + the
// pulse while hovered.
void spriteButton(int32_t x, int32_t y, const Sprite* sprite, int32_t value, HotSpotCallback callback,
                  bool mirrored, bool disabled);
// The variant with a base brightness b: hovered b + pulse / 2, not hovered 1, without callback 0.8
// (and not clickable).
void spriteButtonGlow(int32_t x, int32_t y, const Sprite* sprite, int32_t value, HotSpotCallback callback,
                      float baseBrightness);
// The round left ("icons" 5) or right (6) arrow as a picture button.
void arrowButton(int32_t x, int32_t y, bool right, HotSpotCallback callback, int32_t value);

// Flags of avatarPicture.
constexpr int32_t kAvatarSmall = 1;    // the 50 x 50 picture, 2 pixels higher, on the small backing
constexpr int32_t kAvatarWithName = 4; // the owner's name centred below (40 / 75 pixels)
// Draws the owner's avatar. Clickable: while the mouse is over the backing picture, its rectangle
// opens that owner's portfolio (state 9, argument owner << 8) with "clickWhoosh.wav".
void avatarPicture(int32_t x, int32_t y, int32_t owner, int32_t flags, bool clickable);

// Who the owners are lives in the simulation, above the widgets: start-up installs the lookups.
// Without them every owner shows the bank's picture and no name.
struct OwnerLooks {
    int32_t (*avatarIndex)(int32_t owner);         // the picture index of the owner's avatar
    const char16_t* (*displayName)(int32_t owner); // the name to show, or nullptr
};
void setOwnerLooks(const OwnerLooks& looks);
// The avatar picture index of an owner through the installed lookup.
int32_t avatarIndexOf(int32_t owner);

} // namespace bv

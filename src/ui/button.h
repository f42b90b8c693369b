// Buttons: drawn and registered anew every frame. A button is enabled by passing a callback and
// disabled by withholding it (drawn faded, not clickable, never shows the hand cursor). Its value
// usually packs (sound << 8) | state for the two standard callbacks below.
#pragma once

#include <cstdint>

#include "assets/sprite.h"
#include "gfx/font.h"
#include "ui/hotspots.h"

namespace bv {

// 0: the sprite look (default), 1: the drawn look. The editor switches to the drawn look for its
// own screen and back at the end of it.
constexpr int32_t kButtonLookSprite = 0;
constexpr int32_t kButtonLookDrawn = 1;
void setButtonLook(int32_t look);
int32_t buttonLook();

// The state whose buttons take the glowing label fonts.

// The rectangle of a button centred at (x, y): left = x - w / 2, top = y - h / 2.
Rect buttonRect(int32_t x, int32_t y, int32_t width, int32_t height);

// Draws the button centred at (x, y) with its label and, when callback is given, registers it.
void button(int32_t x, int32_t y, int32_t width, int32_t height, const char16_t* label, int32_t value,
            HotSpotCallback callback);
// A drawn-look button without a label, blue or (red) red, registered like button.
void colourBarButton(int32_t x, int32_t y, int32_t width, int32_t height, int32_t value,
                     HotSpotCallback callback, bool red);

// The standard callbacks. The value's bits 8..15 name the sound (0: the default), bits 0..7 the
// state to change to (argument 0).
// Default sound "magicWand.wav": "ok", "OK" and "cancel" buttons that return to the game.
void goStateClick(int32_t mouseX, int32_t mouseY, int32_t value);
// Default sound "clickWhoosh.wav": hot spots that open screens, dialog buttons.
void goStateWhoosh(int32_t mouseX, int32_t mouseY, int32_t value);

// The label cache: each distinct (label, font) pair is rendered once into three sprites (normal,
// disabled, hovered) and reused every frame. It holds 100 entries and is never emptied; a label
// beyond that is drawn as plain text every frame.
constexpr int32_t kLabelCacheCapacity = 100;
struct LabelSprites {
    const Sprite* normal;
    const Sprite* disabled;
    const Sprite* hovered;
};
// The entry for (label, font), made when absent and there is room; hoveredFont may be nullptr
// (the hovered sprite is then tinted yellow). Returns false when the cache is full.
bool labelSprites(const char16_t* label, const Font* font, const Font* hoveredFont, LabelSprites& out);
int32_t labelCacheCount();
// Tests only: frees the entries.
void resetLabelCacheForTests();

} // namespace bv

// Floating effects over the town: amounts flying between a house and a display, pictures that
// grow in and rise from houses, rising texts, and the purchase announcement. Twenty fixed slots.
//
// This is the effects' clock and bookkeeping only. Drawing is done by a drawer the town view
// installs (setFloatEffectDrawer): every frame, for each live effect, after its time and position
// have advanced and before it moves on, the drawer gets the slot. Pictures the effects own (the
// rendered amount of a money flight, the announcement card) are made by the drawer on first use
// and kept in the slot's `picture`; clearing a slot frees them.
#pragma once

#include <cstdint>

#include "assets/sprite.h"

namespace bv {

constexpr int32_t kFloatSlots = 20;
constexpr int32_t kFloatTextUnits = 1000;

// Kind bits.
constexpr int32_t kFloatRisingText = 2;
constexpr int32_t kFloatRisingPicture = 4;
constexpr int32_t kFloatUniqueA = 8; // a new effect with a unique bit replaces the one holding it
constexpr int32_t kFloatUniqueB = 16;
constexpr int32_t kFloatGrowIn = 32;
constexpr int32_t kFloatFadeOut = 128;
constexpr int32_t kFloatFlight = 0x100;      // flight without a coin
constexpr int32_t kFloatMoneyFlight = 0x200; // coin and amount

constexpr int32_t kGrowInMs = 500;
constexpr int32_t kRiseMs = 3000;
constexpr int32_t kFadeOutMs = 500;
constexpr float kRiseSpeed = 0.25f; // pixels per tick

struct FloatEffect {
    int32_t active;
    int32_t kind;
    int32_t elapsed; // ms since the effect or its current phase began
    float x, y;      // current position
    float startX, startY;
    float endX, endY;
    float speed;      // rising effects: pixels per tick
    int32_t duration; // flights: ms
    int32_t colour;   // rising text
    int32_t amount;   // money flight: the amount shown ("$%d" / "-$%d")
    int32_t house;    // announcement: its house; -1 otherwise
    int32_t buyer;    // announcement: the buyer's owner id; -1 otherwise
    char16_t text[kFloatTextUnits];
    const Sprite* source; // the picture shown (a set's sprite), or nullptr
    Sprite picture;       // a picture the slot owns (pixels from memAlloc), width 0 when none
};

// The slots, for the drawer and for tests.
const FloatEffect& floatEffect(int32_t slot);
int32_t activeFloatEffects();

// Starts a money flight from one point to another; returns its duration in ms (the distance at
// 2 pixels per ms, truncated), or 0 when every slot is busy.
int32_t moneyFlight(float fromX, float fromY, float toX, float toY, int32_t amount);
// A picture that grows in at (x, y) and then rises; returns 500, or 0 when no slot is free.
int32_t popPicture(const Sprite* sprite, float x, float y);
// A rising text (kind 2) or rising picture (kind 4) starting at (x, y - 25), with the unique bits
// 8/16 replacing an existing effect that holds the same bit. The text is `format` filled through
// the game's wide formatter; a rising picture shows `sprite`. Returns the slot, or -1.
int32_t showEffect(int32_t kind, float x, float y, const Sprite* sprite, int32_t colour,
                   const char16_t* format, ...);
// The purchase announcement of `house` bought by `buyer`: earlier effects of the house are
// released and a grow-in card starts at the house. Nothing for the bank (5) or a bad house index.
void announcePurchase(int32_t buyer, int32_t house);
// Releases every slot and its owned picture.
void clearEffects();
// The per-frame step: advances, draws (through the drawer) and retires the effects. Does nothing
// unless the board (state 2) is current, so effects freeze while a dialog is open.
void updateEffects();

// The town view's drawer; nullptr draws nothing.
using FloatEffectDrawer = void (*)(FloatEffect& effect);
void setFloatEffectDrawer(FloatEffectDrawer drawer);

} // namespace bv

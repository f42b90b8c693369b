#include "screens/float_effects.h"

#include <cmath>
#include <cstdarg>
#include <cstring>

#include "core/clock.h"
#include "core/memory.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/format.h"
#include "sim/houses.h"
#include "sim/owner.h"

namespace bv {

namespace {

FloatEffect g_slots[kFloatSlots] = {};
FloatEffectDrawer g_drawer = nullptr;

constexpr int32_t kUniqueBits = kFloatUniqueA | kFloatUniqueB;

void release(FloatEffect& e) {
    if (e.picture.pixels) memFree(e.picture.pixels);
    std::memset(&e, 0, sizeof e);
}

// A cleared slot marked active, or nullptr when all are busy.
FloatEffect* takeSlot() {
    for (FloatEffect& e : g_slots) {
        if (e.active) continue;
        release(e);
        e.active = 1;
        e.house = -1;
        e.buyer = -1;
        return &e;
    }
    return nullptr;
}

void draw(FloatEffect& e) {
    if (g_drawer) g_drawer(e);
}

// Moves to the next phase, keeping the unique bits so that a replacement still finds it.
void becomePhase(FloatEffect& e, int32_t phase) {
    e.kind = (e.kind & kUniqueBits) | phase;
    e.elapsed = 0;
}

void advance(FloatEffect& e) {
    e.elapsed += frameTicks * kTickMs;
    if (e.kind & (kFloatFlight | kFloatMoneyFlight)) {
        const float t =
            e.duration > 0 ? static_cast<float>(e.elapsed) / static_cast<float>(e.duration) : 1.0f;
        e.x = e.startX + (e.endX - e.startX) * t;
        e.y = e.startY + (e.endY - e.startY) * t;
        if (t < 1.0f)
            draw(e);
        else
            release(e);
    } else if (e.kind & kFloatGrowIn) {
        draw(e);
        if (e.elapsed >= kGrowInMs) becomePhase(e, kFloatRisingPicture);
    } else if (e.kind & kFloatRisingText) {
        draw(e);
        e.y -= static_cast<float>(frameTicks) * e.speed;
        if (e.elapsed >= kRiseMs) becomePhase(e, kFloatFadeOut);
    } else if (e.kind & kFloatRisingPicture) {
        if (e.elapsed >= kRiseMs) {
            release(e);
            return;
        }
        draw(e);
        e.y -= static_cast<float>(frameTicks) * e.speed;
    } else if (e.kind & kFloatFadeOut) {
        if (e.elapsed >= kFadeOutMs) {
            release(e);
            return;
        }
        draw(e);
    } else {
        release(e);
    }
}

} // namespace

const FloatEffect& floatEffect(int32_t slot) {
    static const FloatEffect kNone = {};
    return slot >= 0 && slot < kFloatSlots ? g_slots[slot] : kNone;
}

int32_t activeFloatEffects() {
    int32_t n = 0;
    for (const FloatEffect& e : g_slots) n += e.active ? 1 : 0;
    return n;
}

int32_t moneyFlight(float fromX, float fromY, float toX, float toY, int32_t amount) {
    FloatEffect* e = takeSlot();
    if (!e) return 0;
    e->kind = kFloatMoneyFlight;
    e->x = e->startX = fromX;
    e->y = e->startY = fromY;
    e->endX = toX;
    e->endY = toY;
    e->amount = amount;
    const double dx = static_cast<double>(toX) - fromX, dy = static_cast<double>(toY) - fromY;
    e->duration = static_cast<int32_t>(std::sqrt(dx * dx + dy * dy) / 2.0); // 2 pixels per ms
    return e->duration;
}

int32_t popPicture(const Sprite* sprite, float x, float y) {
    FloatEffect* e = takeSlot();
    if (!e) return 0;
    e->kind = kFloatGrowIn;
    e->x = e->startX = x;
    e->y = e->startY = y;
    e->speed = kRiseSpeed;
    e->source = sprite;
    return kGrowInMs;
}

int32_t showEffect(int32_t kind, float x, float y, const Sprite* sprite, int32_t colour,
                   const char16_t* format, ...) {
    if (kind & kUniqueBits)
        for (FloatEffect& old : g_slots)
            if (old.active && (old.kind & kind & kUniqueBits)) release(old);
    FloatEffect* e = takeSlot();
    if (!e) return -1;
    e->kind = kind;
    e->x = e->startX = x;
    e->y = e->startY = y - 25.0f;
    e->speed = kRiseSpeed;
    e->colour = colour;
    e->source = sprite;
    if (format) {
        va_list args;
        va_start(args, format);
        formatWideV(e->text, kFloatTextUnits, format, args);
        va_end(args);
    }
    return static_cast<int32_t>(e - g_slots);
}

void announcePurchase(int32_t buyer, int32_t house) {
    const MapHouse* m = getMapHouse(house);
    if (buyer == kOwnerBank || buyer < 0 || buyer > kOwnerBank || !m) return;
    for (FloatEffect& old : g_slots)
        if (old.active && old.house == house) release(old);
    FloatEffect* e = takeSlot();
    if (!e) return;
    e->kind = kFloatGrowIn;
    e->x = e->startX = static_cast<float>(m->x);
    e->y = e->startY = static_cast<float>(m->y);
    e->speed = kRiseSpeed;
    e->house = house;
    e->buyer = buyer;
}

void clearEffects() {
    for (FloatEffect& e : g_slots) release(e);
}

void updateEffects() {
    if (currentStateId() != kStateGame) return;
    for (FloatEffect& e : g_slots)
        if (e.active) advance(e);
}

void setFloatEffectDrawer(FloatEffectDrawer drawer) {
    g_drawer = drawer;
}

} // namespace bv

#include "screens/sparks.h"

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "audio/sound.h"
#include "core/clock.h"
#include "core/random.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/draw.h"
#include "gfx/framebuffer.h"
#include "sim/effect_list.h"
#include "sim/game_update.h"
#include "world/map.h"

namespace bv {

namespace {

struct BurstEmitter {
    TimedObject header;
    float x, y;
    int32_t age;
};

struct BurstSpark {
    TimedObject header;
    float x, y, vx, vy;
    int32_t age;
};

struct WonSpark {
    TimedObject header;
    WonSparkMotion m;
    int32_t picture;
};

int32_t g_emitters = 0;
int32_t g_burstSparks = 0;
int32_t g_wonSparks = 0;

// 0..n-1 from the effect generator, which gives at most 256 values per draw.
int32_t effectRange(int32_t n) {
    if (n <= 256) return effectRandom(n);
    return (effectRandom((n + 9) / 10) * 10 + effectRandom(10)) % n;
}

// Fading shared by both kinds: full for ten ticks, then a tenth per tick, at least a tenth.
int32_t fadedOpacity(int32_t age) {
    float f = age < 10 ? 0.0f : static_cast<float>(age - 10) / 10.0f;
    if (f >= 1.0f) f = 0.9f;
    return static_cast<int32_t>(255.0f * (1.0f - f));
}

void drawScaled(const Sprite* sprite, float x, float y, float scale, int32_t opacity) {
    if (!sprite || !frameBuffer) return;
    const int32_t w = static_cast<int32_t>(static_cast<float>(sprite->width) * scale);
    const int32_t h = static_cast<int32_t>(static_cast<float>(sprite->height) * scale);
    if (w < 1 || h < 1) return;
    drawSpriteFaded(frameBuffer, static_cast<int32_t>(x), static_cast<int32_t>(y), sprite, w, h, false,
                    opacity);
}

const Sprite* starPicture() {
    return pic::kIconStarFull < iconSprites.count ? &iconSprites.sprites[pic::kIconStarFull] : nullptr;
}

void releaseEmitter(TimedObject*) {
    --g_emitters;
}
void releaseBurstSpark(TimedObject*) {
    --g_burstSparks;
}
void releaseWonSpark(TimedObject*) {
    --g_wonSparks;
}

void updateBurstSpark(TimedObject* self) {
    auto* s = reinterpret_cast<BurstSpark*>(self);
    if (currentStateId() != kStateGame) {
        removeTimedObject(self);
        return;
    }
    for (int32_t t = 0; t < frameTicks; ++t) {
        s->vx *= 0.9f;
        s->vy += 0.6f;
        s->x += s->vx;
        s->y += s->vy;
        ++s->age;
    }
    if (s->age >= kBurstSparkTicks) {
        removeTimedObject(self);
        return;
    }
    // Only inside the town: the panel below covers the rest.
    pushClip();
    setClip(0, 0, kMapWidth, kMapHeight);
    drawScaled(starPicture(), s->x, s->y, static_cast<float>(s->age) / 5.0f, burstSparkOpacity(s->age));
    popClip();
}

void startBurstSpark(float x, float y, bool mirrored) {
    auto* s = reinterpret_cast<BurstSpark*>(
        addTimedObject(sizeof(BurstSpark), updateBurstSpark, releaseBurstSpark));
    if (!s) return;
    ++g_burstSparks;
    s->x = x;
    s->y = y;
    s->vx = static_cast<float>(effectRange(200)) / 10.0f - 10.0f;
    if (mirrored) s->vx = -s->vx;
    s->vy = static_cast<float>(effectRange(60)) / 10.0f - 5.0f;
}

void updateEmitter(TimedObject* self) {
    auto* e = reinterpret_cast<BurstEmitter*>(self);
    if (currentStateId() != kStateGame) {
        removeTimedObject(self);
        return;
    }
    for (int32_t t = 0; t < frameTicks && e->age < kBurstEmitterTicks; ++t, ++e->age)
        for (int32_t k = 0; k < kBurstSparksPerTick; ++k) startBurstSpark(e->x, e->y, e->x < 400.0f);
    if (e->age >= kBurstEmitterTicks) removeTimedObject(self);
}

void updateWonSpark(TimedObject* self) {
    auto* s = reinterpret_cast<WonSpark*>(self);
    bool dead = currentStateId() != kStateLevelWon;
    for (int32_t t = 0; t < frameTicks && !dead; ++t) {
        stepWonSpark(s->m);
        dead = s->m.age >= kWonSparkTicks || s->m.y >= 600.0f;
    }
    if (dead) {
        if (effectRandom(5) == 0) playSound(kSoundSparkPop);
        removeTimedObject(self);
        return;
    }
    const int32_t count = particleSprites.count;
    if (count <= 0) return;
    const int32_t index = (s->picture + frameCount) % count;
    drawScaled(&particleSprites.sprites[index], s->m.x, s->m.y, static_cast<float>(s->m.age) / 13.0f,
               wonSparkOpacity(s->m.age));
}

} // namespace

void startCelebrationBurst(float x, float y) {
    auto* e =
        reinterpret_cast<BurstEmitter*>(addTimedObject(sizeof(BurstEmitter), updateEmitter, releaseEmitter));
    if (!e) return;
    ++g_emitters;
    e->x = x;
    e->y = y;
}

void startWonSpark(float x, float y) {
    auto* s = reinterpret_cast<WonSpark*>(addTimedObject(sizeof(WonSpark), updateWonSpark, releaseWonSpark));
    if (!s) return;
    ++g_wonSparks;
    s->m.x = x;
    s->m.y = y;
    s->m.vx = static_cast<float>(effectRange(900)) / 10.0f - 45.0f;
    s->m.vy = static_cast<float>(effectRange(40)) / 10.0f - 6.0f;
    s->m.ay = static_cast<float>(effectRange(40)) / 10.0f - 6.0f;
    s->picture = effectRandom(pic::kSparkCount);
}

void stepWonSpark(WonSparkMotion& m) {
    m.vx *= 0.9f;
    m.vy += m.ay;
    m.ay += 0.8f;
    m.x += m.vx;
    m.y += m.vy;
    ++m.age;
}

int32_t wonSparkOpacity(int32_t age) {
    return fadedOpacity(age);
}

int32_t burstSparkOpacity(int32_t age) {
    return fadedOpacity(age);
}

int32_t burstEmitterCount() {
    return g_emitters;
}
int32_t burstSparkCount() {
    return g_burstSparks;
}
int32_t wonSparkCount() {
    return g_wonSparks;
}

} // namespace bv

// Sparks on the effect list: the celebration burst over a house whose work has finished (while the
// board is current) and the level-won fireworks (state 58). Each spark is a timed object that moves
// and draws itself once per frame, one step per elapsed tick, and removes itself when it dies.
// Their chance comes from the effect generator, so the show never changes the course of a game.
#pragma once

#include <cstdint>

namespace bv {

constexpr int32_t kBurstEmitterTicks = 30;
constexpr int32_t kBurstSparksPerTick = 3;
constexpr int32_t kBurstSparkTicks = 50;
constexpr int32_t kWonSparkTicks = 200;
constexpr int32_t kSoundSparkPop = 47;

// A burst at a house's position: an emitter living 30 ticks that, while the board is current,
// starts three star sparks per tick. Emitters and sparks vanish as soon as the board is not current.
void startCelebrationBurst(float x, float y);
// One level-won spark at (x, y); it dies at age 200, at y 600 or below, or when the current state
// is no longer "level won" (then with a 1 in 5 chance of a pop).
void startWonSpark(float x, float y);

// Live emitters and sparks of each kind (for checks).
int32_t burstEmitterCount();
int32_t burstSparkCount();
int32_t wonSparkCount();

// The motion of one level-won spark, exposed for checks: one tick of it.
struct WonSparkMotion {
    float x, y, vx, vy, ay;
    int32_t age;
};
void stepWonSpark(WonSparkMotion& m);
// Its opacity 0..255 at an age: full for ten ticks, then fading, never below a tenth.
int32_t wonSparkOpacity(int32_t age);
// The burst spark's opacity at an age: full for ten ticks, then a tenth less per tick down to 10 %.
int32_t burstSparkOpacity(int32_t age);

} // namespace bv

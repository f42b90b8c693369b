// The level won (state 58): fireworks over a still picture of the board for about three seconds,
// then the end-of-level dialog.
#include "audio/sound.h"
#include "core/clock.h"
#include "core/random.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "levels/goals.h"
#include "screens/level_screens.h"
#include "screens/sparks.h"
#include "ui/dialog.h"

namespace bv {

namespace {

constexpr int32_t kSoundFanfare = 49;
constexpr int32_t kSoundDone = 38;
constexpr int32_t kFirstSparks = 50;
constexpr int32_t kSparksPerFrame = 10;
constexpr int32_t kSparkTicks = 60; // new sparks while the timer is below this
constexpr int32_t kEndTicks = 101;

int32_t g_timer = 0;

void sparks(int32_t n) {
    for (int32_t i = 0; i < n; ++i)
        startWonSpark(static_cast<float>(360 + effectRandom(80)), static_cast<float>(270 + effectRandom(60)));
}

} // namespace

int32_t levelWonTimer() {
    return g_timer;
}

int32_t levelWonEnter(int32_t, int32_t, int32_t) {
    playSound(kSoundFanfare);
    g_timer = 0;
    snapshotBackdrop();
    sparks(kFirstSparks);
    return 0;
}

int32_t levelWonUpdate(int32_t) {
    restoreBackdrop();
    g_timer += frameTicks;
    if (g_timer < kSparkTicks) sparks(kSparksPerFrame);
    if (g_timer >= kEndTicks) {
        playSound(kSoundDone);
        changeState(kStateEndOfLevel);
    }
    return 0;
}

} // namespace bv

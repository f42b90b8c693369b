#include "core/clock.h"

namespace bv {

int32_t frameTicks = 1;
int32_t frameMs = kTickMs;
int32_t totalTicks = 0;
int32_t frameCount = 0;
int32_t exitGame = 0;
int32_t quitDialogOpen = 0;

void requestExit() {
    exitGame = 1;
}

int32_t ticksForElapsed(uint32_t elapsedMs) {
    uint32_t t = elapsedMs / kTickMs;
    if (t < 1) return 1;
    if (t > static_cast<uint32_t>(kMaxFrameTicks)) return kMaxFrameTicks;
    return static_cast<int32_t>(t);
}

} // namespace bv

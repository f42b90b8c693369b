// Saved games from a save image: read as start-up reads the options, then as resuming reads the
// whole game, which then plays on for 30 days on the board. A save that is refused leaves the
// game in memory as it was.
#include "levels/save.h"
#include "fuzz.h"
#include "sim/owner.h"
#include "world/map.h"
#include "world/scenario.h"

namespace {
constexpr int32_t kDaysPlayed = 30;
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    bvfuzz::startGame();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    bv::loadSaveImage(0, data, size);
    const int32_t housesBefore = bv::houseCount;
    const int32_t result = bv::loadSaveImage(1, data, size);
    if (result != 1) {
        FUZZ_CHECK(bv::houseCount == housesBefore);
        return 0;
    }
    FUZZ_CHECK(bv::currentLevel >= 0 && bv::currentLevel < bv::kMaxLevels);
    FUZZ_CHECK(bv::currentDifficulty >= 0 && bv::currentDifficulty < bv::kDifficultyCount);
    for (int32_t i = 0; i < bv::houseCount; ++i)
        FUZZ_CHECK(bv::houseStates[i].owner >= bv::kOwnerPlayer &&
                   bv::houseStates[i].owner <= bv::kOwnerBank);
    bvfuzz::runBoardDays(kDaysPlayed);
    return 0;
}

// Saved games from a save image: read as start-up reads the options, then as resuming reads the
// whole game, which then plays on for 30 days on the board. A save that is refused leaves the
// game in memory as it was.
#include <cmath>

#include "fuzz.h"
#include "levels/save.h"
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
    // A house's fractions are finite and small enough to scale into whole numbers for drawing.
    const auto sane = [](float f) { return std::isfinite(f) && f >= 0.0f && f <= 1.0e6f; };
    for (int32_t i = 0; i < bv::houseCount; ++i) {
        const bv::HouseState& h = bv::houseStates[i];
        FUZZ_CHECK(h.owner >= bv::kOwnerPlayer && h.owner <= bv::kOwnerBank);
        FUZZ_CHECK(sane(h.mtgRate) && sane(h.applicantProgress) && sane(h.wear) && sane(h.buyerInterest));
    }
    bvfuzz::runBoardDays(kDaysPlayed);
    return 0;
}

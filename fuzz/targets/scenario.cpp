// Scenarios (".bvx") from a scenario image, then what game set-up and the level flow do with one:
// every level record's goals evaluated and written out, the first level's map loaded and started
// (a town of the game's own when the level names none that loads),
// its introduction and goals screens drawn, and a few days played.
#include "world/scenario.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "fuzz.h"
#include "gfx/format.h"
#include "levels/goals.h"
#include "levels/level_start.h"
#include "world/map.h"

namespace {
constexpr int32_t kDaysPlayed = 3;
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    bvfuzz::startGame();
    bv::loadMap("maple_lane");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > UINT32_MAX || bv::readScenarioImage(data, uint32_t(size)) != 0) return 0;
    for (bv::currentDifficulty = 0; bv::currentDifficulty < bv::kDifficultyCount; ++bv::currentDifficulty) {
        for (bv::currentLevel = 0; bv::currentLevel < bv::kMaxLevelSlots; ++bv::currentLevel) {
            const bv::GoalEvaluation goals = bv::evaluateGoals(0);
            char16_t line[bv::kFormatBufferUnits];
            for (int32_t kind = 0; kind < bv::kGoalKindCount; ++kind)
                bv::formatGoalLine(line, bv::kFormatBufferUnits, goals, kind);
        }
    }
    bv::currentDifficulty = 1;
    bv::currentLevel = 0;
    // The level's own map when it names one that loads, else the town loaded at start: the level's
    // goals and texts are what is under test.
    if (bv::loadMap(bv::currentMapFile()) == 0 && bv::houseCount == 0) bv::loadMap("maple_lane");
    bv::levelStart();
    for (const int32_t screen : {bv::kStateLevelIntro, bv::kStateDisplayGoals}) {
        bv::changeState(screen);
        bv::updateCurrentState();
        bv::updateCurrentState();
    }
    bvfuzz::runBoardDays(kDaysPlayed);
    return 0;
}

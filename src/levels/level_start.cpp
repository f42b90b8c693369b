#include "levels/level_start.h"

#include <cstring>

#include "assets/strings.h"
#include "sim/cash.h"
#include "sim/houses.h"
#include "sim/owner.h"
#include "world/map.h"
#include "world/scenario.h"

namespace bv {

void levelStart() {
    const LevelRecord& level = currentLevelRecord();
    if (level.resetToBank) {
        for (int32_t i = 0; i < houseCount; ++i) houseStates[i].owner = kOwnerBank;
    }
    for (int32_t i = 0; i < kOwnerCount; ++i) {
        OwnerRecord& owner = owners[i];
        if (level.startingCash != 0) setCash(i, level.startingCash);
        owner.renovationsDone = 0;
        owner.completeRenosDone = 0;
        owner.housesSold = 0;
        owner.housesBought = 0;
    }
}

int32_t loadScenario(const char* name, int32_t resetLevel) {
    // A scenario whose map cannot be loaded does not load either: the one in play stays.
    static ScenarioSettings keptScenario;
    static LevelRecord keptLevels[kDifficultyCount][kMaxLevelSlots];
    keptScenario = scenario;
    std::memcpy(keptLevels, levelTable, sizeof keptLevels);
    const int32_t keptLevel = currentLevel;
    if (readScenarioFile(name) != 0) return -1;
    if (resetLevel) currentLevel = 0;
    if (loadMap(currentMapFile()) == 0) {
        scenario = keptScenario;
        std::memcpy(levelTable, keptLevels, sizeof keptLevels);
        currentLevel = keptLevel;
        return -1;
    }
    levelStart();
    return 0;
}

int32_t startScenario() {
    if (!scenarioList || chosenScenario < 0 || chosenScenario >= scenarioListCount) return -1;
    char name[sizeof scenarioFileName];
    narrowInto(name, sizeof name, scenarioList[chosenScenario]);
    // A scenario that cannot be read leaves the previous one, and its name, in place.
    if (loadScenario(name, 1) != 0) return -1;
    std::memcpy(scenarioFileName, name, sizeof name);
    levelStart();
    scenarioLoaded = 1;
    return 0;
}

} // namespace bv

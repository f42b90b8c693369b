// The level table in play and in the editor: the current level, the scenario list of game set-up,
// and the editor's operations on levels.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "assets/hash.h"
#include "assets/strings.h"
#include "core/memory.h"
#include "platform/platform.h"
#include "world/map.h"
#include "world/scenario.h"

namespace bv {

char16_t (*scenarioList)[kTextCapacity] = nullptr;
int32_t scenarioListCount = 0;
int32_t chosenScenario = 0;

namespace {

int32_t heldDifficulty() {
    return std::clamp(currentDifficulty, 0, kDifficultyCount - 1);
}

bool isLevel(int32_t level) {
    return level >= 0 && level < scenario.levelCount && level < kMaxLevelSlots;
}

void swapLevels(int32_t a, int32_t b) {
    for (auto& row : levelTable) std::swap(row[a], row[b]);
}

// ASCII letters without regard to case, then the bytes themselves, so the order never depends
// on the file system.
bool nameBefore(const std::string& a, const std::string& b) {
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        char ca = a[i], cb = b[i];
        if (ca >= 'a' && ca <= 'z') ca = char(ca - 32);
        if (cb >= 'a' && cb <= 'z') cb = char(cb - 32);
        if (ca != cb) return static_cast<unsigned char>(ca) < static_cast<unsigned char>(cb);
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

bool hasScenarioExtension(const std::string& name) {
    return name.size() > 4 && namesEqual(name.c_str() + name.size() - 4, ".bvx");
}

} // namespace

LevelRecord& currentLevelRecord() {
    return levelTable[heldDifficulty()][std::clamp(currentLevel, 0, kMaxLevelSlots - 1)];
}

int32_t currentMonthsToPlay() {
    return currentLevelRecord().monthsToPlay;
}

const char* currentMapFile() {
    return currentLevelRecord().mapFile;
}

bool isCareerMode() {
    return scenario.careerMode != 0;
}

void buildScenarioList() {
    if (!scenarioList)
        scenarioList = static_cast<char16_t(*)[kTextCapacity]>(
            memAllocZeroed(sizeof(char16_t) * kTextCapacity * kMaxScenarios));
    scenarioListCount = 0;
    if (!scenarioList) return;

    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(platform::programFolder() + "maps", ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (hasScenarioExtension(name) && it->is_regular_file(ec)) names.push_back(name);
    }
    std::sort(names.begin(), names.end(), nameBefore);
    for (const std::string& name : names) {
        if (scenarioListCount >= kMaxScenarios) break;
        widenInto(scenarioList[scenarioListCount++], kTextCapacity, "%s", name.c_str());
    }
}

int32_t appendLevel(int32_t editingDifficulty) {
    int32_t index = std::max(scenario.levelCount, 0);
    if (index + 1 >= kMaxLevelSlots) return -1;
    for (auto& row : levelTable) {
        LevelRecord& level = row[index];
        std::memset(&level, 0, sizeof level);
        level.monthsToPlay = 24;
        if (index == 0) {
            level.resetToBank = 1;
            level.startingCash = 25000;
        }
    }
    int32_t difficulty = std::clamp(editingDifficulty, 0, kDifficultyCount - 1);
    widenInto(levelTable[difficulty][index].title, kTextCapacity, "new level");
    scenario.levelCount = index + 1;
    return index;
}

bool deleteLevel(int32_t level) {
    if (!isLevel(level)) return false;
    for (auto& row : levelTable) {
        for (int32_t i = level; i + 1 < kMaxLevelSlots; ++i) row[i] = row[i + 1];
        std::memset(&row[kMaxLevelSlots - 1], 0, sizeof row[0]);
    }
    scenario.levelCount -= 1;
    return true;
}

bool moveLevelUp(int32_t level) {
    if (!isLevel(level) || level == 0) return false;
    swapLevels(level, level - 1);
    return true;
}

bool moveLevelDown(int32_t level) {
    if (!isLevel(level) || !isLevel(level + 1)) return false;
    swapLevels(level, level + 1);
    return true;
}

bool copyLevelToWork(int32_t difficulty, int32_t level, LevelRecord& work) {
    if (difficulty < 0 || difficulty >= kDifficultyCount || level < 0 || level >= kMaxLevelSlots)
        return false;
    work = levelTable[difficulty][level];
    return true;
}

bool copyLevelFromWork(int32_t difficulty, int32_t level, const LevelRecord& work) {
    if (difficulty < 0 || difficulty >= kDifficultyCount || level < 0 || level >= kMaxLevelSlots)
        return false;
    levelTable[difficulty][level] = work;
    return true;
}

void deriveDifficulties() {
    // Factors are 32-bit floats applied in double precision, then truncated toward zero.
    constexpr float kEasyFactor = 1.5f;
    constexpr float kHardFactor = 0.8f;
    for (int32_t i = 0; i < kMaxLevelSlots; ++i) {
        int32_t normal = levelTable[1][i].monthsToPlay;
        levelTable[0][i].monthsToPlay = int32_t(double(normal) * double(kEasyFactor));
        levelTable[2][i].monthsToPlay = int32_t(double(normal) * double(kHardFactor));
    }
}

int32_t deriveAllScenarios() {
    // The editor's scenario stays as it was: keep a copy of it meanwhile.
    auto* savedSettings = static_cast<ScenarioSettings*>(memAlloc(sizeof scenario));
    auto* savedTable = static_cast<LevelRecord*>(memAlloc(sizeof levelTable));
    if (!savedSettings || !savedTable) {
        memFree(savedSettings);
        memFree(savedTable);
        return 0;
    }
    std::memcpy(savedSettings, &scenario, sizeof scenario);
    std::memcpy(savedTable, levelTable, sizeof levelTable);

    int32_t rewritten = 0;
    for (int32_t i = 0; scenarioList && i < scenarioListCount; ++i) {
        char name[sizeof scenarioFileName];
        narrowInto(name, sizeof name, scenarioList[i]);
        if (readScenarioFile(name) != 0) continue;
        deriveDifficulties();
        if (saveScenario(name) == 0) rewritten += 1;
    }

    std::memcpy(&scenario, savedSettings, sizeof scenario);
    std::memcpy(levelTable, savedTable, sizeof levelTable);
    memFree(savedSettings);
    memFree(savedTable);
    return rewritten;
}

} // namespace bv

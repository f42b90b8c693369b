// Scenarios: an ordered list of levels, each defined once per difficulty, plus the settings that
// tune the simulation. The records below are also the file image, so their layouts are fixed.
//
// Scenario file ("maps/<name>.bvx", little-endian): uint32 settings size (4036), the settings,
// uint32 level record size (6076), then 150 level records: level 0 Easy, Normal, Hard, level 1
// Easy ... level 49 Hard. All 50 slots are always written, so a file is 915,444 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bv {

constexpr int32_t kMaxLevelSlots = 50;
constexpr int32_t kMaxLevels = 49; // slot 49 stays free for the editor's shifting
constexpr int32_t kDifficultyCount = 3;
constexpr int32_t kTextCapacity = 1000; // UTF-16 units of every stored text, terminator included
constexpr int32_t kMapFileBytes = 1996;
constexpr int32_t kMapFileMaxChars = 998;
constexpr int32_t kMaxScenarios = 1000;
constexpr uint32_t kSettingsBytes = 4036;
constexpr uint32_t kLevelRecordBytes = 6076;
constexpr uint32_t kScenarioFileBytes = 8 + kSettingsBytes + 150 * kLevelRecordBytes;

struct ScenarioSettings {
    int32_t levelCount;
    char16_t scenarioName[kTextCapacity];
    char16_t scenarioDescription[kTextCapacity];
    int32_t careerMode;      // 1 career (full-size pictures), 0 tycoon; each map overrides it
    int32_t advancedEconomy; // rivals, credit and the economy schedule; goals are not evaluated
    float conditionScalar;
    int32_t bankListInterval; // game milliseconds between the bank's listings
    int32_t maxBankListings;
    int32_t minBankListings;
    int32_t fixedDownPaymentPct;
    float fixedMortgageRate; // percent per year
};

// One level for one difficulty. A goal field of 0 sets no goal of that kind.
struct LevelRecord {
    int32_t resetToBank;
    int32_t houseCount; // houses that must meet each per-house threshold
    int32_t minHouseValue;
    int32_t minRent;
    int32_t monthsToHold;
    int32_t minCondition;
    int32_t minCombinedRent;
    int32_t minEquity;
    int32_t startingCash; // 0 keeps the cash carried over from the previous level
    int32_t monthsToPlay;
    int32_t reserved40;
    char16_t title[kTextCapacity];
    char16_t introText[kTextCapacity];
    int32_t numPurchases;
    int32_t numRenters;
    int32_t numUpgrades;
    int32_t numRenos;
    int32_t numSales;
    char mapFile[kMapFileBytes];
    int32_t minCash;
    int32_t reserved6064;
    int32_t playFullTerm;
    int32_t minRenterHistory; // renter history class 1..4
};

static_assert(sizeof(ScenarioSettings) == kSettingsBytes);
static_assert(offsetof(ScenarioSettings, scenarioDescription) == 2004);
static_assert(offsetof(ScenarioSettings, careerMode) == 4004);
static_assert(offsetof(ScenarioSettings, fixedMortgageRate) == 4032);
static_assert(sizeof(LevelRecord) == kLevelRecordBytes);
static_assert(offsetof(LevelRecord, title) == 44);
static_assert(offsetof(LevelRecord, introText) == 2044);
static_assert(offsetof(LevelRecord, numPurchases) == 4044);
static_assert(offsetof(LevelRecord, mapFile) == 4064);
static_assert(offsetof(LevelRecord, minCash) == 6060);
static_assert(offsetof(LevelRecord, minRenterHistory) == 6072);

// The in-memory scenario.
extern ScenarioSettings scenario;
extern LevelRecord levelTable[kDifficultyCount][kMaxLevelSlots];
extern char scenarioFileName[1000];
extern int32_t currentDifficulty; // 0 Easy, 1 Normal, 2 Hard
extern int32_t currentLevel;
extern int32_t scenarioLoaded;

// The scenario files offered in game set-up.
extern char16_t (*scenarioList)[kTextCapacity]; // kMaxScenarios entries once built
extern int32_t scenarioListCount;
extern int32_t chosenScenario;

// Writes the in-memory scenario to "maps/<name cut at its first dot>.bvx", whole or not at all: a
// failed write leaves the old file as it was. Returns 0, or -1 when the file cannot be created or
// written.
int32_t saveScenario(const char* name);
// The level count a scenario file states, without loading it; -1 when it cannot be read.
int32_t scenarioLevelCount(const char* name);
// Only the file part of loadScenario: read and default the records, nothing else. 0 or -1.
int32_t readScenarioFile(const char* name);
// The same from a scenario file image in memory.
int32_t readScenarioImage(const uint8_t* data, uint32_t size);

// Fills the scenario list from the "*.bvx" files of the maps folder (at most 1000), in name order.
void buildScenarioList();

// The record of the current difficulty and level (both held to their ranges).
LevelRecord& currentLevelRecord();
int32_t currentMonthsToPlay();
const char* currentMapFile();
bool isCareerMode();

// Editor operations on the level table; each acts on all three difficulties of a level.
// Appends a level with the new-level defaults and the title "new level" in the record of
// `editingDifficulty`. Returns its index, or -1 when the scenario already has 49 levels.
int32_t appendLevel(int32_t editingDifficulty);
// Removes level i, moving the later ones down. False when i is not a level.
bool deleteLevel(int32_t level);
bool moveLevelUp(int32_t level);
bool moveLevelDown(int32_t level);
// Copies between a table slot and the editor's working record. False for a slot out of range.
bool copyLevelToWork(int32_t difficulty, int32_t level, LevelRecord& work);
bool copyLevelFromWork(int32_t difficulty, int32_t level, const LevelRecord& work);
// Easy months = Normal x 1.5 and Hard = Normal x 0.8 (truncated) in all 50 slots.
void deriveDifficulties();
// deriveDifficulties over every scenario in the list, each saved under its own name. The
// in-memory scenario is left as it was. Returns the number of scenarios rewritten.
int32_t deriveAllScenarios();

// Back to an empty scenario (tests, new editor scenario).
void clearScenario();

} // namespace bv

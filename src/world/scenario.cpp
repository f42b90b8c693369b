// Scenario files: reading and writing the settings block and the 150 level records.
#include "world/scenario.h"

#include <cstring>
#include <string>

#include "assets/archive.h"
#include "assets/byte_writer.h"
#include "core/memory.h"
#include "platform/byte_reader.h"
#include "world/map.h"

namespace bv {

ScenarioSettings scenario = {};
LevelRecord levelTable[kDifficultyCount][kMaxLevelSlots] = {};
char scenarioFileName[1000] = {};
int32_t currentDifficulty = 1;
int32_t currentLevel = 0;
int32_t scenarioLoaded = 0;

namespace {

constexpr uint32_t kLevelSlotCount = kDifficultyCount * kMaxLevelSlots;

// "name.anything" -> "name.<extension>"; a name without a dot gets the extension appended.
std::string withExtension(const char* name, const char* extension) {
    std::string file(name);
    file = file.substr(0, file.find('.'));
    return file + "." + extension;
}

// Stored texts are read whole from the file; a file that left out a terminator must not make
// every later reader run past the end of the field.
void terminateTexts() {
    scenario.scenarioName[kTextCapacity - 1] = 0;
    scenario.scenarioDescription[kTextCapacity - 1] = 0;
    for (auto& row : levelTable) {
        for (LevelRecord& level : row) {
            level.title[kTextCapacity - 1] = 0;
            level.introText[kTextCapacity - 1] = 0;
            level.mapFile[kMapFileBytes - 1] = 0;
        }
    }
}

void applySettingDefaults() {
    if (scenario.conditionScalar == 0.0f) scenario.conditionScalar = 0.1f;
    if (scenario.fixedMortgageRate == 0.0f) scenario.fixedMortgageRate = 18.0f;
    if (scenario.bankListInterval == 0) scenario.bankListInterval = 10000;
    if (scenario.maxBankListings == 0) scenario.maxBankListings = 5;
    if (scenario.fixedDownPaymentPct == 0) scenario.fixedDownPaymentPct = 15;
}

} // namespace

int32_t saveScenario(const char* name) {
    if (!name) return -1;
    if (!enterProgramFolder("maps")) return -1;
    // Written beside the old scenario and put in its place only when whole.
    FileReplacement file(withExtension(name, "bvx"));
    if (!file.opened()) return -1;
    ByteWriter& out = file.out();
    out.u32(kSettingsBytes);
    out.bytes(&scenario, kSettingsBytes);
    out.u32(kLevelRecordBytes);
    for (int32_t level = 0; level < kMaxLevelSlots; ++level) {
        for (int32_t difficulty = 0; difficulty < kDifficultyCount; ++difficulty)
            out.bytes(&levelTable[difficulty][level], kLevelRecordBytes);
    }
    return file.commit() ? 0 : -1;
}

int32_t scenarioLevelCount(const char* name) {
    if (!name) return -1;
    if (!enterProgramFolder("maps")) enterProgramFolder("");
    // Scenarios come from the maps folder (or the archive), never from a path the name spells.
    const std::string file = withExtension(name, "bvx");
    if (!namesFileInFolder(file.c_str())) return -1;
    uint8_t* data = nullptr;
    const uint32_t size = loadFile(file.c_str(), data, 0);
    if (size == 0) return -1;
    ByteReader in(data, size);
    uint32_t settingsSize = 0;
    int32_t count = -1;
    if (!in.u32(settingsSize) || settingsSize < 4 || !in.i32(count)) count = -1;
    memFree(data);
    return count;
}

int32_t readScenarioFile(const char* name) {
    if (!name) return -1;
    // Without the maps folder only the archive can still supply the file.
    if (!enterProgramFolder("maps")) enterProgramFolder("");
    // Scenarios come from the maps folder (or the archive), never from a path the name spells.
    const std::string file = withExtension(name, "bvx");
    if (!namesFileInFolder(file.c_str())) return -1;
    uint8_t* data = nullptr;
    uint32_t size = loadFile(file.c_str(), data, 0);
    if (size == 0) return -1;
    const int32_t result = readScenarioImage(data, size);
    memFree(data);
    return result;
}

int32_t readScenarioImage(const uint8_t* data, uint32_t size) {
    if (!data) return -1;
    // First make sure the file holds everything its sizes promise, so that a truncated file
    // changes nothing.
    ByteReader check(data, size);
    uint32_t settingsSize = 0, recordSize = 0;
    bool whole = check.u32(settingsSize) && check.skip(settingsSize) && check.u32(recordSize) &&
                 check.has(uint64_t(recordSize) * kLevelSlotCount);
    if (!whole) return -1;

    // Shorter stored records leave the rest of every slot zero, whatever was loaded before;
    // longer ones are read only up to our record size.
    ByteReader in(data, size);
    in.u32(settingsSize);
    std::memset(&scenario, 0, sizeof scenario);
    in.record(&scenario, kSettingsBytes, settingsSize);
    in.u32(recordSize);
    std::memset(levelTable, 0, sizeof levelTable);
    for (int32_t level = 0; level < kMaxLevelSlots; ++level) {
        for (int32_t difficulty = 0; difficulty < kDifficultyCount; ++difficulty)
            in.record(&levelTable[difficulty][level], kLevelRecordBytes, recordSize);
    }
    terminateTexts();
    applySettingDefaults();
    return 0;
}

void clearScenario() {
    std::memset(&scenario, 0, sizeof scenario);
    std::memset(levelTable, 0, sizeof levelTable);
}

} // namespace bv

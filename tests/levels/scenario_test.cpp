// Scenario files byte by byte, the defaults on load, record sizes that differ from ours, and the
// level start; the editor's level-table operations, the derived difficulties, the scenario list
// and the start of a scenario from game set-up.
#include <tuple>

#include "assets/strings.h"
#include "levels/level_start.h"
#include "sim/owner.h"
#include "world/levels_fixture.h"
#include "world/map_file.h"

namespace bvtest {
namespace {

using namespace bv;

constexpr size_t kRecordsAt = 8 + kSettingsBytes;

size_t slotOffset(int level, int difficulty) {
    return kRecordsAt + (size_t(level) * 3 + size_t(difficulty)) * kLevelRecordBytes;
}

// A scenario with something distinct in every slot that matters.
void fillScenario() {
    scenario.levelCount = 3;
    setText(scenario.scenarioName, u"Maple Lane");
    setText(scenario.scenarioDescription, u"Three streets, one dream.");
    scenario.careerMode = 1;
    scenario.conditionScalar = 0.25f;
    scenario.bankListInterval = 7000;
    scenario.maxBankListings = 6;
    scenario.minBankListings = 2;
    scenario.fixedDownPaymentPct = 20;
    scenario.fixedMortgageRate = 9.5f;
    for (int level = 0; level < 3; ++level) {
        for (int d = 0; d < 3; ++d) {
            LevelRecord& r = levelTable[d][level];
            r.monthsToPlay = 10 + level * 3 + d;
            r.startingCash = 1000 * (level + 1) + d;
            r.minCash = 50000 + level * 10 + d;
            r.playFullTerm = (level + d) & 1;
            r.minRenterHistory = 1 + d;
            r.numSales = level;
            std::snprintf(r.mapFile, sizeof r.mapFile, "street%d", level);
            setText(r.title, u"Level title");
        }
    }
}

// A scenario file made by hand: settings of `settingsSize` bytes, records of `recordSize` bytes,
// each filled by `fill` (given the slot's bytes, level and difficulty).
template <class Fill>
Bytes handMadeFile(uint32_t settingsSize, const Bytes& settings, uint32_t recordSize, Fill fill) {
    Bytes out;
    put32(out, settingsSize);
    Bytes s = settings;
    s.resize(settingsSize, 0xEE);
    putBytes(out, s.data(), s.size());
    put32(out, recordSize);
    for (int level = 0; level < 50; ++level) {
        for (int d = 0; d < 3; ++d) {
            Bytes record(recordSize, 0);
            fill(record, level, d);
            putBytes(out, record.data(), record.size());
        }
    }
    return out;
}

using ScenarioFileTest = LevelsTest;

// Names are cut at their first dot, in saving and in reading.
TEST_F(ScenarioFileTest, SavedFileHasTheExactLayout) {
    fillScenario();
    ASSERT_EQ(saveScenario("maple.old.backup"), 0);
    EXPECT_FALSE(std::filesystem::exists(mapsFile("maple.old.bvx")));
    Bytes file = readFile(mapsFile("maple.bvx"));
    ASSERT_EQ(file.size(), 915444u);
    EXPECT_EQ(file[8], 'M'); // scenarioName, UTF-16LE
    EXPECT_EQ(file[9], 0);
    // Level 2 Hard is the 9th record.
    const size_t r = slotOffset(2, 2);
    // {offset, word}: settings size, levelCount, careerMode, bankListInterval, minBankListings,
    // record size; then level 2 Hard's startingCash, monthsToPlay, numSales, minCash, playFullTerm
    // and minRenterHistory.
    const std::pair<size_t, uint32_t> words[] = {
        {0, 4036},      {4, 3},       {4 + 4004, 1}, {4 + 4016, 7000},  {4 + 4024, 2}, {4 + 4036, 6076},
        {r + 32, 3002}, {r + 36, 18}, {r + 4060, 2}, {r + 6060, 50022}, {r + 6068, 0}, {r + 6072, 3}};
    for (const auto& [offset, word] : words) EXPECT_EQ(get32(file, offset), word) << "offset " << offset;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file[r + 4064])), "street2");
    // Unused slots are written as zeros.
    const size_t last = slotOffset(49, 2);
    for (size_t i = slotOffset(3, 0); i < last + kLevelRecordBytes; i += 997) EXPECT_EQ(file[i], 0) << i;
    // Read back and written again under another name: the same bytes.
    clearScenario();
    ASSERT_EQ(readScenarioFile("maple.map"), 0);
    ASSERT_EQ(saveScenario("second"), 0);
    EXPECT_EQ(readFile(mapsFile("second.bvx")), file);
}

// Records and settings stored at another size than ours, the settings all zero: a shorter record (6060 bytes)
// fills each slot up to its end and clears the rest (minCash from 6060, playFullTerm, minRenterHistory),
// whatever an earlier scenario left there; a longer one (6200 bytes, and settings of 4100) is read
// only up to our sizes, each slot from its own start. A scenario with values in every later field
// is loaded first.
TEST_F(ScenarioFileTest, RecordsOfOtherSizesAreReadUpToTheShorterOfTheTwo) {
    fillScenario();
    for (auto& row : levelTable)
        for (LevelRecord& r : row)
            r.minCash = 777, r.playFullTerm = 1, r.minRenterHistory = 4, r.resetToBank = 1;
    ASSERT_EQ(saveScenario("long"), 0);
    for (const uint32_t settingsSize : {4036u, 4100u}) {
        const uint32_t recordSize = settingsSize == 4036 ? 6060 : 6200;
        SCOPED_TRACE(recordSize);
        ASSERT_EQ(readScenarioFile("long"), 0);
        Bytes settings(4036, 0);
        settings[0] = 2;                     // levelCount
        settings.resize(settingsSize, 0x7F); // a future layout's extra settings
        writeFile(mapsFile("other.bvx"),
                  handMadeFile(settingsSize, settings, recordSize, [](Bytes& r, int level, int d) {
                      r[36] = uint8_t(20 + level);                          // monthsToPlay
                      r[2044] = 'I';                                        // intro "I"
                      r[4044] = uint8_t(d + 1);                             // numPurchases
                      std::memcpy(&r[4064], "town.map", 8);                 // mapFile
                      for (size_t i = 6076; i < r.size(); ++i) r[i] = 0x55; // beyond our record
                  }));
        ASSERT_EQ(readScenarioFile("other"), 0);
        EXPECT_EQ(scenario.levelCount, 2);
        // Settings stored as zero get their defaults (minBankListings stays 0), and our settings
        // end before the extra bytes.
        EXPECT_EQ(std::tuple(scenario.conditionScalar, scenario.fixedMortgageRate, scenario.bankListInterval,
                             scenario.maxBankListings, scenario.fixedDownPaymentPct,
                             scenario.minBankListings),
                  std::tuple(0.1f, 18.0f, 10000, 5, 15, 0));
        for (int level = 0; level < 50; ++level) {
            for (int d = 0; d < 3; ++d) {
                const LevelRecord& r = levelTable[d][level];
                SCOPED_TRACE(testing::Message() << level << "/" << d);
                ASSERT_EQ(
                    std::tuple(r.monthsToPlay, textOf(r.introText), r.numPurchases, std::string(r.mapFile)),
                    std::tuple(20 + level, u"I", d + 1, "town.map"));
                // minCash, playFullTerm, minRenterHistory, resetToBank
                ASSERT_EQ(std::tuple(r.minCash, r.playFullTerm, r.minRenterHistory, r.resetToBank),
                          std::tuple(0, 0, 0, 0));
            }
        }
    }
}

TEST_F(ScenarioFileTest, DamagedOrMissingFilesChangeNothing) {
    fillScenario();
    ASSERT_EQ(saveScenario("good"), 0);
    const Bytes good = readFile(mapsFile("good.bvx"));
    writeFile(mapsFile("cut.bvx"), Bytes(good.begin(), good.end() - 1));
    Bytes huge = good;
    huge[3] = 0x7F; // settings size of about 2 GB
    writeFile(mapsFile("huge.bvx"), huge);
    huge = good;
    huge[4 + 4036 + 3] = 0x40; // records of about 1 GB each
    writeFile(mapsFile("records.bvx"), huge);
    writeFile(mapsFile("tiny.bvx"), Bytes{1, 2});
    currentLevel = 2;
    for (const char* name : {"cut", "huge", "records", "tiny", "absent"}) {
        EXPECT_EQ(loadScenario(name, 1), -1) << name;
        // levels, a level's figure, the level played
        EXPECT_EQ(std::tuple(scenario.levelCount, levelTable[1][2].minCash, currentLevel),
                  std::tuple(3, 50021, 2))
            << name;
    }
}

TEST_F(ScenarioFileTest, UnterminatedTextsAreCutAtTheirCapacity) {
    Bytes settings(4036, 0);
    for (size_t i = 4; i < 4004; i += 2) settings[i] = 'A'; // name and description without a NUL
    writeFile(mapsFile("runon.bvx"), handMadeFile(4036, settings, 6076, [](Bytes& r, int, int) {
                  for (size_t i = 44; i < 4044; i += 2) r[i] = 'B';
                  std::memset(&r[4064], 'C', 1996);
              }));
    ASSERT_EQ(readScenarioFile("runon"), 0);
    // name, description and a level's intro hold 999 characters, a map file's name 1995
    EXPECT_EQ(std::tuple(textOf(scenario.scenarioName).size(), textOf(scenario.scenarioDescription).size(),
                         textOf(levelTable[2][49].introText).size(), std::strlen(levelTable[0][0].mapFile)),
              std::tuple(999u, 999u, 999u, 1995u));
}

TEST_F(ScenarioFileTest, LoadingWithoutResetKeepsTheLevelAndRunsTheLevelStart) {
    fillScenario();
    levelTable[1][2].resetToBank = 1;
    ASSERT_EQ(saveScenario("resume"), 0);
    // The levels' towns: a scenario whose map cannot be loaded does not load.
    for (const char* map : {"street0.map", "street2.map"}) writeFile(mapsFile(map), buildMapFile(MapParts{}));
    owners[0].cash = 5;
    owners[0].housesBought = 4;
    owners[5].cash = 99;
    currentLevel = 2;
    ASSERT_EQ(loadScenario("resume", 0), 0);
    for (int i = 0; i < kOwnerCount; ++i) EXPECT_EQ(owners[i].cash, 3001); // level 2 Normal
    // The level kept, the counters start again, the bank is not an owner that starts with cash.
    EXPECT_EQ(std::tuple(currentLevel, owners[0].housesBought, owners[5].cash), std::tuple(2, 0, 99));
    ASSERT_EQ(loadScenario("resume", 1), 0);
    EXPECT_EQ(std::tuple(currentLevel, owners[0].cash), std::tuple(0, 1001));
    // Level 1's town is missing: nothing of that scenario is taken, the cash stays.
    clearScenario();
    scenario.levelCount = 9;
    currentLevel = 1;
    EXPECT_EQ(loadScenario("resume", 0), -1);
    EXPECT_EQ(std::tuple(scenario.levelCount, currentLevel, owners[0].cash), std::tuple(9, 1, 1001));
}

// Marks every slot of the first `levels` levels with 100 x level + difficulty.
void markLevels(int levels) {
    scenario.levelCount = levels;
    for (int level = 0; level < levels; ++level)
        for (int d = 0; d < 3; ++d) levelTable[d][level].minEquity = 100 * level + d;
}

std::vector<int> markedOrder(int difficulty) {
    std::vector<int> out;
    for (int level = 0; level < scenario.levelCount; ++level)
        out.push_back(levelTable[difficulty][level].minEquity / 100);
    return out;
}

using LevelTableTest = LevelsTest;

TEST_F(LevelTableTest, NewLevelsGetTheirDefaultsUpToFortyNine) {
    EXPECT_EQ(appendLevel(2), 0);
    EXPECT_EQ(appendLevel(0), 1);
    // Months, back to the bank, starting cash: only the first level starts afresh.
    for (int d = 0; d < 3; ++d) {
        const LevelRecord &first = levelTable[d][0], &second = levelTable[d][1];
        EXPECT_EQ(std::tuple(first.monthsToPlay, first.resetToBank, first.startingCash),
                  std::tuple(24, 1, 25000));
        EXPECT_EQ(std::tuple(second.monthsToPlay, second.resetToBank, second.startingCash),
                  std::tuple(24, 0, 0));
    }
    // The title goes only into the difficulty being edited.
    EXPECT_EQ(std::tuple(textOf(levelTable[2][0].title), textOf(levelTable[1][0].title),
                         textOf(levelTable[0][1].title), textOf(levelTable[2][1].title)),
              std::tuple(u"new level", u"", u"new level", u""));
    // Forty-nine levels refuse a fiftieth: slot 49 stays free.
    for (int i = 2; i < 49; ++i) ASSERT_EQ(appendLevel(1), i);
    EXPECT_EQ(appendLevel(1), -1);
    EXPECT_EQ(
        std::tuple(scenario.levelCount, levelTable[1][49].monthsToPlay, textOf(levelTable[1][49].title)),
        std::tuple(49, 0, u""));
}

// Moves swap neighbours and a deletion moves the later levels down, in all three difficulties,
// each difficulty keeping its own record; the working copy goes both ways.
TEST_F(LevelTableTest, MovesDeletionsAndTheWorkingCopyEditEveryDifficulty) {
    markLevels(5);
    EXPECT_TRUE(moveLevelUp(2));
    EXPECT_TRUE(moveLevelDown(0));
    // Nothing above the first level, below the last, or at a number that is not a level.
    EXPECT_EQ(std::tuple(moveLevelUp(0), moveLevelDown(4), moveLevelUp(5)), std::tuple(false, false, false));
    for (int d = 0; d < 3; ++d) EXPECT_EQ(markedOrder(d), (std::vector<int>{2, 0, 1, 3, 4})) << d;
    EXPECT_EQ(levelTable[2][0].minEquity, 202);
    EXPECT_TRUE(deleteLevel(1));
    EXPECT_EQ(scenario.levelCount, 4);
    for (int d = 0; d < 3; ++d) {
        EXPECT_EQ(markedOrder(d), (std::vector<int>{2, 1, 3, 4})) << d;
        EXPECT_EQ(levelTable[d][2].minEquity % 100, d); // each difficulty keeps its own record
        EXPECT_EQ(levelTable[d][4].minEquity, 0);       // the old last slot is empty now
    }
    EXPECT_TRUE(deleteLevel(3)); // the last level
    EXPECT_EQ(markedOrder(1), (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(std::tuple(deleteLevel(3), deleteLevel(-1)), std::tuple(false, false));
    EXPECT_EQ(scenario.levelCount, 3);

    LevelRecord work{};
    ASSERT_TRUE(copyLevelToWork(2, 1, work));
    EXPECT_EQ(work.minEquity, 102);
    work.minEquity = 4242;
    ASSERT_TRUE(copyLevelFromWork(0, 2, work));
    EXPECT_EQ(levelTable[0][2].minEquity, 4242);
    EXPECT_EQ(std::tuple(copyLevelToWork(3, 0, work), copyLevelFromWork(0, 50, work)),
              std::tuple(false, false));
}

TEST_F(LevelTableTest, DerivedDifficultiesTruncate) {
    const int normal[] = {25, 10, 7, 1, 0, 119};
    const int easy[] = {37, 15, 10, 1, 0, 178};
    const int hard[] = {20, 8, 5, 0, 0, 95};
    for (int i = 0; i < 6; ++i) levelTable[1][i].monthsToPlay = normal[i];
    levelTable[0][49].monthsToPlay = 3; // every slot is derived, used or not
    deriveDifficulties();
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(levelTable[0][i].monthsToPlay, easy[i]) << normal[i];
        EXPECT_EQ(levelTable[2][i].monthsToPlay, hard[i]) << normal[i];
        EXPECT_EQ(levelTable[1][i].monthsToPlay, normal[i]);
    }
    EXPECT_EQ(levelTable[0][49].monthsToPlay, 0);
}

TEST_F(LevelTableTest, StartScenarioLoadsTheChoiceAtLevelZero) {
    scenario.levelCount = 2;
    levelTable[1][0].startingCash = 30000;
    levelTable[1][0].resetToBank = 1;
    std::snprintf(levelTable[1][0].mapFile, sizeof levelTable[1][0].mapFile, "street0");
    writeFile(mapsFile("street0.map"), buildMapFile(MapParts{}));
    ASSERT_EQ(saveScenario("campaign"), 0);
    scenario.levelCount = 7;
    ASSERT_EQ(saveScenario("other"), 0);
    clearScenario();
    // The list holds the scenario files in name order, ".BVX" as well as ".bvx", and nothing else.
    for (const char* name : {"broken.bvx", "Alpha.BVX", "notes.txt", "map.map", ".bvx"})
        writeFile(mapsFile(name), "xx");
    std::filesystem::create_directories(mapsFile("folder.bvx"));
    buildScenarioList();
    buildScenarioList(); // counts again from zero
    ASSERT_EQ(scenarioListCount, 4);
    EXPECT_EQ(std::tuple(textOf(scenarioList[0]), textOf(scenarioList[1]), textOf(scenarioList[3])),
              std::tuple(u"Alpha.BVX", u"broken.bvx", u"other.bvx"));
    currentLevel = 4;
    chosenScenario = 2; // "campaign.bvx"
    ASSERT_EQ(startScenario(), 0);
    EXPECT_STREQ(scenarioFileName, "campaign.bvx");
    // loaded, at level 0, its levels, its starting cash
    EXPECT_EQ(std::tuple(scenarioLoaded, currentLevel, scenario.levelCount, owners[0].cash),
              std::tuple(1, 0, 2, 30000));

    chosenScenario = 1; // "broken.bvx": the previous scenario stays
    EXPECT_EQ(startScenario(), -1);
    EXPECT_STREQ(scenarioFileName, "campaign.bvx");
    EXPECT_EQ(scenario.levelCount, 2);
    chosenScenario = 4;
    EXPECT_EQ(startScenario(), -1);
}

TEST_F(LevelTableTest, DeriveAllRewritesEveryListedScenarioAndKeepsTheEditorsOwn) {
    levelTable[1][0].monthsToPlay = 25;
    ASSERT_EQ(saveScenario("one"), 0);
    levelTable[1][0].monthsToPlay = 10;
    ASSERT_EQ(saveScenario("two"), 0);
    levelTable[1][0].monthsToPlay = 50; // the scenario in the editor
    buildScenarioList();
    EXPECT_EQ(deriveAllScenarios(), 2);
    EXPECT_EQ(std::tuple(levelTable[1][0].monthsToPlay, levelTable[0][0].monthsToPlay), std::tuple(50, 0));
    ASSERT_EQ(readScenarioFile("one"), 0);
    EXPECT_EQ(levelTable[0][0].monthsToPlay, 37);
    ASSERT_EQ(readScenarioFile("two"), 0);
    EXPECT_EQ(levelTable[0][0].monthsToPlay, 15);
}

TEST_F(LevelTableTest, CurrentLevelAccessorsHoldTheirIndexes) {
    levelTable[2][3].monthsToPlay = 31;
    std::snprintf(levelTable[2][3].mapFile, kMapFileBytes, "hills");
    currentDifficulty = 2;
    currentLevel = 3;
    EXPECT_EQ(std::tuple(currentMonthsToPlay(), std::string(currentMapFile())), std::tuple(31, "hills"));
    currentDifficulty = 7; // held to Hard
    EXPECT_EQ(currentMonthsToPlay(), 31);
    currentLevel = 99; // held to slot 49
    EXPECT_EQ(&currentLevelRecord(), &levelTable[2][49]);
}

} // namespace
} // namespace bvtest

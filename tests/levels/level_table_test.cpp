// The editor's level-table operations, the derived difficulties, the scenario list and the start of
// a scenario from game set-up.
#include "assets/strings.h"
#include "levels/level_start.h"
#include "sim/owner.h"
#include "world/levels_fixture.h"
#include "world/map_file.h"

namespace bvtest {
namespace {

using namespace bv;

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

TEST_F(LevelTableTest, NewLevelsGetTheirDefaults) {
    EXPECT_EQ(appendLevel(2), 0);
    EXPECT_EQ(appendLevel(0), 1);
    for (int d = 0; d < 3; ++d) {
        EXPECT_EQ(levelTable[d][0].monthsToPlay, 24);
        EXPECT_EQ(levelTable[d][0].resetToBank, 1);
        EXPECT_EQ(levelTable[d][0].startingCash, 25000);
        EXPECT_EQ(levelTable[d][1].monthsToPlay, 24);
        EXPECT_EQ(levelTable[d][1].resetToBank, 0);
        EXPECT_EQ(levelTable[d][1].startingCash, 0);
    }
    // The title goes only into the difficulty being edited.
    EXPECT_EQ(textOf(levelTable[2][0].title), u"new level");
    EXPECT_EQ(textOf(levelTable[1][0].title), u"");
    EXPECT_EQ(textOf(levelTable[0][1].title), u"new level");
    EXPECT_EQ(textOf(levelTable[2][1].title), u"");
}

TEST_F(LevelTableTest, FortyNineLevelsRefuseAFiftieth) {
    for (int i = 0; i < 49; ++i) ASSERT_EQ(appendLevel(1), i);
    EXPECT_EQ(appendLevel(1), -1);
    EXPECT_EQ(scenario.levelCount, 49);
    // Slot 49 stays free.
    EXPECT_EQ(levelTable[1][49].monthsToPlay, 0);
    EXPECT_EQ(textOf(levelTable[1][49].title), u"");
}

TEST_F(LevelTableTest, DeleteMovesLaterLevelsDownInAllDifficulties) {
    markLevels(5);
    EXPECT_TRUE(deleteLevel(1));
    EXPECT_EQ(scenario.levelCount, 4);
    for (int d = 0; d < 3; ++d) {
        EXPECT_EQ(markedOrder(d), (std::vector<int>{0, 2, 3, 4})) << d;
        EXPECT_EQ(levelTable[d][2].minEquity % 100, d); // each difficulty keeps its own record
        EXPECT_EQ(levelTable[d][4].minEquity, 0);       // the old last slot is empty now
    }
    EXPECT_TRUE(deleteLevel(3)); // the last level
    EXPECT_EQ(markedOrder(1), (std::vector<int>{0, 2, 3}));
    EXPECT_FALSE(deleteLevel(3));
    EXPECT_FALSE(deleteLevel(-1));
    EXPECT_EQ(scenario.levelCount, 3);
}

TEST_F(LevelTableTest, MovingSwapsNeighboursInAllDifficulties) {
    markLevels(4);
    EXPECT_TRUE(moveLevelUp(2));
    EXPECT_TRUE(moveLevelDown(0));
    for (int d = 0; d < 3; ++d) EXPECT_EQ(markedOrder(d), (std::vector<int>{2, 0, 1, 3})) << d;
    EXPECT_EQ(levelTable[2][0].minEquity, 202);
    EXPECT_FALSE(moveLevelUp(0));
    EXPECT_FALSE(moveLevelDown(3)); // nothing below the last level
    EXPECT_FALSE(moveLevelUp(4));   // not a level
    EXPECT_EQ(markedOrder(0), (std::vector<int>{2, 0, 1, 3}));
}

TEST_F(LevelTableTest, WorkingCopyGoesBothWays) {
    markLevels(3);
    LevelRecord work{};
    ASSERT_TRUE(copyLevelToWork(2, 1, work));
    EXPECT_EQ(work.minEquity, 102);
    work.minEquity = 4242;
    ASSERT_TRUE(copyLevelFromWork(0, 2, work));
    EXPECT_EQ(levelTable[0][2].minEquity, 4242);
    EXPECT_FALSE(copyLevelToWork(3, 0, work));
    EXPECT_FALSE(copyLevelFromWork(0, 50, work));
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

TEST_F(LevelTableTest, ScenarioListHoldsTheScenarioFilesInNameOrder) {
    for (const char* name : {"zeta.bvx", "Alpha.BVX", "beta.bvx", "notes.txt", "map.map", ".bvx"})
        writeFile(mapsFile(name), "x");
    std::filesystem::create_directories(mapsFile("folder.bvx"));
    buildScenarioList();
    ASSERT_EQ(scenarioListCount, 3);
    EXPECT_EQ(textOf(scenarioList[0]), u"Alpha.BVX");
    EXPECT_EQ(textOf(scenarioList[1]), u"beta.bvx");
    EXPECT_EQ(textOf(scenarioList[2]), u"zeta.bvx");
    buildScenarioList(); // counts again from zero
    EXPECT_EQ(scenarioListCount, 3);
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
    writeFile(mapsFile("broken.bvx"), "xx");

    buildScenarioList();
    ASSERT_EQ(scenarioListCount, 3);
    currentLevel = 4;
    chosenScenario = 1; // "campaign.bvx"
    ASSERT_EQ(startScenario(), 0);
    EXPECT_STREQ(scenarioFileName, "campaign.bvx");
    EXPECT_EQ(scenarioLoaded, 1);
    EXPECT_EQ(currentLevel, 0);
    EXPECT_EQ(scenario.levelCount, 2);
    EXPECT_EQ(owners[0].cash, 30000);

    chosenScenario = 0; // "broken.bvx": the previous scenario stays
    EXPECT_EQ(startScenario(), -1);
    EXPECT_STREQ(scenarioFileName, "campaign.bvx");
    EXPECT_EQ(scenario.levelCount, 2);
    chosenScenario = 3;
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
    EXPECT_EQ(levelTable[1][0].monthsToPlay, 50);
    EXPECT_EQ(levelTable[0][0].monthsToPlay, 0);
    ASSERT_EQ(readScenarioFile("one"), 0);
    EXPECT_EQ(levelTable[0][0].monthsToPlay, 37);
    EXPECT_EQ(levelTable[2][0].monthsToPlay, 20);
    ASSERT_EQ(readScenarioFile("two"), 0);
    EXPECT_EQ(levelTable[0][0].monthsToPlay, 15);
}

TEST_F(LevelTableTest, CurrentLevelAccessorsHoldTheirIndexes) {
    levelTable[2][3].monthsToPlay = 31;
    std::snprintf(levelTable[2][3].mapFile, kMapFileBytes, "hills");
    currentDifficulty = 2;
    currentLevel = 3;
    EXPECT_EQ(currentMonthsToPlay(), 31);
    EXPECT_STREQ(currentMapFile(), "hills");
    currentDifficulty = 7; // held to Hard
    EXPECT_EQ(currentMonthsToPlay(), 31);
    currentLevel = 99; // held to slot 49
    EXPECT_EQ(&currentLevelRecord(), &levelTable[2][49]);
}

} // namespace
} // namespace bvtest

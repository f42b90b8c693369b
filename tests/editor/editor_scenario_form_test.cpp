// The Scenario, Edit Level and Recalc. forms, and the recalculations over every scenario file,
// all in a program folder of the test's own.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "dialog_fixture.h"
#include "world/levels_fixture.h"

namespace {

using bv::levelTable;
using bv::scenario;
using bvtest::setText;

// Scenario form: the list's second row, OK and Cancel at the bottom.
constexpr int32_t kRowX = 100, kRow1Y = 100;
constexpr int32_t kOkX = 330, kCancelX = 470, kBottomY = 555;

class ScenarioForm : public edtest::DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        scenario.levelCount = 2;
        setText(levelTable[1][0].title, u"Alpha");
        setText(levelTable[1][1].title, u"Bravo");
    }
};

TEST_F(ScenarioForm, SettingsAreReadBackOnOkAndLeftAloneOnCancel) {
    setText(scenario.scenarioName, u"Old");
    scenario.fixedDownPaymentPct = 20;
    scenario.conditionScalar = 0.5f;
    bv::openEditorDialog(bv::kDialogScenario);
    type(u"er");       // the name has the focus
    clickAt(410, 294); // "Complex Economy (AI's, credit, economy)"
    clickAt(kCancelX, kBottomY);
    EXPECT_EQ(std::u16string(scenario.scenarioName), u"Old");
    EXPECT_EQ(scenario.advancedEconomy, 0);

    bv::openEditorDialog(bv::kDialogScenario);
    type(u"er");
    clickAt(410, 294);
    clickAt(700, 454); // "Down Percentage"
    type(u"5");
    clickAt(700, 326); // "Condition scalar:" reads "0.500000"
    type(u"\b\b\b\b\b\b25");
    clickAt(kOkX, kBottomY);
    EXPECT_FALSE(bv::editorDialogOpen());
    EXPECT_EQ(std::u16string(scenario.scenarioName), u"Older");
    EXPECT_EQ(scenario.advancedEconomy, 1);
    EXPECT_EQ(scenario.fixedDownPaymentPct, 205);
    EXPECT_FLOAT_EQ(scenario.conditionScalar, 0.25f);
    EXPECT_FLOAT_EQ(scenario.fixedMortgageRate, 0.0f); // "0.000000" read back unchanged
}

TEST_F(ScenarioForm, ClosingLoadsTheLevelsMapOnlyWhenItsNameChangedBeyondLetterCase) {
    bv::insertHouse(100, 100, 0);
    ASSERT_EQ(bv::saveMap("START"), 1);
    bv::insertHouse(200, 100, 0);
    ASSERT_EQ(bv::saveMap("other"), 1);
    bv::clearMap();
    std::strcpy(levelTable[1][0].mapFile, "start");

    bv::openEditorDialog(bv::kDialogScenario);
    std::strcpy(levelTable[1][0].mapFile, "START"); // as Edit Level would
    clickAt(kOkX, kBottomY);
    EXPECT_EQ(bv::houseCount, 0);

    bv::openEditorDialog(bv::kDialogScenario);
    std::strcpy(levelTable[1][0].mapFile, "other");
    clickAt(kCancelX, kBottomY);
    EXPECT_EQ(bv::houseCount, 2);
}

// Edit Level: the Hard radio at the top, Apply and Cancel at the bottom.
constexpr int32_t kRadioY = 55, kHardX = 235;
constexpr int32_t kApplyX = 175, kLevelCancelX = 325, kLevelButtonsY = 558;

TEST_F(ScenarioForm, EditSelectedLevelStoresEveryGoalFieldInItsOwnRecordField) {
    bv::openEditorDialog(bv::kDialogScenario);
    clickAt(kRowX, kRow1Y);
    clickAt(210, 495); // "Edit Selected Level"
    ASSERT_EQ(bv::topEditorDialog(), bv::kDialogEditLevel);
    EXPECT_EQ(bv::editedLevel(), 1);
    for (int32_t i = 0; i < bv::kLevelGoalFields; ++i) bv::formFieldSetInt(bv::levelGoalField(i), 100 + i);
    clickAt(kApplyX, kLevelButtonsY);
    EXPECT_EQ(bv::topEditorDialog(), bv::kDialogScenario);
    EXPECT_EQ(bv::scenarioListSelection(), 0); // the first level is selected again

    const bv::LevelRecord& r = levelTable[1][1];
    const int32_t got[bv::kLevelGoalFields] = {
        r.minHouseValue,   r.minRent,  r.minCondition, r.houseCount,   r.minRenterHistory,
        r.minCombinedRent, r.minCash,  r.minEquity,    r.numPurchases, r.numUpgrades,
        r.numRenos,        r.numSales, r.numRenters,   r.monthsToHold, r.monthsToPlay};
    for (int32_t i = 0; i < bv::kLevelGoalFields; ++i) EXPECT_EQ(got[i], 100 + i) << "goal field " << i;
    EXPECT_EQ(std::u16string(r.title), u"Bravo");
    EXPECT_EQ(levelTable[1][0].minCash, 0); // the other level untouched
}

TEST_F(ScenarioForm, SwitchingDifficultyStoresTheFormAndCancelKeepsOnlyThat) {
    levelTable[0][0].minCash = 1;
    levelTable[1][0].minCash = 2;
    levelTable[2][0].minCash = 3;
    bv::openEditorDialog(bv::kDialogScenario);
    clickAt(210, 495);
    ASSERT_EQ(bv::editedLevel(), 0);
    bv::formFieldSetInt(bv::levelGoalField(6), 222); // "Min. Cash"
    clickAt(kHardX, kRadioY);
    EXPECT_EQ(bv::currentDifficulty, 2);
    EXPECT_EQ(levelTable[1][0].minCash, 222);
    EXPECT_EQ(bv::formFieldInt(bv::levelGoalField(6)), 3) << "the Hard record's figure";
    bv::formFieldSetInt(bv::levelGoalField(6), 333);
    clickAt(kLevelCancelX, kLevelButtonsY);
    EXPECT_EQ(
        (std::vector<int32_t>{levelTable[0][0].minCash, levelTable[1][0].minCash, levelTable[2][0].minCash}),
        (std::vector<int32_t>{1, 222, 3}));
}

class Recalc : public edtest::DialogTest {};

TEST_F(Recalc, RentsOfThisLevelFollowTheNewHouseRulesWithoutWritingFiles) {
    bv::insertHouse(100, 100, 0);
    bv::insertHouse(200, 100, 0);
    bv::mapHouses[0].baseRent = 1;
    bv::mapHouses[1].baseValue = 35000;
    EXPECT_EQ(bv::recalculateRents(bv::kRecalcThisLevel), 0);
    EXPECT_EQ(bv::mapHouses[0].baseRent, 5714); // 200000 / 35
    EXPECT_EQ(bv::mapHouses[1].upgradeCost, 2100);
    EXPECT_TRUE(std::filesystem::is_empty(dir_.path() + "/maps"));
}

TEST_F(Recalc, RentsOfAllLevelsRewriteEachLevelsMapAndKeepTheEditorsWork) {
    bv::insertHouse(100, 100, 0);
    bv::mapHouses[0].baseValue = 350000;
    bv::mapHouses[0].baseRent = 1;
    ASSERT_EQ(bv::saveMap("a"), 1);
    // A town of the map maker's own called "tmp" is not the editor's scratch copy.
    ASSERT_EQ(bv::saveMap("tmp"), 1);
    const std::vector<uint8_t> ownTmp = bvtest::readFile(mapsFile("tmp.map"));
    scenario.levelCount = 2;
    std::strcpy(levelTable[1][0].mapFile, "a");
    std::strcpy(levelTable[1][1].mapFile, "missing");
    ASSERT_EQ(bv::saveScenario("s1"), 0);

    // The editor's own, unsaved: a different map and scenario name, level 1.
    bv::clearMap();
    bv::insertHouse(50, 50, 0);
    bv::mapHouses[0].baseValue = 70000;
    setText(scenario.scenarioName, u"Unsaved");
    bv::currentLevel = 1;

    EXPECT_EQ(bv::recalculateRents(bv::kRecalcAllLevels), 1);
    EXPECT_EQ(std::u16string(scenario.scenarioName), u"Unsaved");
    EXPECT_EQ(bv::currentLevel, 1);
    ASSERT_EQ(bv::houseCount, 1);
    // 70,000 / 35 = 2,000, and 2,000 x 2.1.
    const bv::MapHouse& kept = bv::mapHouses[0];
    EXPECT_EQ((std::vector<int32_t>{kept.baseValue, kept.baseRent, kept.upgradeCost}),
              (std::vector<int32_t>{70000, 2000, 4200}));
    // A level whose map cannot be read gets no file from another map.
    EXPECT_FALSE(std::filesystem::exists(mapsFile("missing.map")));
    // The editor's map went through its copy and came back: the file is gone from the maps folder.
    EXPECT_FALSE(std::filesystem::exists(mapsFile(std::string(bv::kEditorMapCopy) + ".map")));
    EXPECT_TRUE(std::filesystem::exists(mapsFile("a.map")));
    EXPECT_EQ(bvtest::readFile(mapsFile("tmp.map")), ownTmp);

    ASSERT_EQ(bv::loadMap("a"), 1);
    EXPECT_EQ(std::pair(bv::mapHouses[0].baseRent, bv::mapHouses[0].upgradeCost), std::pair(10000, 21000));
}

TEST_F(Recalc, TheEditorsMapFileIsRemovedOnlyOnceItHasBeenReadBack) {
    const std::string copy = mapsFile(std::string(bv::kEditorMapCopy) + ".map");
    bv::insertHouse(50, 50, 0);
    ASSERT_EQ(bv::saveMap(bv::kEditorMapCopy), 1);
    const std::vector<uint8_t> saved = bvtest::readFile(copy);
    // A copy that no longer reads: the map in memory stays, and so does the file.
    bvtest::writeFile(copy, std::string("not a map"));
    bv::insertHouse(60, 60, 0);
    EXPECT_FALSE(bv::restoreEditorMap());
    EXPECT_EQ(bv::houseCount, 2);
    EXPECT_TRUE(std::filesystem::exists(copy));

    bvtest::writeFile(copy, saved);
    EXPECT_TRUE(bv::restoreEditorMap());
    ASSERT_EQ(bv::houseCount, 1);
    EXPECT_EQ(bv::mapHouses[0].x, 50);
    EXPECT_FALSE(std::filesystem::exists(copy));
    // Nothing to read back at all: nothing changes.
    EXPECT_FALSE(bv::restoreEditorMap());
    EXPECT_EQ(bv::houseCount, 1);
}

TEST_F(Recalc, DifficultiesOfAllLevelsRewriteEveryScenarioAndTheOneInMemory) {
    levelTable[1][0].monthsToPlay = 10;
    ASSERT_EQ(bv::saveScenario("s1"), 0);
    levelTable[1][0].monthsToPlay = 40; // the editor's, not saved
    const auto months = [] {
        return std::vector<int32_t>{levelTable[0][0].monthsToPlay, levelTable[1][0].monthsToPlay,
                                    levelTable[2][0].monthsToPlay};
    };
    EXPECT_EQ(bv::recalculateDifficulties(bv::kRecalcAllLevels), 1);
    EXPECT_EQ(months(), (std::vector<int32_t>{60, 40, 32})); // Easy 1.5 and Hard 0.8 times Normal
    ASSERT_EQ(bv::readScenarioFile("s1"), 0);
    EXPECT_EQ(months(), (std::vector<int32_t>{15, 10, 8}));
}

} // namespace

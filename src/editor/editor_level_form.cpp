// The Edit Level form: one level of the scenario in one difficulty at a time, its map, title,
// intro text, starting cash and goals. The form works on a copy of the record; "Apply" writes it
// back to the table, "Cancel" leaves the table as it was.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>

#include "core/input.h"
#include "editor/editor_dialogs.h"
#include "editor/editor_state.h"
#include "ui/forms.h"
#include "world/scenario.h"

namespace bv {

namespace {

int32_t g_level = 0;
LevelRecord g_work;
int32_t g_difficultyRadio = 1;

FormTextField g_mapFile;
FormTextField g_title;
FormTextField g_intro;
FormTextField g_startingCash;
bool g_resetProperties = false;
bool g_playFullTerm = false;
FormTextField g_goals[kLevelGoalFields];

// The goal column: its labels and the record field each one edits.
struct GoalField {
    const char16_t* label;
    size_t offset;
};
constexpr GoalField kGoals[kLevelGoalFields] = {
    {u"Min. House Value", offsetof(LevelRecord, minHouseValue)},
    {u"Min. Rent Value", offsetof(LevelRecord, minRent)},
    {u"Min. Condition", offsetof(LevelRecord, minCondition)},
    {u"House Count", offsetof(LevelRecord, houseCount)},
    {u"Min. Renter History", offsetof(LevelRecord, minRenterHistory)},
    {u"Min. Combined Rent", offsetof(LevelRecord, minCombinedRent)},
    {u"Min. Cash", offsetof(LevelRecord, minCash)},
    {u"Min. Equity", offsetof(LevelRecord, minEquity)},
    {u"Num. Purchases", offsetof(LevelRecord, numPurchases)},
    {u"Num. Upgrades", offsetof(LevelRecord, numUpgrades)},
    {u"Num. Reno's", offsetof(LevelRecord, numRenos)},
    {u"Num. Sales", offsetof(LevelRecord, numSales)},
    {u"Num. Renters", offsetof(LevelRecord, numRenters)},
    {u"# months to hold goal", offsetof(LevelRecord, monthsToHold)},
    {u"# months to play", offsetof(LevelRecord, monthsToPlay)},
};

int32_t& goalValue(LevelRecord& record, int32_t i) {
    return *reinterpret_cast<int32_t*>(reinterpret_cast<char*>(&record) + kGoals[i].offset);
}

void storeToTable() {
    storeLevelFields();
    copyLevelFromWork(currentDifficulty, g_level, g_work);
}

void reloadFromTable() {
    copyLevelToWork(currentDifficulty, g_level, g_work);
    loadLevelFields();
}

} // namespace

int32_t editedLevel() {
    return g_level;
}

LevelRecord& editLevelWork() {
    return g_work;
}

FormTextField& levelGoalField(int32_t index) {
    return g_goals[std::clamp(index, 0, kLevelGoalFields - 1)];
}

void loadLevelFields() {
    formFieldInit(g_mapFile, kFieldText, kMapFileMaxChars);
    formFieldSet8(g_mapFile, g_work.mapFile);
    formFieldInit(g_title, kFieldText, kTextCapacity - 1);
    formFieldSet(g_title, g_work.title);
    formFieldInit(g_intro, kFieldText, kTextCapacity - 1, true);
    formFieldSet(g_intro, g_work.introText);
    formFieldInit(g_startingCash, kFieldInteger, 13);
    formFieldSetInt(g_startingCash, g_work.startingCash);
    g_resetProperties = g_work.resetToBank != 0;
    g_playFullTerm = g_work.playFullTerm != 0;
    for (int32_t i = 0; i < kLevelGoalFields; ++i) {
        formFieldInit(g_goals[i], kFieldInteger, 13);
        formFieldSetInt(g_goals[i], goalValue(g_work, i));
    }
}

void storeLevelFields() {
    // Only a plain name inside "maps" (or none) is taken; anything else keeps the old name.
    char mapFile[kMapFileBytes];
    formFieldGet8(g_mapFile, mapFile, kMapFileBytes);
    std::string why;
    if (!mapFile[0] || plainFileName(mapFile, why))
        std::memcpy(g_work.mapFile, mapFile, kMapFileBytes);
    else
        showEditorMessage(std::string("Map Filename ") + why);
    std::copy(g_title.text, g_title.text + g_title.length + 1, g_work.title);
    std::copy(g_intro.text, g_intro.text + g_intro.length + 1, g_work.introText);
    g_work.startingCash = formFieldInt(g_startingCash);
    g_work.resetToBank = g_resetProperties ? 1 : 0;
    g_work.playFullTerm = g_playFullTerm ? 1 : 0;
    for (int32_t i = 0; i < kLevelGoalFields; ++i) goalValue(g_work, i) = formFieldInt(g_goals[i]);
}

void switchEditDifficulty(int32_t difficulty) {
    if (difficulty < 0 || difficulty >= kDifficultyCount) return;
    storeToTable();
    currentDifficulty = difficulty;
    g_difficultyRadio = difficulty;
    reloadFromTable();
}

void openEditLevelForm(int32_t level) {
    g_level = std::clamp(level, 0, kMaxLevelSlots - 1);
    currentDifficulty = std::clamp(currentDifficulty, 0, kDifficultyCount - 1);
    g_difficultyRadio = currentDifficulty;
    reloadFromTable();
    formFocus(&g_title);
}

void resumeEditLevelForm() {
    // Back from Recalc.: it may have changed the months of every difficulty.
    reloadFromTable();
}

void updateEditLevelForm() {
    constexpr int32_t kX = 10, kY = 5, kW = 780, kH = 590;
    formPanel(kX, kY, kW, kH, u"Edit Level");
    const int32_t left = kX + 25, leftW = 370;
    int32_t chosen = g_difficultyRadio;
    formRadio(left, kY + 44, u"Easy", chosen, 0);
    formRadio(left + 90, kY + 44, u"Normal", chosen, 1);
    formRadio(left + 195, kY + 44, u"Hard", chosen, 2);
    if (chosen != g_difficultyRadio) switchEditDifficulty(chosen);

    formLabel(left, kY + 70, u"Map Filename:");
    formTextField(left, kY + 90, leftW, 24, g_mapFile);
    formLabel(left, kY + 122, u"Title");
    formTextField(left, kY + 142, leftW, 24, g_title);
    formLabel(left, kY + 174, u"Intro Text");
    formTextField(left, kY + 194, leftW, 170, g_intro);
    formLabel(left, kY + 374, u"Starting cash (0 means don't reset from prev. level):");
    formTextField(left, kY + 394, 150, 24, g_startingCash);
    formCheckBox(left, kY + 432, u"Reset Properties to bank owned", g_resetProperties);
    formCheckBox(left, kY + 458, u"Play to full term", g_playFullTerm);

    const int32_t right = kX + 425, fieldX = kX + kW - 25 - 120;
    for (int32_t i = 0; i < kLevelGoalFields; ++i) {
        const int32_t y = kY + 40 + i * 30;
        formLabel(right, y + 3, kGoals[i].label);
        formTextField(fieldX, y, 120, 24, g_goals[i]);
    }

    const int32_t buttonY = kY + kH - 52;
    if (formButton(kX + 100, buttonY, 130, 30, u"Apply")) {
        storeToTable();
        closeEditorDialog();
        return;
    }
    if (formButton(kX + 250, buttonY, 130, 30, u"Cancel") || isPressed(kSlotEscape)) {
        closeEditorDialog();
        return;
    }
    if (formButton(kX + 400, buttonY, 130, 30, u"Reset")) reloadFromTable();
    if (formButton(kX + 550, buttonY, 130, 30, u"Calculate")) {
        storeToTable();
        openEditorDialog(kDialogRecalc);
    }
}

} // namespace bv

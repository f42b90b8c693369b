// The Scenario form: the level list with its buttons, and the scenario-wide settings. The
// settings are read back when the form closes; the level buttons act on the table at once.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/input.h"
#include "editor/editor.h"
#include "editor/editor_dialogs.h"
#include "editor/editor_state.h"
#include "ui/forms.h"
#include "world/map.h"
#include "world/scenario.h"

namespace bv {

namespace {

FormListBox g_list;
FormTextField g_name;
FormTextField g_description;
FormTextField g_fileName;
bool g_complexEconomy = false;
constexpr int32_t kNumbers = 6;
FormTextField g_numbers[kNumbers];
// The current level's map when the form opened: a different one is loaded when it closes.
char g_mapAtOpen[kMapFileBytes];

constexpr const char16_t* kNumberLabels[kNumbers] = {
    u"Condition scalar:",        u"Banker sell timer (in ms)", u"Min. banker houses for sale",
    u"Max banker houses 4 sale", u"Down Percentage",           u"Mtg. Rate (was 18%)"};

bool sameNameIgnoringCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}

int32_t levelCountShown() {
    return std::max(0, std::min(scenario.levelCount, kMaxLevelSlots));
}

void closeScenarioForm(bool store) {
    if (store) storeScenarioFields();
    const char* map = currentMapFile();
    if (!sameNameIgnoringCase(map, g_mapAtOpen) && map[0] && loadMap(map)) {
        rememberFileSources(map, nullptr);
        rememberMapAsSaved();
        markPickImageDirty();
    }
    closeEditorDialog();
}

} // namespace

void loadScenarioFields() {
    formFieldInit(g_name, kFieldText, kTextCapacity - 1);
    formFieldSet(g_name, scenario.scenarioName);
    formFieldInit(g_description, kFieldText, kTextCapacity - 1, true);
    formFieldSet(g_description, scenario.scenarioDescription);
    formFieldInit(g_fileName, kFieldText, int32_t(sizeof scenarioFileName) - 1);
    formFieldSet8(g_fileName, scenarioFileName);
    g_complexEconomy = scenario.advancedEconomy != 0;
    formFieldInit(g_numbers[0], kFieldDecimal, 13);
    formFieldSetFloat(g_numbers[0], scenario.conditionScalar);
    const int32_t ints[4] = {scenario.bankListInterval, scenario.minBankListings, scenario.maxBankListings,
                             scenario.fixedDownPaymentPct};
    for (int32_t i = 0; i < 4; ++i) {
        formFieldInit(g_numbers[i + 1], kFieldInteger, 13);
        formFieldSetInt(g_numbers[i + 1], ints[i]);
    }
    formFieldInit(g_numbers[5], kFieldDecimal, 13);
    formFieldSetFloat(g_numbers[5], scenario.fixedMortgageRate);
}

void storeScenarioFields() {
    std::copy(g_name.text, g_name.text + g_name.length + 1, scenario.scenarioName);
    std::copy(g_description.text, g_description.text + g_description.length + 1,
              scenario.scenarioDescription);
    // Only a plain name inside "maps" is taken; anything else keeps the old name and says why.
    char fileName[sizeof scenarioFileName];
    formFieldGet8(g_fileName, fileName, int32_t(sizeof fileName));
    std::string why;
    if (!fileName[0] || plainFileName(fileName, why))
        std::memcpy(scenarioFileName, fileName, sizeof fileName);
    else
        showEditorMessage(std::string("Scenario Filename ") + why);
    scenario.advancedEconomy = g_complexEconomy ? 1 : 0;
    scenario.conditionScalar = formFieldFloat(g_numbers[0]);
    scenario.bankListInterval = formFieldInt(g_numbers[1]);
    scenario.minBankListings = formFieldInt(g_numbers[2]);
    scenario.maxBankListings = formFieldInt(g_numbers[3]);
    scenario.fixedDownPaymentPct = formFieldInt(g_numbers[4]);
    scenario.fixedMortgageRate = formFieldFloat(g_numbers[5]);
}

int32_t scenarioListSelection() {
    return g_list.selected;
}

void selectScenarioListRow(int32_t row) {
    g_list.selected = row >= 0 && row < levelCountShown() ? row : -1;
}

void openScenarioForm() {
    g_list = FormListBox{levelCountShown() > 0 ? 0 : -1, 0};
    std::snprintf(g_mapAtOpen, sizeof g_mapAtOpen, "%s", currentMapFile());
    loadScenarioFields();
    formFocus(&g_name);
}

void resumeScenarioForm() {
    // Edit Level has closed: the titles may have changed; the first level is selected again.
    g_list = FormListBox{levelCountShown() > 0 ? 0 : -1, 0};
}

void updateScenarioForm() {
    constexpr int32_t kX = 15, kY = 10, kW = 770, kH = 580;
    formPanel(kX, kY, kW, kH, u"Scenario");

    // The level list: titles of the current difficulty.
    const char16_t* titles[kMaxLevelSlots];
    const int32_t count = levelCountShown();
    const int32_t difficulty = std::clamp(currentDifficulty, 0, kDifficultyCount - 1);
    for (int32_t i = 0; i < count; ++i) titles[i] = levelTable[difficulty][i].title;
    const int32_t left = kX + 25;
    formLabel(left, kY + 44, u"Levels");
    formListBox(left, kY + 64, 340, 324, titles, count, g_list);
    const int32_t sel = g_list.selected;
    const bool has = sel >= 0 && sel < count;
    if (formButton(left, kY + 398, 130, 30, u"Add Level", count < kMaxLevels)) {
        const int32_t added = appendLevel(difficulty);
        if (added >= 0) g_list.selected = added;
    }
    if (formButton(left + 140, kY + 398, 200, 30, u"Delete Selected Level", has)) {
        deleteLevel(sel);
        selectScenarioListRow(sel < levelCountShown() ? sel : sel - 1);
    }
    if (formButton(left, kY + 434, 165, 30, u"Move Level Up", has && sel > 0) && moveLevelUp(sel))
        g_list.selected = sel - 1;
    if (formButton(left + 175, kY + 434, 165, 30, u"Move Level Down", has && sel + 1 < count) &&
        moveLevelDown(sel))
        g_list.selected = sel + 1;
    if (formButton(left, kY + 470, 340, 30, u"Edit Selected Level", has)) {
        if (openEditorDialog(kDialogEditLevel)) openEditLevelForm(sel);
        return;
    }

    // The scenario-wide settings.
    const int32_t right = kX + 390, fieldW = kW - 390 - 25;
    formLabel(right, kY + 44, u"Scenario Name:");
    formTextField(right, kY + 64, fieldW, 24, g_name);
    formLabel(right, kY + 96, u"Scenario Description:");
    formTextField(right, kY + 116, fieldW, 96, g_description);
    formLabel(right, kY + 220, u"Scenario Filename:");
    formTextField(right, kY + 240, fieldW, 24, g_fileName);
    formCheckBox(right, kY + 278, u"Complex Economy (AI's, credit, economy)", g_complexEconomy);
    for (int32_t i = 0; i < kNumbers; ++i) {
        const int32_t y = kY + 304 + i * 32;
        formLabel(right, y + 3, kNumberLabels[i]);
        formTextField(right + fieldW - 130, y, 130, 24, g_numbers[i]);
    }

    const int32_t buttonY = kY + kH - 50;
    if (formButton(kX + kW / 2 - 130, buttonY, 120, 30, u"OK")) {
        closeScenarioForm(true);
        return;
    }
    if (formButton(kX + kW / 2 + 10, buttonY, 120, 30, u"Cancel") || isPressed(kSlotEscape))
        closeScenarioForm(false);
}

} // namespace bv

// The Recalc. form: rents from house values by the new-house rules, and the Easy and Hard months
// from Normal, either for the level in memory or for every scenario file in the maps folder.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "assets/archive.h"
#include "core/input.h"
#include "core/memory.h"
#include "editor/editor.h"
#include "editor/editor_dialogs.h"
#include "editor/editor_state.h"
#include "ui/forms.h"
#include "world/map.h"
#include "world/scenario.h"

namespace bv {

namespace {

// "All levels" unless "This level only" was the last choice.
int32_t g_scope = kRecalcAllLevels;

void rulesOnMapInMemory() {
    for (int32_t i = 0; i < houseCount; ++i) applyNewHouseRules(mapHouses[i]);
}

// The scenario in memory, kept while the files of the list are read over it.
struct ScenarioSnapshot {
    ScenarioSettings* settings = nullptr;
    LevelRecord* table = nullptr;
    int32_t level = 0;
    int32_t difficulty = 0;
    bool take() {
        settings = static_cast<ScenarioSettings*>(memAlloc(sizeof scenario));
        table = static_cast<LevelRecord*>(memAlloc(sizeof levelTable));
        if (!settings || !table) return false;
        std::memcpy(settings, &scenario, sizeof scenario);
        std::memcpy(table, levelTable, sizeof levelTable);
        level = currentLevel;
        difficulty = currentDifficulty;
        return true;
    }
    void restore() {
        if (settings && table) {
            std::memcpy(&scenario, settings, sizeof scenario);
            std::memcpy(levelTable, table, sizeof levelTable);
            currentLevel = level;
            currentDifficulty = difficulty;
        }
        memFree(settings);
        memFree(table);
        settings = nullptr;
        table = nullptr;
    }
};

void narrow(const char16_t* in, char* out, size_t capacity) {
    size_t n = 0;
    for (; in[n] && n + 1 < capacity; ++n) out[n] = static_cast<char>(in[n]);
    out[n] = 0;
}

} // namespace

int32_t recalcScope() {
    return g_scope;
}

void setRecalcScope(int32_t scope) {
    g_scope = scope == kRecalcThisLevel ? kRecalcThisLevel : kRecalcAllLevels;
}

int32_t recalculateRents(int32_t scope) {
    rulesOnMapInMemory();
    markPickImageDirty();
    if (scope != kRecalcAllLevels) return 0;
    if (scenarioListCount == 0) buildScenarioList();
    // The map in memory goes to a copy and comes back at the end; the scenario in memory is kept
    // in memory rather than read back from its file, so edits not yet saved are not lost.
    if (!saveMap(kEditorMapCopy)) return 0;
    ScenarioSnapshot kept;
    if (!kept.take()) {
        kept.restore();
        return 0;
    }
    int32_t rewritten = 0;
    const int32_t difficulty = currentDifficulty;
    for (int32_t s = 0; scenarioList && s < scenarioListCount; ++s) {
        char name[sizeof scenarioFileName];
        narrow(scenarioList[s], name, sizeof name);
        if (readScenarioFile(name) != 0) continue;
        const int32_t levels = std::min(scenario.levelCount, kMaxLevelSlots);
        for (int32_t l = 0; l < levels; ++l) {
            char map[kMapFileBytes];
            std::snprintf(map, sizeof map, "%s", levelTable[difficulty][l].mapFile);
            // Only a map that was read is written back: after a failed load the previous map is
            // still in memory and would overwrite this one's file.
            if (!map[0] || !loadMap(map)) continue;
            rulesOnMapInMemory();
            if (saveMap(map)) rewritten += 1;
        }
    }
    kept.restore();
    restoreEditorMap();
    return rewritten;
}

bool restoreEditorMap() {
    markPickImageDirty();
    if (!loadMap(kEditorMapCopy)) return false;
    // The copy is only the editor's own: once it is back in memory the file goes, so
    // the maps folder (and the map browser) does not keep it. A failed reload keeps the file, the
    // one place the editor's map still exists.
    if (enterProgramFolder("maps")) std::remove((std::string(kEditorMapCopy) + ".map").c_str());
    return true;
}

int32_t recalculateDifficulties(int32_t scope) {
    deriveDifficulties();
    if (scope != kRecalcAllLevels) return 0;
    if (scenarioListCount == 0) buildScenarioList();
    // The files are derived with the scenario in memory set aside; that one is derived above.
    return deriveAllScenarios();
}

namespace {
// "All levels" rewrites files the map maker may not have open: it asks first.
int32_t g_confirming = 0; // 0 nothing asked, 1 rents, 2 difficulties
} // namespace

void openRecalcForm() {
    g_confirming = 0;
    formFocus(nullptr);
}

void updateRecalcForm() {
    constexpr int32_t kX = 110, kY = 150, kW = 580, kH = 300;
    if (g_confirming) {
        formPanel(kQuestionX, kQuestionY, kQuestionW, kQuestionH, u"Recalculate all levels?");
        formLabel(kQuestionX + 30, kQuestionY + 60,
                  g_confirming == 1 ? u"Every map of every scenario in \"maps\" is rewritten"
                                    : u"Every scenario file in \"maps\" is rewritten");
        formLabel(kQuestionX + 30, kQuestionY + 84,
                  g_confirming == 1 ? u"with rents and upgrade costs from the house values."
                                    : u"with Easy and Hard months from Normal.");
        if (formButton(kQuestionSaveX, kQuestionButtonY, kQuestionButtonW, 30, u"Rewrite")) {
            const int32_t what = g_confirming;
            g_confirming = 0;
            const int32_t files =
                what == 1 ? recalculateRents(kRecalcAllLevels) : recalculateDifficulties(kRecalcAllLevels);
            showEditorMessage(std::string("Rewrote ") + std::to_string(files) +
                              (files == 1 ? " file." : " files."));
            closeEditorDialog();
            return;
        }
        if (formButton(kQuestionCancelX, kQuestionButtonY, kQuestionButtonW, 30, u"Cancel") ||
            isPressed(kSlotEscape))
            g_confirming = 0;
        return;
    }
    formPanel(kX, kY, kW, kH, u"Recalc.");
    const int32_t left = kX + 30;
    int32_t scope = g_scope;
    formRadio(left, kY + 50, u"This level only", scope, kRecalcThisLevel);
    formRadio(left + 200, kY + 50, u"All levels", scope, kRecalcAllLevels);
    g_scope = scope;
    formLabel(left, kY + 86, u"Calculate Rents: rent and upgrade cost of every house from its value.");
    formLabel(left, kY + 108, u"Calculate all difficulties: Easy and Hard months to play from Normal.");
    formLabel(left, kY + 130, u"All levels rewrites every map and scenario file in the maps folder.");
    const int32_t buttonY = kY + 180;
    if (formButton(left, buttonY, 200, 30, u"Calculate Rents")) {
        if (g_scope == kRecalcAllLevels) {
            g_confirming = 1;
            return;
        }
        recalculateRents(g_scope);
    }
    if (formButton(left + 215, buttonY, 240, 30, u"Calculate all difficulties")) {
        if (g_scope == kRecalcAllLevels) {
            g_confirming = 2;
            return;
        }
        recalculateDifficulties(g_scope);
    }
    if (formButton(kX + kW / 2 - 60, kY + kH - 50, 120, 30, u"Done") || isPressed(kSlotEscape))
        closeEditorDialog();
}

} // namespace bv

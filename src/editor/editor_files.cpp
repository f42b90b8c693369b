// The editor's file work: mode 0's buttons, the map and scenario name forms with their file
// choice, test play and the PNG export of the map background.
#include <cstdio>
#include <cstring>
#include <string>

#include "assets/strings.h"
#include "core/input.h"
#include "core/memory.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "editor/editor.h"
#include "editor/editor_dialogs.h"
#include "editor/editor_state.h"
#include "gfx/draw.h"
#include "gfx/framebuffer.h"
#include "gfx/png_write.h"
#include "levels/level_start.h"
#include "levels/save.h"
#include "platform/platform.h"
#include "ui/button.h"
#include "ui/forms.h"
#include "world/map_draw.h"
#include "world/scenario.h"

namespace bv {

namespace {

enum NameForm : int32_t { kNoForm = 0, kSaveMap, kLoadMap, kSaveScenario, kLoadScenario };

int32_t g_form = kNoForm;
bool g_browsing = false;
FormTextField g_name;

bool isMapForm() {
    return g_form == kSaveMap || g_form == kLoadMap;
}

void openNameForm(int32_t form) {
    g_form = form;
    g_browsing = false;
    formFieldInit(g_name, kFieldText, 255);
    formFieldSet8(g_name, isMapForm() ? currentMapFile() : scenarioFileName);
    formFocus(&g_name);
}

void closeForm() {
    g_form = kNoForm;
    formFocus(nullptr);
}

void runForm(const char* name) {
    if (g_form == kSaveMap || g_form == kLoadMap) {
        runMapNameAction(g_form == kSaveMap, name);
    } else if (g_form == kSaveScenario) {
        std::snprintf(scenarioFileName, sizeof scenarioFileName, "%s", name);
        saveScenario(name);
    } else if (g_form == kLoadScenario) {
        if (loadScenario(name, 1) == 0) std::snprintf(scenarioFileName, sizeof scenarioFileName, "%s", name);
        markPickImageDirty();
    }
}

void scenarioButton(int32_t, int32_t, int32_t value) {
    switch (value) {
    case 1:
        clearMap();
        markPickImageDirty();
        break;
    case 2:
        openNameForm(kSaveScenario);
        break;
    case 3:
        openNameForm(kLoadScenario);
        break;
    case 4:
        exportMapPicture();
        break;
    case 5:
        openNameForm(kSaveMap);
        break;
    case 6:
        openNameForm(kLoadMap);
        break;
    case 7:
        openEditorDialog(kDialogScenario);
        break;
    case 8:
        openEditorDialog(kDialogMapEditor);
        break;
    default:
        break;
    }
}

} // namespace

void editorScenarioPanel() {
    button(300 + 75, 480 + 15, 150, 30, text("editScenario"), 7, scenarioButton);
    button(300 + 75, 515 + 15, 150, 30, u"New Scenario", 1, scenarioButton);
    button(500 + 75, 480 + 15, 150, 30, text("mapDetails"), 8, scenarioButton);
    button(500 + 75, 515 + 15, 150, 30, text("saveScenario"), 2, scenarioButton);
    button(500 + 75, 550 + 15, 150, 30, text("loadScenario"), 3, scenarioButton);
    button(700 + 50, 480 + 15, 100, 30, text("savePNG"), 4, scenarioButton);
    button(700 + 50, 515 + 15, 100, 30, text("saveMap"), 5, scenarioButton);
    button(700 + 50, 550 + 15, 100, 30, text("loadMap"), 6, scenarioButton);
}

bool editorFormOpen() {
    return g_form != kNoForm || editorDialogOpen();
}

void openMapNameForm(bool save) {
    openNameForm(save ? kSaveMap : kLoadMap);
}

int32_t runMapNameAction(bool save, const char* name) {
    if (!name || !name[0]) return 0;
    LevelRecord& level = currentLevelRecord();
    std::snprintf(level.mapFile, sizeof level.mapFile, "%s", name);
    const int32_t ok = save ? saveMap(name) : loadMap(name);
    markPickImageDirty();
    return ok;
}

void editorFormUpdate() {
    if (editorDialogOpen()) {
        editorDialogUpdate();
        return;
    }
    const bool map = isMapForm();
    const std::string folder = platform::programFolder() + "maps";
    if (g_browsing) {
        const int32_t result = fileChoiceForm();
        if (result == 1) {
            std::string chosen = fileChoiceName();
            formFieldSet8(g_name, chosen.substr(0, chosen.find('.')).c_str());
        }
        if (result != 0) {
            g_browsing = false;
            formFocus(&g_name);
        }
        return;
    }
    const char16_t* titles[] = {u"", u"Map has no name, enter a name to save map as!", u"Load map",
                                u"Save Scenario", u"Load Scenario"};
    formPanel(150, 180, 500, 200, titles[g_form]);
    formLabel(180, 230, map ? u"Enter Map Name:" : u"Enter Scenario Name:");
    formTextField(180, 255, 330, 26, g_name);
    if (formButton(520, 253, 100, 30, u"Browse")) {
        openFileChoice(map ? u"Map Browser" : u"Scenario Browser", folder.c_str(), map ? "*.map" : "*.bvx");
        g_browsing = true;
        return;
    }
    const bool ok =
        formButton(250, 320, 120, 30, u"OK", g_name.length > 0) || (g_name.length > 0 && typedChar() == 13);
    const bool cancel = formButton(430, 320, 120, 30, u"Cancel") || isPressed(kSlotEscape);
    if (ok) {
        char name[256];
        formFieldGet8(g_name, name, sizeof name);
        runForm(name);
        closeForm();
    } else if (cancel) {
        closeForm();
    }
}

void editorTestPlay() {
    loadSaveFile(1, saveFilePathFor("editor"));
    changeState(kStateGame);
    rebuildHouseIndexImage();
}

std::string exportMapPicture() {
    fillRect(frameBuffer, 0, 0, kMapWidth, kMapHeight, 0);
    drawMapBackground();
    drawObjectLayer(backgroundObjects, LayerPass::kAll);
    auto* pixels = static_cast<uint32_t*>(memAlloc(sizeof(uint32_t) * kMapWidth * kMapHeight));
    if (!pixels) return "";
    for (int32_t i = 0; i < kMapWidth * kMapHeight; ++i) pixels[i] = frameBuffer[i] | 0xFF000000u;
    std::string base = scenarioFileName;
    base = base.substr(0, base.find('.'));
    char file[64];
    std::snprintf(file, sizeof file, "_%d.png", currentLevel);
    const std::string path = platform::programFolder() + "maps/" + base + file;
    const bool ok = writePng(path, pixels, kMapWidth, kMapHeight, true);
    memFree(pixels);
    return ok ? path : "";
}

} // namespace bv

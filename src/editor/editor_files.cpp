// The editor's file work: mode 0's buttons, the map and scenario name forms with their file
// choice, and the PNG export of the map background. Every file the map maker names is a plain
// name inside "maps"; a save that fails says why and keeps the form open, a load that fails leaves
// everything in memory as it was.
#include <cstdio>
#include <cstring>
#include <string>

#include "assets/strings.h"
#include "core/input.h"
#include "core/memory.h"
#include "editor/editor.h"
#include "editor/editor_dialogs.h"
#include "editor/editor_state.h"
#include "gfx/draw.h"
#include "gfx/framebuffer.h"
#include "gfx/png_write.h"
#include "levels/level_start.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "ui/button.h"
#include "ui/forms.h"
#include "world/map.h"
#include "world/map_draw.h"
#include "world/scenario.h"

namespace bv {

namespace {

enum NameForm : int32_t { kNoForm = 0, kSaveMap, kLoadMap, kSaveScenario, kLoadScenario };

int32_t g_form = kNoForm;
bool g_browsing = false;
bool g_confirmReplace = false;
FormTextField g_name;
std::string g_formError;
std::string g_fileError;
// The files the map and the scenario came from or last went to: saving over them asks nothing.
std::string g_mapSource, g_scenarioSource;

bool isMapForm() {
    return g_form == kSaveMap || g_form == kLoadMap;
}

// "maps/<name up to its first dot>.<extension>", as the map maker reads it in a message.
std::string shownFile(const char* name, const char* extension) {
    const std::string base(name);
    return std::string("maps/") + base.substr(0, base.find('.')) + std::string(".") + extension;
}

bool fileExists(const char* name, const char* extension) {
    return platform::fsExists((platform::programFolder() + shownFile(name, extension)).c_str());
}

bool sameName(const std::string& a, const char* b) {
    const std::string x = a.substr(0, a.find('.')), y = std::string(b).substr(0, std::string(b).find('.'));
    if (x.size() != y.size()) return false;
    for (size_t i = 0; i < x.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(x[i]) != lower(y[i])) return false;
    }
    return true;
}

// Why a load failed: the file is not there, or it is not one the game can read.
std::string loadFailure(const char* name, const char* extension, const char* kind) {
    const std::string file = shownFile(name, extension);
    if (!fileExists(name, extension))
        return std::string("Could not load \"") + file + "\": there is no such file.";
    return std::string("Could not load \"") + file + std::string("\": it is not a ") + kind +
           " the game can read (damaged or of another kind).";
}

std::string saveFailure(const char* name, const char* extension) {
    const char* why = platform::lastFileError();
    return std::string("Could not save \"") + shownFile(name, extension) + std::string("\": ") +
           (why[0] ? why : "the file could not be written") + ". The old file is as it was.";
}

void closeForm() {
    g_form = kNoForm;
    g_confirmReplace = false;
    g_formError.clear();
    formFocus(nullptr);
}

// The form's action with the name typed; true when the form may close.
bool runForm(const char* name) {
    std::string why;
    if (!plainFileName(name, why)) {
        g_formError = why;
        return false;
    }
    const bool saving = g_form == kSaveMap || g_form == kSaveScenario;
    if (saving && !g_confirmReplace && saveWouldReplace(g_form == kSaveMap, name)) {
        g_confirmReplace = true;
        return false;
    }
    g_confirmReplace = false;
    bool ok = false;
    switch (g_form) {
    case kSaveMap:
        ok = saveMapAs(name);
        break;
    case kLoadMap:
        ok = loadMapNamed(name);
        break;
    case kSaveScenario:
        ok = saveScenarioAs(name);
        break;
    case kLoadScenario:
        ok = loadScenarioNamed(name);
        break;
    default:
        break;
    }
    if (!ok) g_formError = g_fileError;
    return ok;
}

void scenarioButton(int32_t, int32_t, int32_t value) {
    switch (value) {
    case 1:
        guardAction(kGuardNewScenario);
        break;
    case 2:
        openNameFormKind(kSaveScenario);
        break;
    case 3:
        guardAction(kGuardLoadScenario);
        break;
    case 4: {
        const std::string path = exportMapPicture();
        showEditorMessage(path.empty()
                              ? std::string("Could not write the PNG picture: ") +
                                    std::string(platform::lastFileError())
                              : std::string("Saved ") + path.substr(platform::programFolder().size()));
        break;
    }
    case 5:
        openNameFormKind(kSaveMap);
        break;
    case 6:
        guardAction(kGuardLoadMap);
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

// "Replace it?" over the name form.
void updateReplaceQuestion() {
    char name[256];
    formFieldGet8(g_name, name, sizeof name);
    formPanel(kQuestionX, kQuestionY, kQuestionW, kQuestionH, u"Replace file?");
    const std::string line =
        std::string("\"") + shownFile(name, isMapForm() ? "map" : "bvx") + "\" already exists.";
    formLabel8(kQuestionX + 30, kQuestionY + 60, line.c_str());
    formLabel(kQuestionX + 30, kQuestionY + 86, u"Saving replaces it with what the editor holds now.");
    if (formButton(kQuestionSaveX, kQuestionButtonY, kQuestionButtonW, 30, u"Replace") || typedChar() == 13) {
        if (runForm(name)) closeForm();
        return;
    }
    if (formButton(kQuestionCancelX, kQuestionButtonY, kQuestionButtonW, 30, u"Cancel") ||
        isPressed(kSlotEscape)) {
        g_confirmReplace = false;
        formFocus(&g_name);
    }
}

} // namespace

bool plainFileName(const char* name, std::string& why) {
    const std::string n = name ? name : "";
    if (n.empty()) {
        why = "Enter a name for the file.";
        return false;
    }
    if (n[0] == '/' || n.find('/') != std::string::npos || n.find('\\') != std::string::npos) {
        why = std::string("\"") + n + "\": enter a plain file name, without folders; files go into \"maps\".";
        return false;
    }
    if (n[0] == '.') {
        why = std::string("\"") + n + "\": a file name may not start with a dot.";
        return false;
    }
    if (n.size() > 200) {
        why = "The file name is too long: at most 200 characters.";
        return false;
    }
    for (const char c : n) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                        c == ' ' || c == '_' || c == '-' || c == '.';
        if (!ok) {
            why = std::string("\"") + n +
                  "\": a file name may hold letters, digits, spaces, '_', '-' and '.' only.";
            return false;
        }
    }
    return true;
}

const std::string& editorFileError() {
    return g_fileError;
}

void rememberFileSources(const char* map, const char* scenario) {
    if (map) g_mapSource = map;
    if (scenario) g_scenarioSource = scenario;
}

bool saveWouldReplace(bool map, const char* name) {
    if (!name || !fileExists(name, map ? "map" : "bvx")) return false;
    return !sameName(map ? g_mapSource : g_scenarioSource, name);
}

bool saveMapAs(const char* given) {
    // The name may be the level's or the scenario's own field, which is rewritten below.
    const std::string kept = given ? given : "";
    const char* name = kept.c_str();
    std::string why;
    if (!plainFileName(name, why)) {
        g_fileError = why;
        return false;
    }
    if (!saveMap(name)) {
        g_fileError = saveFailure(name, "map");
        return false;
    }
    LevelRecord& level = currentLevelRecord();
    std::snprintf(level.mapFile, sizeof level.mapFile, "%s", name);
    g_mapSource = name;
    rememberMapAsSaved();
    showEditorMessage(std::string("Saved ") + shownFile(name, "map"));
    return true;
}

bool loadMapNamed(const char* given) {
    // The name may be the level's or the scenario's own field, which is rewritten below.
    const std::string kept = given ? given : "";
    const char* name = kept.c_str();
    std::string why;
    if (!plainFileName(name, why)) {
        g_fileError = why;
        return false;
    }
    if (!loadMap(name)) {
        g_fileError = loadFailure(name, "map", "map");
        return false;
    }
    LevelRecord& level = currentLevelRecord();
    std::snprintf(level.mapFile, sizeof level.mapFile, "%s", name);
    g_mapSource = name;
    rememberMapAsSaved();
    markPickImageDirty();
    return true;
}

bool saveScenarioAs(const char* given) {
    // The name may be the level's or the scenario's own field, which is rewritten below.
    const std::string kept = given ? given : "";
    const char* name = kept.c_str();
    std::string why;
    if (!plainFileName(name, why)) {
        g_fileError = why;
        return false;
    }
    if (saveScenario(name) != 0) {
        g_fileError = saveFailure(name, "bvx");
        return false;
    }
    std::snprintf(scenarioFileName, sizeof scenarioFileName, "%s", name);
    g_scenarioSource = name;
    rememberScenarioAsSaved();
    showEditorMessage(std::string("Saved ") + shownFile(name, "bvx"));
    return true;
}

bool loadScenarioNamed(const char* given) {
    // The name may be the level's or the scenario's own field, which is rewritten below.
    const std::string kept = given ? given : "";
    const char* name = kept.c_str();
    std::string why;
    if (!plainFileName(name, why)) {
        g_fileError = why;
        return false;
    }
    if (loadScenario(name, 1) != 0) {
        if (scenarioLevelCount(name) >= 0)
            g_fileError = std::string("Could not load \"") + shownFile(name, "bvx") +
                          std::string("\": the map of its first level (\"") +
                          shownFile(levelTable[currentDifficulty][0].mapFile, "map") +
                          "\" or the one it names) cannot be read.";
        else
            g_fileError = loadFailure(name, "bvx", "scenario");
        return false;
    }
    std::snprintf(scenarioFileName, sizeof scenarioFileName, "%s", name);
    rememberFileSources(currentMapFile(), name);
    rememberMapAsSaved();
    rememberScenarioAsSaved();
    markPickImageDirty();
    return true;
}

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
    return g_form != kNoForm || editorDialogOpen() || questionOpen();
}

void openNameFormKind(int32_t form) {
    if (form < kSaveMap || form > kLoadScenario) return;
    g_form = form;
    g_browsing = false;
    g_confirmReplace = false;
    g_formError.clear();
    formFieldInit(g_name, kFieldText, 255);
    formFieldSet8(g_name, isMapForm() ? currentMapFile() : scenarioFileName);
    formFocus(&g_name);
}

bool nameFormOpen() {
    return g_form != kNoForm;
}

const std::string& nameFormError() {
    return g_formError;
}

void editorFormUpdate() {
    // The question runs over whatever form asked it (a save from the question may open the name form).
    if (g_form == kNoForm && questionOpen()) {
        questionUpdate();
        return;
    }
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
    if (g_confirmReplace) {
        updateReplaceQuestion();
        return;
    }
    const char16_t* titles[] = {u"", u"Map has no name, enter a name to save map as!", u"Load map",
                                u"Save Scenario", u"Load Scenario"};
    formPanel(150, 180, 500, 200, titles[g_form]);
    formLabel(180, 230, map ? u"Enter Map Name:" : u"Enter Scenario Name:");
    formTextField(180, 255, 330, 26, g_name);
    if (!g_formError.empty()) {
        // The reason, in red, on up to two lines under the name.
        drawEditorLines(180, 286, 640, 318, 0xFF5050u, g_formError);
    }
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
        if (runForm(name)) {
            closeForm();
            continueAfterSave();
        }
    } else if (cancel) {
        closeForm();
        cancelAfterSave();
    }
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
    const std::string path = platform::programFolder() + std::string("maps/") + base + file;
    const bool ok = writePng(path, pixels, kMapWidth, kMapHeight, true);
    memFree(pixels);
    return ok ? path : "";
}

} // namespace bv

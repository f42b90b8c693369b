// What keeps a map maker's work: the map and the scenario remembered as last loaded or saved, the
// question before anything would throw unsaved work away, the window's close button, test play
// under a save name of its own, the message line, and the editor's own settings file.
#include <cstring>
#include <string>
#include <vector>

#include "assets/byte_writer.h"
#include "core/clock.h"
#include "core/input.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "editor/editor.h"
#include "editor/editor_dialogs.h"
#include "editor/editor_state.h"
#include "gfx/draw.h"
#include "gfx/framebuffer.h"
#include "gfx/text.h"
#include "levels/goals.h"
#include "levels/save.h"
#include "platform/byte_reader.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "ui/forms.h"
#include "world/map.h"
#include "world/map_layers.h"
#include "world/scenario.h"

namespace bv {

namespace {

// --- Fingerprints: 64-bit FNV-1a over everything a map or scenario file keeps -------------------
struct Fingerprint {
    uint64_t h = 1469598103934665603ull;
    void add(const void* data, size_t count) {
        const auto* b = static_cast<const uint8_t*>(data);
        for (size_t i = 0; i < count; ++i) h = (h ^ b[i]) * 1099511628211ull;
    }
    void add(int32_t v) { add(&v, sizeof v); }
};

uint64_t mapFingerprint() {
    Fingerprint f;
    f.add(houseCount);
    for (int32_t i = 0; i < houseCount; ++i) {
        // The blink flag is the editor's own, not the map's.
        MapHouse h = mapHouses[i];
        h.highlight = 0;
        f.add(&h, sizeof h);
    }
    f.add(labelCount);
    for (int32_t i = 0; i < labelCount; ++i) {
        const MapText& t = mapLabels[i];
        f.add(t.x);
        f.add(t.y);
        f.add(t.slant);
        f.add(t.text, sizeof t.text);
    }
    f.add(&mapBackground, sizeof mapBackground);
    for (const ObjectLayer* layer : {&backgroundObjects, &foregroundObjects}) {
        f.add(layer->count);
        if (layer->count > 0) f.add(layer->objects, sizeof(MapObject) * size_t(layer->count));
    }
    return f.h;
}

uint64_t scenarioFingerprint() {
    Fingerprint f;
    f.add(&scenario, sizeof scenario);
    f.add(levelTable, sizeof levelTable);
    return f.h;
}

uint64_t g_savedMap = 0, g_savedScenario = 0;

// --- The question ------------------------------------------------------------------------------
bool g_asking = false;
int32_t g_action = kGuardNewScenario;
// Save was chosen and a name form is open for it: when it saves, the question goes on.
bool g_savingForAction = false;
std::string g_questionError;
// What the question names, found when it opens and after each save it makes.
bool g_mapUnsaved = false, g_scenarioUnsaved = false;

std::string g_message;
int32_t g_messageFrames = 0;
constexpr int32_t kMessageFrames = 150; // about five seconds

void runAction(int32_t action) {
    switch (action) {
    case kGuardNewScenario:
        clearMap();
        rememberFileSources("", nullptr);
        rememberMapAsSaved();
        markPickImageDirty();
        break;
    case kGuardLoadMap:
        openNameFormKind(2);
        break;
    case kGuardLoadScenario:
        openNameFormKind(4);
        break;
    case kGuardNukeLayer:
        nukeLayer(editor.mode);
        markPickImageDirty();
        break;
    case kGuardTestPlay:
        editorTestPlay();
        break;
    case kGuardToGame:
        // The game goes on with the level the editor shows, not the one it was entered on.
        editor.rememberedLevel = currentLevel;
        changeState(kStateGame);
        break;
    case kGuardClose:
        requestExit();
        break;
    default:
        break;
    }
}

const char16_t* actionQuestion(int32_t action) {
    static const char16_t* const kQuestions[] = {
        u"Save before starting a new scenario?",
        u"Save before loading a map?",
        u"Save before loading a scenario?",
        u"Save before nuking the layer?",
        u"Save before test play?",
        u"Save before going to the game?",
        u"Save before closing the editor?",
    };
    return (action >= 0 && action <= kGuardClose) ? kQuestions[action] : u"Save first?";
}

// Saves what is unsaved under the names it has; a missing name opens the name form, which comes
// back here once it has saved. True when everything is saved.
bool saveEverything() {
    if (mapModified()) {
        const char* name = currentMapFile();
        if (!name[0]) {
            g_savingForAction = true;
            openNameFormKind(1);
            return false;
        }
        if (!saveMapAs(name)) {
            g_questionError = editorFileError();
            return false;
        }
    }
    if (scenarioModified()) {
        if (!scenarioFileName[0]) {
            g_savingForAction = true;
            openNameFormKind(3);
            return false;
        }
        if (!saveScenarioAs(scenarioFileName)) {
            g_questionError = editorFileError();
            return false;
        }
    }
    return true;
}

void answerSave() {
    g_questionError.clear();
    const bool saved = saveEverything();
    g_mapUnsaved = mapModified();
    g_scenarioUnsaved = scenarioModified();
    if (!saved) return;
    g_asking = false;
    runAction(g_action);
}

int32_t clampInt(int32_t v, int32_t lo, int32_t hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

} // namespace

void rememberMapAsSaved() {
    g_savedMap = mapFingerprint();
}

void rememberScenarioAsSaved() {
    g_savedScenario = scenarioFingerprint();
}

bool mapModified() {
    return mapFingerprint() != g_savedMap;
}

bool scenarioModified() {
    return scenarioFingerprint() != g_savedScenario;
}

void guardAction(int32_t action) {
    if (g_asking) return;
    g_mapUnsaved = mapModified();
    g_scenarioUnsaved = scenarioModified();
    if (!g_mapUnsaved && !g_scenarioUnsaved) {
        runAction(action);
        return;
    }
    g_asking = true;
    g_action = action;
    g_savingForAction = false;
    g_questionError.clear();
    formFocus(nullptr);
}

bool questionOpen() {
    return g_asking;
}

void continueAfterSave() {
    if (!g_savingForAction) return;
    g_savingForAction = false;
    answerSave();
}

void cancelAfterSave() {
    if (!g_savingForAction) return;
    g_savingForAction = false;
    g_asking = false;
}

void questionUpdate() {
    formPanel(kQuestionX, kQuestionY, kQuestionW, kQuestionH, u"Unsaved changes");
    int32_t y = kQuestionY + 50;
    const auto line = [&](const std::string& text) {
        formLabel8(kQuestionX + 30, y, text.c_str());
        y += 22;
    };
    if (g_mapUnsaved) {
        const char* name = currentMapFile();
        line(name[0] ? std::string("The map \"") + std::string(name) + "\" has changes that are not saved."
                     : std::string("The map has changes and no name yet."));
    }
    if (g_scenarioUnsaved)
        line(scenarioFileName[0] ? std::string("The scenario \"") + std::string(scenarioFileName) +
                                       "\" has changes that are not saved."
                                 : std::string("The scenario has changes and no name yet."));
    formLabel(kQuestionX + 30, y + 4, actionQuestion(g_action));
    if (!g_questionError.empty())
        drawEditorLines(kQuestionX + 30, y + 28, kQuestionX + kQuestionW - 20, kQuestionButtonY - 4,
                        0xFF5050u, g_questionError);
    if (formButton(kQuestionSaveX, kQuestionButtonY, kQuestionButtonW, 30, u"Save") || typedChar() == 13) {
        answerSave();
        return;
    }
    if (formButton(kQuestionDiscardX, kQuestionButtonY, kQuestionButtonW, 30, u"Discard")) {
        g_asking = false;
        runAction(g_action);
        return;
    }
    if (formButton(kQuestionCancelX, kQuestionButtonY, kQuestionButtonW, 30, u"Cancel") ||
        isPressed(kSlotEscape))
        g_asking = false;
}

void editorCloseRequested() {
    guardAction(kGuardClose);
}

bool editorTestPlay() {
    const char* map = currentMapFile();
    if (scenario.levelCount < 1 || currentLevel >= scenario.levelCount || !map[0]) {
        showEditorMessage(
            "Nothing to play: this level has no map. Give it one under Edit Level, or save the map.");
        return false;
    }
    if (!loadMap(map)) {
        showEditorMessage(std::string("Nothing to play: the level's map \"maps/") + std::string(map) +
                          ".map\" cannot be loaded.");
        return false;
    }
    rememberMapAsSaved();
    // Saves made while testing go to "editor_bvx2.sav"; the player's own file stays as it is.
    useSaveName("editor");
    const int32_t level = currentLevel;
    editor.rememberedLevel = level;
    for (int32_t i = 0; i < houseCount; ++i) mapHouses[i].highlight = 0;
    resetGameAtLevel(level);
    rebuildHouseIndexImage();
    return true;
}

// --- Messages ----------------------------------------------------------------------------------

void showEditorMessage(const std::string& message) {
    g_message = message;
    g_messageFrames = kMessageFrames;
}

const std::string& editorMessage() {
    return g_message;
}

void drawEditorLines(int32_t x, int32_t y, int32_t right, int32_t bottom, uint32_t colour,
                     const std::string& text) {
    std::u16string wide;
    for (const char c : text) wide.push_back(char16_t(static_cast<unsigned char>(c)));
    pushClip();
    setTextAreaClipped(x, y, right, bottom);
    drawText(x, y, false, colour, wide.c_str());
    setTextArea(0, 0, kFrameWidth, kFrameHeight);
    popClip();
}

void drawEditorMessage() {
    if (g_messageFrames <= 0 || g_message.empty()) return;
    g_messageFrames -= 1;
    fillRectAlpha(frameBuffer, 0, kMapHeight - 24, kMapWidth, 24, 0x000000, 190);
    drawEditorLines(8, kMapHeight - 21, kMapWidth - 8, kMapHeight - 1, 0xFFE060u, g_message);
}

// --- Settings ----------------------------------------------------------------------------------

std::string editorSettingsPath() {
    return platform::userDataFolder() + "editor_settings.dat";
}

bool saveEditorSettings() {
    FileReplacement file(editorSettingsPath());
    if (!file.opened()) return false;
    for (const GridRecord& g : editor.grids)
        for (const int32_t v : {g.on, g.upLeft, g.display, g.xOffset, g.yOffset, g.width, g.height})
            file.out().u32(uint32_t(v));
    file.out().u32(uint32_t(editor.useMasterGrid));
    return file.commit();
}

void loadEditorSettings() {
    constexpr int32_t kWords = 4 * 7 + 1;
    uint8_t bytes[kWords * 4];
    const int32_t handle = platform::fsOpen(editorSettingsPath().c_str(), platform::kRead);
    if (handle < 0) return;
    const int32_t got = platform::fsRead(handle, bytes, int32_t(sizeof bytes));
    platform::fsClose(handle);
    if (got != int32_t(sizeof bytes)) return;
    for (int32_t r = 0; r < 4; ++r) {
        int32_t v[7];
        for (int32_t w = 0; w < 7; ++w) v[w] = i32At(bytes, sizeof bytes, uint32_t(4 * (7 * r + w)));
        // Damaged values are held to what a map allows: offsets within one map, cells at most the map.
        editor.grids[r] = GridRecord{v[0] ? 1 : 0,
                                     v[1] ? 1 : 0,
                                     v[2] ? 1 : 0,
                                     clampInt(v[3], -kMapWidth, kMapWidth),
                                     clampInt(v[4], -kMapHeight, kMapHeight),
                                     clampInt(v[5], 0, kMapWidth),
                                     clampInt(v[6], 0, kMapHeight)};
    }
    editor.useMasterGrid = i32At(bytes, sizeof bytes, 4 * 28) ? 1 : 0;
}

} // namespace bv

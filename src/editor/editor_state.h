// State 44: the editor's state operations and the pieces of its panel kept in other files.
#pragma once

#include <cstdint>
#include <string>

namespace bv {

int32_t editorEnter(int32_t previousId, int32_t newId, int32_t argument);
int32_t editorUpdate(int32_t argument);
int32_t editorExit(int32_t leavingId);

// The pick image is rebuilt at the start of the next frame.
void markPickImageDirty();

// Pieces of the panel that more than one mode draws.
bool mouseOnMap();    // inside the 800 x 450 map
void drawChooser();   // the chooser of the current mode, with its "grid" button and arrows
void drawAdjustBox(); // the adjust-mode check box
// The room the chooser's folder path has, left of the "grid" button.
constexpr int32_t kChooserPathWidth = 160;
// The path as it fits in maxWidth pixels: whole, or its end after "..." (from a '/' when one
// gives a tail that fits, so the folder's own name stays readable).
void fitPathTail(const char16_t* path, int32_t maxWidth, char16_t* out, int32_t capacity);

// Modes 2 and 3: the object layers' panel, keys and mouse.
void editorObjectPanel();
// While Ctrl is held in modes 1 to 3 with the mouse over the map: the chooser's picture drawn at
// the snapped mouse position, where Insert would place it.
void drawPlacementPreview();

// Mode 0's buttons (drawn and handled every frame in that mode).
void editorScenarioPanel();
// The form in front of the editor, if any: drawn and handled instead of the panel.
bool editorFormOpen();
void editorFormUpdate();
// E: a new game on the level the editor is on (the scenario in memory, that level's map, goals and
// months), saved under the name "editor" so that the player's own save is never written. With no
// map to play the editor stays, with a message. True when the game started.
bool editorTestPlay();

// --- Files -------------------------------------------------------------------------------------
// A name the map maker may give a file: a plain name inside "maps" (letters, digits, space, '_',
// '-' and '.', not starting with a dot, at most 200 characters). False with the reason otherwise.
bool plainFileName(const char* name, std::string& why);
// Map and scenario files under a plain name in "maps". On success the level's map name (maps) or
// the scenario's file name (scenarios) follows and the work counts as saved; on failure nothing
// in memory changes and editorFileError() says why, naming the file.
bool saveMapAs(const char* name);
bool loadMapNamed(const char* name);
bool saveScenarioAs(const char* name);
bool loadScenarioNamed(const char* name);
const std::string& editorFileError();
// Whether saving under this name would replace a file other than the one the map (or scenario)
// was loaded from or last saved to: such a save asks first.
bool saveWouldReplace(bool map, const char* name);
// The names the map and the scenario were last loaded from or saved to ("" when none).
void rememberFileSources(const char* map, const char* scenario);
// The name form: open (kind 1 save map, 2 load map, 3 save scenario, 4 load scenario), and what
// its error line shows.
void openNameFormKind(int32_t kind);
bool nameFormOpen();
const std::string& nameFormError();
// The name form closed: after a save the question asked for, the question goes on with what is
// still unsaved and then its action; after Cancel the action is dropped.
void continueAfterSave();
void cancelAfterSave();
// Text (8-bit) wrapped between x and right, cut at bottom.
void drawEditorLines(int32_t x, int32_t y, int32_t right, int32_t bottom, uint32_t colour,
                     const std::string& text);

// --- Unsaved work ------------------------------------------------------------------------------
// The map and the scenario as they stand count as saved (after a load or a save).
void rememberMapAsSaved();
void rememberScenarioAsSaved();
// Any edit since then, whatever the form or key that made it.
bool mapModified();
bool scenarioModified();

// Actions that would lose unsaved work: run at once when there is none, otherwise after the
// editor's question (Save: everything unsaved is saved first; Discard; Cancel: nothing happens).
enum GuardedAction : int32_t {
    kGuardNewScenario,
    kGuardLoadMap,
    kGuardLoadScenario,
    kGuardNukeLayer,
    kGuardTestPlay,
    kGuardToGame,
    kGuardClose,
};
void guardAction(int32_t action);
bool questionOpen();
void questionUpdate();
// The question's panel and buttons (Save, Discard, Cancel).
constexpr int32_t kQuestionX = 150, kQuestionY = 170, kQuestionW = 500, kQuestionH = 210;
constexpr int32_t kQuestionButtonY = kQuestionY + kQuestionH - 50, kQuestionButtonW = 120;
constexpr int32_t kQuestionSaveX = 200, kQuestionDiscardX = 340, kQuestionCancelX = 480;
// The window's close button while the editor runs: its own question, never the game's quit
// dialog (whose Save writes the player's saved game).
void editorCloseRequested();

// A line at the foot of the map for a few seconds: what the editor refused, or what it saved.
void showEditorMessage(const std::string& message);
const std::string& editorMessage();
void drawEditorMessage();

// The editor's own settings ("editor_settings.dat" in the per-user data folder): the four grid
// records and the "use master grid" flag, 29 little-endian int32. Read at the editor's first
// entry (values held to their ranges; a missing or short file keeps the defaults), written when
// Grid Settings closes with OK.
std::string editorSettingsPath();
bool saveEditorSettings();
void loadEditorSettings();

// "savePNG": the map background and background objects, opaque, written as an RGBA picture to
// "maps/<scenario file name up to its first dot>_<level>.png". Returns the path, or "" on failure.
std::string exportMapPicture();

} // namespace bv

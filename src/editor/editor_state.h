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
// Opens the map name form: saving (true) or loading.
void openMapNameForm(bool save);
// The map name form's outcome, for the map maker's script and tests: the save or load runs only
// after OK with a non-empty name.
int32_t runMapNameAction(bool save, const char* name);
// E: loads the saved game named "editor" from the save folder and changes to the game.
void editorTestPlay();

// "savePNG": the map background and background objects, opaque, written as an RGBA picture to
// "maps/<scenario file name up to its first dot>_<level>.png". Returns the path, or "" on failure.
std::string exportMapPicture();

} // namespace bv

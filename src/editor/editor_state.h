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

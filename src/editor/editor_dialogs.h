// The editor's dialog boxes: modal forms over the editor, kept on a small stack so that one form
// can open another (Scenario opens Edit Level, Edit Level opens Recalc.). Only the top form is
// drawn and takes input; when it closes, the form below is told so it can refresh itself.
#pragma once

#include <cstdint>

#include "editor/editor.h"
#include "ui/forms.h"
#include "world/scenario.h"

namespace bv {

enum EditorDialog : int32_t {
    kDialogNone = 0,
    kDialogScenario,
    kDialogEditLevel,
    kDialogMapEditor,
    kDialogGrid,
    kDialogPictures,
    kDialogHouseValue,
    kDialogRent,
    kDialogUpgrade,
    kDialogHouseSize,
    kDialogAddress,
    kDialogText,
    kDialogRecalc,
};

// --- The stack -----------------------------------------------------------------------------------
// Opens a form over the ones already open and fills its fields. False when the stack is full.
bool openEditorDialog(int32_t dialog);
// The form on top, or kDialogNone.
int32_t topEditorDialog();
bool editorDialogOpen();
// Draws and handles the top form for this frame.
void editorDialogUpdate();
// Closes the top form without storing anything more; the form below is resumed.
void closeEditorDialog();
void closeAllEditorDialogs();

// --- Each form's pieces (editor_dialogs.cpp, editor_scenario_form.cpp, editor_recalc.cpp,
// editor_picture_form.cpp). open fills the fields, update draws and handles one frame, resume runs
// when a form opened from this one has closed.
void openHouseDialog(int32_t dialog);
void updateHouseDialog(int32_t dialog);
void openMapEditorForm();
void updateMapEditorForm();
void openGridForm();
void updateGridForm();
void openScenarioForm();
void updateScenarioForm();
void resumeScenarioForm();
void openEditLevelForm(int32_t level);
void updateEditLevelForm();
void resumeEditLevelForm();
void openRecalcForm();
void updateRecalcForm();
void openPictureForm(int32_t mode);
void updatePictureForm();

// --- Scenario form -------------------------------------------------------------------------------
// The form's fields as the scenario settings hold them; storing reads them back.
void loadScenarioFields();
void storeScenarioFields();
// The list's selected level (-1 none), as the buttons below the list act on it.
int32_t scenarioListSelection();
void selectScenarioListRow(int32_t row);

// --- Edit Level form -----------------------------------------------------------------------------
// The level being edited and the form's working record.
int32_t editedLevel();
LevelRecord& editLevelWork();
// Fields from the working record, and back.
void loadLevelFields();
void storeLevelFields();
// The difficulty radio: the form goes into the current difficulty's record in the table, the
// chosen difficulty becomes current and its record fills the form.
void switchEditDifficulty(int32_t difficulty);
// A field of the form by its place in the goal column (0 "Min. House Value" .. 14 "# months to
// play"), for tests and scripts.
constexpr int32_t kLevelGoalFields = 15;
FormTextField& levelGoalField(int32_t index);

// --- Recalc. -------------------------------------------------------------------------------------
constexpr int32_t kRecalcThisLevel = 0;
constexpr int32_t kRecalcAllLevels = 1;
int32_t recalcScope();
void setRecalcScope(int32_t scope);
// "Calculate Rents": the new-house rules on every house of the map in memory; with all levels,
// also on every level's map of every scenario in the list, each saved back under its own name.
// Returns the number of map files rewritten.
int32_t recalculateRents(int32_t scope);
// Where "Calculate Rents" for all levels keeps the editor's map meanwhile: a name no map maker is
// likely to give a town, since that file is overwritten and then removed.
constexpr const char* kEditorMapCopy = "editor_recalc_copy";
// The end of "Calculate Rents" for all levels: the editor's map comes back from its copy in
// "maps", and the file is removed once it has been read. When it cannot be read the map in memory stays
// as it is and the file is kept. Returns whether the map came back.
bool restoreEditorMap();
// "Calculate all difficulties": Easy and Hard months from Normal in the scenario in memory; with
// all levels also in every scenario file of the list. Returns the number of files rewritten.
int32_t recalculateDifficulties(int32_t scope);

// --- Grid Settings -------------------------------------------------------------------------------
// The record the form edits: the one in force for the editor's mode.
GridRecord& gridFormRecord();

} // namespace bv

// Modal forms: the editor's dialog boxes drawn into the frame buffer with the game's panel frame,
// fonts and buttons, plus text fields, list boxes, check boxes and radio buttons. Immediate-mode
// like every other widget: the caller draws the whole form every frame, and each widget both
// draws itself and reports what the mouse and keyboard did to it this frame. Clicks are read
// during the update (the form is modal, nothing else registers hot spots under it); the widgets
// still register hot spots so that the hand cursor shows over them.
#pragma once

#include <cstdint>

namespace bv {

// --- Panel and labels ------------------------------------------------------------------------
// The panel frame over (x, y, width, height) with the title centred 12 pixels below its top.
void formPanel(int32_t x, int32_t y, int32_t width, int32_t height, const char16_t* title);
// One line of text, top-left at (x, y), in the dialogs' body font.
void formLabel(int32_t x, int32_t y, const char16_t* text);
void formLabel8(int32_t x, int32_t y, const char* text);

// --- Buttons, check boxes, radio buttons -----------------------------------------------------
// A game button over (x, y, width, height). Returns true in the frame it is clicked; a disabled
// button is drawn faded and never clicks.
bool formButton(int32_t x, int32_t y, int32_t width, int32_t height, const char16_t* label,
                bool enabled = true);
// A 13 x 13 box at (x, y) with the label to its right; a click on either toggles the value.
// Returns true when it changed.
constexpr int32_t kFormBoxSize = 13;
bool formCheckBox(int32_t x, int32_t y, const char16_t* label, bool& value);
// One button of a radio group: a click sets group = value. Returns true when it was clicked.
bool formRadio(int32_t x, int32_t y, const char16_t* label, int32_t& group, int32_t value);

// --- Text fields -----------------------------------------------------------------------------
constexpr int32_t kFormTextUnits = 1001; // 1000 code units and the terminator
enum FormFieldKind : int32_t {
    kFieldText = 0,
    kFieldInteger = 1, // digits, and '-' as the first character
    kFieldDecimal = 2, // digits, one '.', '-' first
};
struct FormTextField {
    char16_t text[kFormTextUnits];
    int32_t length;
    int32_t caret;     // 0..length
    int32_t maxLength; // at most kFormTextUnits - 1
    int32_t kind;      // FormFieldKind
    bool multiLine;    // Enter starts a new line; the text wraps in the box
    bool masked;       // shown as one '*' per character (passwords)
};
// An empty, unmasked field of the given kind and capacity (cut to kFormTextUnits - 1).
void formFieldInit(FormTextField& field, int32_t kind, int32_t maxLength, bool multiLine = false);
// Replaces the text (cut to the capacity; characters the kind refuses are dropped); caret at the end.
void formFieldSet(FormTextField& field, const char16_t* text);
void formFieldSet8(FormTextField& field, const char* text);
void formFieldSetInt(FormTextField& field, int32_t value); // "%d"
void formFieldSetFloat(FormTextField& field, float value); // "%f"
// The value of at most the first `digits` characters read as a decimal integer (0 when none,
// held to the int32 range), or as a float.
int32_t formFieldInt(const FormTextField& field, int32_t digits = 13);
float formFieldFloat(const FormTextField& field);
// The text narrowed to 8 bits (low byte of each unit) into out[capacity].
void formFieldGet8(const FormTextField& field, char* out, int32_t capacity);
// One typed character (8 Backspace, 127 Delete, 13 Enter) applied to the field as if focused.
// Returns true when the text changed.
bool formFieldType(FormTextField& field, char16_t c);
// Draws the field in its box; a click inside focuses it. While focused it takes this frame's
// typed character and the Left, Right, Home and End keys. Returns true when the text changed.
bool formTextField(int32_t x, int32_t y, int32_t width, int32_t height, FormTextField& field);
void formFocus(FormTextField* field); // nullptr: no field has the focus
FormTextField* formFocused();

// --- List boxes ------------------------------------------------------------------------------
struct FormListBox {
    int32_t selected; // -1: none
    int32_t top;      // first row shown
};
constexpr int32_t kFormListRowHeight = 16;
constexpr int32_t kFormScrollWidth = 14;
// Rows of the items, the selected one highlighted, with up and down scroll buttons at the right
// edge. A click on a row selects it and returns true (also when it was already selected).
bool formListBox(int32_t x, int32_t y, int32_t width, int32_t height, const char16_t* const* items,
                 int32_t count, FormListBox& list);
// Rows a list box of that height shows.
int32_t formListRows(int32_t height);

// --- File choice -----------------------------------------------------------------------------
// Lists the plain files of `folder` whose names match `pattern` (as countEntries matches),
// sorted by name, and resets the choice. At most kFileChoiceCapacity names of fewer than
// kFileChoiceNameUnits characters are listed; longer names are left out rather than cut.
constexpr int32_t kFileChoiceCapacity = 512;
constexpr int32_t kFileChoiceNameUnits = 128;
void openFileChoice(const char16_t* title, const char* folder, const char* pattern);
int32_t fileChoiceCount();
const char16_t* fileChoiceEntry(int32_t index);
// The form, centred: the list, "OK" (enabled with a selection) and "Cancel". Returns 0 while
// open, 1 when OK was clicked (or Enter pressed) with a file selected, -1 on Cancel or Escape.
int32_t fileChoiceForm();
// The chosen file's name without folder, narrowed to 8 bits ("" when none).
const char* fileChoiceName();

} // namespace bv

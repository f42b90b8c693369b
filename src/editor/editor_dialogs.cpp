// The stack of editor forms, and the small forms of house and label mode: House Value, Rent,
// Upgrade Cost, House Size, Address and the street name of a label.
#include "editor/editor_dialogs.h"

#include <algorithm>

#include "core/input.h"
#include "editor/editor.h"
#include "editor/editor_state.h"
#include "ui/forms.h"
#include "world/map.h"
#include "world/map_layers.h"

namespace bv {

namespace {

constexpr int32_t kStackDepth = 4;
int32_t g_stack[kStackDepth];
int32_t g_depth = 0;

// The house forms: at most two fields (House Size has two).
FormTextField g_first;
FormTextField g_second;

// The form's box, centred horizontally, and the common row of a field with its label.
constexpr int32_t kX = 150, kY = 190, kW = 500, kH = 200;

MapHouse* selectedHouse() {
    const int32_t i = editor.selectedHouse;
    return i >= 0 && i < houseCount && mapHouses ? &mapHouses[i] : nullptr;
}

MapText* selectedLabel() {
    const int32_t i = editor.selectedLabel;
    return i >= 0 && i < labelCount && mapLabels ? &mapLabels[i] : nullptr;
}

const char16_t* houseTitle(int32_t dialog) {
    switch (dialog) {
    case kDialogHouseValue:
        return u"House Value";
    case kDialogRent:
        return u"Rent";
    case kDialogUpgrade:
        return u"Upgrade Cost";
    case kDialogHouseSize:
        return u"House Size";
    case kDialogAddress:
        return u"Address";
    default:
        return u"Text";
    }
}

// Writes the fields into the house or label as they stand.
void storeHouseFields(int32_t dialog) {
    MapHouse* h = selectedHouse();
    if (dialog == kDialogText) {
        MapText* label = selectedLabel();
        if (!label) return;
        std::copy(g_first.text, g_first.text + g_first.length + 1, label->text);
        renderLabel(editor.selectedLabel);
        markPickImageDirty();
        return;
    }
    if (!h) return;
    switch (dialog) {
    case kDialogHouseValue:
        h->baseValue = formFieldInt(g_first);
        break;
    case kDialogRent:
        h->baseRent = formFieldInt(g_first);
        break;
    case kDialogUpgrade:
        h->upgradeCost = formFieldInt(g_first, 8);
        break;
    case kDialogHouseSize:
        h->bedrooms = formFieldInt(g_first);
        h->bathrooms = formFieldInt(g_second);
        break;
    case kDialogAddress:
        std::copy(g_first.text, g_first.text + g_first.length + 1, h->address);
        break;
    default:
        break;
    }
}

void openForm(int32_t dialog) {
    switch (dialog) {
    case kDialogScenario:
        openScenarioForm();
        break;
    case kDialogMapEditor:
        openMapEditorForm();
        break;
    case kDialogGrid:
        openGridForm();
        break;
    case kDialogRecalc:
        openRecalcForm();
        break;
    case kDialogPictures:
        openPictureForm(editor.mode);
        break;
    case kDialogEditLevel:
        break; // opened by openEditLevelForm with its level
    default:
        openHouseDialog(dialog);
        break;
    }
}

} // namespace

bool openEditorDialog(int32_t dialog) {
    if (g_depth >= kStackDepth || dialog <= kDialogNone || dialog > kDialogRecalc) return false;
    g_stack[g_depth++] = dialog;
    formFocus(nullptr);
    openForm(dialog);
    return true;
}

int32_t topEditorDialog() {
    return g_depth > 0 ? g_stack[g_depth - 1] : kDialogNone;
}

bool editorDialogOpen() {
    return g_depth > 0;
}

void closeEditorDialog() {
    if (g_depth == 0) return;
    g_depth -= 1;
    formFocus(nullptr);
    markPickImageDirty();
    if (topEditorDialog() == kDialogScenario) resumeScenarioForm();
    if (topEditorDialog() == kDialogEditLevel) resumeEditLevelForm();
}

void closeAllEditorDialogs() {
    g_depth = 0;
    formFocus(nullptr);
}

void editorDialogUpdate() {
    switch (topEditorDialog()) {
    case kDialogScenario:
        updateScenarioForm();
        break;
    case kDialogEditLevel:
        updateEditLevelForm();
        break;
    case kDialogMapEditor:
        updateMapEditorForm();
        break;
    case kDialogGrid:
        updateGridForm();
        break;
    case kDialogRecalc:
        updateRecalcForm();
        break;
    case kDialogPictures:
        updatePictureForm();
        break;
    case kDialogNone:
        break;
    default:
        updateHouseDialog(topEditorDialog());
        break;
    }
}

void openHouseDialog(int32_t dialog) {
    const MapHouse* h = selectedHouse();
    // Numbers are read from at most 13 characters (8 for the upgrade cost): the fields hold no more.
    formFieldInit(g_first, kFieldInteger, dialog == kDialogUpgrade ? 8 : 13);
    formFieldInit(g_second, kFieldInteger, 13);
    switch (dialog) {
    case kDialogHouseValue:
        if (h) formFieldSetInt(g_first, h->baseValue);
        break;
    case kDialogRent:
        if (h) formFieldSetInt(g_first, h->baseRent);
        break;
    case kDialogUpgrade:
        if (h) formFieldSetInt(g_first, h->upgradeCost);
        break;
    case kDialogHouseSize:
        if (h) formFieldSetInt(g_first, h->bedrooms);
        if (h) formFieldSetInt(g_second, h->bathrooms);
        break;
    case kDialogAddress:
        formFieldInit(g_first, kFieldText, kFormTextUnits - 2); // 999 units and the terminator
        if (h) formFieldSet(g_first, h->address);
        break;
    case kDialogText: {
        formFieldInit(g_first, kFieldText, kFormTextUnits - 2);
        if (const MapText* label = selectedLabel()) formFieldSet(g_first, label->text);
        break;
    }
    default:
        break;
    }
    formFocus(&g_first);
}

void updateHouseDialog(int32_t dialog) {
    formPanel(kX, kY, kW, kH, houseTitle(dialog));
    const int32_t fieldX = kX + 150, fieldW = kW - 150 - 30;
    bool changed = false;
    if (dialog == kDialogHouseSize) {
        formLabel(kX + 30, kY + 58, u"Bedrooms");
        changed |= formTextField(fieldX, kY + 55, 120, 24, g_first);
        formLabel(kX + 30, kY + 92, u"Bathrooms");
        changed |= formTextField(fieldX, kY + 89, 120, 24, g_second);
    } else {
        const char16_t* labels[] = {u"Value:", u"Rent:", u"Upgrade cost:", u"", u"Address:", u"Street Name:"};
        formLabel(kX + 30, kY + 58, labels[dialog - kDialogHouseValue]);
        const bool number = dialog != kDialogAddress && dialog != kDialogText;
        changed |= formTextField(fieldX, kY + 55, number ? 140 : fieldW, 24, g_first);
    }
    if (dialog == kDialogHouseValue) {
        formLabel(kX + 30, kY + 95, u"Enter base property value.  This value will increase");
        formLabel(kX + 30, kY + 115, u"over time based upon the economy.");
    } else if (dialog == kDialogRent) {
        formLabel(kX + 30, kY + 95, u"Rents are based more on size and state of home");
        formLabel(kX + 30, kY + 115, u"than the homes overall value.");
    }
    // The house forms store each field as it changes; the label's street name is kept until OK,
    // so that its picture is rendered once rather than at every keystroke.
    if (changed && dialog != kDialogText) storeHouseFields(dialog);
    const bool enter = typedChar() == 13;
    if (dialog == kDialogText) {
        if (formButton(kX + kW / 2 - 130, kY + kH - 50, 120, 30, u"OK") || enter) {
            storeHouseFields(dialog);
            closeEditorDialog();
        } else if (formButton(kX + kW / 2 + 10, kY + kH - 50, 120, 30, u"Cancel") || isPressed(kSlotEscape)) {
            closeEditorDialog();
        }
        return;
    }
    if (formButton(kX + kW / 2 - 60, kY + kH - 50, 120, 30, u"OK") || enter || isPressed(kSlotEscape))
        closeEditorDialog();
}

} // namespace bv

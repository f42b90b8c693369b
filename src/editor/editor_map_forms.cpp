// The Map Editor form (the map's background picture and how it is shown) and Grid Settings (the
// snapping grid of the current mode, every change in force at once).
#include <cstdio>
#include <cstring>
#include <string>

#include "assets/sprites.h"
#include "core/input.h"
#include "editor/editor.h"
#include "editor/editor_dialogs.h"
#include "editor/editor_state.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "ui/forms.h"
#include "world/map.h"
#include "world/map_picture.h"

namespace bv {

namespace {

// --- Map Editor ---
FormTextField g_background;
int32_t g_displayMode = 0;
bool g_browsing = false;

void loadMapEditorFields() {
    formFieldInit(g_background, kFieldText, int32_t(sizeof mapBackground.fileName) - 1);
    formFieldSet8(g_background, mapBackground.fileName);
    g_displayMode = mapBackground.mode >= 0 && mapBackground.mode <= 2 ? mapBackground.mode : 0;
}

// --- Grid Settings ---
FormTextField g_gridFields[4]; // x offset, y offset, width, height
GridRecord g_savedGrids[4];
int32_t g_savedUseMaster = 0;

void loadGridFields() {
    const GridRecord& g = gridFormRecord();
    const int32_t values[4] = {g.xOffset, g.yOffset, g.width, g.height};
    for (int32_t i = 0; i < 4; ++i) {
        formFieldInit(g_gridFields[i], kFieldInteger, 13);
        formFieldSetInt(g_gridFields[i], values[i]);
    }
}

void restoreGrids() {
    std::memcpy(editor.grids, g_savedGrids, sizeof editor.grids);
    editor.useMasterGrid = g_savedUseMaster;
}

// A check box bound to an int32 flag of the record.
bool flagBox(int32_t x, int32_t y, const char16_t* label, int32_t& flag) {
    bool value = flag != 0;
    if (!formCheckBox(x, y, label, value)) return false;
    flag = value ? 1 : 0;
    return true;
}

} // namespace

void openMapEditorForm() {
    g_browsing = false;
    loadMapEditorFields();
    formFocus(&g_background);
}

void updateMapEditorForm() {
    if (g_browsing) {
        const int32_t result = fileChoiceForm();
        if (result == 1) formFieldSet8(g_background, fileChoiceName());
        if (result != 0) {
            g_browsing = false;
            formFocus(&g_background);
        }
        return;
    }
    constexpr int32_t kX = 150, kY = 140, kW = 500, kH = 300;
    formPanel(kX, kY, kW, kH, u"Map Editor");
    formLabel(kX + 30, kY + 50, u"Bkgnd Image Filename:");
    formTextField(kX + 30, kY + 72, 320, 26, g_background);
    if (formButton(kX + 360, kY + 70, 110, 30, u"Browse")) {
        const std::string folder = platform::programFolder() + "maps";
        openFileChoice(u"Background Image Browser", folder.c_str(), "*.png");
        g_browsing = true;
        return;
    }
    formRadio(kX + 30, kY + 120, u"Don't display bkgnd image", g_displayMode, 0);
    formRadio(kX + 30, kY + 146, u"Tile bkgnd image", g_displayMode, 1);
    formRadio(kX + 30, kY + 172, u"Center bkgnd image", g_displayMode, 2);

    const int32_t buttonY = kY + kH - 60;
    if (formButton(kX + 40, buttonY, 120, 30, u"Reset")) loadMapEditorFields();
    if (formButton(kX + 190, buttonY, 120, 30, u"Apply")) {
        formFieldGet8(g_background, mapBackground.fileName, int32_t(sizeof mapBackground.fileName));
        loadBackgroundPicture();
        mapBackground.mode = g_displayMode;
        closeEditorDialog();
        return;
    }
    if (formButton(kX + 340, buttonY, 120, 30, u"Cancel") || isPressed(kSlotEscape)) closeEditorDialog();
}

GridRecord& gridFormRecord() {
    return gridFor(editor.mode);
}

void openGridForm() {
    std::memcpy(g_savedGrids, editor.grids, sizeof g_savedGrids);
    g_savedUseMaster = editor.useMasterGrid;
    loadGridFields();
    formFocus(&g_gridFields[0]);
}

void updateGridForm() {
    constexpr int32_t kX = 190, kY = 100, kW = 420, kH = 400;
    formPanel(kX, kY, kW, kH, u"Grid Settings");
    const int32_t left = kX + 30;
    flagBox(left, kY + 50, u"Grid On", gridFormRecord().on);
    bool master = editor.useMasterGrid != 0;
    if (formCheckBox(left, kY + 76, u"Use Master Grid Settings", master)) {
        // The form now edits the other record: show its numbers.
        editor.useMasterGrid = master ? 1 : 0;
        loadGridFields();
    }
    flagBox(left, kY + 102, u"Up Left Alignment on Plotted Images", gridFormRecord().upLeft);
    flagBox(left, kY + 128, u"Display Grid", gridFormRecord().display);

    const char16_t* labels[4] = {u"X-Offset:", u"Y-Offset:", u"Width", u"Height:"};
    GridRecord& g = gridFormRecord();
    int32_t* values[4] = {&g.xOffset, &g.yOffset, &g.width, &g.height};
    for (int32_t i = 0; i < 4; ++i) {
        const int32_t y = kY + 164 + i * 32;
        formLabel(left, y + 3, labels[i]);
        if (formTextField(left + 130, y, 110, 24, g_gridFields[i]))
            *values[i] = formFieldInt(g_gridFields[i]);
    }
    if (formButton(left, kY + 296, 240, 30, u"Dims From Current Image")) {
        const int32_t picture = chooserPicture(chooserFor(editor.mode));
        const SpriteExSet& set = editor.mode == kModeHouse ? houseSprites : objectSprites;
        if (picture >= 0 && picture < set.count) {
            g.width = set.sprites[picture].sprite.width;
            g.height = set.sprites[picture].sprite.height;
            loadGridFields();
        }
    }
    const int32_t buttonY = kY + kH - 50;
    if (formButton(kX + 30, buttonY, 110, 30, u"Reset")) {
        restoreGrids();
        loadGridFields();
    }
    if (formButton(kX + 155, buttonY, 110, 30, u"OK") || typedChar() == 13) {
        if (!saveEditorSettings())
            showEditorMessage(std::string("Could not keep the grid settings in \"") + editorSettingsPath() +
                              std::string("\": ") + platform::lastFileError());
        closeEditorDialog();
        return;
    }
    if (formButton(kX + 280, buttonY, 110, 30, u"Cancel") || isPressed(kSlotEscape)) {
        restoreGrids();
        closeEditorDialog();
    }
}

} // namespace bv

// State 44, the editor: the town in the upper 800 x 450 pixels and the tool panel below, with
// the keys and mouse rules of each edit mode.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "assets/strings.h"
#include "core/input.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "editor/editor.h"
#include "editor/editor_dialogs.h"
#include "editor/editor_state.h"
#include "gfx/draw.h"
#include "gfx/framebuffer.h"
#include "gfx/text.h"
#include "levels/save.h"
#include "ui/button.h"
#include "ui/hotspots.h"
#include "ui/money.h"
#include "world/map_draw.h"
#include "world/map_layers.h"
#include "world/scenario.h"

namespace bv {

namespace {

constexpr uint32_t kRed = 0xFF2020;
constexpr uint32_t kWhite = 0xFFFFFF;
bool g_pickDirty = true;

void modeClick(int32_t, int32_t, int32_t value) {
    if (value != editor.mode) editor.adjust = 0;
    editor.mode = value;
}

void openDialogClick(int32_t, int32_t, int32_t value) {
    openEditorDialog(value);
}

void clearHover() {
    for (int32_t i = 0; i < houseCount; ++i) mapHouses[i].highlight = 0;
}

// Grid lines of a record: every height pixels from the y offset, every width from the x offset.
void drawGridLines(const GridRecord& g) {
    if (!g.on || !g.display || g.width < 2 || g.height < 2) return;
    for (int32_t y = g.yOffset; y < kMapHeight; y += g.height)
        if (y >= 0) fillRectAlpha(frameBuffer, 0, y, kMapWidth, 1, 0x303030, 128);
    for (int32_t x = g.xOffset; x < kMapWidth; x += g.width)
        if (x >= 0) fillRectAlpha(frameBuffer, x, 0, 1, kMapHeight, 0x303030, 128);
}

// The mode row along the bottom of the panel: each radio picture and its label placed after the
// previous label, so that longer labels push the next button along instead of running into it.
void drawModeButtons() {
    static const char* const kLabels[] = {"scenario", "house", "bkgndObjects", "fgndObjects", "text"};
    constexpr int32_t kRowY = 582, kGap = 10;
    printKey(200, kRowY, false, kRed, "editMode");
    const char16_t* title = text("editMode");
    int32_t x = 200 + (title ? textWidth(title) : 0) + kGap + 4;
    for (int32_t m = 0; m < 5; ++m) {
        const Sprite* radio =
            spriteAt(iconSprites, m == editor.mode ? pic::kIconRadioOn : pic::kIconRadioOff);
        if (radio) drawSprite(frameBuffer, x, kRowY, radio, false);
        const int32_t w = radio ? radio->width : 16;
        const char16_t* label = text(kLabels[m]);
        const int32_t labelWidth = label ? textWidth(label) : 40;
        addHotSpot(x, kRowY - 2, w + 4 + labelWidth, 18, modeClick, m);
        printKey(x + w + 4, kRowY, false, kWhite, kLabels[m]);
        x += w + 4 + labelWidth + kGap;
    }
}

void chooserArrow(int32_t, int32_t, int32_t value) {
    stepChooser(chooserFor(editor.mode), value);
}

} // namespace

bool mouseOnMap() {
    const Point m = mousePos();
    return m.x >= 0 && m.x < kMapWidth && m.y >= 0 && m.y < kMapHeight;
}

void fitPathTail(const char16_t* path, int32_t maxWidth, char16_t* out, int32_t capacity) {
    if (!out || capacity <= 0) return;
    out[0] = 0;
    if (!path) return;
    int32_t length = 0;
    while (path[length]) ++length;
    const auto copyFrom = [&](int32_t from, bool ellipsis) {
        int32_t n = 0;
        if (ellipsis)
            for (; n < 3 && n + 1 < capacity; ++n) out[n] = u'.';
        for (int32_t i = from; i < length && n + 1 < capacity; ++i) out[n++] = path[i];
        out[n] = 0;
    };
    copyFrom(0, false);
    if (textWidth(out) <= maxWidth) return;
    // Whole folder names first: ".../bungalows" rather than "...ngalows".
    for (int32_t i = 1; i < length; ++i) {
        if (path[i] != u'/') continue;
        copyFrom(i, true);
        if (textWidth(out) <= maxWidth) return;
    }
    for (int32_t i = 1; i < length; ++i) {
        copyFrom(i, true);
        if (textWidth(out) <= maxWidth) return;
    }
}

// The chooser of the current mode: folder, picture fitted into the 100 x 70 box, its name, arrows.
void drawChooser() {
    PictureChooser& c = chooserFor(editor.mode);
    char path[120];
    pictureFolderPath(c.folder, path, sizeof path);
    // The folder's path is a text button: it opens the Image and Image Folder Selector. A path too
    // long for the room left of the "grid" button shows its end, where the folder's own name is.
    char16_t widePath[120];
    int32_t n = 0;
    for (; path[n] && n < 119; ++n) widePath[n] = static_cast<unsigned char>(path[n]);
    widePath[n] = 0;
    char16_t shown[124];
    fitPathTail(widePath, kChooserPathWidth, shown, 124);
    const int32_t pathWidth = std::max(textWidth(shown), 40);
    addHotSpot(10, 456, pathWidth, 18, openDialogClick, kDialogPictures);
    pushClip();
    setClip(10, 450, 10 + kChooserPathWidth, 475);
    drawText(10, 458, false,
             (isMouseOver(Rect{10, 456, pathWidth, 18}) ? 0xFFFF60u : kWhite) | kStyleSingleLine, shown);
    popClip();
    button(120 + 35, 500 + 11, 70, 22, u"grid", kDialogGrid, openDialogClick);
    const int32_t picture = chooserPicture(c);
    const SpriteExSet& set = editor.mode == kModeHouse ? houseSprites : objectSprites;
    fillRect(frameBuffer, 10, 475, 100, 70, 0x202020);
    if (picture >= 0) {
        const Sprite& s = set.sprites[picture].sprite;
        const float scale =
            std::min({1.0f, 100.0f / float(std::max(1, s.width)), 70.0f / float(std::max(1, s.height))});
        const int32_t w = std::max(1, int32_t(float(s.width) * scale)),
                      h = std::max(1, int32_t(float(s.height) * scale));
        Sprite copy = s;
        copy.xOffset = 0;
        copy.yOffset = 0;
        drawSpriteScaled(frameBuffer, 10 + (100 - w) / 2, 475 + (70 - h) / 2, &copy, w, h, false, 1.0f);
        // The name stops short of the object modes' check boxes to its right.
        pushClip();
        setClip(10, 545, 225, 600);
        printText(10, 548, false, kWhite | kStyleSingleLine, u"%s", set.sprites[picture].name);
        popClip();
    }
    button(135, 535, 30, 20, u"<", -1, chooserArrow);
    button(175, 535, 30, 20, u">", 1, chooserArrow);
}

namespace {

// The house's address on one line, clipped to the room between the buttons.
void drawAddress(const MapHouse& h) {
    char16_t line[1000];
    int32_t n = 0;
    for (; n < 999 && h.address[n] && h.address[n] != 10 && h.address[n] != 13; ++n) line[n] = h.address[n];
    line[n] = 0;
    pushClip();
    setClip(455, 470, 612, 600);
    drawText(455, 485, false, kWhite | kStyleSingleLine, line);
    popClip();
}

// "$200,000": the amount with thousands separators.
std::string moneyLine(int32_t amount) {
    char out[kMoneyTextBytes];
    moneyStrFull(out, kMoneyTextBytes, amount);
    return out;
}

void adjustToggle(int32_t, int32_t, int32_t) {
    editor.adjust = !editor.adjust;
}

} // namespace

void drawAdjustBox() {
    const Sprite* box =
        spriteAt(iconSprites, editor.adjust ? pic::kIconEditorCheckSet : pic::kIconEditorCheckClear);
    if (box) drawSprite(frameBuffer, 650, 465, box, false);
    addHotSpot(650, 465, 90, 22, adjustToggle, 0);
    printKey(675, 470, false, kWhite, "adjustMode");
}

namespace {

// A map the game's loader would refuse is never built.
void refuseFullMap() {
    if (houseCount >= int32_t(kMaxMapHouses))
        showEditorMessage("A map holds at most 4,096 houses: this one is full, so nothing was added.");
}

void houseMode() {
    drawChooser();
    drawAdjustBox();
    if (typedChar() == 'a' || typedChar() == 'A') editor.adjust = !editor.adjust;
    const Point m = mousePos();
    if (isPressed(kSlotShift) && houseCount > 0)
        editor.selectedHouse = editor.selectedHouse > 0 ? editor.selectedHouse - 1 : houseCount - 1;
    if (isPressed(kSlotInsert)) {
        int32_t x = m.x, y = m.y;
        snapToGrid(kModeHouse, x, y);
        if (insertHouse(mouseOnMap() ? x : -1, y, chooserPicture(chooserFor(kModeHouse))) < 0)
            refuseFullMap();
        g_pickDirty = true;
    }
    if (ctrlCopy()) copySelectedHouse();
    if (ctrlPaste()) {
        if (pasteHouse(m.x, m.y) >= 0)
            g_pickDirty = true;
        else if (editor.clipboardFull)
            refuseFullMap();
    }
    if (editor.selectedHouse < 0 || editor.selectedHouse >= houseCount) return;
    MapHouse& h = mapHouses[editor.selectedHouse];
    if (isPressed(kSlotDelete)) {
        h.highlight = 0;
        deleteSelectedHouse();
        g_pickDirty = true;
        return;
    }
    // Selecting a house shows its picture in the chooser; only a change of the chooser repaints it.
    const int32_t picture = chooserChangeFor(kModeHouse, editor.selectedHouse, h.pictureIndex);
    if (picture >= 0) {
        setHousePicture(editor.selectedHouse, picture);
        g_pickDirty = true;
    }
    if (leftHeld() && mouseOnMap()) {
        int32_t x = m.x, y = m.y;
        snapToGrid(kModeHouse, x, y);
        h.x = x;
        h.y = y;
        g_pickDirty = true;
    }
    const int32_t dx = (rightHeldDir() ? 1 : 0) - (leftHeldDir() ? 1 : 0);
    const int32_t dy = (downHeldDir() ? 1 : 0) - (upHeldDir() ? 1 : 0);
    if (dx || dy) {
        h.x += dx;
        h.y += dy;
        g_pickDirty = true;
    }
    h.highlight = (editor.animation & 2) ? 2 : 0;
    printText(180, 480, false, kWhite, u"x: %d  y: %d", h.x, h.y);
    // The house's forms; the buttons stop short of the mode row at the bottom of the panel.
    button(350 + 50, 480 + 14, 100, 28, text("address"), kDialogAddress, openDialogClick);
    button(350 + 50, 512 + 14, 100, 28, text("br"), kDialogHouseSize, openDialogClick);
    button(350 + 50, 544 + 14, 100, 28, text("recalc"), kDialogRecalc, openDialogClick);
    drawAddress(h);
    button(625 + 40, 490 + 13, 80, 26, text("value"), kDialogHouseValue, openDialogClick);
    button(625 + 40, 519 + 13, 80, 26, text("rent"), kDialogRent, openDialogClick);
    button(625 + 40, 548 + 13, 80, 26, text("upgrade"), kDialogUpgrade, openDialogClick);
    printText(712, 495, false, kWhite, u"%s", moneyLine(h.baseValue).c_str());
    printText(712, 524, false, kWhite, u"%s", moneyLine(h.baseRent).c_str());
    printText(712, 553, false, kWhite, u"%s", moneyLine(h.upgradeCost).c_str());
}

void labelMode() {
    const Point m = mousePos();
    if (isPressed(kSlotT)) {
        guardAction(kGuardToGame);
        return;
    }
    // Drawn before this frame's moves, like the labels themselves, so the two stay together.
    drawLabelHandles();
    if (isPressed(kSlotInsert) && mouseOnMap()) {
        const int32_t i = addLabel(m.x, m.y, u"New Street", 30);
        if (i >= 0)
            editor.selectedLabel = i;
        else if (labelCount >= int32_t(kMaxMapLabels))
            showEditorMessage("A map holds at most 4,096 labels: this one is full, so nothing was added.");
    }
    if (editor.selectedLabel < 0 || editor.selectedLabel >= labelCount) return;
    MapText& label = mapLabels[editor.selectedLabel];
    button(100 + 50, 490 + 15, 100, 30, text("changeText"), kDialogText, openDialogClick);
    if (isPressed(kSlotR)) label.slant = nextSlant(label.slant);
    label.x += (rightHeldDir() ? 1 : 0) - (leftHeldDir() ? 1 : 0);
    label.y += (downHeldDir() ? 1 : 0) - (upHeldDir() ? 1 : 0);
    clampLabelPoint(label);
    if (leftHeld() && mouseOnMap()) {
        label.x = std::clamp(m.x, 0, kMapWidth - 1);
        label.y = std::clamp(m.y, 0, kMapHeight - 1);
    }
    if (isPressed(kSlotDelete)) {
        removeLabel(editor.selectedLabel);
        editor.selectedLabel = 0;
    }
    g_pickDirty = true;
    printText(200, 480, false, kWhite, u"label %d of %d", editor.selectedLabel + 1, labelCount);
}

} // namespace

void markPickImageDirty() {
    g_pickDirty = true;
}

int32_t editorEnter(int32_t, int32_t, int32_t) {
    if (!editor.choosers[0].root) {
        // First entry: the model starts afresh, with the grids the map maker set last time.
        resetEditorModel();
        loadEditorSettings();
    }
    editor.rememberedLevel = currentLevel;
    editor.selectedHouse = 0;
    // Whatever the editor saves as a game goes under its own name, never over the player's.
    useSaveName("editor");
    // The map and scenario in memory are as their files hold them.
    rememberFileSources(currentMapFile(), scenarioFileName);
    rememberMapAsSaved();
    rememberScenarioAsSaved();
    setButtonLook(kButtonLookDrawn);
    g_pickDirty = true;
    return 0;
}

int32_t editorExit(int32_t) {
    clearHover();
    currentLevel = editor.rememberedLevel;
    setButtonLook(kButtonLookSprite);
    return 0;
}

int32_t editorUpdate(int32_t) {
    editor.animation += 1;
    if (g_pickDirty) rebuildPickImage();
    g_pickDirty = false;
    resetClip();
    fillRect(frameBuffer, 0, 0, kMapWidth, kMapHeight, 0);
    drawMapBelowHouses();
    drawMapHouses();
    drawMapAboveHouses();
    drawGridLines(editor.grids[kMasterGrid]);
    drawEditorMessage();
    fillRect(frameBuffer, 0, kMapHeight, kFrameWidth, kFrameHeight - kMapHeight, 0);
    if (!editor.useMasterGrid) drawGridLines(editor.grids[0]);
    if (editorFormOpen()) {
        editorFormUpdate();
        return 0;
    }
    drawModeButtons();

    const Point m = mousePos();
    if (rightClicked()) pickUnderMouse(m.x, m.y, false);
    if (typedChar() == 'p' || typedChar() == 'P') pickUnderMouse(m.x, m.y, true);
    if (isPressed(kSlotE)) {
        guardAction(kGuardTestPlay);
        if (questionOpen() || currentStateId() != kStateEditor) return 0;
    }
    if (editor.mode != kModeHouse) clearHover();
    switch (editor.mode) {
    case kModeScenario:
        editorScenarioPanel();
        break;
    case kModeHouse:
        houseMode();
        break;
    case kModeBackground:
    case kModeForeground:
        editorObjectPanel();
        break;
    case kModeLabels:
        labelMode();
        break;
    default:
        break;
    }
    drawPlacementPreview();
    return 0;
}

} // namespace bv

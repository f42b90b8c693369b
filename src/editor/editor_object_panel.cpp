// The editor's object modes (2 background, 3 foreground): placing, moving and repainting the
// objects of a layer, the panel that shows and toggles the selected object, and the placement
// preview drawn while Ctrl is held.
#include <algorithm>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "assets/strings.h"
#include "core/input.h"
#include "editor/editor.h"
#include "editor/editor_state.h"
#include "gfx/draw.h"
#include "gfx/framebuffer.h"
#include "gfx/text.h"
#include "ui/button.h"
#include "ui/hotspots.h"
#include "world/map_layers.h"
#include "world/scenario.h"

namespace bv {

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

// The check boxes and the "Nuke layer" button sit right of the chooser and its arrows, below the
// selected object's position and count, and above the mode row at y 582.
constexpr int32_t kBoxX = 230, kXflipY = 530, kOnTopY = 555;
constexpr int32_t kNukeX = 400, kNukeY = 530, kNukeW = 100, kNukeH = 30;

MapObject* selectedObject(ObjectLayer& layer) {
    return layer.selected >= 0 && layer.selected < layer.count ? &layer.objects[layer.selected] : nullptr;
}

void xflipClick(int32_t, int32_t, int32_t) {
    toggleSelectedXflip(editor.mode);
    markPickImageDirty();
}

void onTopClick(int32_t, int32_t, int32_t) {
    toggleSelectedOnTop(editor.mode);
}

void nukeClick(int32_t, int32_t, int32_t) {
    guardAction(kGuardNukeLayer);
}

// An editor check box: the box picture with its label after it, the whole row clickable.
void checkBox(int32_t x, int32_t y, const char* key, bool set, HotSpotCallback callback) {
    const Sprite* box = spriteAt(iconSprites, set ? pic::kIconEditorCheckSet : pic::kIconEditorCheckClear);
    if (box) drawSprite(frameBuffer, x, y, box, false);
    const char16_t* label = text(key);
    addHotSpot(x, y, 25 + (label ? textWidth(label) : 60), 22, callback, 0);
    printKey(x + 25, y + 5, false, kWhite, key);
}

// Adjust mode: a change of the chooser repaints the selected object; keys and the left button
// move it.
void adjustSelected(ObjectLayer& layer, int32_t repaint, int32_t snappedX, int32_t snappedY) {
    MapObject* o = selectedObject(layer);
    if (!o) return;
    if (repaint >= 0) o->picture = repaint;
    if (typedChar() == 's' || typedChar() == 'S') {
        moveObjectToOtherLayer();
        // The object keeps its picture: the chooser of the layer it went to shows it, so that the
        // chooser's own picture there is not taken for a change by the map maker.
        ObjectLayer& to = layerForMode(editor.mode);
        if (const MapObject* moved = selectedObject(to))
            showPictureInChooser(chooserFor(editor.mode), moved->picture);
    } else if (isPressed(kSlotDelete)) {
        // The next object becomes the selected one, and the chooser follows it next frame.
        removeMapObject(layer, layer.selected);
    } else {
        const int32_t dx = (rightHeldDir() ? 1 : 0) - (leftHeldDir() ? 1 : 0);
        const int32_t dy = (downHeldDir() ? 1 : 0) - (upHeldDir() ? 1 : 0);
        if (dx || dy) moveMapObject(layer, layer.selected, o->x + dx, o->y + dy);
        if (leftHeld() && mouseOnMap() && pictureOverlapsMap(objectPicture(o->picture), snappedX, snappedY))
            moveMapObject(layer, layer.selected, snappedX, snappedY);
    }
    markPickImageDirty();
}

} // namespace

void nukeLayer(int32_t mode) {
    if (mode != kModeBackground && mode != kModeForeground) return;
    clearLayer(layerForMode(mode));
}

bool toggleSelectedXflip(int32_t mode) {
    if (mode != kModeBackground && mode != kModeForeground) return false;
    MapObject* o = selectedObject(layerForMode(mode));
    if (!o) return false;
    o->xflip = o->xflip ? 0 : 1;
    return true;
}

bool toggleSelectedOnTop(int32_t mode) {
    // Only the foreground is drawn in two passes around the houses.
    if (mode != kModeForeground) return false;
    MapObject* o = selectedObject(foregroundObjects);
    if (!o) return false;
    o->onTop = o->onTop ? 0 : 1;
    return true;
}

void editorObjectPanel() {
    drawChooser();
    drawAdjustBox();
    if (typedChar() == 'a' || typedChar() == 'A') editor.adjust = !editor.adjust;
    ObjectLayer& layer = layerForMode(editor.mode);
    const Point m = mousePos();
    int32_t sx = m.x, sy = m.y;
    snapToGrid(editor.mode, sx, sy);
    // The chooser paints only the object selected in adjust mode, and only when it is changed.
    const MapObject* selected = editor.adjust ? selectedObject(layer) : nullptr;
    const int32_t repaint =
        chooserChangeFor(editor.mode, selected ? layer.selected : -1, selected ? selected->picture : -1);
    const bool clickOnMap = leftClicked() && mouseOnMap();
    if (isPressed(kSlotInsert) || (clickOnMap && !editor.adjust)) {
        if (placeObject(editor.mode, sx, sy, chooserPicture(chooserFor(editor.mode))) >= 0)
            markPickImageDirty();
        else if (layer.count >= int32_t(kMaxLayerObjects))
            showEditorMessage(
                "A layer holds at most 65,536 objects: this one is full, so nothing was placed.");
    } else if (editor.adjust) {
        adjustSelected(layer, repaint, sx, sy);
    }

    // "s" may have moved the object to the other layer: the panel shows the mode it is in now.
    ObjectLayer& shown = layerForMode(editor.mode);
    const MapObject* o = selectedObject(shown);
    if (!o) return;
    printText(200, 480, false, kWhite, u"x: %d  y: %d", o->x, o->y);
    // Counted from 1, as a map maker reads it: the first of three objects is "1 of 3".
    printText(200, 505, false, kWhite, u"%d of %d objects.", shown.selected + 1, shown.count);
    checkBox(kBoxX, kXflipY, "Xflip", o->xflip != 0, xflipClick);
    if (editor.mode == kModeForeground)
        checkBox(kBoxX, kOnTopY, "Draw on top of houses", o->onTop != 0, onTopClick);
    button(kNukeX + kNukeW / 2, kNukeY + kNukeH / 2, kNukeW, kNukeH, text("Nuke layer"), 0, nukeClick);
}

void drawPlacementPreview() {
    if (editor.mode < kModeHouse || editor.mode > kModeForeground) return;
    if (heldFrames(kSlotCtrl) <= 0 || !mouseOnMap()) return;
    const int32_t picture = chooserPicture(chooserFor(editor.mode));
    if (picture < 0) return;
    const Point m = mousePos();
    int32_t x = m.x, y = m.y;
    snapToGrid(editor.mode, x, y);
    const Sprite* sprite = nullptr;
    bool mirror = false;
    if (editor.mode == kModeHouse) {
        // The set the town draws houses from: full size in career mode, reduced otherwise.
        const SpriteExSet& set = isCareerMode() ? houseSprites : scaledHouseSprites;
        if (picture < set.count) sprite = &set.sprites[picture].sprite;
    } else {
        sprite = objectPicture(picture);
        // A new object takes its Xflip from the selected one, so the preview does too.
        const MapObject* selected = selectedObject(layerForMode(editor.mode));
        mirror = selected && selected->xflip;
    }
    if (!sprite) return;
    pushClip();
    setClip(0, 0, kMapWidth, kMapHeight);
    drawSprite(frameBuffer, x, y, sprite, mirror);
    popClip();
}

} // namespace bv

// The editor's editing rules on the map in memory.
#include <algorithm>
#include <cstring>

#include "assets/sprites.h"
#include "core/memory.h"
#include "editor/editor.h"
#include "editor/editor_state.h"
#include "gfx/draw.h"
#include "gfx/framebuffer.h"
#include "world/map_layers.h"

namespace bv {

EditorModel editor{};
int32_t* pickImage = nullptr;

namespace {

constexpr int32_t kDefaultCell = 16;

// Which set a chooser's pictures index: houses for the first, objects for the other two.
const SpriteExSet& chooserSet(const PictureChooser& chooser) {
    return chooser.root == &housePictureTree ? houseSprites : objectSprites;
}

PictureFolder* findFolderListing(PictureFolder* node, int32_t pictureIndex, int32_t& at) {
    if (!node) return nullptr;
    for (int32_t i = 0; i < node->pictureCount; ++i) {
        if (node->pictures[i] == pictureIndex) {
            at = i;
            return node;
        }
    }
    for (int32_t c = 0; c < node->childCount; ++c) {
        if (PictureFolder* found = findFolderListing(&node->children[c], pictureIndex, at)) return found;
    }
    return nullptr;
}

// The first folder, depth first, that lists a picture: the trees keep their pictures in
// sub-folders by kind, so the root itself is usually empty.
PictureFolder* firstFolderWithPictures(PictureFolder* node) {
    if (!node || node->pictureCount > 0) return node;
    for (int32_t c = 0; c < node->childCount; ++c) {
        if (PictureFolder* found = firstFolderWithPictures(&node->children[c])) return found;
    }
    return nullptr;
}

} // namespace

void resetEditorModel() {
    std::memset(&editor, 0, sizeof(editor));
    for (GridRecord& g : editor.grids) g = GridRecord{0, 0, 0, 0, 0, kDefaultCell, kDefaultCell};
    PictureFolder* roots[3] = {&housePictureTree, &objectPictureTree, &objectPictureTree};
    for (int32_t i = 0; i < 3; ++i) {
        PictureFolder* start = firstFolderWithPictures(roots[i]);
        editor.choosers[i] = PictureChooser{roots[i], start ? start : roots[i], 0};
        editor.matched[i] = ChooserMatch{-1, -1, -1};
    }
}

GridRecord& gridFor(int32_t mode) {
    if (editor.useMasterGrid) return editor.grids[kMasterGrid];
    if (mode >= kModeHouse && mode <= kModeForeground) return editor.grids[mode - 1];
    return editor.grids[0];
}

void snapToGrid(int32_t mode, int32_t& x, int32_t& y) {
    const GridRecord& g = gridFor(mode);
    if (!g.on) return;
    // A zero cell size would divide by zero: that axis is simply not snapped.
    if (g.width > 0) x = (x / g.width) * g.width + g.xOffset;
    if (g.height > 0) y = (y / g.height) * g.height + g.yOffset;
}

void applyNewHouseRules(MapHouse& house) {
    house.baseRent = house.baseValue / 35;
    house.upgradeCost = static_cast<int32_t>(static_cast<double>(house.baseValue / 35) * 2.1);
}

void setHousePicture(int32_t house, int32_t pictureIndex) {
    if (house < 0 || house >= houseCount) return;
    MapHouse& h = mapHouses[house];
    const bool valid = pictureIndex >= 0 && pictureIndex < houseSprites.count;
    h.pictureIndex = valid ? pictureIndex : -1;
    std::memset(h.pictureName, 0, sizeof(h.pictureName));
    if (valid) std::memcpy(h.pictureName, houseSprites.sprites[pictureIndex].name, kSpriteNameBytes);
}

int32_t insertHouse(int32_t mouseX, int32_t mouseY, int32_t pictureIndex) {
    const bool onMap = mouseX >= 0 && mouseX < kMapWidth && mouseY >= 0 && mouseY < kMapHeight;
    MapHouse* house = addHouse();
    if (!house) return -1;
    house->x = onMap ? mouseX : 100;
    house->y = onMap ? mouseY : 100;
    house->baseValue = 200000;
    applyNewHouseRules(*house);
    house->bedrooms = 3;
    house->bathrooms = 2;
    editor.selectedHouse = houseCount - 1;
    setHousePicture(editor.selectedHouse, pictureIndex);
    return editor.selectedHouse;
}

void deleteSelectedHouse() {
    const int32_t i = editor.selectedHouse;
    if (i < 0 || i >= houseCount) return;
    if (houseCount == 1) {
        houseCount = 0;
    } else {
        std::memmove(&mapHouses[i], &mapHouses[i + 1], sizeof(MapHouse) * size_t(houseCount - i - 1));
        std::memmove(&houseStates[i], &houseStates[i + 1], sizeof(HouseState) * size_t(houseCount - i - 1));
        houseCount -= 1;
    }
    if (editor.selectedHouse >= houseCount) editor.selectedHouse = 0;
}

void copySelectedHouse() {
    if (editor.selectedHouse < 0 || editor.selectedHouse >= houseCount) return;
    editor.clipboard = mapHouses[editor.selectedHouse];
    editor.clipboardFull = 1;
}

int32_t pasteHouse(int32_t x, int32_t y) {
    if (!editor.clipboardFull) return -1;
    MapHouse* house = addHouse();
    if (!house) return -1;
    *house = editor.clipboard;
    house->x = x;
    house->y = y;
    house->highlight = 0;
    editor.selectedHouse = houseCount - 1;
    return editor.selectedHouse;
}

ObjectLayer& layerForMode(int32_t mode) {
    return mode == kModeBackground ? backgroundObjects : foregroundObjects;
}

bool pictureOverlapsMap(const Sprite* picture, int32_t x, int32_t y) {
    if (!picture) return false;
    const int32_t left = x + picture->xOffset, top = y + picture->yOffset;
    return left < kMapWidth && top < kMapHeight && left + picture->width > 0 && top + picture->height > 0;
}

int32_t placeObject(int32_t mode, int32_t x, int32_t y, int32_t picture) {
    if (!pictureOverlapsMap(objectPicture(picture), x, y)) return -1;
    ObjectLayer& layer = layerForMode(mode);
    const bool xflip =
        layer.selected >= 0 && layer.selected < layer.count && layer.objects[layer.selected].xflip;
    const int32_t index = addMapObject(layer, x, y, picture, xflip, false);
    layer.upLeft = gridFor(mode).upLeft;
    return index;
}

void moveObjectToOtherLayer() {
    if (editor.mode != kModeBackground && editor.mode != kModeForeground) return;
    ObjectLayer& from = layerForMode(editor.mode);
    if (from.selected < 0 || from.selected >= from.count) return;
    const MapObject object = from.objects[from.selected];
    const int32_t other = editor.mode == kModeBackground ? kModeForeground : kModeBackground;
    ObjectLayer& to = layerForMode(other);
    const int32_t at = addMapObject(to, object.x, object.y, object.picture, object.xflip != 0, false);
    if (at < 0) {
        if (to.count >= int32_t(kMaxLayerObjects))
            showEditorMessage("The other layer holds 65,536 objects already: the object stays where it is.");
        return;
    }
    // The whole record goes across: group, draw-on-top flag and all. Its y is the same, so the
    // place the layer sorted it into still holds.
    to.objects[at] = object;
    removeMapObject(from, from.selected);
    editor.mode = other;
}

int32_t nextSlant(int32_t slant) {
    if (slant == 30) return 60;
    if (slant == 60) return 0;
    return 30;
}

PictureChooser& chooserFor(int32_t mode) {
    if (mode == kModeBackground) return editor.choosers[1];
    if (mode == kModeForeground) return editor.choosers[2];
    return editor.choosers[0];
}

int32_t chooserPicture(const PictureChooser& chooser) {
    const PictureFolder* f = chooser.folder;
    if (!f || chooser.index < 0 || chooser.index >= f->pictureCount) return -1;
    const int32_t index = f->pictures[chooser.index];
    return index < chooserSet(chooser).count ? index : -1;
}

void stepChooser(PictureChooser& chooser, int32_t step) {
    const PictureFolder* f = chooser.folder;
    if (!f || f->pictureCount <= 0) return;
    chooser.index = ((chooser.index + step) % f->pictureCount + f->pictureCount) % f->pictureCount;
}

int32_t chooserChangeFor(int32_t mode, int32_t item, int32_t itemPicture) {
    PictureChooser& chooser = chooserFor(mode);
    ChooserMatch& match = editor.matched[&chooser - editor.choosers];
    if (item != match.item || itemPicture != match.itemPicture) {
        // Another item: the chooser follows it. A picture it already shows stays in its folder.
        if (item >= 0 && chooserPicture(chooser) != itemPicture) showPictureInChooser(chooser, itemPicture);
        match = ChooserMatch{item, itemPicture, chooserPicture(chooser)};
        return -1;
    }
    const int32_t picture = chooserPicture(chooser);
    if (picture < 0 || picture == match.chooserPicture) return -1;
    match.chooserPicture = picture;
    if (item < 0) return -1;
    match.itemPicture = picture;
    return picture;
}

bool showPictureInChooser(PictureChooser& chooser, int32_t pictureIndex) {
    int32_t at = 0;
    PictureFolder* folder = findFolderListing(chooser.root, pictureIndex, at);
    if (!folder) return false;
    chooser.folder = folder;
    chooser.index = at;
    return true;
}

} // namespace bv

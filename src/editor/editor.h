// The map editor's model: edit mode, selections, grid records, the house clipboard, the picture
// choosers and the pick image, with the editing rules that act on the map in memory (houses,
// object layers, labels). The state's panel and input handling build on these.
#pragma once

#include <cstdint>

#include "assets/picture_tree.h"
#include "core/input.h"
#include "world/grid_record.h"
#include "world/map.h"

namespace bv {

enum EditMode : int32_t {
    kModeScenario = 0,
    kModeHouse = 1,
    kModeBackground = 2,
    kModeForeground = 3,
    kModeLabels = 4,
};

// A picture chooser: a folder of a picture tree and a picture within it.
struct PictureChooser {
    PictureFolder* root;
    PictureFolder* folder;
    int32_t index; // into folder->pictures
};

// What a chooser was last matched with: the selected house or object, its picture, and the
// picture the chooser showed then.
struct ChooserMatch {
    int32_t item;
    int32_t itemPicture;
    int32_t chooserPicture;
};

struct EditorModel {
    int32_t mode;
    int32_t adjust;
    int32_t selectedHouse;
    int32_t selectedLabel;
    int32_t selectedTile; // kept, not used
    GridRecord grids[4];
    int32_t useMasterGrid;
    MapHouse clipboard;
    int32_t clipboardFull;
    PictureChooser choosers[3]; // houses, background objects, foreground objects
    ChooserMatch matched[3];    // per chooser
    int32_t rememberedLevel;
    int32_t animation;
};
extern EditorModel editor;

// Clears the model: mode 0, grids off with 16 x 16 cells, choosers on the first folder of each tree that
// lists pictures.
void resetEditorModel();

// --- Grid --------------------------------------------------------------------------------------
// The record in force for a mode (1..3): its own, or the master record when that is in use.
// Modes without a grid get the house record.
GridRecord& gridFor(int32_t mode);
// The point snapped to the grid in force when it is on: (x / width) * width + x offset, the same
// for y, dividing toward zero. A width or height below 1 leaves that axis as it is.
void snapToGrid(int32_t mode, int32_t& x, int32_t& y);

// --- Houses ------------------------------------------------------------------------------------
// The new-house rules: rent = value / 35; upgrade cost = (value / 35) x 2.1, truncated.
void applyNewHouseRules(MapHouse& house);
// A new house at the mouse (at (100, 100) when the mouse is outside the map) with the new-house
// values and the given picture; it becomes the selected house. Returns its index or -1.
int32_t insertHouse(int32_t mouseX, int32_t mouseY, int32_t pictureIndex);
// Removes the selected house; with one house left the map has none. The selection moves to 0 if
// it falls off the end.
void deleteSelectedHouse();
void copySelectedHouse();
// A new house from the clipboard at the given point; selected. -1 when the clipboard is empty.
int32_t pasteHouse(int32_t x, int32_t y);
// The house's picture index and name set from a picture of the house set (-1: none).
void setHousePicture(int32_t house, int32_t pictureIndex);

// --- Objects -----------------------------------------------------------------------------------
ObjectLayer& layerForMode(int32_t mode); // 2 background, anything else foreground
// Whether the picture's box at (x, y) overlaps the 800 x 450 map.
bool pictureOverlapsMap(const Sprite* picture, int32_t x, int32_t y);
// A new object at (x, y) when its box overlaps the map: Xflip copied from the selected object,
// alignment flag from the grid record. Returns its index, or -1 when it lies wholly outside.
int32_t placeObject(int32_t mode, int32_t x, int32_t y, int32_t picture);
// Moves the selected object of the mode's layer, its whole record (group, draw-on-top flag and
// all), to the other layer; the mode follows it.
void moveObjectToOtherLayer();
// "Nuke layer": empties the layer of mode 2 or 3.
void nukeLayer(int32_t mode);
// The selected object's check boxes: Xflip (modes 2 and 3) and draw-on-top-of-houses (mode 3
// only). False when there is no selected object to change.
bool toggleSelectedXflip(int32_t mode);
bool toggleSelectedOnTop(int32_t mode);

// --- Labels ------------------------------------------------------------------------------------
// The next slant of a label: 30 to 60, 60 to 0, anything else to 30.
int32_t nextSlant(int32_t slant);
// Where a label's handle is drawn (the handle picture's centre): just left of the label's first
// letters, two pixels clear of them, halfway down the line as its slant carries it there. A label
// without a picture has it 15 pixels left of its point, or for slant 60 15 right and 20 below.
Point labelHandlePoint(int32_t index);
// The label whose handle covers (x, y) on the map (the topmost one), or -1.
int32_t labelHandleAt(int32_t x, int32_t y);
// The label mode's handles over the map; the selected label's handle blinks.
void drawLabelHandles();

// --- Choosers ----------------------------------------------------------------------------------
// The chooser of a mode (1 houses, 2 background, 3 foreground; others: the house chooser).
PictureChooser& chooserFor(int32_t mode);
// The sprite-set index of the chooser's picture, or -1 when its folder has none.
int32_t chooserPicture(const PictureChooser& chooser);
// Steps through the folder's pictures, wrapping at both ends.
void stepChooser(PictureChooser& chooser, int32_t step);
// Makes the chooser show a picture of its set: the first folder of the tree that lists it.
bool showPictureInChooser(PictureChooser& chooser, int32_t pictureIndex);
// Called every frame of modes 1 to 3 with the item the chooser paints (the selected house, the
// selected object in adjust mode; -1 for none) and its picture. Returns the picture to paint onto
// it, or -1. Only a change of the chooser by the map maker while the same item stays selected is
// painted: when another item has become selected, or its picture was changed elsewhere, the
// chooser shows that item's picture instead, so selecting never repaints anything.
int32_t chooserChangeFor(int32_t mode, int32_t item, int32_t itemPicture);

// --- Pick image --------------------------------------------------------------------------------
constexpr int32_t kPickHouse = 0x10000000;
constexpr int32_t kPickBackground = 0x20000000;
constexpr int32_t kPickForeground = 0x30000000;
constexpr int32_t kPickLabel = 0x40000000;
constexpr int32_t kPickKindMask = 0x70000000;
extern int32_t* pickImage; // 800 x 600 cells
// Background objects, labels, houses, foreground objects, in that order over each other.
void rebuildPickImage();
// The cell under (x, y); 0 outside the frame or where nothing is.
int32_t pickAt(int32_t x, int32_t y);
// Right click: in mode 4 a label's handle selects that label; otherwise a label selects mode 4
// and the label; a house mode 1 and the house; an object shows its picture in its layer's
// chooser, selects mode 2 or 3, sets adjust mode and selects it. With pictureOnly only the
// object's picture is shown (handles are not looked at). Returns the cell picked.
int32_t pickUnderMouse(int32_t x, int32_t y, bool pictureOnly);

} // namespace bv

// Maps: the town a level is played in. Houses (position, picture, value, rent, address, rooms),
// a tile grid carried with the map, a background picture, two layers of decorative objects (behind
// and in front of the houses) and street-name labels, on the 800 x 450 map area of the screen.
//
// Map file ("maps/<name>.map", little-endian, sections without gaps):
//   houses      uint32 N, uint32 4048, N MapHouse records
//   tile grid   uint32 columns, rows, tile width, tile height, K (pictures in "objects.exs"), career
//               mode flag; columns x rows uint32 cells; K picture names of 80 bytes
//   labels      uint32 L, uint32 2016, L MapText records
//   background  uint32 1004, the MapBackground block
//   2 layers    background objects, then foreground objects: uint32 24, uint32 28, six header words
//               (element ref, count, capacity, selected, set ref, up-left flag), count MapObjects
//               whose picture field holds the name hash of the picture
#pragma once

#include <cstddef>
#include <cstdint>

#include "assets/sprite.h"
#include "world/house_state.h"

namespace bv {

constexpr int32_t kMapWidth = 800;
constexpr int32_t kMapHeight = 450;
constexpr uint32_t kMapHouseBytes = 4048;
constexpr uint32_t kMapTextBytes = 2016;
constexpr uint32_t kBackgroundBytes = 1004;
constexpr uint32_t kLayerHeaderBytes = 24;
constexpr uint32_t kMapObjectBytes = 28;
constexpr uint32_t kTileNameBytes = 80;
// Counts above these are taken for damage, not for a town.
constexpr uint32_t kMaxMapHouses = 4096;
constexpr uint32_t kMaxMapLabels = 4096;
constexpr uint32_t kMaxLayerObjects = 65536;
// Columns and rows of a stored tile grid (a grid is about 800 / tile width by 450 / half the tile
// height; a one-pixel tile still needs under a thousand).
constexpr uint32_t kMaxGridSide = 4096;

struct MapHouse {
    int32_t x; // anchor of the picture: its bottom centre
    int32_t y;
    uint8_t reserved8[1008];
    int32_t pictureIndex; // into the house pictures; -1 when the name is not among them
    int32_t highlight;    // 2 hides the picture for a frame (the selected house blinks)
    int32_t reserved1024;
    int32_t baseValue;
    int32_t baseRent;
    char16_t address[1000];
    int32_t upgradeCost;
    int32_t bedrooms;
    int32_t bathrooms;
    char pictureName[1000];
};
static_assert(sizeof(MapHouse) == kMapHouseBytes);
static_assert(offsetof(MapHouse, pictureIndex) == 1016);
static_assert(offsetof(MapHouse, baseValue) == 1028);
static_assert(offsetof(MapHouse, address) == 1036);
static_assert(offsetof(MapHouse, upgradeCost) == 3036);
static_assert(offsetof(MapHouse, pictureName) == 3048);

struct MapObject {
    int32_t x;
    int32_t y;
    int32_t group;
    // Zero on file. In memory it keeps the stored name hash of an object whose picture was not
    // found, so that saving the map again does not lose it.
    int32_t unresolvedHash;
    int32_t picture; // in memory the picture index (-1 none); on file the picture's name hash
    int32_t xflip;
    int32_t onTop; // foreground only: drawn after the houses
};
static_assert(sizeof(MapObject) == kMapObjectBytes);

// One layer of map objects, kept sorted by y so that lower objects are drawn later.
struct ObjectLayer {
    MapObject* objects = nullptr;
    int32_t count = 0;
    int32_t capacity = 0;
    int32_t selected = 0;
    int32_t upLeft = 0; // the editor's grid alignment when the objects were placed
};

struct MapText {
    int32_t x;
    int32_t y;
    char16_t text[1000];
    int32_t slant;   // 0 level, 30 falling to the right, 60 rising to the right
    uint32_t handle; // unused on file: the rendered pictures are kept in labelPictures
};
static_assert(sizeof(MapText) == kMapTextBytes);

struct MapBackground {
    char fileName[1000]; // PNG or TGA picture in the maps folder
    int32_t mode;        // 0 not drawn, 1 tiled from (0, 0), 2 centred on the screen
};
static_assert(sizeof(MapBackground) == kBackgroundBytes);

struct TileGrid {
    int32_t columns = 0;
    int32_t rows = 0;
    int32_t tileWidth = 0;
    int32_t tileHeight = 0;
    int32_t* cells = nullptr; // columns x rows object picture indexes, row-major
};

// The map in play. mapHouses and houseStates are parallel arrays of houseCount records.
extern MapHouse* mapHouses;
extern HouseState* houseStates;
extern int32_t houseCount;
extern TileGrid tileGrid;
extern MapText* mapLabels;
extern Sprite** labelPictures; // one rendered picture per label (nullptr: nothing to draw)
extern int32_t labelCount;
extern MapBackground mapBackground;
extern Sprite backgroundPicture; // owns its pixels; width 0 until the first map is loaded
extern ObjectLayer backgroundObjects;
extern ObjectLayer foregroundObjects;
// 800 x 600 cells: house index + 1 under each pixel of a house picture, 0 elsewhere.
extern int32_t* houseIndexImage;

// Loads "maps/<name cut at its first dot>.map". Returns 1, or 0 when the file cannot be read or
// is malformed (the previous map then stays as it was).
int32_t loadMap(const char* name);
// The same from a map file image in memory (the background picture is still read from the maps
// folder).
int32_t loadMapImage(const uint8_t* data, uint32_t size);
// Writes the map in play, whole or not at all: a failed write leaves the old file as it was.
// Returns 1, or 0 when the file cannot be created or written.
int32_t saveMap(const char* name);

// Start-up: the tile grid sized from the first reduced object picture (32 x 16 before the
// object pictures are loaded), all cells 0.
void allocMapTileBuffers();

// Editor: one more house (both arrays grow; the new records are zeroed, picture index -1).
// nullptr when the map already has kMaxMapHouses houses or memory runs out.
MapHouse* addHouse();
// The values a new house gets: base value 200000, 3 bedrooms, 2 bathrooms, derived rent and cost.
void applyNewHouseDefaults(MapHouse& house);
// Fills zero rent, upgrade cost and room counts from the base value, as the loader does.
void fillHouseDefaults(MapHouse& house);
// Editor: no houses, empty object layers, no labels.
void clearMap();

// House pictures are drawn full size in career mode and at 5/12 in tycoon mode.
const Sprite* housePicture(int32_t house);
const Sprite* objectPicture(int32_t index);
// True when the house's anchor lies where the town draws houses at all: x -100..899, y -100..549.
bool houseInDrawRange(const MapHouse& house);
// Rebuilds houseIndexImage from the house pictures; index of the house under (x, y) or -1.
void rebuildHouseIndexImage();
int32_t houseAtPixel(int32_t x, int32_t y);

} // namespace bv

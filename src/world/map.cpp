// Map files: loading (into a separate set of records first, so that a damaged file changes
// nothing) and saving, and the house records that go with the map.
#include "world/map.h"

#include <cstring>
#include <string>

#include "assets/archive.h"
#include "assets/byte_writer.h"
#include "assets/hash.h"
#include "assets/sprites.h"
#include "core/memory.h"
#include "platform/byte_reader.h"
#include "world/map_layers.h"
#include "world/map_picture.h"
#include "world/scenario.h"

namespace bv {

MapHouse* mapHouses = nullptr;
HouseState* houseStates = nullptr;
int32_t houseCount = 0;
TileGrid tileGrid;

namespace {

// Everything a map file holds, read before any of it replaces the map in play.
struct LoadedMap {
    MapHouse* houses = nullptr;
    HouseState* states = nullptr;
    uint32_t houseCount = 0;
    TileGrid grid;
    LabelList labels;
    MapBackground background = {};
    ObjectLayer layers[2];
    int32_t careerMode = 0;

    void release() {
        memFree(houses);
        memFree(states);
        memFree(grid.cells);
        freeLabels(labels);
        freeLayer(layers[0]);
        freeLayer(layers[1]);
    }
};

// A picture name (at most 79 characters) into a field of at least 80 bytes, already zeroed.
void copyName(char* target, const char* name) {
    for (int32_t i = 0; i < kSpriteNameBytes - 1 && name[i]; ++i) target[i] = name[i];
}

std::string mapFileName(const char* name) {
    std::string file(name);
    return file.substr(0, file.find('.')) + ".map";
}

bool readHouses(ByteReader& in, LoadedMap& map) {
    uint32_t count = 0, size = 0;
    if (!in.u32(count) || !in.u32(size)) return false;
    if (count == 0) return true;
    if (count > kMaxMapHouses || size == 0 || !in.has(uint64_t(count) * size)) return false;
    map.houses = static_cast<MapHouse*>(memAllocZeroed(sizeof(MapHouse) * count));
    map.states = static_cast<HouseState*>(memAllocZeroed(sizeof(HouseState) * count));
    if (!map.houses || !map.states) return false;
    map.houseCount = count;
    for (uint32_t i = 0; i < count; ++i) {
        MapHouse& house = map.houses[i];
        in.record(&house, kMapHouseBytes, size);
        house.address[999] = 0;
        house.pictureName[999] = 0;
        fillHouseDefaults(house);
    }
    return in.ok();
}

// Stored picture names in the order of the object pictures when the map was saved; each cell is
// moved to where its picture is now. A cell is remapped at most once.
void remapTiles(TileGrid& grid, const char (*names)[kTileNameBytes], uint32_t nameCount) {
    uint32_t cellCount = uint32_t(grid.columns) * uint32_t(grid.rows);
    if (cellCount == 0) return;
    auto* done = static_cast<uint8_t*>(memAllocZeroed(cellCount));
    if (!done) return;
    for (uint32_t i = 0; i < nameCount && int32_t(i) < objectSprites.count; ++i) {
        if (namesEqual(objectSprites.sprites[i].name, names[i])) continue;
        int32_t found = findSprExIndex(objectSprites, names[i]);
        int32_t replacement = found < 0 ? 0 : found;
        for (uint32_t c = 0; c < cellCount; ++c) {
            if (!done[c] && grid.cells[c] == int32_t(i)) {
                grid.cells[c] = replacement;
                done[c] = 1;
            }
        }
    }
    memFree(done);
}

bool readTileGrid(ByteReader& in, LoadedMap& map) {
    uint32_t columns = 0, rows = 0, width = 0, height = 0, nameCount = 0, career = 0;
    if (!(in.u32(columns) && in.u32(rows) && in.u32(width) && in.u32(height) && in.u32(nameCount) &&
          in.u32(career)))
        return false;
    // Each side is held to kMaxGridSide, so the cell count and its bytes cannot overflow and the
    // sizes stay positive; the cells must then be in the file.
    if (columns > kMaxGridSide || rows > kMaxGridSide) return false;
    uint64_t cells = uint64_t(columns) * rows;
    if (!in.has(cells * 4 + uint64_t(nameCount) * kTileNameBytes)) return false;
    map.grid.columns = int32_t(columns);
    map.grid.rows = int32_t(rows);
    map.grid.tileWidth = int32_t(width);
    map.grid.tileHeight = int32_t(height);
    map.careerMode = int32_t(career);
    if (cells) {
        map.grid.cells = static_cast<int32_t*>(memAlloc(size_t(cells) * 4));
        if (!map.grid.cells) return false;
        in.bytes(map.grid.cells, cells * 4);
    }
    if (nameCount) {
        auto* names = static_cast<char(*)[kTileNameBytes]>(memAlloc(size_t(nameCount) * kTileNameBytes));
        if (!names) return false;
        in.bytes(names, uint64_t(nameCount) * kTileNameBytes);
        for (uint32_t i = 0; i < nameCount; ++i) names[i][kTileNameBytes - 1] = 0;
        remapTiles(map.grid, names, nameCount);
        memFree(names);
    }
    return in.ok();
}

bool readBackground(ByteReader& in, MapBackground& background) {
    uint32_t size = 0;
    if (!in.u32(size)) return false;
    std::memset(&background, 0, sizeof background);
    if (!in.record(&background, kBackgroundBytes, size)) return false;
    background.fileName[sizeof background.fileName - 1] = 0;
    return true;
}

bool parseMap(const uint8_t* data, uint32_t size, LoadedMap& map) {
    ByteReader in(data, size);
    return readHouses(in, map) && readTileGrid(in, map) && readLabels(in, map.labels) &&
           readBackground(in, map.background) && readLayer(in, map.layers[0]) && readLayer(in, map.layers[1]);
}

void freeHouses() {
    memFree(mapHouses);
    memFree(houseStates);
    mapHouses = nullptr;
    houseStates = nullptr;
    houseCount = 0;
}

int32_t pictureIndexOf(const char* name) {
    for (int32_t i = 0; i < houseSprites.count; ++i) {
        if (namesEqual(houseSprites.sprites[i].name, name)) return i;
    }
    return -1;
}

void writeHouses(ByteWriter& out) {
    out.u32(uint32_t(houseCount));
    out.u32(kMapHouseBytes);
    for (int32_t i = 0; i < houseCount; ++i) {
        MapHouse& house = mapHouses[i];
        // The name follows the picture; a house whose picture is missing keeps its stored name.
        int32_t picture = house.pictureIndex;
        if (picture >= 0 && picture < houseSprites.count) {
            std::memset(house.pictureName, 0, sizeof house.pictureName);
            copyName(house.pictureName, houseSprites.sprites[picture].name);
        }
        MapHouse copy = house;
        copy.highlight = 0;
        out.bytes(&copy, kMapHouseBytes);
    }
}

void writeTileGrid(ByteWriter& out) {
    bool hasCells = tileGrid.cells && tileGrid.columns > 0 && tileGrid.rows > 0;
    out.u32(hasCells ? uint32_t(tileGrid.columns) : 0);
    out.u32(hasCells ? uint32_t(tileGrid.rows) : 0);
    out.u32(uint32_t(tileGrid.tileWidth));
    out.u32(uint32_t(tileGrid.tileHeight));
    out.u32(uint32_t(objectSprites.count));
    out.u32(uint32_t(scenario.careerMode));
    if (hasCells) out.bytes(tileGrid.cells, uint32_t(tileGrid.columns) * uint32_t(tileGrid.rows) * 4);
    for (int32_t i = 0; i < objectSprites.count; ++i) {
        char name[kTileNameBytes] = {};
        copyName(name, objectSprites.sprites[i].name);
        out.bytes(name, kTileNameBytes);
    }
}

} // namespace

void fillHouseDefaults(MapHouse& house) {
    if (house.bedrooms == 0) house.bedrooms = 3;
    if (house.bathrooms == 0) house.bathrooms = 2;
    if (house.baseRent == 0) house.baseRent = house.baseValue / 35;
    // In double precision: a base value of 35,000 must cost exactly 2100 to upgrade.
    if (house.upgradeCost == 0) house.upgradeCost = int32_t(double(house.baseValue / 35) * 2.1);
}

void applyNewHouseDefaults(MapHouse& house) {
    house.baseValue = 200000;
    house.baseRent = 0;
    house.upgradeCost = 0;
    house.bedrooms = 3;
    house.bathrooms = 2;
    fillHouseDefaults(house);
}

int32_t loadMap(const char* name) {
    if (!name) return 0;
    if (!enterProgramFolder("maps")) enterProgramFolder("");
    // The map comes from the maps folder (or the archive), never from a path the name spells.
    const std::string file = mapFileName(name);
    if (!namesFileInFolder(file.c_str())) return 0;
    uint8_t* data = nullptr;
    uint32_t size = loadFile(file.c_str(), data, 0);
    if (size == 0) return 0;
    const int32_t loaded = loadMapImage(data, size);
    memFree(data);
    return loaded;
}

int32_t loadMapImage(const uint8_t* data, uint32_t size) {
    if (!data) return 0;
    LoadedMap map;
    if (!parseMap(data, size, map)) {
        map.release();
        return 0;
    }

    freeHouses();
    mapHouses = map.houses;
    houseStates = map.states;
    houseCount = int32_t(map.houseCount);
    memFree(tileGrid.cells);
    tileGrid = map.grid;
    scenario.careerMode = map.careerMode;
    installLabels(map.labels);
    mapBackground = map.background;
    installLayer(backgroundObjects, map.layers[0]);
    installLayer(foregroundObjects, map.layers[1]);

    for (int32_t i = 0; i < houseCount; ++i) {
        mapHouses[i].pictureIndex = pictureIndexOf(mapHouses[i].pictureName);
        mapHouses[i].highlight = 0;
    }
    rebuildHouseIndexImage();
    loadBackgroundPicture();
    return 1;
}

int32_t saveMap(const char* name) {
    if (!name || !enterProgramFolder("maps")) return 0;
    // Written beside the old map and put in its place only when whole.
    FileReplacement file(mapFileName(name));
    if (!file.opened()) return 0;
    ByteWriter& out = file.out();
    writeHouses(out);
    writeTileGrid(out);
    writeLabels(out);
    out.u32(kBackgroundBytes);
    out.bytes(&mapBackground, kBackgroundBytes);
    writeLayer(out, backgroundObjects);
    writeLayer(out, foregroundObjects);
    return file.commit() ? 1 : 0;
}

void allocMapTileBuffers() {
    int32_t width = 32, height = 16;
    if (scaledObjectSprites.count > 0) {
        width = scaledObjectSprites.sprites[0].sprite.width;
        height = scaledObjectSprites.sprites[0].sprite.height;
    }
    // A picture of under one pixel, or under two rows, would divide by zero.
    if (width < 1) width = 1;
    if (height < 2) height = 2;
    memFree(tileGrid.cells);
    tileGrid.tileWidth = width;
    tileGrid.tileHeight = height;
    tileGrid.columns = kMapWidth / width + 2;
    tileGrid.rows = kMapHeight / (height / 2) + 3;
    tileGrid.cells =
        static_cast<int32_t*>(memAllocZeroed(sizeof(int32_t) * tileGrid.columns * tileGrid.rows));
    if (!tileGrid.cells) tileGrid.columns = tileGrid.rows = 0;
}

MapHouse* addHouse() {
    if (houseCount >= int32_t(kMaxMapHouses)) return nullptr;
    int32_t n = houseCount + 1;
    auto* houses = static_cast<MapHouse*>(memAllocZeroed(sizeof(MapHouse) * n));
    auto* states = static_cast<HouseState*>(memAllocZeroed(sizeof(HouseState) * n));
    if (!houses || !states) {
        memFree(houses);
        memFree(states);
        return nullptr;
    }
    if (houseCount > 0) {
        std::memcpy(houses, mapHouses, sizeof(MapHouse) * houseCount);
        std::memcpy(states, houseStates, sizeof(HouseState) * houseCount);
    }
    freeHouses();
    mapHouses = houses;
    houseStates = states;
    houseCount = n;
    mapHouses[n - 1].pictureIndex = -1;
    return &mapHouses[n - 1];
}

void clearMap() {
    freeHouses();
    clearLayer(backgroundObjects);
    clearLayer(foregroundObjects);
    LabelList none;
    installLabels(none);
    rebuildHouseIndexImage();
}

} // namespace bv

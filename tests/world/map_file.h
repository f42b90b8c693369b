// Map files built by hand, section by section, with record sizes of the test's choosing.
#pragma once

#include <string>
#include <vector>

#include "assets/hash.h"
#include "levels_fixture.h"

namespace bvtest {

struct LayerParts {
    std::vector<bv::MapObject> objects; // picture = name hash, as on file
    uint32_t headerSize = 24;
    uint32_t elementSize = 28;
    uint32_t capacity = 0; // 0: the object count
    uint32_t selected = 0;
};

struct MapParts {
    std::vector<bv::MapHouse> houses;
    uint32_t houseSize = 4048;
    uint32_t columns = 2, rows = 2, tileWidth = 32, tileHeight = 16;
    std::vector<uint32_t> cells = {0, 0, 0, 0};
    std::vector<std::string> tileNames;
    uint32_t careerMode = 1;
    std::vector<bv::MapText> labels;
    uint32_t labelSize = 2016;
    bv::MapBackground background{};
    uint32_t backgroundSize = 1004;
    LayerParts layers[2];
};

// A record of `ours` bytes stored with `stored` bytes: cut, or padded with 0xAB.
inline void putRecord(Bytes& out, const void* record, size_t ours, size_t stored) {
    const auto* p = static_cast<const uint8_t*>(record);
    for (size_t i = 0; i < stored; ++i) out.push_back(i < ours ? p[i] : 0xAB);
}

inline Bytes buildMapFile(const MapParts& m) {
    Bytes out;
    put32(out, uint32_t(m.houses.size()));
    put32(out, m.houseSize);
    for (const bv::MapHouse& h : m.houses) putRecord(out, &h, sizeof h, m.houseSize);
    for (uint32_t v :
         {m.columns, m.rows, m.tileWidth, m.tileHeight, uint32_t(m.tileNames.size()), m.careerMode})
        put32(out, v);
    for (uint32_t c : m.cells) put32(out, c);
    for (const std::string& name : m.tileNames) {
        char field[80] = {};
        std::snprintf(field, sizeof field, "%s", name.c_str());
        putBytes(out, field, sizeof field);
    }
    put32(out, uint32_t(m.labels.size()));
    put32(out, m.labelSize);
    for (const bv::MapText& t : m.labels) putRecord(out, &t, sizeof t, m.labelSize);
    put32(out, m.backgroundSize);
    putRecord(out, &m.background, sizeof m.background, m.backgroundSize);
    for (const LayerParts& layer : m.layers) {
        put32(out, layer.headerSize);
        put32(out, layer.elementSize);
        const uint32_t count = uint32_t(layer.objects.size());
        const uint32_t header[6] = {0xDEAD,         count,  layer.capacity ? layer.capacity : count,
                                    layer.selected, 0xBEEF, 0};
        putRecord(out, header, sizeof header, layer.headerSize);
        for (const bv::MapObject& o : layer.objects) putRecord(out, &o, sizeof o, layer.elementSize);
    }
    return out;
}

inline bv::MapHouse makeHouse(int32_t x, int32_t y, const char* picture, int32_t value) {
    bv::MapHouse h{};
    h.x = x;
    h.y = y;
    h.baseValue = value;
    std::snprintf(h.pictureName, sizeof h.pictureName, "%s", picture);
    return h;
}

inline bv::MapObject makeObject(int32_t x, int32_t y, const char* picture, int32_t onTop = 0) {
    bv::MapObject o{};
    o.x = x;
    o.y = y;
    o.picture = int32_t(bv::nameHash(picture));
    o.onTop = onTop;
    return o;
}

} // namespace bvtest

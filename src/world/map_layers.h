// The map's object layers and street-name labels: editing them, and their sections of the map
// file.
#pragma once

#include <cstdint>

#include "assets/byte_writer.h"
#include "platform/byte_reader.h"
#include "world/map.h"

namespace bv {

// Label slant factors: the slanted-picture drawing shifts each column of the label by this much
// per pixel, so a label follows a street that falls (30) or rises (60) to the right.
constexpr float kLabelSlantFactor = 0.44897959f;
// The factor a label of this slant is drawn with; 0 for a level label, drawn as a plain picture.
constexpr float labelSlantFactor(int32_t slant) {
    return slant == 30 ? kLabelSlantFactor : slant == 60 ? -kLabelSlantFactor : 0.0f;
}

// --- Object layers ----------------------------------------------------------------------------
// Adds an object (picture index into the object pictures) and selects it; the group number is
// copied from the layer's last object. The layer is sorted again. Returns the object's index after
// sorting, or -1 when the layer already holds the most a map may (kMaxLayerObjects) or cannot grow.
int32_t addMapObject(ObjectLayer& layer, int32_t x, int32_t y, int32_t picture, bool xflip, bool onTop);
// Removes object i; the selection stays on the same object or moves to its neighbour.
bool removeMapObject(ObjectLayer& layer, int32_t index);
// Moves object i and sorts the layer; returns its new index (-1 for a bad index).
int32_t moveMapObject(ObjectLayer& layer, int32_t index, int32_t x, int32_t y);
// Stable sort by y ascending; the selected index follows its object.
void sortObjectLayer(ObjectLayer& layer);
// Empties a layer (its memory is kept).
void clearLayer(ObjectLayer& layer);
void freeLayer(ObjectLayer& layer);

// The file section: header size, element size, six header words, the objects with name hashes.
bool readLayer(ByteReader& in, ObjectLayer& layer);
void writeLayer(ByteWriter& out, const ObjectLayer& layer);
// Replaces `target` by `loaded` (which is emptied).
void installLayer(ObjectLayer& target, ObjectLayer& loaded);
// The index of the first object picture whose name hashes to `hash`, or -1.
int32_t objectPictureForHash(uint32_t hash);

// --- Labels -----------------------------------------------------------------------------------
// A label's point is kept within kLabelReach of the map area (past that no part of it can show),
// so that no arithmetic on it can overflow. Applied on loading and while the editor moves a label.
constexpr int32_t kLabelReach = 8192;
void clampLabelPoint(MapText& label);

struct LabelList {
    MapText* labels = nullptr;
    int32_t count = 0;
};
bool readLabels(ByteReader& in, LabelList& list);
void writeLabels(ByteWriter& out);
// Makes `list` the map's labels (the old ones and their pictures are released) and renders them.
void installLabels(LabelList& list);
void freeLabels(LabelList& list);
// Editor: a new label, rendered at once. Returns its index, or -1 when the map already has the
// most labels a map may (kMaxMapLabels) or memory runs out.
int32_t addLabel(int32_t x, int32_t y, const char16_t* text, int32_t slant);
bool removeLabel(int32_t index);
// Renders (again) the picture of one label from its text.
void renderLabel(int32_t index);

} // namespace bv

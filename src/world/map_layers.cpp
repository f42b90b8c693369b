// Object layers (kept sorted by y) and street-name labels (rendered once into pictures).
#include "world/map_layers.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "assets/hash.h"
#include "assets/sprites.h"
#include "core/memory.h"
#include "gfx/font.h"
#include "gfx/text.h"

namespace bv {

ObjectLayer backgroundObjects;
ObjectLayer foregroundObjects;
MapText* mapLabels = nullptr;
Sprite** labelPictures = nullptr;
int32_t labelCount = 0;

namespace {

constexpr int32_t kLayerGrowth = 10;
// Street names: small bold letters in a warm white that reads on the asphalt.
constexpr uint32_t kLabelColour = 0xFFF8E8;

bool growLayer(ObjectLayer& layer, int32_t needed) {
    if (needed <= layer.capacity) return true;
    int32_t capacity = layer.capacity + kLayerGrowth;
    while (capacity < needed) capacity += kLayerGrowth;
    auto* objects = static_cast<MapObject*>(memAllocZeroed(sizeof(MapObject) * capacity));
    if (!objects) return false;
    if (layer.count > 0) std::memcpy(objects, layer.objects, sizeof(MapObject) * layer.count);
    memFree(layer.objects);
    layer.objects = objects;
    layer.capacity = capacity;
    return true;
}

uint32_t hashOfObject(const MapObject& object) {
    if (object.picture >= 0 && object.picture < objectSprites.count)
        return nameHash(objectSprites.sprites[object.picture].name);
    return uint32_t(object.unresolvedHash);
}

void releaseLabels() {
    for (int32_t i = 0; i < labelCount; ++i) {
        if (labelPictures && labelPictures[i]) freeTextSprite(labelPictures[i]);
    }
    memFree(mapLabels);
    memFree(labelPictures);
    mapLabels = nullptr;
    labelPictures = nullptr;
    labelCount = 0;
}

} // namespace

int32_t objectPictureForHash(uint32_t hash) {
    for (int32_t i = 0; i < objectSprites.count; ++i) {
        if (nameHash(objectSprites.sprites[i].name) == hash) return i;
    }
    return -1;
}

void sortObjectLayer(ObjectLayer& layer) {
    // Stable: equal y keeps the order of placement. A merge sort, so that even a layer loaded in
    // falling y takes n log n steps.
    if (layer.count < 2) return;
    const bool selectionValid = layer.selected >= 0 && layer.selected < layer.count;
    const MapObject* chosen = selectionValid ? &layer.objects[layer.selected] : nullptr;
    std::vector<int32_t> order(size_t(layer.count));
    for (int32_t i = 0; i < layer.count; ++i) order[size_t(i)] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](int32_t a, int32_t b) { return layer.objects[a].y < layer.objects[b].y; });
    std::vector<MapObject> sorted(size_t(layer.count));
    for (int32_t i = 0; i < layer.count; ++i) {
        sorted[size_t(i)] = layer.objects[order[size_t(i)]];
        if (chosen && &layer.objects[order[size_t(i)]] == chosen) layer.selected = i;
    }
    std::copy(sorted.begin(), sorted.end(), layer.objects);
}

void clampLabelPoint(MapText& label) {
    label.x = std::clamp(label.x, -kLabelReach, kMapWidth + kLabelReach);
    label.y = std::clamp(label.y, -kLabelReach, kMapHeight + kLabelReach);
}

int32_t addMapObject(ObjectLayer& layer, int32_t x, int32_t y, int32_t picture, bool xflip, bool onTop) {
    // A layer the map loader would refuse is never built.
    if (layer.count >= int32_t(kMaxLayerObjects) || !growLayer(layer, layer.count + 1)) return -1;
    MapObject& object = layer.objects[layer.count];
    object = MapObject{};
    object.x = x;
    object.y = y;
    object.group = layer.count > 0 ? layer.objects[layer.count - 1].group : 0;
    object.picture = picture;
    object.xflip = xflip ? 1 : 0;
    object.onTop = onTop ? 1 : 0;
    layer.selected = layer.count;
    layer.count += 1;
    sortObjectLayer(layer);
    return layer.selected;
}

bool removeMapObject(ObjectLayer& layer, int32_t index) {
    if (index < 0 || index >= layer.count) return false;
    for (int32_t i = index; i + 1 < layer.count; ++i) layer.objects[i] = layer.objects[i + 1];
    layer.count -= 1;
    if (layer.selected > index || layer.selected >= layer.count) layer.selected -= 1;
    if (layer.selected < 0) layer.selected = 0;
    return true;
}

int32_t moveMapObject(ObjectLayer& layer, int32_t index, int32_t x, int32_t y) {
    if (index < 0 || index >= layer.count) return -1;
    int32_t selected = layer.selected;
    layer.objects[index].x = x;
    layer.objects[index].y = y;
    layer.selected = index;
    sortObjectLayer(layer);
    int32_t moved = layer.selected;
    // The editor's selection stays where it was unless it was the moved object.
    if (selected != index) {
        layer.selected = selected;
        if (index < selected && moved >= selected) layer.selected -= 1;
        if (index > selected && moved <= selected) layer.selected += 1;
    }
    return moved;
}

void clearLayer(ObjectLayer& layer) {
    layer.count = 0;
    layer.selected = 0;
}

void freeLayer(ObjectLayer& layer) {
    memFree(layer.objects);
    layer = ObjectLayer{};
}

bool readLayer(ByteReader& in, ObjectLayer& layer) {
    uint32_t headerSize = 0, elementSize = 0;
    if (!in.u32(headerSize) || !in.u32(elementSize)) return false;
    uint32_t header[6] = {};
    if (!in.record(header, kLayerHeaderBytes, headerSize)) return false;
    uint32_t count = header[1];
    if (count > kMaxLayerObjects || (count > 0 && elementSize == 0)) return false;
    if (!in.has(uint64_t(count) * elementSize)) return false;
    // The array is sized by the objects actually present, never by the stored capacity.
    if (!growLayer(layer, int32_t(count > 0 ? count : 1))) return false;
    for (uint32_t i = 0; i < count; ++i) {
        MapObject& object = layer.objects[i];
        object = MapObject{};
        in.record(&object, kMapObjectBytes, elementSize);
        uint32_t hash = uint32_t(object.picture);
        object.picture = objectPictureForHash(hash);
        object.unresolvedHash = object.picture < 0 ? int32_t(hash) : 0;
    }
    layer.count = int32_t(count);
    layer.selected = int32_t(header[3]) >= 0 && int32_t(header[3]) < layer.count ? int32_t(header[3]) : 0;
    layer.upLeft = int32_t(header[5]);
    sortObjectLayer(layer);
    return in.ok();
}

void writeLayer(ByteWriter& out, const ObjectLayer& layer) {
    out.u32(kLayerHeaderBytes);
    out.u32(kMapObjectBytes);
    // The two references mean nothing outside this run: written as 0.
    uint32_t header[6] = {0, uint32_t(layer.count), uint32_t(layer.capacity), uint32_t(layer.selected),
                          0, uint32_t(layer.upLeft)};
    out.bytes(header, kLayerHeaderBytes);
    for (int32_t i = 0; i < layer.count; ++i) {
        MapObject object = layer.objects[i];
        object.picture = int32_t(hashOfObject(object));
        object.unresolvedHash = 0;
        out.bytes(&object, kMapObjectBytes);
    }
}

void installLayer(ObjectLayer& target, ObjectLayer& loaded) {
    freeLayer(target);
    target = loaded;
    loaded = ObjectLayer{};
}

bool readLabels(ByteReader& in, LabelList& list) {
    uint32_t count = 0, size = 0;
    if (!in.u32(count) || !in.u32(size)) return false;
    if (count == 0) return true;
    if (count > kMaxMapLabels || size == 0 || !in.has(uint64_t(count) * size)) return false;
    list.labels = static_cast<MapText*>(memAllocZeroed(sizeof(MapText) * count));
    if (!list.labels) return false;
    list.count = int32_t(count);
    for (uint32_t i = 0; i < count; ++i) {
        MapText& label = list.labels[i];
        in.record(&label, kMapTextBytes, size);
        label.text[999] = 0;
        label.handle = 0;
        clampLabelPoint(label);
    }
    return in.ok();
}

void writeLabels(ByteWriter& out) {
    out.u32(uint32_t(labelCount));
    out.u32(kMapTextBytes);
    for (int32_t i = 0; i < labelCount; ++i) {
        MapText label = mapLabels[i];
        label.handle = 0;
        out.bytes(&label, kMapTextBytes);
    }
}

void freeLabels(LabelList& list) {
    memFree(list.labels);
    list = LabelList{};
}

void installLabels(LabelList& list) {
    releaseLabels();
    if (list.count > 0) {
        labelPictures = static_cast<Sprite**>(memAllocZeroed(sizeof(Sprite*) * list.count));
        if (!labelPictures) {
            freeLabels(list);
            return;
        }
    }
    mapLabels = list.labels;
    labelCount = list.count;
    list = LabelList{};
    for (int32_t i = 0; i < labelCount; ++i) renderLabel(i);
}

void renderLabel(int32_t index) {
    if (index < 0 || index >= labelCount || !labelPictures) return;
    if (labelPictures[index]) freeTextSprite(labelPictures[index]);
    pushFont(&fontArial12Bld);
    labelPictures[index] = renderPlainTextSprite(kLabelColour, mapLabels[index].text);
    popFont();
}

int32_t addLabel(int32_t x, int32_t y, const char16_t* text, int32_t slant) {
    if (labelCount >= int32_t(kMaxMapLabels)) return -1;
    int32_t n = labelCount + 1;
    auto* labels = static_cast<MapText*>(memAllocZeroed(sizeof(MapText) * n));
    auto* pictures = static_cast<Sprite**>(memAllocZeroed(sizeof(Sprite*) * n));
    if (!labels || !pictures) {
        memFree(labels);
        memFree(pictures);
        return -1;
    }
    if (labelCount > 0) {
        std::memcpy(labels, mapLabels, sizeof(MapText) * labelCount);
        std::memcpy(pictures, labelPictures, sizeof(Sprite*) * labelCount);
    }
    memFree(mapLabels);
    memFree(labelPictures);
    mapLabels = labels;
    labelPictures = pictures;
    labelCount = n;
    MapText& label = mapLabels[n - 1];
    label.x = x;
    label.y = y;
    label.slant = slant;
    for (int32_t i = 0; text && text[i] && i < 999; ++i) label.text[i] = text[i];
    renderLabel(n - 1);
    return n - 1;
}

bool removeLabel(int32_t index) {
    if (index < 0 || index >= labelCount) return false;
    if (labelPictures[index]) freeTextSprite(labelPictures[index]);
    for (int32_t i = index; i + 1 < labelCount; ++i) {
        mapLabels[i] = mapLabels[i + 1];
        labelPictures[i] = labelPictures[i + 1];
    }
    labelCount -= 1;
    return true;
}

} // namespace bv

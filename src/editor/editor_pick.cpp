// The pick image: what lies under each pixel of the map, so that a right click can find the
// house, label or object the map maker points at, whatever is drawn over it.
#include <algorithm>

#include "core/memory.h"
#include "editor/editor.h"
#include "gfx/draw.h"
#include "gfx/framebuffer.h"
#include "levels/map_layers.h"

namespace bv {

namespace {

void pickLayer(uint32_t* cells, const ObjectLayer& layer, uint32_t kind) {
    for (int32_t i = 0; i < layer.count; ++i) {
        const MapObject& o = layer.objects[i];
        const Sprite* picture = objectPicture(o.picture);
        if (picture) drawSilhouette(cells, o.x, o.y, picture, o.xflip != 0, kind | uint32_t(i));
    }
}

} // namespace

void rebuildPickImage() {
    if (!pickImage) pickImage = static_cast<int32_t*>(memAllocZeroed(sizeof(int32_t) * kFramePixels));
    if (!pickImage) return;
    auto* cells = reinterpret_cast<uint32_t*>(pickImage);
    std::fill(cells, cells + kFramePixels, 0u);
    pushClip();
    setClip(0, 0, kMapWidth, kMapHeight);
    pickLayer(cells, backgroundObjects, kPickBackground);
    // Labels are picked by their upright picture: slanted ones lean by at most a few pixels.
    for (int32_t i = 0; i < labelCount; ++i) {
        const Sprite* picture = labelPictures ? labelPictures[i] : nullptr;
        if (picture)
            drawSilhouette(cells, mapLabels[i].x, mapLabels[i].y, picture, false, kPickLabel | uint32_t(i));
    }
    for (int32_t i = 0; i < houseCount; ++i) {
        const Sprite* picture = housePicture(i);
        if (picture && houseInDrawRange(mapHouses[i]))
            drawSilhouette(cells, mapHouses[i].x, mapHouses[i].y, picture, false, kPickHouse | uint32_t(i));
    }
    pickLayer(cells, foregroundObjects, kPickForeground);
    popClip();
}

int32_t pickAt(int32_t x, int32_t y) {
    if (!pickImage || x < 0 || y < 0 || x >= kFrameWidth || y >= kFrameHeight) return 0;
    return pickImage[y * kFrameWidth + x];
}

int32_t pickUnderMouse(int32_t x, int32_t y, bool pictureOnly) {
    const int32_t cell = pickAt(x, y);
    const int32_t kind = cell & kPickKindMask;
    const int32_t index = cell & ~kPickKindMask;
    if (kind == kPickLabel && index < labelCount) {
        if (!pictureOnly) {
            editor.mode = kModeLabels;
            editor.selectedLabel = index;
        }
    } else if (kind == kPickHouse && index < houseCount) {
        if (!pictureOnly) {
            editor.mode = kModeHouse;
            editor.selectedHouse = index;
        }
    } else if (kind == kPickBackground || kind == kPickForeground) {
        const int32_t mode = kind == kPickBackground ? kModeBackground : kModeForeground;
        ObjectLayer& layer = layerForMode(mode);
        if (index >= layer.count) return 0;
        showPictureInChooser(chooserFor(mode), layer.objects[index].picture);
        if (!pictureOnly) {
            editor.mode = mode;
            editor.adjust = 1;
            layer.selected = index;
        }
    } else {
        return 0;
    }
    return cell;
}

} // namespace bv

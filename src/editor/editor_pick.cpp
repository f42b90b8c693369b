// The pick image: what lies under each pixel of the map, so that a right click can find the
// house, label or object the map maker points at, whatever is drawn over it. In the label mode
// each label also has a handle to grab it by, drawn over everything else on the map.
#include <algorithm>
#include <cmath>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "core/memory.h"
#include "editor/editor.h"
#include "gfx/draw.h"
#include "gfx/framebuffer.h"
#include "gfx/slant.h"
#include "world/map_layers.h"

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
    // Labels are picked where their letters are drawn, slanted as the map draws them.
    for (int32_t i = 0; i < labelCount; ++i) {
        const Sprite* picture = labelPictures ? labelPictures[i] : nullptr;
        const MapText& label = mapLabels[i];
        const float factor = labelSlantFactor(label.slant);
        if (picture && factor != 0.0f)
            drawSilhouetteSlanted(cells, label.x, label.y, picture, factor, kPickLabel | uint32_t(i));
        else if (picture)
            drawSilhouette(cells, label.x, label.y, picture, false, kPickLabel | uint32_t(i));
    }
    for (int32_t i = 0; i < houseCount; ++i) {
        const Sprite* picture = housePicture(i);
        if (picture && houseInDrawRange(mapHouses[i]))
            drawSilhouette(cells, mapHouses[i].x, mapHouses[i].y, picture, false, kPickHouse | uint32_t(i));
    }
    pickLayer(cells, foregroundObjects, kPickForeground);
    popClip();
}

namespace {

// Handle points are held this far around the map at most.
constexpr int32_t kHandleReach = 1 << 20;

// The handle's box around its point: the picture's own box, or 16 x 16 when the picture is missing,
// so that a label can still be grabbed.
Rect handleBox(Point at) {
    const Sprite* handle = spriteAt(iconSprites, pic::kIconLabelHandle);
    if (handle && handle->width > 0 && handle->height > 0)
        return Rect{at.x + handle->xOffset, at.y + handle->yOffset, handle->width, handle->height};
    return Rect{at.x - 8, at.y - 8, 16, 16};
}

} // namespace

Point labelHandlePoint(int32_t index) {
    if (index < 0 || index >= labelCount) return Point{0, 0};
    const MapText& label = mapLabels[index];
    const Sprite* picture = labelPictures ? labelPictures[index] : nullptr;
    if (!picture) {
        // Nothing is drawn: the handle keeps its place beside the label's point.
        const int64_t x = int64_t(label.x) + (label.slant == 60 ? 15 : -15);
        const int64_t y = int64_t(label.y) + (label.slant == 60 ? 20 : 0);
        return Point{int32_t(std::clamp<int64_t>(x, -kHandleReach, kHandleReach)),
                     int32_t(std::clamp<int64_t>(y, -kHandleReach, kHandleReach))};
    }
    // Two pixels left of the first column of letters, so clear of the text at any slant, and
    // halfway down the line where the slant carries it to the handle's column.
    // In 64 bits and held near the map: a label far off the map has its handle off it too, at a
    // point that later sums (the handle's box) cannot overflow.
    const Rect box = handleBox(Point{0, 0});
    const int64_t x = int64_t(label.x) + picture->xOffset - 2 - (int64_t(box.x) + box.width);
    const float middle = float(int64_t(label.y) + picture->yOffset + picture->height / 2) +
                         labelSlantFactor(label.slant) * (float(x - label.x) + 0.5f);
    return Point{int32_t(std::clamp<int64_t>(x, -kHandleReach, kHandleReach)),
                 int32_t(std::clamp(std::floor(middle), float(-kHandleReach), float(kHandleReach)))};
}

int32_t labelHandleAt(int32_t x, int32_t y) {
    // Handles are drawn on the map only; the part of one hanging into the panel is not there.
    if (x < 0 || y < 0 || x >= kMapWidth || y >= kMapHeight) return -1;
    // The last handle is drawn over the others, so it is the one found first.
    for (int32_t i = labelCount - 1; i >= 0; --i) {
        const Rect r = handleBox(labelHandlePoint(i));
        if (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height) return i;
    }
    return -1;
}

void drawLabelHandles() {
    const Sprite* handle = spriteAt(iconSprites, pic::kIconLabelHandle);
    if (!handle) return;
    pushClip();
    setClip(0, 0, kMapWidth, kMapHeight);
    for (int32_t i = 0; i < labelCount; ++i) {
        // The selected label's handle blinks, as the selected house does.
        if (i == editor.selectedLabel && (editor.animation & 2)) continue;
        const Point at = labelHandlePoint(i);
        drawSprite(frameBuffer, at.x, at.y, handle, false);
    }
    popClip();
}

int32_t pickAt(int32_t x, int32_t y) {
    if (!pickImage || x < 0 || y < 0 || x >= kFrameWidth || y >= kFrameHeight) return 0;
    return pickImage[y * kFrameWidth + x];
}

int32_t pickUnderMouse(int32_t x, int32_t y, bool pictureOnly) {
    if (!pictureOnly && editor.mode == kModeLabels) {
        const int32_t handle = labelHandleAt(x, y);
        if (handle >= 0) {
            editor.selectedLabel = handle;
            return kPickLabel | handle;
        }
    }
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

#include "world/map_draw.h"

#include <algorithm>

#include "assets/sprites.h"
#include "core/memory.h"
#include "gfx/blend_row.h"
#include "gfx/draw.h"
#include "gfx/draw_list.h"
#include "gfx/framebuffer.h"
#include "gfx/slant.h"
#include "world/map_layers.h"
#include "world/map_picture.h"
#include "world/scenario.h"

namespace bv {

int32_t* houseIndexImage = nullptr;

namespace {

// Narrows the clip rectangle to the map area for the lifetime of the object.
class MapClip {
  public:
    MapClip() {
        pushClip();
        setClip(clipLeft(), clipTop(), std::min(clipRight(), kMapWidth), std::min(clipBottom(), kMapHeight));
    }
    ~MapClip() { popClip(); }
    MapClip(const MapClip&) = delete;
    MapClip& operator=(const MapClip&) = delete;
};

// The background at (x, y): opaque pixels copied, translucent ones blended.
void blitBackground(int32_t x, int32_t y, const Sprite& picture) {
    const int32_t x0 = std::max(x, clipLeft()), x1 = std::min(x + picture.width, clipRight());
    const int32_t y0 = std::max(y, clipTop()), y1 = std::min(y + picture.height, clipBottom());
    for (int32_t py = y0; py < y1; ++py) {
        const uint32_t* src = picture.pixels + size_t(py - y) * picture.width + (x0 - x);
        uint32_t* dst = frameBuffer + size_t(py) * kFrameWidth + x0;
        blendBackgroundRow(dst, src, x1 - x0);
    }
}

const SpriteExSet& houseSet() {
    return isCareerMode() ? houseSprites : scaledHouseSprites;
}

const SpriteExSet& objectSet() {
    return isCareerMode() ? objectSprites : scaledObjectSprites;
}

// House indexes in drawing order: by y, equal y by index (the draw list's order).
int32_t* housesByY() {
    if (houseCount <= 0) return nullptr;
    auto* order = static_cast<int32_t*>(memAlloc(sizeof(int32_t) * houseCount));
    if (!order) return nullptr;
    for (int32_t i = 0; i < houseCount; ++i) order[i] = i;
    std::stable_sort(order, order + houseCount,
                     [](int32_t a, int32_t b) { return mapHouses[a].y < mapHouses[b].y; });
    return order;
}

} // namespace

const Sprite* housePicture(int32_t house) {
    if (house < 0 || house >= houseCount) return nullptr;
    const SpriteExSet& set = houseSet();
    const int32_t index = mapHouses[house].pictureIndex;
    if (index < 0 || index >= set.count) return nullptr;
    return &set.sprites[index].sprite;
}

const Sprite* objectPicture(int32_t index) {
    const SpriteExSet& set = objectSet();
    if (index < 0 || index >= set.count) return nullptr;
    return &set.sprites[index].sprite;
}

bool houseInDrawRange(const MapHouse& house) {
    return house.x >= -100 && house.x <= 899 && house.y >= -100 && house.y <= 549;
}

void rebuildHouseIndexImage() {
    if (!houseIndexImage)
        houseIndexImage = static_cast<int32_t*>(memAllocZeroed(sizeof(int32_t) * kFramePixels));
    if (!houseIndexImage) return;
    auto* cells = reinterpret_cast<uint32_t*>(houseIndexImage);
    std::fill(cells, cells + kFramePixels, 0u);
    int32_t* order = housesByY();
    pushClip();
    setClip(0, 0, kMapWidth, kMapHeight);
    for (int32_t n = 0; order && n < houseCount; ++n) {
        const int32_t i = order[n];
        const Sprite* picture = housePicture(i);
        if (picture && houseInDrawRange(mapHouses[i]))
            drawSilhouette(cells, mapHouses[i].x, mapHouses[i].y, picture, false, uint32_t(i + 1));
    }
    popClip();
    memFree(order);
}

int32_t houseAtPixel(int32_t x, int32_t y) {
    if (!houseIndexImage || x < 0 || y < 0 || x >= kFrameWidth || y >= kFrameHeight) return -1;
    const int32_t cell = houseIndexImage[y * kFrameWidth + x];
    return cell > 0 && cell <= houseCount ? cell - 1 : -1;
}

void drawMapBackground() {
    const Sprite& picture = backgroundPicture;
    if (mapBackground.mode == 0 || !picture.pixels || picture.width <= 0 || picture.height <= 0) return;
    MapClip clip;
    if (mapBackground.mode == 1) {
        for (int32_t y = 0; y < kMapHeight; y += picture.height) {
            for (int32_t x = 0; x < kMapWidth; x += picture.width) blitBackground(x, y, picture);
        }
    } else if (mapBackground.mode == 2) {
        // Centred on the screen, not on the map: a full-screen picture shows its top 450 rows.
        blitBackground(kFrameWidth / 2 - picture.width / 2, kFrameHeight / 2 - picture.height / 2, picture);
    }
}

void drawObjectLayer(const ObjectLayer& layer, LayerPass pass) {
    MapClip clip;
    for (int32_t i = 0; i < layer.count; ++i) {
        const MapObject& object = layer.objects[i];
        if (pass == LayerPass::kUnderHouses && object.onTop) continue;
        if (pass == LayerPass::kOverHouses && !object.onTop) continue;
        const Sprite* picture = objectPicture(object.picture);
        if (picture) drawListAdd(object.x, object.y, picture, object.xflip != 0);
    }
    drawListFlush();
}

void drawMapLabels() {
    MapClip clip;
    for (int32_t i = 0; i < labelCount; ++i) {
        const Sprite* picture = labelPictures ? labelPictures[i] : nullptr;
        if (!picture) continue;
        const MapText& label = mapLabels[i];
        const float factor = labelSlantFactor(label.slant);
        if (factor != 0.0f) {
            drawSpriteSlanted(frameBuffer, label.x, label.y, picture, factor, 1.0f);
        } else {
            drawSprite(frameBuffer, label.x, label.y, picture, false);
        }
    }
}

void drawMapBelowHouses() {
    drawMapBackground();
    drawObjectLayer(backgroundObjects, LayerPass::kAll);
    drawMapLabels();
}

void drawMapHouses() {
    MapClip clip;
    for (int32_t i = 0; i < houseCount; ++i) {
        const Sprite* picture = housePicture(i);
        if (picture && mapHouses[i].highlight < 2 && houseInDrawRange(mapHouses[i]))
            drawListAdd(mapHouses[i].x, mapHouses[i].y, picture, false);
    }
    drawListFlush();
}

void drawMapAboveHouses() {
    drawObjectLayer(foregroundObjects, LayerPass::kUnderHouses);
    drawObjectLayer(foregroundObjects, LayerPass::kOverHouses);
}

void drawMapTown() {
    drawMapBelowHouses();
    drawMapHouses();
    drawMapAboveHouses();
}

} // namespace bv

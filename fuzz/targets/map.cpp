// Maps (".map") from a map image, then what the game and the editor do with a map: the town drawn
// (background, objects, labels, houses), the house under a few points, the editor's pick image
// and its label handles; a map that is refused leaves the one in play as it was.
#include "world/map.h"
#include "assets/archive.h"
#include "editor/editor.h"
#include "fuzz.h"
#include "gfx/framebuffer.h"
#include "world/map_draw.h"
#include "world/map_layers.h"
#include "world/map_picture.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    bvfuzz::startGame();
    bv::loadMap("maple_lane");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > UINT32_MAX) return 0;
    const int32_t housesBefore = bv::houseCount;
    const int32_t labelsBefore = bv::labelCount;
    if (!bv::loadMapImage(data, uint32_t(size))) {
        FUZZ_CHECK(bv::houseCount == housesBefore && bv::labelCount == labelsBefore);
        return 0;
    }
    FUZZ_CHECK(bv::houseCount >= 0 && bv::houseCount <= int32_t(bv::kMaxMapHouses));
    const bv::TileGrid& grid = bv::tileGrid;
    FUZZ_CHECK(grid.columns >= 0 && grid.rows >= 0 &&
               (grid.cells != nullptr || int64_t(grid.columns) * grid.rows == 0));
    // A background named outside the maps folder is never read: the black picture stands in for it.
    if (bv::mapBackground.fileName[0] && !bv::namesFileInFolder(bv::mapBackground.fileName)) {
        const bv::Sprite& b = bv::backgroundPicture;
        FUZZ_CHECK(b.width == bv::kMapWidth && b.height == bv::kMapHeight);
        for (int32_t i = 0; i < b.width * b.height; ++i) FUZZ_CHECK(b.pixels[i] == 0xFF000000u);
    }
    for (int32_t i = 0; i < bv::labelCount; ++i) {
        const bv::MapText& l = bv::mapLabels[i];
        FUZZ_CHECK(l.x >= -bv::kLabelReach && l.x <= bv::kMapWidth + bv::kLabelReach);
        FUZZ_CHECK(l.y >= -bv::kLabelReach && l.y <= bv::kMapHeight + bv::kLabelReach);
    }
    for (const bv::ObjectLayer* layer : {&bv::backgroundObjects, &bv::foregroundObjects})
        for (int32_t i = 1; i < layer->count; ++i) FUZZ_CHECK(layer->objects[i - 1].y <= layer->objects[i].y);
    bv::resetClip();
    bv::drawMapTown();
    for (int32_t y = 0; y < bv::kMapHeight; y += 97)
        for (int32_t x = 0; x < bv::kMapWidth; x += 113) bv::houseAtPixel(x, y);
    bv::rebuildPickImage();
    bv::drawLabelHandles();
    for (int32_t i = 0; i < bv::labelCount; ++i) bv::labelHandlePoint(i);
    bv::labelHandleAt(400, 200);
    return 0;
}

// Loading the map's background picture, with the black picture that stands in for a missing one.
#include <cstring>

#include "assets/archive.h"
#include "assets/hash.h"
#include "core/memory.h"
#include "world/map.h"
#include "world/map_picture.h"

namespace bv {

MapBackground mapBackground = {};
Sprite backgroundPicture = {};

namespace {

constexpr uint32_t kOpaqueBlack = 0xFF000000u;

bool endsWithPng(const char* name) {
    size_t n = std::strlen(name);
    return n >= 3 && namesEqual(name + n - 3, "png");
}

void fillBlack(Sprite& picture) {
    for (size_t i = 0, n = size_t(picture.width) * picture.height; i < n; ++i)
        picture.pixels[i] = kOpaqueBlack;
}

void makeBlackPicture() {
    freePicture(backgroundPicture);
    backgroundPicture.pixels = static_cast<uint32_t*>(memAlloc(sizeof(uint32_t) * kMapWidth * kMapHeight));
    if (!backgroundPicture.pixels) return;
    backgroundPicture.width = kMapWidth;
    backgroundPicture.height = kMapHeight;
    fillBlack(backgroundPicture);
}

} // namespace

void freePicture(Sprite& picture) {
    memFree(picture.pixels);
    picture = Sprite{};
}

bool readPictureFile(const char* fileName, Sprite& out) {
    if (!fileName || !fileName[0]) return false;
    uint8_t* data = nullptr;
    uint32_t size = loadFile(fileName, data, 0);
    if (size == 0) return false;
    bool ok = endsWithPng(fileName) ? decodePng(data, size, out) : decodeTga(data, size, out);
    memFree(data);
    return ok;
}

void loadBackgroundPicture() {
    if (mapBackground.fileName[0] == 0) {
        if (backgroundPicture.pixels) {
            fillBlack(backgroundPicture);
        } else {
            makeBlackPicture();
        }
        return;
    }
    freePicture(backgroundPicture);
    if (!namesFileInFolder(mapBackground.fileName) || !enterProgramFolder("maps") ||
        !readPictureFile(mapBackground.fileName, backgroundPicture))
        makeBlackPicture();
}

} // namespace bv

// TGA background pictures from a file image, drawn as the map's background.
#include "picture.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    bvfuzz::openGame();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    bv::Sprite picture{};
    if (size <= UINT32_MAX && bv::decodeTga(data, uint32_t(size), picture)) bvfuzz::drawAsBackground(picture);
    return 0;
}

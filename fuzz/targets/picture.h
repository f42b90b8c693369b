// Shared by the PNG and TGA targets: a decoded picture used as the map's background, tiled and
// centred, as the town draws it.
#pragma once

#include "assets/sprite.h"
#include "fuzz.h"
#include "world/map.h"
#include "world/map_draw.h"
#include "world/map_picture.h"

namespace bvfuzz {

inline void drawAsBackground(bv::Sprite& picture) {
    FUZZ_CHECK(picture.width > 0 && picture.height > 0 && picture.pixels != nullptr);
    FUZZ_CHECK(int64_t(picture.width) * picture.height <= bv::kMaxPicturePixels);
    bv::freePicture(bv::backgroundPicture);
    bv::backgroundPicture = picture;
    picture = bv::Sprite{};
    for (const int32_t mode : {1, 2}) {
        bv::mapBackground.mode = mode;
        bv::drawMapBackground();
    }
    bv::freePicture(bv::backgroundPicture);
}

} // namespace bvfuzz

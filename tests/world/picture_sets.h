// Small named picture sets standing in for "houses.exs" and "objects.exs" in map tests: solid
// squares of one colour, anchored at their bottom centre like the real town pictures.
#pragma once

#include <cstdio>
#include <initializer_list>

#include "assets/sprites.h"
#include "core/memory.h"

namespace bvtest {

struct PictureDef {
    const char* name;
    int32_t width;
    int32_t height;
    uint32_t colour; // 0xAARRGGBB
};

inline void makePictureSet(bv::SpriteExSet& set, std::initializer_list<PictureDef> pictures) {
    bv::freeSpriteExSet(set);
    set.count = int32_t(pictures.size());
    set.sprites = static_cast<bv::SpriteEx*>(bv::memAllocZeroed(sizeof(bv::SpriteEx) * pictures.size()));
    int32_t i = 0;
    for (const PictureDef& p : pictures) {
        bv::SpriteEx& s = set.sprites[i++];
        s.sprite.width = p.width;
        s.sprite.height = p.height;
        s.sprite.xOffset = -p.width / 2;
        s.sprite.yOffset = -p.height;
        s.sprite.pixels = static_cast<uint32_t*>(bv::memAlloc(sizeof(uint32_t) * p.width * p.height));
        for (int32_t k = 0; k < p.width * p.height; ++k) s.sprite.pixels[k] = p.colour;
        std::snprintf(s.name, sizeof s.name, "%s", p.name);
    }
}

// Empties the game's four town sets.
inline void freeTownSets() {
    bv::freeSpriteExSet(bv::houseSprites);
    bv::freeSpriteExSet(bv::objectSprites);
    bv::freeSpriteExSet(bv::scaledHouseSprites);
    bv::freeSpriteExSet(bv::scaledObjectSprites);
}

} // namespace bvtest

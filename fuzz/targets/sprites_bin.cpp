// Plain (".bin") sprite sets from a set image, then what start-up and the screens do with one:
// every picture drawn plain, scaled, faded and as a silhouette at the frame's edges, the set
// resized at the map's scale, and a picture box-filtered to a portrait.
#include "assets/sprites.h"
#include "core/memory.h"
#include "fuzz.h"
#include "gfx/draw.h"
#include "gfx/framebuffer.h"

namespace {
constexpr int32_t kMostDrawn = 64;
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    bvfuzz::openGame();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > UINT32_MAX) return 0;
    bv::SpriteSet set;
    if (!bv::loadSpriteSetImage(data, uint32_t(size), set)) return 0;
    FUZZ_CHECK(set.count >= 0);
    bv::resetClip();
    for (int32_t i = 0; i < set.count && i < kMostDrawn; ++i) {
        const bv::Sprite* s = &set.sprites[i];
        FUZZ_CHECK(s->width >= 0 && s->height >= 0 &&
                   (s->pixels != nullptr || s->width == 0 || s->height == 0));
        bv::drawSprite(bv::frameBuffer, 400, 300, s, i % 2 == 0);
        bv::drawSprite(bv::frameBuffer, -5, 598, s, false);
        bv::drawSpriteScaled(bv::frameBuffer, 790, 10, s, 37, 23, true, 1.5f);
        bv::drawSpriteFaded(bv::frameBuffer, 100, 100, s, s->width / 2 + 1, s->height / 3 + 1, false, 128);
        bv::drawSilhouette(bv::frameBuffer, 0, 0, s, false, 0xABCDEF);
    }
    bv::SpriteSet scaled;
    bv::createScaledSprSet(set, scaled, bv::kMapScale, bv::kMapScale);
    for (int32_t i = 0; i < scaled.count && i < kMostDrawn; ++i)
        bv::drawSprite(bv::frameBuffer, 200, 200, &scaled.sprites[i], false);
    bv::freeSpriteSet(scaled);
    if (set.count > 0) {
        bv::Sprite portrait{};
        bv::addBoxFilteredSpr(portrait, set.sprites[0], 100, 100);
        bv::drawSprite(bv::frameBuffer, 50, 50, &portrait, false);
        bv::memFree(portrait.pixels);
    }
    bv::freeSpriteSet(set);
    return 0;
}

// Named (".exs") sprite sets from a set image, then what the town and the editor do with one: the
// set resized at the map's scale and made opaque, pictures found by name, every picture drawn
// with its anchor reset, pushed and popped, and as the editor's silhouette.
#include "assets/sprites.h"
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
    bv::SpriteExSet set;
    if (!bv::getSprExImage(data, uint32_t(size), "fuzz.exs", set)) return 0;
    FUZZ_CHECK(set.count >= 0);
    bv::resetClip();
    bv::resetExAnchors(set);
    for (int32_t i = 0; i < set.count && i < kMostDrawn; ++i) {
        bv::SpriteEx& e = set.sprites[i];
        FUZZ_CHECK(e.name[bv::kSpriteNameBytes - 1] == 0);
        FUZZ_CHECK(bv::findSprExIndex(set, e.name) >= 0);
        bv::drawSprite(bv::frameBuffer, 400, 450, &e.sprite, i % 2 == 1);
        bv::pushSpriteAnchor(e.sprite);
        bv::drawSilhouette(bv::frameBuffer, 795, 5, &e.sprite, false, 0x123456);
        bv::popSpriteAnchor(e.sprite);
    }
    bv::SpriteExSet scaled;
    bv::createScaledSprSet(set, scaled, bv::kMapScale, bv::kMapScale);
    bv::makeOpaque(scaled);
    for (int32_t i = 0; i < scaled.count && i < kMostDrawn; ++i)
        bv::drawSprite(bv::frameBuffer, 100, 440, &scaled.sprites[i].sprite, false);
    bv::freeSpriteExSet(scaled);
    bv::freeSpriteExSet(set);
    return 0;
}

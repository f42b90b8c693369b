// The picture sets of start-up, in their fixed order, and the sets derived from them.
#include "gfx/sprite_startup.h"

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "core/fatal.h"
#include "gfx/font.h"

namespace bv {

namespace {

// Every set the game loads is part of the content: without it screens would index pictures that
// are not there, so a missing or empty set stops the game with the file's name.
void requireSet(const char* name, SpriteSet& set) {
    if (!loadSpriteSet(name, set) || set.count == 0)
        fatal("Could not load the picture set %s.bin: the file is missing or damaged.\n", name);
}

void requirePictures(const SpriteSet& set, const char* name, int32_t needed) {
    if (set.count < needed)
        fatal("The picture set %s.bin holds %d pictures; the game needs at least %d.\n", name, set.count,
              needed);
}

void requireExSet(const char* name, SpriteExSet& set) {
    if (!getSprEx(name, set) || set.count == 0)
        fatal("Could not load the picture set %s: the file is missing or damaged.\n", name);
}

// Portraits: the investor pictures followed by the avatar plate and its ring at 100 x 100.
void buildPortraits() {
    const int32_t n = characterSprites.count;
    allocSpriteSet(portraitSprites, n + 2);
    for (int32_t i = 0; i < n; ++i) portraitSprites.sprites[i] = characterSprites.sprites[i];
    addBoxFilteredSpr(portraitSprites.sprites[n], iconSprites.sprites[pic::kIconAvatarBacking], 100, 100);
    addBoxFilteredSpr(portraitSprites.sprites[n + 1], iconSprites.sprites[pic::kIconAvatarOverlay], 100, 100);
}

} // namespace

void loadStartupSprites() {
    requireSet("logos", logoSprites);
    requireSet("icons", iconSprites);
    requireSet("bkgnd", backgroundSprites);
    requireSet("audio_boxes", audioBoxSprites);
    requireSet("part", particleSprites);
    requireSet("characters", characterSprites);
    requireSet("sml_characters", smallCharacterSprites);

    loadFonts();

    requirePictures(iconSprites, "icons", pic::kIconAvatarOverlay + 1);
    buildPortraits();
    // The small-character entry just past the investors becomes the plate at 50 x 50.
    requirePictures(smallCharacterSprites, "sml_characters", characterSprites.count + 1);
    addBoxFilteredSpr(smallCharacterSprites.sprites[characterSprites.count],
                      iconSprites.sprites[pic::kIconAvatarBacking], 50, 50);

    if (!loadFontSet("bfnt", numberFontSprites, 0, true) || numberFontSprites.count == 0)
        fatal("Could not load the number font bfnt.bin: the file is missing or damaged.\n");
    setLineAdvance(numberFontSprites, 0);
    numberFont.glyphs = numberFontSprites.sprites;
    numberFont.count = numberFontSprites.count;
    numberFont.ownsPixels = false;
}

void loadMapPictureSets() {
    requireExSet("houses.exs", houseSprites);
    requireExSet("objects.exs", objectSprites);
    // The copies map drawing reads at reduced size; the small objects are drawn with hard edges.
    createScaledSprSet(objectSprites, scaledObjectSprites, kMapScale, kMapScale);
    makeOpaque(scaledObjectSprites);
    createScaledSprSet(houseSprites, scaledHouseSprites, kMapScale, kMapScale);
}

} // namespace bv

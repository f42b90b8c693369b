// Sprite sets: numbered pictures loaded from ".bin" files (interface pictures, converted to the
// display's channel order in the buffer they were loaded into) and from ".exs" files (house and
// map-object pictures, each with its file name so that maps and the editor find them by name),
// and the resized copies derived from them with a 3 x 3 box filter.
//
// ".bin" file, little-endian: N, then N records of eight int32 (advance, yAdvance, code, xOffset,
// yOffset, width, height, unused), then the pixels of each sprite in record order as bytes
// red, green, blue, alpha, rows from the top.
// ".exs" file: three int32 (unused, N, unused), then N records of 112 bytes (the seven sprite words
// in memory order, an unused pixel word, an 80-byte name), then the pixels of each sprite in record
// order, already 0xAARRGGBB little-endian.
//
// Loaders never trust a count or size: a record array or pixel block that reaches past the end of
// the data, a negative size or one whose pixel count overflows makes the file's sprites from that
// one on unusable. A plain set keeps the sprites before the bad one; the rest get width and height
// 0 and no pixels (drawing them does nothing). Nothing is allocated before it is known to fit.
#pragma once

#include <cstdint>

#include "assets/sprite.h"

namespace bv {

// A plain set. `buffer` is the loaded file: it holds the records' source and the pixels, which
// `sprites[i].pixels` point into. Derived sets (portraits, resized copies) own their own memory.
struct SpriteSet {
    Sprite* sprites = nullptr;
    int32_t count = 0;
    void* buffer = nullptr;
};

constexpr int32_t kSpriteNameBytes = 80;
// On file a record is 112 bytes; in memory the pixel pointer makes it larger on 64-bit machines.
constexpr int32_t kSpriteExFileBytes = 112;

struct SpriteEx {
    Sprite sprite;
    char name[kSpriteNameBytes]; // the picture's file name, always terminated
};

// An extended (named) set. `header0` and `spare` are the file header's unused words. A loaded set
// gives each sprite its own pixels; a resized copy keeps all of them in `pixelBlock`.
struct SpriteExSet {
    SpriteEx* sprites = nullptr;
    int32_t count = 0;
    int32_t header0 = 0;
    int32_t spare = 0;
    void* pixelBlock = nullptr;
};

// The sets of the game, loaded by loadStartupSprites and loadMapPictureSets.
extern SpriteSet logoSprites;           // "logos"
extern SpriteSet iconSprites;           // "icons"
extern SpriteSet backgroundSprites;     // "bkgnd"
extern SpriteSet audioBoxSprites;       // "audio_boxes"
extern SpriteSet particleSprites;       // "part"
extern SpriteSet characterSprites;      // "characters": investor portraits
extern SpriteSet smallCharacterSprites; // "sml_characters"; entry [characters count] is icon 10 at 50 x 50
// characters count + 2 entries: the portraits (sharing the characters set's pixels), then icons 10
// and 11 box-filtered to 100 x 100.
extern SpriteSet portraitSprites;
extern SpriteSet numberFontSprites;     // "bfnt", loaded as a font (see gfx/font.h numberFont)
extern SpriteExSet houseSprites;        // "houses.exs"
extern SpriteExSet objectSprites;       // "objects.exs"
extern SpriteExSet scaledHouseSprites;  // houses at 5/12 of their size
extern SpriteExSet scaledObjectSprites; // objects at 5/12, made opaque
// The float nearest 5/12: the map's reduced drawing scale.
constexpr float kMapScale = 0.41666666f;

// "%s.bin" into `out` (80 bytes). A name of 76 characters or more is fatal.
void sprFileName(char* out, const char* name);

// Loads and converts "<name>.bin" into `set`. Returns 1, or 0 (silently) when the file cannot be
// read or its count does not fit the data; `set` is then left as it was.
int32_t loadSpriteSet(const char* name, SpriteSet& set);
// The same from a ".bin" image in memory (copied into the set's own buffer).
int32_t loadSpriteSetImage(const uint8_t* image, uint32_t size, SpriteSet& set);
// loadSpriteSet, then advance = width + extraAdvance for every sprite, and with numberCodes
// code = the sprite's index. Returns what loadSpriteSet returned.
int32_t loadFontSet(const char* name, SpriteSet& set, int32_t extraAdvance, bool numberCodes);
// Sets yAdvance of every sprite of the set.
void setLineAdvance(SpriteSet& set, int32_t value);
// Frees the file buffer (or a resized copy's pixel block) and the records of a plain set and
// empties it; a second call does nothing. Pixels made by addBoxFilteredSpr are the caller's.
void freeSpriteSet(SpriteSet& set);
// An array of `count` records (cleared, so that an unfilled one draws nothing); the set owns it.
void allocSpriteSet(SpriteSet& set, int32_t count);

// Loads an extended set: records and pixels copied into memory of its own, the file released.
// Returns 1, or 0 when the file cannot be read or its header does not fit (set left as it was).
// Out of memory for a sprite is fatal ("Couldn't memAlloc for sprite #%d, set %s in getSprEx.").
int32_t getSprEx(const char* name, SpriteExSet& set);
// The same from an ".exs" image in memory; `name` only names the set in the fatal message.
int32_t getSprExImage(const uint8_t* image, uint32_t size, const char* name, SpriteExSet& set);
// Frees an extended set's pixels and records; count becomes 0.
void freeSpriteExSet(SpriteExSet& set);

// A new set of one sprite per source sprite, sizes and offsets multiplied by the factors and
// truncated, pixels resampled by boxFilter into one allocation (out of memory is fatal). For
// extended sets the names are left empty. The target's old contents are not freed.
void createScaledSprSet(const SpriteSet& source, SpriteSet& target, float xFactor, float yFactor);
void createScaledSprSet(const SpriteExSet& source, SpriteExSet& target, float xFactor, float yFactor);
// Fills `target` with `source` resampled to width x height (own pixel allocation, out of memory is
// fatal); offsets scale with integer arithmetic. advance, code and yAdvance become 0.
void addBoxFilteredSpr(Sprite& target, const Sprite& source, int32_t width, int32_t height);
// Resamples source into target at target's width and height (target pixels must hold them):
// each target pixel takes the alpha of its centre source pixel and the average colour, rounded to
// nearest, of the non-transparent pixels in the 3 x 3 neighbourhood; a transparent centre gives 0.
// The centre of target pixel (x, y) is source (trunc(x * sw / tw), trunc(y * sh / th)), the steps
// summed in float.
void boxFilter(const Sprite& source, Sprite& target);
// Every pixel with non-zero alpha gets alpha 255.
void makeOpaque(SpriteSet& set);
void makeOpaque(SpriteExSet& set);
// yOffset = -height for every sprite (bottom anchor). The frame loop runs it for houseSprites and
// objectSprites before each state update, so a per-frame anchor change lasts one frame.
void resetExAnchors(SpriteExSet& set);

// A stack of up to 25 saved anchors: push saves (xOffset, yOffset) and sets both to 0 (the picture
// is then drawn from its top-left corner); pop restores the last saved pair into `sprite`. A push
// onto a full stack and a pop of an empty one do nothing.
constexpr int32_t kAnchorStackSize = 25;
void pushSpriteAnchor(Sprite& sprite);
void popSpriteAnchor(Sprite& sprite);
int32_t anchorStackDepth();

// The sprite whose name hashes like `name` (letter case does not matter), or nullptr / -1.
SpriteEx* findSprEx(SpriteExSet& set, const char* name);
int32_t findSprExIndex(const SpriteExSet& set, const char* name);

// The sprite at `index` of a set, or nullptr for an index outside it.
inline Sprite* spriteAt(SpriteSet& set, int32_t index) {
    return index >= 0 && index < set.count ? &set.sprites[index] : nullptr;
}
inline Sprite* spriteAt(SpriteExSet& set, int32_t index) {
    return index >= 0 && index < set.count ? &set.sprites[index].sprite : nullptr;
}

} // namespace bv

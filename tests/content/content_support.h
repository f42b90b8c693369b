// Readers the content tests use: the manifest, the built files and their formats, written
// independently of the generators so that a format slip on either side shows up.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "assets/sprites.h"
#include "gfx/font.h"
#include "support/bytes.h"
#include "support/test_support.h"

namespace bvtest {

struct ManifestKey {
    std::string name;
    std::string signature; // "d", "s", "f" per placeholder in order; "" for none
    std::string fit;       // "", "btn", "line" or "box"
    std::string font;      // font file of the fit ("arial15_blue.spr" for buttons)
    int width = 0;
    int height = 0;
};

struct PictureRule {
    std::string set;
    int first = 0, last = 0;
    std::string anchor; // "" when not stated
    int sizeW = -1, sizeH = -1, minW = -1, minH = -1, maxW = -1, maxH = -1;
    bool square = false;
};

struct ManifestSound {
    int id = 0;
    std::string file;
    bool music = false;
    double minSeconds = 0, maxSeconds = 0;
};

struct Manifest {
    std::vector<ManifestKey> keys;
    std::map<std::string, int> sets;    // plain set name -> minimum count
    std::map<std::string, int> exsSets; // named set file -> minimum count
    std::vector<PictureRule> pictureRules;
    std::vector<std::pair<std::string, std::string>> fonts; // file, metrics base ("" if none)
    std::vector<ManifestSound> sounds;
};

// content/manifest.txt of the source tree; a malformed line fails the calling test.
const Manifest& manifest();

// Built files: the content folder (generator output) and the game folder (archive, PNG folders).
std::string contentDir();
std::string gameDir();

// Placeholders of a formatted text as the game's wide formatter sees them: %d, %s and %f are
// conversions, any other '%' is copied with the character after it.
std::string placeholderSignature(const std::u16string& text);

// Fonts and picture sets of the content folder as the game's own loaders read them (their file
// formats are checked byte by byte with hand-made files in the gfx tests), each loaded once and
// kept for the whole test program. A file the loader refuses gives an empty font or set.
const bv::Font& font(const std::string& file);
const bv::SpriteSet& binSet(const std::string& set); // "icons" for icons.bin
const bv::SpriteExSet& exsSet(const std::string& file);
// How many of the picture's pixels are nearly opaque (alpha 224 and up).
int opaqueCount(const bv::Sprite& s);

} // namespace bvtest

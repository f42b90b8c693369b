// Readers the content tests use: the manifest, the built files and their formats, written
// independently of the generators so that a format slip on either side shows up.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "support/bytes.h"

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
std::string toolsDir();

// The archive's entries by name hash, inflated. Empty when the archive cannot be read.
std::map<uint32_t, std::vector<uint8_t>> readArchive(const std::string& path);

// Placeholders of a formatted text as the game's wide formatter sees them: %d, %s and %f are
// conversions, any other '%' is copied with the character after it.
std::string placeholderSignature(const std::u16string& text);

// Fonts and picture sets of the content folder as the game's own loaders read them (their file
// formats are checked byte by byte with hand-made files in the gfx tests).
struct FontGlyph {
    int32_t xOffset = 0, yOffset = 0, width = 0, height = 0, advance = 0, yAdvance = 0, code = 0;
    std::vector<uint32_t> pixels; // 0xAARRGGBB
    uint32_t alpha(int x, int y) const { return pixels[size_t(y * width + x)] >> 24; }
};

struct Font {
    bool ok = false; // the loader took the file
    std::vector<FontGlyph> glyphs;
};
Font loadFont(const std::string& file);

struct SetPicture {
    int32_t advance = 0, yAdvance = 0, code = 0, xOffset = 0, yOffset = 0, width = 0, height = 0;
    std::string name;
    std::vector<uint32_t> argb; // 0xAARRGGBB
};
// A plain ".bin" set by its name without the extension; a named ".exs" set by its file name.
std::vector<SetPicture> loadBinSet(const std::string& set);
std::vector<SetPicture> loadExsSet(const std::string& file);

std::vector<uint8_t> readBytes(const std::string& path);

} // namespace bvtest

// Readers the content tests use: the manifest, the built files and their formats, written
// independently of the generators so that a format slip on either side shows up.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

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

struct FontGlyph {
    int32_t xOffset = 0, yOffset = 0, width = 0, height = 0, advance = 0, yAdvance = 0, code = 0;
    std::vector<uint8_t> pixels; // B, G, R, A
    uint8_t alpha(int x, int y) const { return pixels[size_t((y * width + x) * 4 + 3)]; }
};

struct Font {
    bool ok = false;
    std::string problem;
    std::vector<FontGlyph> glyphs;
    // The glyph the game draws for a code: index = code if it matches, else the first with the
    // code, else glyph 0.
    const FontGlyph& glyphFor(int code) const;
    int lineHeight() const;
    int textWidth(const std::u16string& text) const;
    // Lines the text takes when wrapped to `width` pixels with the game's word rule.
    int wrappedLines(const std::u16string& text, int width) const;
};
Font parseFont(const std::vector<uint8_t>& bytes);

struct SetPicture {
    int32_t advance = 0, yAdvance = 0, code = 0, xOffset = 0, yOffset = 0, width = 0, height = 0;
    std::string name;
    std::vector<uint32_t> argb; // converted to 0xAARRGGBB
};
// Plain ".bin" set; false on any inconsistency (sizes past the end, trailing bytes).
bool parseBinSet(const std::vector<uint8_t>& bytes, std::vector<SetPicture>& out, std::string& problem);
// Named ".exs" set.
bool parseExsSet(const std::vector<uint8_t>& bytes, std::vector<SetPicture>& out, std::string& problem);

std::vector<uint8_t> readBytes(const std::string& path);
uint32_t le32(const std::vector<uint8_t>& b, size_t at);

} // namespace bvtest

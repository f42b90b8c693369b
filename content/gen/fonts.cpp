// bvgen_fonts OUTDIR: rasterises the eleven bitmap fonts with FreeType from Liberation Sans Bold
// (the arial* families) and DejaVu Sans Bold (the tiny "oliversb8").
//
// Every font holds 256 glyphs with index = character code (Latin-1), because the name entry
// checks the gold font's glyph at the typed code and because metric pairs are copied by index.
// Control characters have empty pictures (so they are never accepted as name characters); the
// space has a transparent picture of its advance's width, so a name may contain spaces.
//
// The pen's y is the top of the line: a glyph's yOffset is the font's ascender minus the glyph's
// height above the baseline. For 15 px that puts capitals 3 px below the pen, which centres a
// label on a 30 px button when it is drawn 8 px above the button's middle.
//
// Colours are baked into the pixels (the game draws most text untinted); a tint replaces them.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <functional>

#include "out.h"

namespace {

using bv::gen::Glyph;
using bv::gen::Picture;

const char* kLiberationBold = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf";
const char* kDejaVuBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

struct Rgb {
    double r, g, b;
};

Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb hex(uint32_t c) {
    return {double(c >> 16 & 255), double(c >> 8 & 255), double(c & 255)};
}

// A coverage mask of one glyph with its placement.
struct Mask {
    int width = 0, height = 0, xOffset = 0, yOffset = 0, advance = 0;
    std::vector<uint8_t> alpha;
};

struct Face {
    FT_Face face = nullptr;
    int ascender = 0;
    int capTop = 0, capHeight = 1; // rows of 'A' measured from the pen
};

FT_Library library() {
    static FT_Library lib = nullptr;
    if (!lib && FT_Init_FreeType(&lib)) bv::gen::die("FreeType init failed");
    return lib;
}

Face openFace(const char* path, int pixels) {
    Face f;
    if (FT_New_Face(library(), path, 0, &f.face)) bv::gen::die("cannot open font %s", path);
    if (FT_Set_Pixel_Sizes(f.face, 0, FT_UInt(pixels))) bv::gen::die("cannot size font %s", path);
    f.ascender = int(f.face->size->metrics.ascender >> 6);
    if (FT_Load_Char(f.face, 'A', FT_LOAD_RENDER)) bv::gen::die("no 'A' in %s", path);
    f.capTop = f.ascender - f.face->glyph->bitmap_top;
    f.capHeight = std::max(1, int(f.face->glyph->bitmap.rows));
    return f;
}

Mask renderMask(const Face& f, int code) {
    Mask m;
    if (FT_Load_Char(f.face, FT_ULong(code), FT_LOAD_RENDER))
        bv::gen::die("cannot render character %d", code);
    FT_GlyphSlot g = f.face->glyph;
    m.advance = int((g->advance.x + 32) >> 6);
    m.width = int(g->bitmap.width);
    m.height = int(g->bitmap.rows);
    m.xOffset = g->bitmap_left;
    m.yOffset = f.ascender - g->bitmap_top;
    m.alpha.resize(size_t(m.width) * size_t(m.height));
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x)
            m.alpha[size_t(y * m.width + x)] = g->bitmap.buffer[y * g->bitmap.pitch + x];
    return m;
}

// Grows a mask by `pad` pixels on every side (for the glow).
Mask padded(const Mask& m, int pad) {
    Mask p = m;
    p.width = m.width + 2 * pad, p.height = m.height + 2 * pad;
    p.xOffset -= pad, p.yOffset -= pad;
    p.alpha.assign(size_t(p.width) * size_t(p.height), 0);
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x)
            p.alpha[size_t((y + pad) * p.width + x + pad)] = m.alpha[size_t(y * m.width + x)];
    return p;
}

// A soft halo: the mask spread by a small Gaussian-like kernel.
std::vector<double> halo(const Mask& m) {
    static const double k[5] = {0.12, 0.5, 1.0, 0.5, 0.12};
    std::vector<double> tmp(m.alpha.size(), 0), out(m.alpha.size(), 0);
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x) {
            double s = 0;
            for (int d = -2; d <= 2; ++d)
                if (x + d >= 0 && x + d < m.width)
                    s += k[d + 2] * m.alpha[size_t(y * m.width + x + d)] / 255.0;
            tmp[size_t(y * m.width + x)] = s;
        }
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x) {
            double s = 0;
            for (int d = -2; d <= 2; ++d)
                if (y + d >= 0 && y + d < m.height) s += k[d + 2] * tmp[size_t((y + d) * m.width + x)];
            out[size_t(y * m.width + x)] = std::min(1.0, s / 1.6);
        }
    return out;
}

uint32_t pack(Rgb c, double alpha) {
    auto byte = [](double v) { return uint32_t(std::clamp(std::lround(v), 0l, 255l)); };
    return byte(alpha * 255) << 24 | byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b);
}

// The colour of a text pixel: row is measured from the pen, t runs 0..1 over the capitals.
using Paint = std::function<Rgb(const Face&, int row, double coverage)>;

Paint solid(uint32_t colour) {
    return [c = hex(colour)](const Face&, int, double) { return c; };
}

// A vertical gradient over the capital height; partial-coverage edge pixels darken toward `edge`
// so the letters keep a crisp rim on any background.
Paint gradient(uint32_t top, uint32_t bottom, uint32_t edge) {
    return [a = hex(top), b = hex(bottom), e = hex(edge)](const Face& f, int row, double coverage) {
        double t = std::clamp((row - f.capTop + 0.5) / f.capHeight, 0.0, 1.0);
        return mix(e, mix(a, b, t), 0.35 + 0.65 * coverage);
    };
}

Glyph blankGlyph(int code, int advance, int width) {
    Glyph g;
    g.code = code;
    g.advance = advance;
    g.picture = Picture(width, width > 0 ? 1 : 0);
    return g;
}

bool isControl(int code) {
    return code < 32 || (code >= 127 && code < 160);
}

// glowColour 0: plain glyphs; otherwise a 2-pixel soft halo behind the text.
std::vector<Glyph> buildFont(const char* path, int pixels, const Paint& paint, uint32_t glowColour,
                             double glowStrength) {
    Face f = openFace(path, pixels);
    const int pad = glowColour ? 2 : 0;
    const int spaceAdvance = renderMask(f, ' ').advance;
    std::vector<Glyph> glyphs;
    for (int code = 0; code < 256; ++code) {
        if (code == 0) {
            glyphs.push_back(blankGlyph(0, spaceAdvance, 0)); // drawn for characters a font lacks
            continue;
        }
        if (isControl(code)) {
            glyphs.push_back(blankGlyph(code, 0, 0));
            continue;
        }
        if (code == ' ' || code == 0xA0) {
            glyphs.push_back(blankGlyph(code, spaceAdvance, code == ' ' ? spaceAdvance : 0));
            continue;
        }
        Mask m = padded(renderMask(f, code), pad);
        std::vector<double> glow = pad ? halo(m) : std::vector<double>(m.alpha.size(), 0);
        Glyph g;
        g.code = code;
        g.advance = m.advance;
        g.picture = Picture(m.width, m.height);
        g.picture.xOffset = m.xOffset, g.picture.yOffset = m.yOffset;
        for (int y = 0; y < m.height; ++y)
            for (int x = 0; x < m.width; ++x) {
                double a = m.alpha[size_t(y * m.width + x)] / 255.0;
                Rgb text = paint(f, m.yOffset + y, a);
                double ga = glow[size_t(y * m.width + x)] * glowStrength;
                double outA = a + ga * (1 - a);
                Rgb c = outA > 0 ? mix(hex(glowColour), text, a / outA) : text;
                g.picture.at(x, y) = pack(c, outA);
            }
        glyphs.push_back(std::move(g));
    }
    FT_Done_Face(f.face);
    return glyphs;
}

void writeFont(const std::string& dir, const char* name, const std::vector<Glyph>& glyphs) {
    bv::gen::writeFile(bv::gen::outPath(dir, name), bv::gen::encodeFont(glyphs));
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) bv::gen::die("usage: bvgen_fonts OUTDIR");
    const std::string dir = argv[1];
    const uint32_t kDarkBrown = 0x4A2C17, kEdgeBrown = 0x2A170B;

    writeFont(dir, "arial15_bld.spr", buildFont(kLiberationBold, 15, solid(0xFFFBF0), 0, 0));
    writeFont(dir, "arial15_bld_gold.spr",
              buildFont(kLiberationBold, 15, gradient(0xFFF3A6, 0xC98A12, 0x7A4A05), 0, 0));
    writeFont(dir, "arial15_bld_glw.spr", buildFont(kLiberationBold, 15, solid(0xFFFFFF), 0x8FDcFF, 0.85));
    writeFont(dir, "arial15_bld_glw_lit.spr", buildFont(kLiberationBold, 15, solid(0xFFF7C2), 0xFFB830, 1.0));
    writeFont(dir, "arial20_bld.spr",
              buildFont(kLiberationBold, 20, gradient(0x3A2416, 0x24150B, 0x24150B), 0, 0));
    writeFont(dir, "arial12_bld.spr", buildFont(kLiberationBold, 12, solid(kDarkBrown), 0, 0));
    writeFont(dir, "oliversb8.spr", buildFont(kDejaVuBold, 8, solid(0xFFFFFF), 0, 0));
    writeFont(dir, "arial15_blue.spr",
              buildFont(kLiberationBold, 15, gradient(0x2A66B0, 0x143C72, 0x0E2A52), 0, 0));
    writeFont(dir, "arial15_blue_lit.spr",
              buildFont(kLiberationBold, 15, gradient(0x3C8CF0, 0x1E62C0, 0x174C96), 0, 0));
    writeFont(dir, "arial15_brown.spr",
              buildFont(kLiberationBold, 15, gradient(0x55331B, 0x3F2311, kEdgeBrown), 0, 0));
    writeFont(dir, "arial20_brown.spr",
              buildFont(kLiberationBold, 20, gradient(0x6B3A17, 0x44220B, kEdgeBrown), 0, 0));
    return 0;
}

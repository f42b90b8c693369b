// bvsheet IN OUT.png [--scale N]: draws every picture of a sprite set (".bin", ".exs") or every
// glyph of a font (".spr") into one labelled contact-sheet PNG, so that the content can be
// reviewed by eye. Each picture sits on a checkerboard (to show its transparency) with its index
// underneath and a small magenta cross on its anchor point. A font sheet starts with a sample
// line laid out with the font's own offsets and advances, to check the baseline and spacing.
#include <png.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/byte_reader.h"

namespace {

using bv::i32At;
using bv::u32At;

struct Pic {
    int32_t xOffset = 0, yOffset = 0, width = 0, height = 0, advance = 0, code = 0;
    std::vector<uint32_t> argb;
    std::string name;
};

// Reads width * height pixels at `at` (R,G,B,A when rgba, else B,G,R,A); false when truncated.
bool readPixels(const std::vector<uint8_t>& b, size_t& at, Pic& p, bool rgba) {
    if (p.width < 0 || p.height < 0) return false;
    size_t n = size_t(p.width) * size_t(p.height);
    if (at + n * 4 > b.size()) return false;
    p.argb.resize(n);
    for (size_t i = 0; i < n; ++i, at += 4) {
        uint32_t c0 = b[at], c1 = b[at + 1], c2 = b[at + 2], a = b[at + 3];
        p.argb[i] = rgba ? (a << 24 | c0 << 16 | c1 << 8 | c2) : (a << 24 | c2 << 16 | c1 << 8 | c0);
    }
    return true;
}

bool endsWith(const std::string& s, const std::string& tail) {
    if (s.size() < tail.size()) return false;
    for (size_t i = 0; i < tail.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[s.size() - tail.size() + i])) != tail[i]) return false;
    return true;
}

bool load(const std::string& path, std::vector<Pic>& pics, bool& isFont) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::vector<uint8_t> b{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    isFont = endsWith(path, ".spr");
    if (isFont) {
        if (u32At(b.data(), b.size(), 12) != 552 || u32At(b.data(), b.size(), 16) != 344) return false;
        uint32_t n = u32At(b.data(), b.size(), 32);
        size_t at = 572;
        for (uint32_t i = 0; i < n; ++i) {
            Pic p;
            p.xOffset = i32At(b.data(), b.size(), at), p.yOffset = i32At(b.data(), b.size(), at + 4);
            p.width = i32At(b.data(), b.size(), at + 40), p.height = i32At(b.data(), b.size(), at + 44);
            p.advance = i32At(b.data(), b.size(), at + 72), p.code = i32At(b.data(), b.size(), at + 80);
            at += 344;
            if (!readPixels(b, at, p, false)) return false;
            pics.push_back(std::move(p));
        }
        return true;
    }
    bool exs = endsWith(path, ".exs");
    uint32_t n = u32At(b.data(), b.size(), exs ? 4 : 0);
    size_t record = exs ? 112 : 32, first = exs ? 12 : 4;
    if (b.size() < first || (b.size() - first) / record < n) return false;
    for (uint32_t i = 0; i < n; ++i) {
        size_t at = first + i * record;
        Pic p;
        if (exs) {
            p.xOffset = i32At(b.data(), b.size(), at + 8), p.yOffset = i32At(b.data(), b.size(), at + 12);
            p.width = i32At(b.data(), b.size(), at + 16), p.height = i32At(b.data(), b.size(), at + 20);
            const char* name = reinterpret_cast<const char*>(&b[at + 32]);
            size_t len = 0;
            while (len < 79 && name[len]) ++len;
            p.name.assign(name, len);
        } else {
            p.xOffset = i32At(b.data(), b.size(), at + 12), p.yOffset = i32At(b.data(), b.size(), at + 16);
            p.width = i32At(b.data(), b.size(), at + 20), p.height = i32At(b.data(), b.size(), at + 24);
        }
        pics.push_back(std::move(p));
    }
    size_t at = first + n * record;
    for (Pic& p : pics)
        if (!readPixels(b, at, p, !exs)) return false;
    return true;
}

// A 3 x 5 pixel font for the labels: digits, '-', and the letters a name may need are skipped.
const uint16_t kDigits[11] = {0x7B6F, 0x2C97, 0x73E7, 0x73CF, 0x5BC9, 0x79CF,
                              0x79EF, 0x7249, 0x7BEF, 0x7BCF, 0x01C0};

class Sheet {
  public:
    Sheet(int w, int h) : w_(w), h_(h), px_(size_t(w) * size_t(h), 0xFF3A3F4Au) {}
    void blend(int x, int y, uint32_t c) {
        if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
        uint32_t& d = px_[size_t(y) * size_t(w_) + size_t(x)];
        uint32_t a = c >> 24;
        auto ch = [&](int s) {
            return ((((c >> s) & 255) * a + ((d >> s) & 255) * (255 - a) + 127) / 255) << s;
        };
        d = 0xFF000000u | ch(16) | ch(8) | ch(0);
    }
    void fill(int x, int y, int w, int h, uint32_t c) {
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) blend(x + i, y + j, c);
    }
    void checker(int x, int y, int w, int h) {
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i)
                blend(x + i, y + j, ((i / 6 + j / 6) & 1) ? 0xFFB8B8B8u : 0xFFD8D8D8u);
    }
    void picture(const Pic& p, int x, int y, int scale) {
        for (int j = 0; j < p.height * scale; ++j)
            for (int i = 0; i < p.width * scale; ++i)
                blend(x + i, y + j, p.argb[size_t(j / scale) * size_t(p.width) + size_t(i / scale)]);
    }
    void number(int value, int x, int y, uint32_t c) {
        std::string s = std::to_string(value);
        for (size_t k = 0; k < s.size(); ++k) {
            uint16_t bits = kDigits[s[k] == '-' ? 10 : s[k] - '0'];
            for (int j = 0; j < 5; ++j)
                for (int i = 0; i < 3; ++i)
                    if (bits >> (14 - (j * 3 + i)) & 1) fill(x + int(k) * 8 + i * 2, y + j * 2, 2, 2, c);
        }
    }
    bool save(const std::string& path) const {
        FILE* f = std::fopen(path.c_str(), "wb");
        if (!f) return false;
        png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        if (setjmp(png_jmpbuf(png))) {
            std::fclose(f);
            return false;
        }
        png_init_io(png, f);
        png_set_IHDR(png, info, uint32_t(w_), uint32_t(h_), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        std::vector<uint8_t> row(size_t(w_) * 3);
        for (int y = 0; y < h_; ++y) {
            for (int x = 0; x < w_; ++x) {
                uint32_t c = px_[size_t(y) * size_t(w_) + size_t(x)];
                row[size_t(x) * 3] = uint8_t(c >> 16), row[size_t(x) * 3 + 1] = uint8_t(c >> 8);
                row[size_t(x) * 3 + 2] = uint8_t(c);
            }
            png_write_row(png, row.data());
        }
        png_write_end(png, info);
        png_destroy_write_struct(&png, &info);
        return std::fclose(f) == 0;
    }

  private:
    int w_, h_;
    std::vector<uint32_t> px_;
};

struct Cell {
    int index, x, y, w, h;
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bvsheet IN OUT.png [--scale N]\n");
        return 2;
    }
    int scale = 1;
    for (int i = 3; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--scale") scale = std::max(1, std::atoi(argv[i + 1]));
    std::vector<Pic> pics;
    bool isFont = false;
    if (!load(argv[1], pics, isFont)) {
        std::fprintf(stderr, "bvsheet: cannot read %s\n", argv[1]);
        return 1;
    }
    // Shelf layout: cells left to right, a new row when the sheet width is reached.
    const int kSheetWidth = 1600, kGap = 6, kLabel = 14;
    int top = 8;
    const char* sample =
        "Brickvale 2: Buy low, rent high! $1,234,567 (98%) - Caf\xe9 na\xefve \xc5ngstr\xf6m";
    if (isFont) top += 4 * 30 * scale;
    std::vector<Cell> cells;
    int x = 8, y = top, rowH = 0;
    for (size_t i = 0; i < pics.size(); ++i) {
        int w = std::max(pics[i].width * scale + 8, 30), h = std::max(pics[i].height, 1) * scale + 8 + kLabel;
        if (x + w > kSheetWidth && x > 8) x = 8, y += rowH + kGap, rowH = 0;
        cells.push_back({int(i), x, y, w, h});
        x += w + kGap;
        rowH = std::max(rowH, h);
    }
    int width = kSheetWidth, height = y + rowH + 8;
    if (!cells.empty()) {
        int right = 0;
        for (const Cell& c : cells) right = std::max(right, c.x + c.w);
        width = std::max(right + 8, isFont ? 900 : 0);
    }
    Sheet sheet(width, height);
    if (isFont) {
        // The sample line on a light and on a dark strip, pen at the strip's top.
        for (int strip = 0; strip < 4; ++strip) {
            int sy = 8 + strip * 30 * scale;
            sheet.fill(0, sy, width, 30 * scale, strip % 2 ? 0xFF3C5E9Cu : 0xFFEBDDBFu);
            int pen = 10;
            const char* text =
                strip < 2 ? sample : "ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz 0123456789";
            for (const char* c = text; *c; ++c) {
                unsigned code = static_cast<unsigned char>(*c);
                const Pic& g = code < pics.size() && pics[code].code == int(code) ? pics[code] : pics[0];
                sheet.picture(g, pen + g.xOffset * scale, sy + 4 * scale + g.yOffset * scale, scale);
                pen += g.advance * scale;
            }
        }
    }
    for (const Cell& c : cells) {
        const Pic& p = pics[size_t(c.index)];
        sheet.checker(c.x, c.y, c.w, c.h - kLabel);
        int px = c.x + (c.w - p.width * scale) / 2, py = c.y + 4;
        sheet.picture(p, px, py, scale);
        int ax = px - p.xOffset * scale, ay = py - p.yOffset * scale;
        if (ax >= c.x && ax < c.x + c.w && ay >= c.y && ay < c.y + c.h) {
            sheet.fill(ax - 2, ay, 5, 1, 0xFFFF00FFu);
            sheet.fill(ax, ay - 2, 1, 5, 0xFFFF00FFu);
        }
        sheet.number(c.index, c.x + 2, c.y + c.h - kLabel + 2, 0xFFFFFFFFu);
    }
    if (!sheet.save(argv[2])) {
        std::fprintf(stderr, "bvsheet: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}

// File formats written by the content generators.
#include "out.h"

#include <png.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace bv::gen {

void die(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::fputs("content generator: ", stderr);
    std::vfprintf(stderr, format, args);
    std::fputc('\n', stderr);
    va_end(args);
    std::exit(1);
}

void writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::filesystem::path p(path);
    std::error_code error;
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (!out) die("cannot write %s", path.c_str());
}

std::string outPath(const std::string& folder, const std::string& name) {
    return folder + "/" + name;
}

namespace {

// Pixels of a picture in byte order R, G, B, A (plain sets) or B, G, R, A (named sets, fonts).
void putPixels(Bytes& out, const Picture& p, bool rgba) {
    for (uint32_t argb : p.pixels) {
        uint8_t a = uint8_t(argb >> 24), r = uint8_t(argb >> 16), g = uint8_t(argb >> 8), b = uint8_t(argb);
        if (a == 0) r = g = b = 0; // invisible pixels carry no colour: smaller, steadier files
        if (rgba) {
            out.u8(r), out.u8(g), out.u8(b), out.u8(a);
        } else {
            out.u8(b), out.u8(g), out.u8(r), out.u8(a);
        }
    }
}

void checkPicture(const Picture& p) {
    if (p.width < 0 || p.height < 0 || p.pixels.size() != size_t(p.width) * size_t(p.height))
        die("picture '%s' has inconsistent size %dx%d", p.name.c_str(), p.width, p.height);
}

} // namespace

std::vector<uint8_t> encodeBinSet(const std::vector<Picture>& pictures) {
    Bytes out;
    out.i32(int32_t(pictures.size()));
    for (const Picture& p : pictures) {
        checkPicture(p);
        out.i32(0), out.i32(0), out.i32(0); // advance, yAdvance, code
        out.i32(p.xOffset), out.i32(p.yOffset), out.i32(p.width), out.i32(p.height), out.i32(0);
    }
    for (const Picture& p : pictures) putPixels(out, p, true);
    return out.data();
}

std::vector<uint8_t> encodeExsSet(const std::vector<Picture>& pictures) {
    Bytes out;
    out.i32(0), out.i32(int32_t(pictures.size())), out.i32(0);
    for (const Picture& p : pictures) {
        checkPicture(p);
        if (p.name.empty() || p.name.size() > 79)
            die("picture name '%s' must be 1..79 characters", p.name.c_str());
        out.i32(0), out.i32(0); // advance, code
        out.i32(p.xOffset), out.i32(p.yOffset), out.i32(p.width), out.i32(p.height);
        out.i32(0), out.i32(0); // yAdvance, pixel word
        out.text(p.name);
        out.zeros(80 - p.name.size());
    }
    for (const Picture& p : pictures) putPixels(out, p, false);
    return out.data();
}

std::vector<uint8_t> encodeFont(const std::vector<Glyph>& glyphs) {
    constexpr int kHeaderSize = 552, kRecordSize = 344;
    Bytes out;
    out.zeros(12);
    out.i32(kHeaderSize), out.i32(kRecordSize);
    Bytes header;
    header.zeros(12);
    header.i32(int32_t(glyphs.size()));
    header.zeros(kHeaderSize - 16);
    out.append(header.data());
    for (const Glyph& g : glyphs) {
        const Picture& p = g.picture;
        checkPicture(p);
        Bytes rec;
        rec.i32(p.xOffset), rec.i32(p.yOffset);
        rec.zeros(32);
        rec.i32(p.width), rec.i32(p.height); // @40, @44
        rec.zeros(24);
        rec.i32(g.advance), rec.i32(0), rec.i32(g.code); // @72 advance, @76 yAdvance, @80 code
        rec.zeros(kRecordSize - 84);
        out.append(rec.data());
        putPixels(out, p, false);
    }
    return out.data();
}

namespace {
void pngWrite(png_structp png, png_bytep data, png_size_t length) {
    auto* sink = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    sink->insert(sink->end(), data, data + length);
}
void pngFlush(png_structp) {}
} // namespace

std::vector<uint8_t> encodePng(const Picture& picture) {
    checkPicture(picture);
    std::vector<uint8_t> sink;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) die("libpng init failed");
    if (setjmp(png_jmpbuf(png))) die("libpng failed while writing %s", picture.name.c_str());
    png_set_write_fn(png, &sink, pngWrite, pngFlush);
    png_set_IHDR(png, info, uint32_t(picture.width), uint32_t(picture.height), 8, PNG_COLOR_TYPE_RGBA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    std::vector<uint8_t> row(size_t(picture.width) * 4);
    for (int32_t y = 0; y < picture.height; ++y) {
        for (int32_t x = 0; x < picture.width; ++x) {
            uint32_t c = picture.at(x, y);
            uint8_t a = uint8_t(c >> 24);
            row[size_t(x) * 4 + 0] = a ? uint8_t(c >> 16) : 0;
            row[size_t(x) * 4 + 1] = a ? uint8_t(c >> 8) : 0;
            row[size_t(x) * 4 + 2] = a ? uint8_t(c) : 0;
            row[size_t(x) * 4 + 3] = a;
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return sink;
}

std::vector<uint8_t> encodeWav(const std::vector<int16_t>& samples, int channels, int rate) {
    Bytes out;
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    out.text("RIFF");
    out.u32(36 + dataBytes);
    out.text("WAVEfmt ");
    out.u32(16);
    out.u16(1); // PCM
    out.u16(uint16_t(channels));
    out.u32(uint32_t(rate));
    out.u32(uint32_t(rate * channels * 2));
    out.u16(uint16_t(channels * 2));
    out.u16(16);
    out.text("data");
    out.u32(dataBytes);
    for (int16_t s : samples) out.u16(uint16_t(s));
    return out.data();
}

} // namespace bv::gen

#include "gfx/png_write.h"

#include <png.h>

#include <cstdio>
#include <filesystem>
#include <vector>

namespace bv {

bool writePng(const std::string& path, const uint32_t* pixels, int32_t width, int32_t height,
              bool withAlpha) {
    if (!pixels || width <= 0 || height <= 0) return false;
    std::string temp = path + ".tmp";
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        std::remove(temp.c_str());
        return false;
    }
    png_init_io(png, f);
    int channels = withAlpha ? 4 : 3;
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 withAlpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<size_t>(width) * channels);
    for (int32_t y = 0; y < height; ++y) {
        const uint32_t* src = pixels + static_cast<size_t>(y) * width;
        for (int32_t x = 0; x < width; ++x) {
            uint32_t p = src[x];
            png_byte* out = &row[static_cast<size_t>(x) * channels];
            out[0] = static_cast<png_byte>(p >> 16);
            out[1] = static_cast<png_byte>(p >> 8);
            out[2] = static_cast<png_byte>(p);
            if (withAlpha) out[3] = static_cast<png_byte>(p >> 24);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    bool ok = std::fclose(f) == 0;
    std::error_code ec;
    if (ok) std::filesystem::rename(temp, path, ec);
    if (!ok || ec) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

} // namespace bv

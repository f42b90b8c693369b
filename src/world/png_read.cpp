// PNG background pictures through libpng, read from memory.
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>

#include "core/memory.h"
#include "world/map_picture.h"

namespace bv {

namespace {

// Deflate turns one stored byte into at most about 1032.
constexpr uint64_t kMaxInflateRatio = 1032;
constexpr png_alloc_size_t kMaxChunkBytes = 4u << 20;
constexpr png_uint_32 kMaxChunks = 256;

struct MemorySource {
    const uint8_t* data;
    uint32_t size;
    uint32_t pos;
};

void readFromMemory(png_structp png, png_bytep target, png_size_t count) {
    auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
    if (count > source->size - source->pos) png_error(png, "truncated PNG");
    std::memcpy(target, source->data + source->pos, count);
    source->pos += uint32_t(count);
}

// libpng reports damage through these; the decoder's longjmp path then cleans up.
void quietError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void quietWarning(png_structp, png_const_charp) {}

uint32_t bigEndian(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

// Whether the picture the header describes can come out of the file: every chunk inside the file,
// no more pixels than the cap, and no more filtered image bytes than the file's IDAT chunks could
// inflate to. Checked before libpng is asked to read anything, so a small damaged file never sizes
// a large allocation.
bool sizeFitsData(const uint8_t* data, uint32_t size) {
    uint64_t width = 0, height = 0, bitsPerPixel = 0, idat = 0;
    for (uint64_t at = 8; at + 8 <= size; at += 12 + uint64_t(bigEndian(data + at))) {
        const uint32_t length = bigEndian(data + at);
        const uint8_t* type = data + at + 4;
        if (std::memcmp(type, "IEND", 4) == 0) break;
        // libpng sizes a chunk's buffer by its stated length before reading it: a chunk must lie
        // inside the file.
        if (uint64_t(length) + 12 > size - at) return false;
        if (std::memcmp(type, "IHDR", 4) == 0 && length >= 13 && at + 8 + 13 <= size) {
            const uint8_t* h = data + at + 8;
            width = bigEndian(h);
            height = bigEndian(h + 4);
            const uint8_t depth = h[8], colourType = h[9];
            const uint64_t channels = colourType == 2 ? 3 : colourType == 4 ? 2 : colourType == 6 ? 4 : 1;
            bitsPerPixel = depth * channels;
        } else if (std::memcmp(type, "IDAT", 4) == 0) {
            idat += length;
        }
    }
    if (width == 0 || height == 0 || bitsPerPixel == 0 || width * height > uint64_t(kMaxPicturePixels))
        return false;
    const uint64_t imageBytes = height * ((width * bitsPerPixel + 7) / 8 + 1);
    return imageBytes <= idat * kMaxInflateRatio + kMaxInflateRatio;
}

} // namespace

bool decodePng(const uint8_t* data, uint32_t size, Sprite& out) {
    if (!data || size < 8 || png_sig_cmp(data, 0, 8) != 0 || !sizeFitsData(data, size)) return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, quietError, quietWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    // Only plain values and pointers live across setjmp; they are released on both paths.
    uint32_t* volatile pixels = nullptr;
    png_bytep* volatile rows = nullptr;
    MemorySource source{data, size, 0};
    if (!info || setjmp(png_jmpbuf(png))) {
        memFree(pixels);
        memFree(rows);
        png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        return false;
    }
    png_set_read_fn(png, &source, readFromMemory);
    png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);
    // Ancillary chunks (texts, colour profiles) are kept small and few.
    png_set_chunk_malloc_max(png, kMaxChunkBytes);
    png_set_chunk_cache_max(png, kMaxChunks);
    png_read_info(png, info);

    // Every colour type ends as 8-bit red, green, blue, alpha.
    int colourType = png_get_color_type(png, info);
    if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colourType == PNG_COLOR_TYPE_GRAY && png_get_bit_depth(png, info) < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    png_set_strip_16(png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    png_uint_32 width = png_get_image_width(png, info);
    png_uint_32 height = png_get_image_height(png, info);
    if (width == 0 || height == 0 || png_get_rowbytes(png, info) != size_t(width) * 4)
        png_error(png, "layout");
    pixels = static_cast<uint32_t*>(memAlloc(size_t(width) * height * 4));
    rows = static_cast<png_bytep*>(memAlloc(sizeof(png_bytep) * height));
    if (!pixels || !rows) png_error(png, "memory");
    for (png_uint_32 y = 0; y < height; ++y)
        rows[y] = reinterpret_cast<png_bytep>(pixels + size_t(y) * width);
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    memFree(rows);

    // Bytes red, green, blue, alpha become one 0xAARRGGBB word.
    uint8_t* bytes = reinterpret_cast<uint8_t*>(pixels);
    for (size_t i = 0, n = size_t(width) * height; i < n; ++i) {
        const uint8_t* p = bytes + i * 4;
        pixels[i] = uint32_t(p[3]) << 24 | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    }
    out = Sprite{};
    out.width = int32_t(width);
    out.height = int32_t(height);
    out.pixels = pixels;
    return true;
}

} // namespace bv

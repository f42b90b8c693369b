// Truevision TGA pictures: colour-mapped (1), true-colour (2) and grey (3) images, plain or
// run-length encoded (9, 10, 11).
#include <algorithm>
#include <cstring>

#include "core/memory.h"
#include "platform/byte_reader.h"
#include "world/map_picture.h"

namespace bv {

namespace {

struct TgaHeader {
    uint8_t idLength;
    uint8_t mapType;
    uint8_t imageType;
    uint16_t mapFirst;
    uint16_t mapLength;
    uint8_t mapEntryBits;
    uint16_t width;
    uint16_t height;
    uint8_t pixelBits;
    uint8_t descriptor; // bit 4: columns right to left; bit 5: rows top to bottom
};

uint32_t expand5(uint32_t v) {
    return (v << 3) | (v >> 2);
}

// One stored colour of `bits` bits (little-endian, blue first) as 0xAARRGGBB.
uint32_t colourOf(const uint8_t* p, int bits) {
    switch (bits) {
    case 15:
    case 16: {
        // The attribute bit of 16-bit colours is left unused by most writers: opaque.
        uint32_t v = u16At(p, 2, 0);
        return 0xFF000000u | expand5((v >> 10) & 31) << 16 | expand5((v >> 5) & 31) << 8 | expand5(v & 31);
    }
    case 24:
        return 0xFF000000u | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
    case 32:
        return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
    default:
        return 0;
    }
}

// Turns one stored pixel into a colour. False for an index outside the colour map.
struct PixelDecoder {
    int kind; // 1 mapped, 2 true colour, 3 grey
    int bits;
    const uint32_t* map;
    uint32_t mapFirst;
    uint32_t mapLength;

    bool decode(const uint8_t* p, uint32_t& colour) const {
        if (kind == 2) {
            colour = colourOf(p, bits);
            return true;
        }
        if (kind == 3) {
            uint32_t g = p[0];
            uint32_t a = bits == 16 ? p[1] : 255;
            colour = a << 24 | g << 16 | g << 8 | g;
            return true;
        }
        uint32_t index = bits == 16 ? u16At(p, 2, 0) : p[0];
        if (index < mapFirst || index - mapFirst >= mapLength) return false;
        colour = map[index - mapFirst];
        return true;
    }
};

bool validLayout(const TgaHeader& h, int kind) {
    if (h.width == 0 || h.height == 0 || h.width > kMaxPictureSide || h.height > kMaxPictureSide)
        return false;
    if (kind == 1) return h.mapType == 1 && h.mapLength > 0 && (h.pixelBits == 8 || h.pixelBits == 16);
    if (h.mapType > 1) return false;
    if (kind == 3) return h.mapType == 0 && (h.pixelBits == 8 || h.pixelBits == 16);
    return h.pixelBits == 15 || h.pixelBits == 16 || h.pixelBits == 24 || h.pixelBits == 32;
}

bool validMapEntry(int bits) {
    return bits == 15 || bits == 16 || bits == 24 || bits == 32;
}

// The pixels in stored order (rows as stored, run-length packets expanded).
bool decodePixels(ByteReader& in, const TgaHeader& h, const PixelDecoder& decoder, bool rle, uint32_t* out) {
    const uint32_t total = uint32_t(h.width) * h.height;
    const uint32_t bytesPer = (h.pixelBits + 7) / 8;
    uint8_t raw[4];
    uint32_t done = 0;
    while (done < total) {
        uint32_t count = 1;
        bool run = false;
        if (rle) {
            uint8_t packet = 0;
            if (!in.bytes(&packet, 1)) return false;
            count = (packet & 0x7Fu) + 1;
            run = (packet & 0x80u) != 0;
            // A packet may run on into the next row, but never past the picture.
            if (count > total - done) count = total - done;
        }
        uint32_t colour = 0;
        for (uint32_t i = 0; i < count; ++i) {
            if (!run || i == 0) {
                if (!in.bytes(raw, bytesPer) || !decoder.decode(raw, colour)) return false;
            }
            out[done++] = colour;
        }
    }
    return true;
}

// The most pixels `left` bytes can describe: one stored pixel each, or with run-length packets at
// most 128 pixels for a packet byte and one stored pixel.
uint64_t mostPixels(uint32_t left, uint32_t bytesPer, bool rle) {
    return rle ? uint64_t(left / (1u + bytesPer)) * 128u : uint64_t(left / bytesPer);
}

} // namespace

bool decodeTga(const uint8_t* data, uint32_t size, Sprite& out) {
    if (!data) return false;
    ByteReader in(data, size);
    uint8_t b[18];
    if (!in.bytes(b, sizeof b)) return false;
    const uint16_t mapFirst = u16At(b, sizeof b, 3), mapLength = u16At(b, sizeof b, 5);
    const uint16_t width = u16At(b, sizeof b, 12), height = u16At(b, sizeof b, 14);
    TgaHeader h{b[0], b[1], b[2], mapFirst, mapLength, b[7], width, height, b[16], b[17]};
    int kind = h.imageType & 7;
    bool rle = (h.imageType & 8) != 0;
    if (h.imageType != kind && h.imageType != (kind | 8)) return false;
    if (kind < 1 || kind > 3 || !validLayout(h, kind) || !in.skip(h.idLength)) return false;

    // The colour map: read for mapped pictures; skipped when a true-colour file carries one.
    uint32_t* map = nullptr;
    if (h.mapType == 1) {
        if (!validMapEntry(h.mapEntryBits)) return false;
        uint32_t entryBytes = (h.mapEntryBits + 7u) / 8u;
        if (!in.has(uint64_t(h.mapLength) * entryBytes)) return false;
        if (kind == 1) {
            map = static_cast<uint32_t*>(memAlloc(sizeof(uint32_t) * h.mapLength));
            if (!map) return false;
            uint8_t entry[4];
            for (uint32_t i = 0; i < h.mapLength; ++i) {
                in.bytes(entry, entryBytes);
                map[i] = colourOf(entry, h.mapEntryBits);
            }
        } else {
            in.skip(uint64_t(h.mapLength) * entryBytes);
        }
    }

    const uint32_t total = uint32_t(h.width) * h.height;
    if (total > kMaxPicturePixels || total > mostPixels(in.left(), (h.pixelBits + 7u) / 8u, rle)) {
        memFree(map);
        return false;
    }
    auto* pixels = static_cast<uint32_t*>(memAlloc(sizeof(uint32_t) * total));
    PixelDecoder decoder{kind, h.pixelBits, map, h.mapFirst, h.mapLength};
    bool ok = pixels && decodePixels(in, h, decoder, rle, pixels);
    memFree(map);
    if (!ok) {
        memFree(pixels);
        return false;
    }

    // Rows are stored from the bottom unless descriptor bit 5 says otherwise; turned in place.
    if ((h.descriptor & 0x20) == 0) {
        for (uint32_t top = 0, bottom = h.height - 1u; top < bottom; ++top, --bottom)
            std::swap_ranges(pixels + size_t(top) * h.width, pixels + size_t(top + 1) * h.width,
                             pixels + size_t(bottom) * h.width);
    }
    if ((h.descriptor & 0x10) != 0) {
        for (uint32_t row = 0; row < h.height; ++row)
            std::reverse(pixels + size_t(row) * h.width, pixels + size_t(row + 1) * h.width);
    }
    out = Sprite{};
    out.width = h.width;
    out.height = h.height;
    out.pixels = pixels;
    return true;
}

} // namespace bv

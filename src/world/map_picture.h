// The map's background picture: PNG files through libpng, Truevision TGA files through our own
// reader, both delivered as 32-bit pixels (alpha << 24 | red << 16 | green << 8 | blue), rows from
// the top. A picture that cannot be read is replaced by an opaque black 800 x 450 picture.
#pragma once

#include <cstdint>

#include "assets/sprite.h"

namespace bv {

// Pictures larger than this in either direction are refused (no background needs more, and the
// pixel count of a damaged header cannot overflow).
constexpr int32_t kMaxPictureSide = 8192;
// ... and so are pictures of more pixels than this (64 MiB of pixels), or more than the file's data
// could fill: memory is never sized by a header alone.
constexpr int64_t kMaxPicturePixels = int64_t(4096) * 4096;

// PNG of any colour type and depth: palettes become RGB, a tRNS chunk becomes alpha, 16-bit
// channels are cut to 8 bits, grey becomes RGB, and a picture without alpha gets alpha 255.
// On success `out` gets width, height and pixels (memAlloc; the caller frees them), offsets 0.
bool decodePng(const uint8_t* data, uint32_t size, Sprite& out);
// TGA image types 1, 2, 3 and their run-length forms 9, 10, 11; colour-map entries of 15, 16,
// 24 or 32 bits. Refused: other types, a colour map on a grey picture, a missing map on a
// colour-mapped one, zero width or height, an index outside the map, truncated data.
bool decodeTga(const uint8_t* data, uint32_t size, Sprite& out);
// Reads a picture file from the current folder: names ending in "png" (any case) as PNG,
// anything else as TGA.
bool readPictureFile(const char* fileName, Sprite& out);

// Loads mapBackground's picture from the maps folder into backgroundPicture, or the black one (also
// for a name that is not a name of a file in that folder, assets/archive.h, so a map never reads elsewhere).
void loadBackgroundPicture();
// Frees the pixels of a picture read by the functions above.
void freePicture(Sprite& picture);

} // namespace bv

// Ogg Vorbis encoding in memory with libvorbisenc; the stream serial number is fixed, so the
// same samples always give the same bytes.
#pragma once

#include <cstdint>
#include <vector>

namespace bv::gen {

// interleaved 16-bit samples; quality -0.1 .. 1.0 (VBR).
std::vector<uint8_t> encodeOgg(const std::vector<int16_t>& samples, int channels, int rate, float quality,
                               int serial);

// Decodes an encoded stream back with libvorbisfile and returns its length in sample frames,
// -1 when it does not decode: every stream is checked this way before it is written.
int64_t decodedFrames(const std::vector<uint8_t>& ogg);

} // namespace bv::gen

// Writing 32-bit pictures as PNG files (screenshots, the editor's map export).
#pragma once

#include <cstdint>
#include <string>

namespace bv {

// Writes width x height pixels (0xAARRGGBB, rows from the top) as an RGB PNG, or RGBA when withAlpha.
// Written to a temporary file and renamed, so a failed write leaves no half file. Returns success.
bool writePng(const std::string& path, const uint32_t* pixels, int32_t width, int32_t height, bool withAlpha);

} // namespace bv

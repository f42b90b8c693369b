// Writing the asset archive: used by the packing tool at build time, never by the game.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace bv {

// The bytes of an archive holding the files in the given order: the directory keyed by
// nameHash(name), then each file's bytes. A file is stored zlib-compressed (level 9) when that
// is smaller, otherwise as is. The same input always gives the same bytes. Returns an empty
// vector when the archive would not fit 32-bit offsets.
std::vector<uint8_t> buildArchive(const std::vector<std::pair<std::string, std::vector<uint8_t>>>& files);

} // namespace bv

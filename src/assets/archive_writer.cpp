#include "assets/archive_writer.h"

#include <zlib.h>

#include "assets/hash.h"

namespace bv {

namespace {

void putLE32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// The zlib stream of `data` at level 9, or empty when compressing does not make it smaller.
std::vector<uint8_t> compressIfSmaller(const std::vector<uint8_t>& data) {
    if (data.empty()) return {};
    uLongf packedSize = compressBound(data.size());
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, data.data(), data.size(), 9) != Z_OK) return {};
    if (packedSize >= data.size()) return {};
    packed.resize(packedSize);
    return packed;
}

} // namespace

std::vector<uint8_t> buildArchive(const std::vector<std::pair<std::string, std::vector<uint8_t>>>& files) {
    const uint64_t directoryEnd = 4 + 16 * static_cast<uint64_t>(files.size());
    if (directoryEnd > UINT32_MAX) return {};
    std::vector<uint8_t> out(directoryEnd, 0);
    putLE32(out, 0, static_cast<uint32_t>(files.size()));

    for (size_t i = 0; i < files.size(); ++i) {
        const std::vector<uint8_t>& data = files[i].second;
        std::vector<uint8_t> packed = compressIfSmaller(data);
        const std::vector<uint8_t>& stored = packed.empty() ? data : packed;
        const uint64_t offset = out.size();
        if (offset + stored.size() > UINT32_MAX || data.size() > UINT32_MAX) return {};

        const size_t entry = 4 + 16 * i;
        putLE32(out, entry, nameHash(files[i].first.c_str()));
        putLE32(out, entry + 4, static_cast<uint32_t>(stored.size()));
        putLE32(out, entry + 8, packed.empty() ? 0u : static_cast<uint32_t>(data.size()));
        putLE32(out, entry + 12, static_cast<uint32_t>(offset));
        out.insert(out.end(), stored.begin(), stored.end());
    }
    return out;
}

} // namespace bv

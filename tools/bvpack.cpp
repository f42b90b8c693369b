// bvpack OUT FILE...: packs the files into an asset archive. Each entry is named after its
// file's base name. The archive is written to OUT.tmp and renamed over OUT, so an interrupted
// run never leaves a half-written archive behind.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "assets/archive_writer.h"
#include "assets/hash.h"

namespace {

std::string baseName(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool readWhole(const std::string& path, std::vector<uint8_t>& out) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool writeWhole(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bvpack OUT FILE...\n");
        return 2;
    }
    const std::string outPath = argv[1];
    std::vector<std::pair<std::string, std::vector<uint8_t>>> files;
    // Entries are found by the hash of the upper-cased name alone: two names with one hash
    // would make the second file unreachable, so that is refused here.
    std::map<uint32_t, std::string> namesByHash;
    for (int i = 2; i < argc; ++i) {
        std::string name = baseName(argv[i]);
        std::vector<uint8_t> bytes;
        if (name.empty() || !readWhole(argv[i], bytes)) {
            std::fprintf(stderr, "bvpack: cannot read %s\n", argv[i]);
            return 1;
        }
        auto [at, added] = namesByHash.emplace(bv::nameHash(name.c_str()), name);
        if (!added) {
            std::fprintf(stderr, "bvpack: %s and %s would share one archive entry\n", at->second.c_str(),
                         name.c_str());
            return 1;
        }
        files.emplace_back(std::move(name), std::move(bytes));
    }

    std::vector<uint8_t> archive = bv::buildArchive(files);
    if (archive.empty()) {
        std::fprintf(stderr, "bvpack: the files do not fit in one archive\n");
        return 1;
    }
    const std::string tempPath = outPath + ".tmp";
    if (!writeWhole(tempPath, archive)) {
        std::fprintf(stderr, "bvpack: cannot write %s\n", tempPath.c_str());
        std::remove(tempPath.c_str());
        return 1;
    }
    if (std::rename(tempPath.c_str(), outPath.c_str()) != 0) {
        std::fprintf(stderr, "bvpack: cannot rename %s to %s\n", tempPath.c_str(), outPath.c_str());
        std::remove(tempPath.c_str());
        return 1;
    }
    return 0;
}

// The editor's picture folder trees, built from a folder tree the input describes (folders, picture
// files named like the object pictures or not, and symbolic links to folders of the tree, to
// nowhere and up out of it), then walked as the editor's picture chooser walks them.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "assets/picture_tree.h"
#include "assets/sprites.h"
#include "fuzz.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kMostSteps = 64;

// Checks a built node and everything below it; returns the number of nodes.
int32_t walk(const bv::PictureFolder& node, int32_t depth) {
    FUZZ_CHECK(depth < bv::kMaxPictureFolderDepth);
    FUZZ_CHECK(node.name[bv::kPictureFolderNameBytes - 1] == 0);
    for (int32_t i = 0; i < node.pictureCount; ++i)
        FUZZ_CHECK(node.pictures[i] >= 0 && node.pictures[i] < bv::objectSprites.count);
    char path[512];
    bv::pictureFolderPath(&node, path, sizeof path);
    int32_t nodes = 1;
    for (int32_t i = 0; i < node.childCount; ++i) {
        FUZZ_CHECK(node.children[i].parent == &node);
        nodes += walk(node.children[i], depth + 1);
    }
    return nodes;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    bvfuzz::startGame();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fs::path root = bvfuzz::scratchFolder() + "tree";
    std::error_code ec;
    fs::remove_all(root, ec);
    fs::create_directories(root, ec);
    std::vector<fs::path> folders{root};
    // Three bytes a step: what to make, in which folder, and a name or a target.
    for (size_t at = 0; at + 3 <= size && at / 3 < kMostSteps; at += 3) {
        const uint8_t kind = data[at] % 5, b = data[at + 2];
        const fs::path& in = folders[data[at + 1] % folders.size()];
        const std::string tag = std::to_string(b);
        if (kind == 0) {
            if (fs::create_directory(in / ("d" + tag), ec)) folders.push_back(in / ("d" + tag));
        } else if (kind == 1 && bv::objectSprites.count > 0) {
            std::ofstream(in / bv::objectSprites.sprites[b % bv::objectSprites.count].name).put('x');
        } else if (kind == 2) {
            std::ofstream(in / ("p" + tag + (b % 2 ? ".PNG" : ".tga"))).put('x');
        } else if (kind == 3) {
            fs::create_directory_symlink(folders[b % folders.size()], in / ("l" + tag), ec);
        } else {
            fs::create_directory_symlink(b % 2 ? ".." : "missing", in / ("u" + tag), ec);
        }
    }
    bv::PictureFolder tree{};
    bv::buildPictureFolder(root.c_str(), bv::objectSprites, nullptr, &tree);
    FUZZ_CHECK(walk(tree, 0) <= bv::kMaxPictureFolders);
    bv::freePictureFolder(&tree);
    fs::remove_all(root, ec);
    return 0;
}

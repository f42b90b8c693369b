// Picture trees by hand for the tests of the editor's pictures: a root folder with its own
// pictures and one sub-folder with others, put in place of a tree the game built (and put back).
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "assets/picture_tree.h"

namespace bvtest {

class HandTree {
  public:
    // `root` (a game's root or any node) becomes `rootName` listing rootPictures, with the one
    // folder childName listing childPictures; the destructor restores what `root` held.
    HandTree(bv::PictureFolder& root, const char* rootName, std::vector<int32_t> rootPictures,
             const char* childName, std::vector<int32_t> childPictures)
        : root_(root), saved_(root), rootList_(std::move(rootPictures)),
          childList_(std::move(childPictures)) {
        fill(root, rootName, rootList_, nullptr);
        fill(child_, childName, childList_, &root);
        root.childCount = 1;
        root.children = &child_;
    }
    ~HandTree() { root_ = saved_; }
    HandTree(const HandTree&) = delete;
    HandTree& operator=(const HandTree&) = delete;
    bv::PictureFolder& child() { return child_; }

  private:
    static void fill(bv::PictureFolder& f, const char* name, std::vector<int32_t>& list,
                     bv::PictureFolder* parent) {
        f = bv::PictureFolder{};
        std::snprintf(f.name, sizeof f.name, "%s", name);
        f.pictures = list.empty() ? nullptr : list.data();
        f.pictureCount = int32_t(list.size());
        f.parent = parent;
    }
    bv::PictureFolder& root_;
    bv::PictureFolder saved_;
    std::vector<int32_t> rootList_, childList_;
    bv::PictureFolder child_{};
};

} // namespace bvtest

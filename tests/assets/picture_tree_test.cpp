#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "assets/picture_tree.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

// An extended set that only carries names: the trees never look at pixels.
class NamedSet {
  public:
    explicit NamedSet(const std::vector<std::string>& names) : sprites_(names.size()) {
        for (size_t i = 0; i < names.size(); ++i) {
            std::memset(&sprites_[i], 0, sizeof(bv::SpriteEx));
            std::strncpy(sprites_[i].name, names[i].c_str(), bv::kSpriteNameBytes - 1);
        }
        set_.sprites = sprites_.data();
        set_.count = static_cast<int32_t>(sprites_.size());
    }
    const bv::SpriteExSet& set() const { return set_; }

  private:
    std::vector<bv::SpriteEx> sprites_;
    bv::SpriteExSet set_;
};

class PictureTreeTest : public ::testing::Test {
  protected:
    void SetUp() override { bvtest::ensureMemory(); }
    void TearDown() override { bv::freePictureFolder(&root_); }
    void touch(const std::string& relative) {
        fs::create_directories(fs::path(dir_.file(relative)).parent_path());
        bvtest::writeFile(dir_.file(relative), std::string("x"));
    }
    bvtest::TempDir dir_;
    bv::PictureFolder root_{};
};

TEST_F(PictureTreeTest, RootWithTgaAndSubfolderWithPngMatchesIgnoringCase) {
    NamedSet set({"grass.png", "Oak.TGA", "house_a.png"});
    touch("map/OAK.tga");
    touch("map/sub/House_A.PNG");
    bv::buildPictureFolder((dir_.path() + "/map").c_str(), set.set(), nullptr, &root_);

    EXPECT_STREQ(root_.name, "map");
    EXPECT_EQ(root_.parent, nullptr);
    ASSERT_EQ(root_.pictureCount, 1);
    EXPECT_EQ(root_.pictures[0], 1);
    ASSERT_EQ(root_.childCount, 1);
    const bv::PictureFolder& child = root_.children[0];
    EXPECT_STREQ(child.name, "sub");
    EXPECT_EQ(child.parent, &root_);
    ASSERT_EQ(child.pictureCount, 1);
    EXPECT_EQ(child.pictures[0], 2);
    EXPECT_EQ(child.childCount, 0);
}

TEST_F(PictureTreeTest, PngPicturesComeBeforeTgaPicturesEachInNameOrder) {
    NamedSet set({"z.tga", "b.png", "a.tga", "c.png"});
    touch("f/z.tga");
    touch("f/c.png");
    touch("f/a.tga");
    touch("f/B.png");
    bv::buildPictureFolder(dir_.file("f").c_str(), set.set(), nullptr, &root_);
    ASSERT_EQ(root_.pictureCount, 4);
    EXPECT_EQ(root_.pictures[0], 1); // B.png
    EXPECT_EQ(root_.pictures[1], 3); // c.png
    EXPECT_EQ(root_.pictures[2], 2); // a.tga
    EXPECT_EQ(root_.pictures[3], 0); // z.tga
}

TEST_F(PictureTreeTest, NestedFoldersKeepParentsAndPaths) {
    NamedSet set({"p.png"});
    touch("r/a/b/p.png");
    fs::create_directories(dir_.file("r/c"));
    bv::buildPictureFolder(dir_.file("r").c_str(), set.set(), nullptr, &root_);
    ASSERT_EQ(root_.childCount, 2);
    EXPECT_STREQ(root_.children[0].name, "a");
    EXPECT_STREQ(root_.children[1].name, "c");
    ASSERT_EQ(root_.children[0].childCount, 1);
    const bv::PictureFolder& b = root_.children[0].children[0];
    EXPECT_EQ(b.parent, &root_.children[0]);
    EXPECT_EQ(b.pictureCount, 1);
    char path[64];
    bv::pictureFolderPath(&b, path, sizeof(path));
    EXPECT_STREQ(path, "r/a/b");
    bv::pictureFolderPath(&b, path, 4);
    EXPECT_STREQ(path, "r/a");
}

TEST_F(PictureTreeTest, CountEntriesCountsFilesByPatternAndFoldersAlone) {
    touch("f/one.png");
    touch("f/TWO.PNG");
    touch("f/three.tga");
    touch("f/noext");
    touch("f/dir1/x.png");
    fs::create_directories(dir_.file("f/dir2.png"));
    const std::string f = dir_.file("f");
    EXPECT_EQ(bv::countEntries(f.c_str(), "*.png", 1), 2);
    EXPECT_EQ(bv::countEntries(f.c_str(), "*.tga", 1), 1);
    EXPECT_EQ(bv::countEntries(f.c_str(), "*.*", 1), 4);
    EXPECT_EQ(bv::countEntries(f.c_str(), "t?o.*", 1), 1);
    EXPECT_EQ(bv::countEntries(f.c_str(), "*.*", 0), 2);
    EXPECT_EQ(bv::countEntries(dir_.file("missing").c_str(), "*.*", 0), 0);
}

} // namespace

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

TEST_F(PictureTreeTest, FoldersNestWithParentsAndPathsAndPicturesMatchIgnoringCase) {
    NamedSet set({"grass.png", "Oak.TGA", "house_a.png"});
    touch("map/OAK.tga");
    touch("map/a/b/House_A.PNG");
    fs::create_directories(dir_.file("map/c"));
    bv::buildPictureFolder(dir_.file("map").c_str(), set.set(), nullptr, &root_);

    EXPECT_STREQ(root_.name, "map");
    EXPECT_EQ(root_.parent, nullptr);
    ASSERT_EQ(root_.pictureCount, 1);
    EXPECT_EQ(root_.pictures[0], 1);
    ASSERT_EQ(root_.childCount, 2);
    const bv::PictureFolder& a = root_.children[0];
    EXPECT_STREQ(a.name, "a");
    EXPECT_STREQ(root_.children[1].name, "c");
    EXPECT_EQ(a.parent, &root_);
    EXPECT_EQ(a.pictureCount, 0);
    ASSERT_EQ(a.childCount, 1);
    const bv::PictureFolder& b = a.children[0];
    EXPECT_EQ(b.parent, &a);
    ASSERT_EQ(b.pictureCount, 1);
    EXPECT_EQ(b.pictures[0], 2);
    EXPECT_EQ(b.childCount, 0);
    char path[64];
    bv::pictureFolderPath(&b, path, sizeof(path));
    EXPECT_STREQ(path, "map/a/b");
    bv::pictureFolderPath(&b, path, 6);
    EXPECT_STREQ(path, "map/a");
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

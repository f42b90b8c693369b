#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "assets/picture_tree.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

// An extended set that only carries names: the trees never look at pixels.
struct NamedSet {
    std::vector<bv::SpriteEx> sprites;
    bv::SpriteExSet set;
    explicit NamedSet(const std::vector<std::string>& names) : sprites(names.size()) {
        for (size_t i = 0; i < names.size(); ++i)
            std::snprintf(sprites[i].name, sizeof sprites[i].name, "%s", names[i].c_str());
        set.sprites = sprites.data();
        set.count = static_cast<int32_t>(sprites.size());
    }
};

std::vector<int32_t> pictures(const bv::PictureFolder& f) {
    return std::vector<int32_t>(f.pictures, f.pictures + f.pictureCount);
}

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
    bv::buildPictureFolder(dir_.file("map").c_str(), set.set, nullptr, &root_);

    EXPECT_STREQ(root_.name, "map");
    EXPECT_EQ(root_.parent, nullptr);
    EXPECT_EQ(pictures(root_), std::vector<int32_t>{1});
    ASSERT_EQ(root_.childCount, 2);
    const bv::PictureFolder &a = root_.children[0], &c = root_.children[1];
    EXPECT_EQ(std::string(a.name) + "," + c.name, "a,c");
    EXPECT_TRUE(a.parent == &root_ && c.parent == &root_ && a.pictureCount == 0);
    ASSERT_EQ(a.childCount, 1);
    const bv::PictureFolder& b = a.children[0];
    EXPECT_TRUE(b.parent == &a && b.childCount == 0);
    EXPECT_EQ(pictures(b), std::vector<int32_t>{2});
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
    bv::buildPictureFolder(dir_.file("f").c_str(), set.set, nullptr, &root_);
    EXPECT_EQ(pictures(root_), (std::vector<int32_t>{1, 3, 2, 0})); // B.png, c.png, a.tga, z.tga
}

// The patterns of the file lists: '*' any run, '?' one character, letter case aside, and "*.*"
// every name, dotted or not.
TEST(FilePatternTest, StarsQuestionMarksAndLetterCase) {
    const struct {
        const char *pattern, *name;
        bool matches;
    } cases[] = {
        {"*.png", "one.png", true}, {"*.png", "TWO.PNG", true},    {"*.png", "three.tga", false},
        {"*.*", "noext", true},     {"*.tga", "three.tga", true},  {"t?o.*", "TWO.PNG", true},
        {"t?o.*", "too", false},    {"t?o.*", "three.tga", false}, {"*.png", "x.png.tga", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bv::matchesFilePattern(c.pattern, c.name), c.matches) << c.pattern << " " << c.name;
}

} // namespace

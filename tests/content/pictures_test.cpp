// The built picture sets: counts, anchors and sizes from the manifest, the channel order of both
// formats, and the named town sets with their PNG folders.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <set>

#include "assets/picture_ids.h"
#include "content/content_support.h"

namespace {

using bvtest::opaqueCount;

TEST(PictureSets, EverySetHasItsPicturesWithVisiblePixels) {
    for (const auto& [set, minimum] : bvtest::manifest().sets) {
        const bv::SpriteSet& pictures = bvtest::binSet(set);
        EXPECT_GE(pictures.count, minimum) << set;
        for (int32_t i = 0; i < pictures.count; ++i) {
            const bv::Sprite& p = pictures.sprites[i];
            EXPECT_TRUE(p.advance == 0 && p.code == 0 && p.yAdvance == 0) << set << " " << i;
            const bool blankAllowed = set == "bfnt" && (i < 33 || i == ' '); // glyphs no amount uses
            EXPECT_TRUE(blankAllowed || opaqueCount(p) > 0) << set << " picture " << i << " shows nothing";
        }
    }
}

TEST(PictureSets, ManifestRulesHold) {
    for (const bvtest::PictureRule& r : bvtest::manifest().pictureRules) {
        const bv::SpriteSet& pictures = bvtest::binSet(r.set);
        ASSERT_LT(r.last, pictures.count) << r.set;
        for (int i = r.first; i <= r.last; ++i) {
            const bv::Sprite& p = pictures.sprites[i];
            SCOPED_TRACE(r.set + " " + std::to_string(i) + " is " + std::to_string(p.width) + "x" +
                         std::to_string(p.height));
            if (r.anchor == "centre") {
                EXPECT_EQ(p.xOffset, -p.width / 2);
                EXPECT_EQ(p.yOffset, -p.height / 2);
            } else if (r.anchor == "topleft") {
                EXPECT_EQ(p.xOffset, 0);
                EXPECT_EQ(p.yOffset, 0);
            } else if (r.anchor == "bottomcentre") {
                EXPECT_EQ(p.yOffset, -p.height);
                EXPECT_LE(p.xOffset, 0);
                EXPECT_GE(p.xOffset, -p.width);
            } else if (r.anchor == "tipright") { // the tip, with at most its rim beyond it
                EXPECT_LE(-p.xOffset, p.width);
                EXPECT_GE(-p.xOffset, p.width - 4);
                EXPECT_LT(p.yOffset, 0);
                EXPECT_GT(p.yOffset, -p.height);
            } else if (r.anchor == "pivot") {
                EXPECT_NEAR(p.xOffset, -p.width / 2, 1);
                EXPECT_LT(-p.yOffset, p.height);
                EXPECT_GT(-p.yOffset, p.height / 2);
            }
            EXPECT_TRUE(r.sizeW < 0 || (p.width == r.sizeW && p.height == r.sizeH));
            EXPECT_TRUE(r.minW < 0 || (p.width >= r.minW && p.height >= r.minH));
            EXPECT_TRUE(r.maxW < 0 || (p.width <= r.maxW && p.height <= r.maxH));
            EXPECT_TRUE(!r.square || p.width == p.height);
        }
    }
}

// Plain sets store R, G, B, A; named sets B, G, R, A. The frame's outline is a warm dark brown,
// so written or read the wrong way round it would turn blue.
TEST(PictureSets, ChannelOrderKeepsWarmColoursWarm) {
    const bv::Sprite& top = bvtest::binSet("icons").sprites[bv::pic::kIconFrameTop];
    uint32_t outline = 0; // the first solid pixel from the top: the frame's outer rim
    for (int y = 0; y < top.height && !outline; ++y)
        if (top.pixels[y * top.width] >> 24 == 255) outline = top.pixels[y * top.width];
    EXPECT_GT(outline >> 16 & 255, (outline & 255) + 15) << std::hex << outline;
    // The houses' opaque pixels are mostly outline and warm walls and roofs, not blue.
    const bv::SpriteExSet& houses = bvtest::exsSet("houses.exs");
    ASSERT_GT(houses.count, 0);
    long red = 0, blue = 0;
    for (int32_t h = 0; h < houses.count; ++h) {
        const bv::Sprite& s = houses.sprites[h].sprite;
        for (int32_t i = 0; i < s.width * s.height; ++i)
            if ((s.pixels[i] >> 24) == 255) red += s.pixels[i] >> 16 & 255, blue += s.pixels[i] & 255;
    }
    EXPECT_GT(red, blue);
}

void checkNamedSet(const std::string& file, const std::string& folder, int maxHeight) {
    const bv::SpriteExSet& pictures = bvtest::exsSet(file);
    ASSERT_GE(pictures.count, bvtest::manifest().exsSets.at(file));
    std::set<std::string> names;
    for (int32_t i = 0; i < pictures.count; ++i) {
        const bv::Sprite& p = pictures.sprites[i].sprite;
        const std::string name = pictures.sprites[i].name;
        std::string upper = name;
        for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_TRUE(names.insert(upper).second) << "two pictures named " << name;
        EXPECT_EQ(upper.substr(upper.size() - 4), ".PNG") << name;
        EXPECT_EQ(p.xOffset, -p.width / 2) << name;
        EXPECT_EQ(p.yOffset, -p.height) << name;
        EXPECT_LE(p.height, maxHeight) << name;
        EXPECT_GT(opaqueCount(p), 0) << name;
    }
    // The editor's folders hold exactly these pictures, as PNG files of the same size (the
    // header's big-endian width and height at bytes 16 and 20).
    std::map<std::string, std::pair<uint32_t, uint32_t>> files;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(bvtest::gameDir() + "/" + folder)) {
        if (!entry.is_regular_file()) continue;
        std::vector<uint8_t> png = bvtest::readFile(entry.path().string());
        ASSERT_GE(png.size(), 24u);
        EXPECT_EQ(png[1], 'P');
        auto be32 = [&](size_t at) {
            return uint32_t(png[at]) << 24 | uint32_t(png[at + 1]) << 16 | uint32_t(png[at + 2]) << 8 |
                   png[at + 3];
        };
        files[entry.path().filename().string()] = {be32(16), be32(20)};
        EXPECT_NE(entry.path().parent_path().string(), bvtest::gameDir() + "/" + folder)
            << "pictures sit in kind folders";
    }
    EXPECT_EQ(int32_t(files.size()), pictures.count);
    for (int32_t i = 0; i < pictures.count; ++i) {
        const bv::Sprite& p = pictures.sprites[i].sprite;
        auto it = files.find(pictures.sprites[i].name);
        ASSERT_NE(it, files.end()) << pictures.sprites[i].name << " has no PNG in " << folder;
        EXPECT_EQ(it->second, std::make_pair(uint32_t(p.width), uint32_t(p.height))) << it->first;
    }
}

TEST(TownSets, HousesAndObjectsAreNamedAnchoredAndInTheirFolders) {
    checkNamedSet("houses.exs", "map_houses", 125); // the house panel's height
    checkNamedSet("objects.exs", "map_objects", 200);
}

} // namespace

// The built picture sets: counts, anchors and sizes from the manifest, formats byte by byte,
// seamless frame and button pieces, and the named town sets with their PNG folders.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <set>

#include "assets/picture_ids.h"
#include "content/content_support.h"

namespace {

using bvtest::SetPicture;

std::vector<SetPicture> loadBin(const std::string& set) {
    return bvtest::loadBinSet(set);
}
std::vector<SetPicture> loadExs(const std::string& file) {
    return bvtest::loadExsSet(file);
}

int opaqueCount(const SetPicture& p) {
    int n = 0;
    for (uint32_t c : p.argb) n += (c >> 24) >= 224;
    return n;
}

TEST(PictureSets, EverySetHasItsPicturesWithVisiblePixels) {
    for (const auto& [set, minimum] : bvtest::manifest().sets) {
        std::vector<SetPicture> pictures = loadBin(set);
        EXPECT_GE(int(pictures.size()), minimum) << set;
        for (size_t i = 0; i < pictures.size(); ++i) {
            const SetPicture& p = pictures[i];
            EXPECT_EQ(p.advance, 0) << set << " " << i;
            EXPECT_EQ(p.code, 0) << set << " " << i;
            EXPECT_EQ(p.yAdvance, 0) << set << " " << i;
            bool blankAllowed = set == "bfnt" && (i < 33 || i == ' '); // glyphs no amount uses
            if (!blankAllowed) {
                EXPECT_GT(opaqueCount(p), 0) << set << " picture " << i << " shows nothing";
            }
        }
    }
}

TEST(PictureSets, ManifestRulesHold) {
    std::map<std::string, std::vector<SetPicture>> sets;
    for (const bvtest::PictureRule& r : bvtest::manifest().pictureRules) {
        if (!sets.count(r.set)) sets[r.set] = loadBin(r.set);
        const std::vector<SetPicture>& pictures = sets[r.set];
        ASSERT_LT(r.last, int(pictures.size())) << r.set;
        for (int i = r.first; i <= r.last; ++i) {
            const SetPicture& p = pictures[size_t(i)];
            std::string where = r.set + " " + std::to_string(i);
            if (r.anchor == "centre") {
                EXPECT_EQ(p.xOffset, -p.width / 2) << where;
                EXPECT_EQ(p.yOffset, -p.height / 2) << where;
            } else if (r.anchor == "topleft") {
                EXPECT_EQ(p.xOffset, 0) << where;
                EXPECT_EQ(p.yOffset, 0) << where;
            } else if (r.anchor == "bottomcentre") {
                EXPECT_EQ(p.yOffset, -p.height) << where;
                EXPECT_LE(p.xOffset, 0) << where;
                EXPECT_GE(p.xOffset, -p.width) << where;
            } else if (r.anchor == "tipright") { // the tip, with at most its rim beyond it
                EXPECT_LE(-p.xOffset, p.width) << where;
                EXPECT_GE(-p.xOffset, p.width - 4) << where;
                EXPECT_LT(p.yOffset, 0) << where;
                EXPECT_GT(p.yOffset, -p.height) << where;
            } else if (r.anchor == "pivot") {
                EXPECT_NEAR(p.xOffset, -p.width / 2, 1) << where;
                EXPECT_LT(-p.yOffset, p.height) << where;
                EXPECT_GT(-p.yOffset, p.height / 2) << where;
            }
            const std::string size =
                where + " is " + std::to_string(p.width) + "x" + std::to_string(p.height);
            EXPECT_TRUE(r.sizeW < 0 || (p.width == r.sizeW && p.height == r.sizeH)) << size;
            EXPECT_TRUE(r.minW < 0 || (p.width >= r.minW && p.height >= r.minH)) << size;
            EXPECT_TRUE(r.maxW < 0 || (p.width <= r.maxW && p.height <= r.maxH)) << size;
            EXPECT_TRUE(!r.square || p.width == p.height) << size;
        }
    }
}

// Plain sets store R, G, B, A; named sets B, G, R, A. The frame's outline is a warm dark brown,
// so written or read the wrong way round it would turn blue.
TEST(PictureSets, ChannelOrderKeepsWarmColoursWarm) {
    std::vector<SetPicture> icons = loadBin("icons");
    const SetPicture& top = icons[bv::pic::kIconFrameTop];
    uint32_t outline = 0; // the first solid pixel from the top: the frame's outer rim
    for (int y = 0; y < top.height && !outline; ++y)
        if (top.argb[size_t(y * top.width)] >> 24 == 255) outline = top.argb[size_t(y * top.width)];
    EXPECT_GT(outline >> 16 & 255, (outline & 255) + 15) << std::hex << outline;
    std::vector<SetPicture> houses = loadExs("houses.exs");
    ASSERT_FALSE(houses.empty());
    // A house picture's lowest opaque pixels are its outline or warm ground colours, not blue.
    long red = 0, blue = 0;
    for (const SetPicture& h : houses)
        for (uint32_t c : h.argb)
            if ((c >> 24) == 255) red += c >> 16 & 255, blue += c & 255;
    EXPECT_GT(red, blue);
}

void checkNamedSet(const std::string& file, const std::string& folder, int maxHeight) {
    std::vector<SetPicture> pictures = loadExs(file);
    ASSERT_GE(int(pictures.size()), bvtest::manifest().exsSets.at(file));
    std::set<std::string> names;
    for (const SetPicture& p : pictures) {
        std::string upper = p.name;
        for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_TRUE(names.insert(upper).second) << "two pictures named " << p.name;
        EXPECT_EQ(upper.substr(upper.size() - 4), ".PNG") << p.name;
        EXPECT_EQ(p.xOffset, -p.width / 2) << p.name;
        EXPECT_EQ(p.yOffset, -p.height) << p.name;
        EXPECT_LE(p.height, maxHeight) << p.name;
        EXPECT_GT(opaqueCount(p), 0) << p.name;
    }
    // The editor's folders hold exactly these pictures, as PNG files of the same size.
    std::map<std::string, std::pair<uint32_t, uint32_t>> files;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(bvtest::gameDir() + "/" + folder)) {
        if (!entry.is_regular_file()) continue;
        std::vector<uint8_t> png = bvtest::readBytes(entry.path().string());
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
    EXPECT_EQ(files.size(), pictures.size());
    for (const SetPicture& p : pictures) {
        auto it = files.find(p.name);
        ASSERT_NE(it, files.end()) << p.name << " has no PNG in " << folder;
        EXPECT_EQ(it->second.first, uint32_t(p.width)) << p.name;
        EXPECT_EQ(it->second.second, uint32_t(p.height)) << p.name;
    }
}

TEST(TownSets, HousesAndObjectsAreNamedAnchoredAndInTheirFolders) {
    checkNamedSet("houses.exs", "map_houses", 125); // the house panel's height
    checkNamedSet("objects.exs", "map_objects", 200);
}

} // namespace

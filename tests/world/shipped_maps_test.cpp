// The shipped "maps" folder, loaded through the game's own readers: every scenario names maps
// that exist, every map's pictures exist, and every house stands on the map.
#include <set>

#include "assets/sprites.h"
#include "assets/strings.h"
#include "gfx/sprite_startup.h"
#include "levels_fixture.h"
#include "picture_sets.h"
#include "world/map_layers.h"
#include "world/map_picture.h"

namespace bvtest {
namespace {

using namespace bv;

std::vector<std::string> filesEndingIn(const std::string& ending) {
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(std::string(BV_GAME_DIR) + "/maps")) {
        const std::string name = e.path().filename().string();
        if (name.size() > ending.size() &&
            name.compare(name.size() - ending.size(), ending.size(), ending) == 0)
            out.push_back(name.substr(0, name.size() - ending.size()));
    }
    std::sort(out.begin(), out.end());
    return out;
}

class ShippedMapsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ensureMemory();
        previous_ = std::filesystem::current_path();
        platform::setProgramFolder(std::string(BV_GAME_DIR) + "/");
        archiveOpen("bb_Blob32");
        loadMapPictureSets();
    }
    static void TearDownTestSuite() {
        clearMap();
        freePicture(backgroundPicture);
        freeTownSets();
        archiveCloseForTests();
        std::filesystem::current_path(previous_);
    }
    static std::filesystem::path previous_;
};

std::filesystem::path ShippedMapsTest::previous_;

TEST_F(ShippedMapsTest, EveryMapLoadsWithAllItsPicturesOnTheMap) {
    const std::vector<std::string> maps = filesEndingIn(".map");
    ASSERT_GE(maps.size(), 6u);
    int careerMaps = 0, tycoonMaps = 0, slantedLabels = 0;
    for (const std::string& name : maps) {
        SCOPED_TRACE(name);
        ASSERT_EQ(loadMap(name.c_str()), 1);
        ASSERT_GT(houseCount, 0);
        EXPECT_LE(houseCount, 256);
        const bool career = scenario.careerMode != 0;
        (career ? careerMaps : tycoonMaps) += 1;
        if (!career) {
            EXPECT_GE(houseCount, 40);
            EXPECT_LE(houseCount, 80);
        }
        for (int i = 0; i < houseCount; ++i) {
            const MapHouse& h = mapHouses[i];
            SCOPED_TRACE(narrow(h.address));
            ASSERT_GE(h.pictureIndex, 0) << h.pictureName;
            const Sprite* p = housePicture(i);
            ASSERT_NE(p, nullptr);
            EXPECT_GE(h.x + p->xOffset, 0);
            EXPECT_LE(h.x + p->xOffset + p->width, kMapWidth);
            EXPECT_GE(h.y - p->height, 30);
            EXPECT_LE(h.y, 420); // above the bottom panel
            EXPECT_GE(h.baseValue, 35000);
            EXPECT_LE(h.baseValue, 900000);
            EXPECT_GE(h.bedrooms, 1);
            EXPECT_GE(h.bathrooms, 1);
            EXPECT_GT(h.address[0], 0);
            EXPECT_EQ(houseAtPixel(h.x, h.y - p->height / 2), i) << "every house can be clicked";
        }
        for (const ObjectLayer* layer : {&backgroundObjects, &foregroundObjects}) {
            EXPECT_GT(layer->count, 0);
            for (int i = 0; i < layer->count; ++i) EXPECT_GE(layer->objects[i].picture, 0) << i;
            for (int i = 1; i < layer->count; ++i) EXPECT_LE(layer->objects[i - 1].y, layer->objects[i].y);
        }
        EXPECT_GT(labelCount, 0);
        for (int i = 0; i < labelCount; ++i) slantedLabels += mapLabels[i].slant != 0;
        // The picture was read, not replaced by the black one.
        EXPECT_EQ(mapBackground.mode, 1);
        ASSERT_EQ(backgroundPicture.width, kMapWidth);
        ASSERT_EQ(backgroundPicture.height, kMapHeight);
        EXPECT_NE(backgroundPicture.pixels[kMapWidth * 200 + 400], 0xFF000000u);
    }
    EXPECT_GE(careerMaps, 4);
    EXPECT_GE(tycoonMaps, 2);
    EXPECT_GT(slantedLabels, 0);
}

// The goal fields a level sets, by kind.
std::set<std::string> goalsOf(const LevelRecord& r) {
    std::set<std::string> g;
    if (r.minHouseValue) g.insert("value");
    if (r.minRenterHistory) g.insert("history");
    if (r.minRent) g.insert("rent");
    if (r.minCondition) g.insert("condition");
    if (r.minCombinedRent) g.insert("combinedRent");
    if (r.minEquity) g.insert("equity");
    if (r.minCash) g.insert("cash");
    if (r.numPurchases) g.insert("purchases");
    if (r.numRenters) g.insert("renters");
    if (r.numUpgrades) g.insert("upgrades");
    if (r.numRenos) g.insert("renos");
    if (r.numSales) g.insert("sales");
    return g;
}

TEST_F(ShippedMapsTest, EveryScenarioLevelIsPlayableOnAnExistingMap) {
    const std::vector<std::string> scenarios = filesEndingIn(".bvx");
    ASSERT_GE(scenarios.size(), 3u);
    bool sawCareer = false, sawTycoon = false, sawTutorial = false;
    for (const std::string& name : scenarios) {
        SCOPED_TRACE(name);
        ASSERT_EQ(std::filesystem::file_size(std::string(BV_GAME_DIR) + "/maps/" + name + ".bvx"), 915444u);
        ASSERT_EQ(readScenarioFile(name.c_str()), 0);
        const int levels = scenario.levelCount;
        const int scenarioCareer = scenario.careerMode; // each map loaded below replaces it
        ASSERT_GE(levels, 1);
        ASSERT_LE(levels, kMaxLevels);
        EXPECT_GT(scenario.scenarioName[0], 0);
        EXPECT_GT(scenario.scenarioDescription[0], 0);
        std::set<std::string> goals;
        std::set<std::string> mapsUsed;
        for (int level = 0; level < levels; ++level) {
            for (int d = 0; d < kDifficultyCount; ++d) {
                const LevelRecord& r = levelTable[d][level];
                SCOPED_TRACE("level " + std::to_string(level) + " difficulty " + std::to_string(d));
                EXPECT_GT(r.title[0], 0);
                EXPECT_GT(r.introText[0], 0);
                EXPECT_GE(r.monthsToPlay, 1);
                EXPECT_LT(r.monthsToPlay, 120);
                EXPECT_TRUE(level > 0 || r.startingCash > 0) << "a new player needs money";
                EXPECT_GE(r.minCondition, 0);
                EXPECT_LE(r.minCondition, 4);
                EXPECT_GE(r.minRenterHistory, 0);
                EXPECT_LE(r.minRenterHistory, 4);
                ASSERT_EQ(loadMap(r.mapFile), 1) << r.mapFile;
                EXPECT_EQ(scenario.careerMode, scenarioCareer) << "career towns for career scenarios";
                EXPECT_LE(r.houseCount, houseCount);
                // Goals are only in force without the advanced economy; then each level has some.
                if (!scenario.advancedEconomy) {
                    EXPECT_FALSE(goalsOf(r).empty());
                }
                for (const std::string& g : goalsOf(r)) goals.insert(g);
                mapsUsed.insert(r.mapFile);
            }
            // Easy is never harder than Hard in time.
            EXPECT_GE(levelTable[0][level].monthsToPlay, levelTable[2][level].monthsToPlay);
        }
        for (int level = levels; level < kMaxLevelSlots; ++level)
            EXPECT_EQ(levelTable[1][level].monthsToPlay, 0);
        if (!scenario.advancedEconomy && levels >= 10) {
            sawCareer = true;
            EXPECT_EQ(goals.size(), 12u) << "the campaign teaches every kind of goal";
            EXPECT_GE(mapsUsed.size(), 4u);
        }
        if (scenario.advancedEconomy) {
            sawTycoon = true;
            EXPECT_GE(levels, 3);
            EXPECT_EQ(scenarioCareer, 0);
        }
        if (levels == 1 && scenario.minBankListings > 0) sawTutorial = true;
    }
    EXPECT_TRUE(sawCareer);
    EXPECT_TRUE(sawTycoon);
    EXPECT_TRUE(sawTutorial);
}

} // namespace
} // namespace bvtest

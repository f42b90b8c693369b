// The shipped "maps" folder, loaded through the game's own readers: every scenario names maps
// that exist, every map's pictures exist, and every house stands on the map.
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
        ASSERT_TRUE(houseCount > 0 && houseCount <= 256);
        (scenario.careerMode ? careerMaps : tycoonMaps) += 1;
        for (int i = 0; i < houseCount; ++i) {
            const MapHouse& h = mapHouses[i];
            SCOPED_TRACE(narrow(h.address));
            const Sprite* p = housePicture(i);
            ASSERT_NE(p, nullptr) << h.pictureName;
            // On the map, above the bottom panel, priced in range, and it can be clicked.
            EXPECT_TRUE(h.x + p->xOffset >= 0 && h.x + p->xOffset + p->width <= kMapWidth &&
                        h.y - p->height >= 30 && h.y <= 420);
            EXPECT_TRUE(h.baseValue >= 35000 && h.baseValue <= 900000 && h.bedrooms >= 1 && h.bathrooms >= 1);
            EXPECT_EQ(houseAtPixel(h.x, h.y - p->height / 2), i);
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

TEST_F(ShippedMapsTest, EveryScenarioLevelIsPlayableOnAnExistingMap) {
    const std::vector<std::string> scenarios = filesEndingIn(".bvx");
    ASSERT_GE(scenarios.size(), 3u);
    for (const std::string& name : scenarios) {
        SCOPED_TRACE(name);
        ASSERT_EQ(std::filesystem::file_size(std::string(BV_GAME_DIR) + "/maps/" + name + ".bvx"), 915444u);
        ASSERT_EQ(readScenarioFile(name.c_str()), 0);
        const int levels = scenario.levelCount;
        const int scenarioCareer = scenario.careerMode; // each map loaded below replaces it
        ASSERT_TRUE(levels >= 1 && levels <= kMaxLevels);
        EXPECT_TRUE(scenario.scenarioName[0] && scenario.scenarioDescription[0]);
        for (int level = 0; level < levels; ++level) {
            for (int d = 0; d < kDifficultyCount; ++d) {
                const LevelRecord& r = levelTable[d][level];
                SCOPED_TRACE("level " + std::to_string(level) + " difficulty " + std::to_string(d));
                EXPECT_TRUE(r.title[0] && r.introText[0] && r.monthsToPlay >= 1 && r.monthsToPlay < 120);
                EXPECT_TRUE(level > 0 || r.startingCash > 0) << "a new player needs money";
                EXPECT_TRUE(r.minCondition >= 0 && r.minCondition <= 4 && r.minRenterHistory >= 0 &&
                            r.minRenterHistory <= 4);
                ASSERT_EQ(loadMap(r.mapFile), 1) << r.mapFile;
                EXPECT_EQ(scenario.careerMode, scenarioCareer) << "career towns for career scenarios";
                EXPECT_LE(r.houseCount, houseCount);
            }
            EXPECT_GE(levelTable[0][level].monthsToPlay, levelTable[2][level].monthsToPlay)
                << "Easy is never shorter";
        }
        for (int level = levels; level < kMaxLevelSlots; ++level)
            EXPECT_EQ(levelTable[1][level].monthsToPlay, 0);
    }
}

} // namespace
} // namespace bvtest

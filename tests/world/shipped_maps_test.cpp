// The shipped "maps" folder, loaded through the game's own readers: every level of every scenario
// is played on a map that exists, whose houses have their pictures and can be clicked.
#include <set>

#include "assets/sprites.h"
#include "gfx/sprite_startup.h"
#include "levels_fixture.h"
#include "picture_sets.h"
#include "world/map_picture.h"

namespace bvtest {
namespace {

using namespace bv;

class ShippedMapsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ensureMemory();
        platform::setProgramFolder(std::string(BV_GAME_DIR) + "/");
        archiveOpen("bb_Blob32");
        loadMapPictureSets();
    }
    static void TearDownTestSuite() {
        clearMap();
        freePicture(backgroundPicture);
        freeTownSets();
        archiveCloseForTests();
    }
};

TEST_F(ShippedMapsTest, EveryScenarioLevelIsPlayableOnAShippedMap) {
    std::vector<std::string> scenarios;
    for (const auto& e : std::filesystem::directory_iterator(std::string(BV_GAME_DIR) + "/maps"))
        if (e.path().extension() == ".bvx") scenarios.push_back(e.path().stem().string());
    ASSERT_GE(scenarios.size(), 3u);
    std::set<std::string> maps;
    int tycoonMaps = 0;
    for (const std::string& name : scenarios) {
        SCOPED_TRACE(name);
        ASSERT_EQ(readScenarioFile(name.c_str()), 0);
        const int levels = scenario.levelCount;
        const int scenarioCareer = scenario.careerMode; // each map loaded below replaces it
        ASSERT_TRUE(levels >= 1 && levels <= kMaxLevels);
        EXPECT_TRUE(scenario.scenarioName[0] && scenario.scenarioDescription[0]);
        for (int level = 0; level < levels; ++level) {
            EXPECT_GE(levelTable[0][level].monthsToPlay, levelTable[2][level].monthsToPlay)
                << "Easy is never shorter";
            for (int d = 0; d < kDifficultyCount; ++d) {
                const LevelRecord& r = levelTable[d][level];
                SCOPED_TRACE(std::string(r.mapFile) + ", level " + std::to_string(level) + ", difficulty " +
                             std::to_string(d));
                EXPECT_TRUE(r.title[0] && r.introText[0] && r.monthsToPlay >= 1 && r.monthsToPlay < 120);
                EXPECT_TRUE(level > 0 || r.startingCash > 0) << "a new player needs money";
                ASSERT_EQ(loadMap(r.mapFile), 1);
                EXPECT_EQ(scenario.careerMode, scenarioCareer) << "career towns for career scenarios";
                EXPECT_LE(r.houseCount, houseCount);
                if (!maps.insert(r.mapFile).second) continue;
                tycoonMaps += scenario.careerMode == 0; // their houses are picked at the reduced size
                for (int i = 0; i < houseCount; ++i) {
                    const Sprite* p = housePicture(i);
                    ASSERT_NE(p, nullptr) << mapHouses[i].pictureName;
                    EXPECT_EQ(houseAtPixel(mapHouses[i].x, mapHouses[i].y - p->height / 2), i);
                }
            }
        }
    }
    EXPECT_GE(maps.size(), 6u);
    EXPECT_GE(tycoonMaps, 2);
}

} // namespace
} // namespace bvtest

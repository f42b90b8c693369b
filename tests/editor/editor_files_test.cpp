#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "editor/editor.h"
#include "editor/editor_state.h"
#include "platform/platform.h"
#include "support/test_support.h"
#include "world/map.h"
#include "world/picture_sets.h"
#include "world/scenario.h"

namespace {

// The map name form's action in a program folder of its own: saving writes maps/<name>.map and
// records the name as the level's map; loading reads it back; an empty name does nothing.
TEST(EditorFiles, MapSavedUnderANameLoadsBackWithItsHouses) {
    bvtest::ensureMemory();
    bvtest::TempDir dir;
    std::filesystem::create_directories(dir.file("maps"));
    const std::string previous = bv::platform::programFolder();
    bv::platform::setProgramFolder(dir.path() + "/");
    bvtest::makePictureSet(bv::houseSprites, {{"cottage.png", 40, 30, 0xFF804020}});
    bvtest::makePictureSet(bv::scaledHouseSprites, {{"", 40, 30, 0xFF804020}});
    bv::clearMap();
    bv::resetEditorModel();

    bv::insertHouse(250, 300, 0);
    bv::mapHouses[0].baseValue = 77777;
    EXPECT_EQ(bv::runMapNameAction(true, ""), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("maps/.map")));
    EXPECT_EQ(bv::runMapNameAction(true, "edtest"), 1);
    EXPECT_TRUE(std::filesystem::exists(dir.file("maps/edtest.map")));
    EXPECT_STREQ(bv::currentMapFile(), "edtest");

    bv::editor.selectedHouse = 0;
    bv::deleteSelectedHouse();
    ASSERT_EQ(bv::houseCount, 0);
    EXPECT_EQ(bv::runMapNameAction(false, "edtest"), 1);
    ASSERT_EQ(bv::houseCount, 1);
    EXPECT_EQ(bv::mapHouses[0].x, 250);
    EXPECT_EQ(bv::mapHouses[0].y, 300);
    EXPECT_EQ(bv::mapHouses[0].baseValue, 77777);
    EXPECT_STREQ(bv::mapHouses[0].pictureName, "cottage.png");
    EXPECT_EQ(bv::runMapNameAction(false, "missing"), 0); // a failed load keeps the map
    EXPECT_EQ(bv::houseCount, 1);

    bv::clearMap();
    bvtest::freeTownSets();
    bv::platform::setProgramFolder(previous);
}

} // namespace

// Map files: layout and round trip, the defaults for zero fields, the tile remap, unknown
// pictures, and files that are damaged or were written with other record sizes.
#include "map_file.h"
#include "picture_sets.h"
#include "platform/files.h"
#include "world/map_layers.h"
#include "world/scenario.h"

namespace bvtest {
namespace {

using namespace bv;

class MapFileTest : public LevelsTest {
  protected:
    void SetUp() override {
        LevelsTest::SetUp();
        makePictureSet(houseSprites,
                       {{"cottage.png", 20, 10, 0xFF112233}, {"villa.png", 30, 20, 0xFF445566}});
        makePictureSet(
            objectSprites,
            {{"A.png", 4, 4, 0xFFAA0000}, {"B.png", 4, 4, 0xFF00BB00}, {"C.png", 4, 4, 0xFF0000CC}});
        scenario.careerMode = 1;
    }
    void TearDown() override {
        LevelsTest::TearDown();
        freeTownSets();
    }
    // The map in play, built through the editor's operations.
    void buildMap() {
        MapHouse* h = addHouse();
        applyNewHouseDefaults(*h);
        h->x = 100, h->y = 200, h->pictureIndex = 1;
        setText(h->address, u"12 Juniper Row");
        h = addHouse();
        h->x = 300, h->y = 220, h->pictureIndex = 0, h->baseValue = 70000, h->bedrooms = 2, h->bathrooms = 1;
        fillHouseDefaults(*h);
        allocMapTileBuffers();
        tileGrid.cells[5] = 2;
        addLabel(40, 60, u"Juniper Row", 30);
        addLabel(400, 300, u"Mill Street", 0);
        std::snprintf(mapBackground.fileName, sizeof mapBackground.fileName, "juniper.png");
        mapBackground.mode = 1;
        addMapObject(backgroundObjects, 10, 50, 0, false, false);
        addMapObject(backgroundObjects, 12, 30, 2, true, false);
        addMapObject(foregroundObjects, 500, 400, 1, false, true);
    }
};

TEST_F(MapFileTest, SavedFileFollowsTheSectionOrder) {
    buildMap();
    ASSERT_EQ(saveMap("juniper"), 1);
    Bytes f = readFile(mapsFile("juniper.map"));
    EXPECT_EQ(get32(f, 0), 2u);
    EXPECT_EQ(get32(f, 4), 4048u);
    EXPECT_EQ(get32(f, 8 + 0), 100u);                                       // x
    EXPECT_EQ(get32(f, 8 + 1028), 200000u);                                 // baseValue
    EXPECT_EQ(get32(f, 8 + 1032), 200000u / 35);                            // baseRent
    EXPECT_EQ(f[8 + 1036], '1');                                            // address
    EXPECT_STREQ(reinterpret_cast<const char*>(&f[8 + 3048]), "villa.png"); // name from the index
    EXPECT_EQ(get32(f, 8 + 4048 + 3040), 2u);                               // second house's bedrooms
    size_t at = 8 + 2 * 4048;
    EXPECT_EQ(get32(f, at), 27u);             // 800 / 32 + 2 columns
    EXPECT_EQ(get32(f, at + 4), 59u);         // 450 / 8 + 3 rows
    EXPECT_EQ(get32(f, at + 16), 3u);         // K
    EXPECT_EQ(get32(f, at + 20), 1u);         // career mode
    EXPECT_EQ(get32(f, at + 24 + 5 * 4), 2u); // cell 5
    at += 24 + 27 * 59 * 4;
    EXPECT_STREQ(reinterpret_cast<const char*>(&f[at + 160]), "C.png");
    at += 3 * 80;
    EXPECT_EQ(get32(f, at), 2u); // labels
    EXPECT_EQ(get32(f, at + 4), 2016u);
    EXPECT_EQ(get32(f, at + 8 + 2008), 30u); // slant of the first
    at += 8 + 2 * 2016;
    EXPECT_EQ(get32(f, at), 1004u);
    EXPECT_STREQ(reinterpret_cast<const char*>(&f[at + 4]), "juniper.png");
    EXPECT_EQ(get32(f, at + 4 + 1000), 1u);
    at += 4 + 1004;
    EXPECT_EQ(get32(f, at), 24u);
    EXPECT_EQ(get32(f, at + 4), 28u);
    EXPECT_EQ(get32(f, at + 8 + 4), 2u);  // count
    EXPECT_EQ(get32(f, at + 8 + 8), 10u); // capacity: one step of 10
    // Sorted by y: the object at y 30 (picture C, mirrored) comes first, stored by name hash.
    EXPECT_EQ(get32(f, at + 32 + 4), 30u);
    EXPECT_EQ(get32(f, at + 32 + 16), nameHash("C.png"));
    EXPECT_EQ(get32(f, at + 32 + 20), 1u);
    at += 32 + 2 * 28;
    EXPECT_EQ(get32(f, at + 8 + 4), 1u);
    EXPECT_EQ(get32(f, at + 32 + 24), 1u); // on top of houses
    EXPECT_EQ(f.size(), at + 32 + 28);
}

TEST_F(MapFileTest, RoundTripIsByteExact) {
    buildMap();
    ASSERT_EQ(saveMap("first"), 1);
    clearMap();
    ASSERT_EQ(loadMap("first"), 1);
    EXPECT_EQ(houseCount, 2);
    EXPECT_EQ(mapHouses[0].pictureIndex, 1);
    EXPECT_EQ(labelCount, 2);
    EXPECT_EQ(backgroundObjects.count, 2);
    EXPECT_EQ(backgroundObjects.objects[0].picture, 2);
    ASSERT_EQ(saveMap("second.map"), 1);
    EXPECT_EQ(readFile(mapsFile("first.map")), readFile(mapsFile("second.map")));
}

TEST_F(MapFileTest, ZeroFieldsGetTheirDefaults) {
    MapParts m;
    m.houses.push_back(makeHouse(10, 20, "cottage.png", 35000));
    MapHouse kept = makeHouse(10, 20, "cottage.png", 35000);
    kept.baseRent = 900, kept.upgradeCost = 1500, kept.bedrooms = 5, kept.bathrooms = 4;
    m.houses.push_back(kept);
    writeFile(mapsFile("defaults.map"), buildMapFile(m));
    ASSERT_EQ(loadMap("defaults"), 1);
    EXPECT_EQ(mapHouses[0].baseRent, 1000);
    EXPECT_EQ(mapHouses[0].upgradeCost, 2100);
    EXPECT_EQ(mapHouses[0].bedrooms, 3);
    EXPECT_EQ(mapHouses[0].bathrooms, 2);
    EXPECT_EQ(mapHouses[1].baseRent, 900);
    EXPECT_EQ(mapHouses[1].upgradeCost, 1500);
    EXPECT_EQ(mapHouses[1].bedrooms, 5);
    EXPECT_EQ(mapHouses[1].bathrooms, 4);
}

TEST_F(MapFileTest, TilesFollowTheirPicturesByName) {
    // Saved when the set was A, B, C; the set now holds C, A, B.
    makePictureSet(objectSprites, {{"C.png", 4, 4, 0}, {"a.PNG", 4, 4, 0}, {"B.png", 4, 4, 0}});
    MapParts m;
    m.columns = 3, m.rows = 2;
    m.cells = {0, 1, 2, 2, 1, 0};
    m.tileNames = {"A.png", "B.png", "C.png"};
    writeFile(mapsFile("remap.map"), buildMapFile(m));
    ASSERT_EQ(loadMap("remap"), 1);
    ASSERT_EQ(tileGrid.columns, 3);
    ASSERT_EQ(tileGrid.rows, 2);
    EXPECT_EQ(std::vector<int32_t>(tileGrid.cells, tileGrid.cells + 6),
              (std::vector<int32_t>{1, 2, 0, 0, 2, 1}));
}

TEST_F(MapFileTest, TilesWithoutAKnownNameBecomeZero) {
    MapParts m;
    m.columns = 4, m.rows = 1;
    m.cells = {0, 1, 2, 7};
    m.tileNames = {"X.png", "Y.png", "Z.png"};
    writeFile(mapsFile("strange.map"), buildMapFile(m));
    ASSERT_EQ(loadMap("strange"), 1);
    // Cells 0..2 had names that no picture has; 7 was beyond the stored names and stays.
    EXPECT_EQ(std::vector<int32_t>(tileGrid.cells, tileGrid.cells + 4), (std::vector<int32_t>{0, 0, 0, 7}));
}

TEST_F(MapFileTest, AMapWithoutHousesLoadsAndSaves) {
    MapParts m;
    writeFile(mapsFile("empty.map"), buildMapFile(m));
    buildMap();
    ASSERT_EQ(loadMap("empty"), 1);
    EXPECT_EQ(houseCount, 0);
    EXPECT_EQ(mapHouses, nullptr);
    EXPECT_EQ(houseAtPixel(100, 190), -1);
    ASSERT_EQ(saveMap("empty2"), 1);
    Bytes f = readFile(mapsFile("empty2.map"));
    EXPECT_EQ(get32(f, 0), 0u);
    EXPECT_EQ(get32(f, 4), 4048u);
    EXPECT_EQ(get32(f, 8), 2u); // the tile grid follows at once
}

TEST_F(MapFileTest, TheMapsCareerFlagReplacesTheScenarios) {
    MapParts m;
    m.careerMode = 0;
    writeFile(mapsFile("tycoon.map"), buildMapFile(m));
    scenario.careerMode = 1;
    ASSERT_EQ(loadMap("tycoon"), 1);
    EXPECT_EQ(scenario.careerMode, 0);
}

TEST_F(MapFileTest, UnknownPicturesAreKeptButNeitherDrawnNorPicked) {
    MapParts m;
    m.houses.push_back(makeHouse(100, 100, "Cottage.PNG", 50000)); // letter case does not matter
    m.houses.push_back(makeHouse(200, 100, "castle.png", 900000));
    m.layers[0].objects.push_back(makeObject(10, 10, "B.png"));
    m.layers[0].objects.push_back(makeObject(20, 20, "gone.png"));
    writeFile(mapsFile("odd.map"), buildMapFile(m));
    ASSERT_EQ(loadMap("odd"), 1);
    EXPECT_EQ(mapHouses[0].pictureIndex, 0);
    EXPECT_EQ(mapHouses[1].pictureIndex, -1);
    EXPECT_EQ(housePicture(1), nullptr);
    EXPECT_EQ(houseAtPixel(100, 95), 0);
    EXPECT_EQ(houseAtPixel(200, 95), -1);
    EXPECT_EQ(backgroundObjects.objects[0].picture, 1);
    EXPECT_EQ(backgroundObjects.objects[1].picture, -1);
    // Saving again keeps the unknown name and hash for a later set that has them.
    ASSERT_EQ(saveMap("odd2"), 1);
    Bytes f = readFile(mapsFile("odd2.map"));
    EXPECT_STREQ(reinterpret_cast<const char*>(&f[8 + 4048 + 3048]), "castle.png");
    EXPECT_EQ(get32(f, f.size() - 8 - 24 - 28 + 16), nameHash("gone.png"));
    EXPECT_EQ(get32(f, f.size() - 8 - 24 - 28 + 12), 0u); // the reserved word stays 0 on file
}

TEST_F(MapFileTest, LongerStoredRecordsAreReadOnlyUpToOurs) {
    MapParts m;
    m.houses.push_back(makeHouse(1, 2, "villa.png", 80000));
    m.houses.push_back(makeHouse(3, 4, "cottage.png", 60000));
    m.houseSize = 4100;
    MapText label{};
    label.x = 5, label.slant = 60;
    setText(label.text, u"Elm");
    m.labels = {label, label};
    m.labelSize = 2100;
    std::snprintf(m.background.fileName, 1000, "none.tga");
    m.background.mode = 2;
    m.backgroundSize = 1100;
    m.layers[0].headerSize = 40;
    m.layers[0].elementSize = 40;
    m.layers[0].objects = {makeObject(7, 8, "A.png"), makeObject(9, 10, "C.png")};
    m.layers[1].objects = {makeObject(11, 12, "B.png", 1)};
    writeFile(mapsFile("future.map"), buildMapFile(m));
    ASSERT_EQ(loadMap("future"), 1);
    ASSERT_EQ(houseCount, 2);
    EXPECT_EQ(mapHouses[1].x, 3);
    EXPECT_EQ(mapHouses[1].baseValue, 60000);
    EXPECT_EQ(mapHouses[1].pictureIndex, 0);
    ASSERT_EQ(labelCount, 2);
    EXPECT_EQ(mapLabels[1].slant, 60);
    EXPECT_EQ(mapLabels[1].x, 5);
    EXPECT_STREQ(mapBackground.fileName, "none.tga");
    EXPECT_EQ(mapBackground.mode, 2);
    ASSERT_EQ(backgroundObjects.count, 2);
    EXPECT_EQ(backgroundObjects.objects[1].x, 9);
    EXPECT_EQ(backgroundObjects.objects[1].picture, 2);
    EXPECT_EQ(backgroundObjects.objects[1].onTop, 0);
    ASSERT_EQ(foregroundObjects.count, 1);
    EXPECT_EQ(foregroundObjects.objects[0].onTop, 1);
}

TEST_F(MapFileTest, ShortBackgroundBlocksAreClearedFirst) {
    MapParts m;
    std::snprintf(m.background.fileName, 1000, "ab");
    m.backgroundSize = 2; // only "ab"; the mode is not stored
    writeFile(mapsFile("shortbg.map"), buildMapFile(m));
    mapBackground.mode = 2;
    ASSERT_EQ(loadMap("shortbg"), 1);
    EXPECT_STREQ(mapBackground.fileName, "ab");
    EXPECT_EQ(mapBackground.mode, 0);
}

TEST_F(MapFileTest, DamagedFilesLeaveThePreviousMap) {
    buildMap();
    ASSERT_EQ(saveMap("good"), 1);
    Bytes good = readFile(mapsFile("good.map"));
    std::vector<std::pair<std::string, Bytes>> bad;
    for (size_t cut : {size_t(3), size_t(9), size_t(5000), good.size() - 40, good.size() - 1})
        bad.emplace_back("cut" + std::to_string(cut), Bytes(good.begin(), good.begin() + long(cut)));
    Bytes manyHouses = good;
    manyHouses[0] = 100; // a hundred houses, two stored
    bad.emplace_back("many", manyHouses);
    Bytes hugeGrid = good;
    hugeGrid[8 + 2 * 4048 + 3] = 0x40; // columns of about a billion
    bad.emplace_back("grid", hugeGrid);
    Bytes zeroSize = good;
    zeroSize[4] = 0, zeroSize[5] = 0; // houses of 0 bytes
    bad.emplace_back("zero", zeroSize);
    MapParts tooManyObjects;
    tooManyObjects.layers[1].objects = {makeObject(1, 1, "A.png")};
    Bytes objects = buildMapFile(tooManyObjects);
    objects[objects.size() - 28 - 24 + 4] = 2; // count 2, one stored
    bad.emplace_back("objects", objects);

    clearMap();
    ASSERT_EQ(loadMap("good"), 1);
    for (auto& [name, bytes] : bad) {
        writeFile(mapsFile(name + ".map"), bytes);
        EXPECT_EQ(loadMap(name.c_str()), 0) << name;
        EXPECT_EQ(houseCount, 2) << name;
        EXPECT_EQ(mapHouses[1].baseValue, 70000) << name;
        EXPECT_EQ(backgroundObjects.count, 2) << name;
        EXPECT_EQ(labelCount, 2) << name;
        EXPECT_EQ(tileGrid.columns, 27) << name;
    }
    EXPECT_EQ(loadMap("absent"), 0);
    EXPECT_EQ(houseCount, 2);
}

TEST_F(MapFileTest, ObjectArraysAreSizedByTheirObjectsNotTheStoredCapacity) {
    MapParts m;
    m.layers[0].objects = {makeObject(1, 1, "A.png")};
    m.layers[0].capacity = 0x7FFFFFFF;
    m.layers[0].selected = 55; // past the objects: selects the first
    writeFile(mapsFile("cap.map"), buildMapFile(m));
    ASSERT_EQ(loadMap("cap"), 1);
    EXPECT_EQ(backgroundObjects.count, 1);
    EXPECT_EQ(backgroundObjects.capacity, 10);
    EXPECT_EQ(backgroundObjects.selected, 0);
}

} // namespace
} // namespace bvtest

namespace bvtest {
namespace {

// Saving over an existing map or scenario when the disk fills up at various points: the old file
// stays byte for byte, nothing is left beside it, and only a whole write replaces it.
TEST_F(MapFileTest, AFailedWriteLeavesTheOldFileAsItWas) {
    buildMap();
    ASSERT_EQ(saveMap("street"), 1);
    scenario.levelCount = 2;
    ASSERT_EQ(saveScenario("campaign"), 0);
    const Bytes oldMap = readFile(mapsFile("street.map"));
    const Bytes oldScenario = readFile(mapsFile("campaign.bvx"));
    // The versions in memory now differ from the files.
    mapHouses[0].baseValue += 1000;
    scenario.levelCount = 3;

    const struct {
        int64_t limit; // bytes the disk takes before it is full; -1: no limit
        bool saved;
    } cases[] = {{0, false}, {4, false}, {100, false}, {int64_t(oldMap.size()) - 1, false}, {-1, true}};
    for (const auto& c : cases) {
        platform::setWriteLimitForTests(c.limit);
        const bool mapSaved = saveMap("street") == 1;
        platform::setWriteLimitForTests(c.limit);
        const bool scenarioSaved = saveScenario("campaign") == 0;
        platform::setWriteLimitForTests(-1);
        EXPECT_EQ(mapSaved, c.saved) << c.limit;
        EXPECT_EQ(scenarioSaved, c.saved) << c.limit;
        EXPECT_FALSE(std::filesystem::exists(mapsFile("street.map.tmp"))) << c.limit;
        EXPECT_FALSE(std::filesystem::exists(mapsFile("campaign.bvx.tmp"))) << c.limit;
        if (!c.saved) {
            EXPECT_EQ(readFile(mapsFile("street.map")), oldMap) << c.limit;
            EXPECT_EQ(readFile(mapsFile("campaign.bvx")), oldScenario) << c.limit;
        }
    }
    // The whole write took the new versions.
    EXPECT_NE(readFile(mapsFile("street.map")), oldMap);
    EXPECT_EQ(scenarioLevelCount("campaign"), 3);
    clearMap();
    ASSERT_EQ(loadMap("street"), 1);
    EXPECT_EQ(houseCount, 2);
}

} // namespace
} // namespace bvtest

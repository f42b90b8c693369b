// Map files: layout and round trip, what a hand-built file loads as (defaults for zero fields, the
// tile remap, unknown pictures, other record sizes), damaged files and failed writes; the object
// layers as the editor changes them.
#include "map_file.h"
#include "picture_sets.h"
#include "platform/files.h"
#include "world/map_layers.h"
#include "world/scenario.h"

namespace bvtest {
namespace {

using namespace bv;

std::string textAt(const Bytes& f, size_t at) {
    return reinterpret_cast<const char*>(&f[at]);
}

class MapFileTest : public LevelsTest {
  protected:
    void SetUp() override {
        LevelsTest::SetUp();
        makePictureSet(houseSprites,
                       {{"cottage.png", 20, 10, 0xFF112233}, {"villa.png", 30, 20, 0xFF445566}});
        makePictureSet(objectSprites, {{"A.png", 4, 4, 0}, {"B.png", 4, 4, 0}, {"C.png", 4, 4, 0}});
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
    void load(const char* name, const MapParts& m) {
        writeFile(mapsFile(std::string(name) + ".map"), buildMapFile(m));
        ASSERT_EQ(loadMap(name), 1);
    }
};

TEST_F(MapFileTest, SavedFileFollowsTheSectionOrderAndReadsBackByteExact) {
    buildMap();
    ASSERT_EQ(saveMap("juniper"), 1);
    Bytes f = readFile(mapsFile("juniper.map"));
    EXPECT_EQ(get32(f, 0), 2u);
    EXPECT_EQ(get32(f, 4), 4048u);
    EXPECT_EQ(get32(f, 8 + 0), 100u);            // x
    EXPECT_EQ(get32(f, 8 + 1028), 200000u);      // baseValue
    EXPECT_EQ(get32(f, 8 + 1032), 200000u / 35); // baseRent
    EXPECT_EQ(f[8 + 1036], '1');                 // address
    EXPECT_EQ(textAt(f, 8 + 3048), "villa.png"); // name from the index
    EXPECT_EQ(get32(f, 8 + 4048 + 3040), 2u);    // second house's bedrooms
    size_t at = 8 + 2 * 4048;
    EXPECT_EQ(get32(f, at), 27u);     // 800 / 32 + 2 columns
    EXPECT_EQ(get32(f, at + 4), 59u); // 450 / (16 / 2) + 3 rows
    EXPECT_EQ(get32(f, at + 8), 32u); // the tile: 32 x 16 when no reduced object picture sizes it
    EXPECT_EQ(get32(f, at + 12), 16u);
    EXPECT_EQ(get32(f, at + 16), 3u);         // K
    EXPECT_EQ(get32(f, at + 20), 1u);         // career mode
    EXPECT_EQ(get32(f, at + 24 + 5 * 4), 2u); // cell 5
    at += 24 + 27 * 59 * 4;
    EXPECT_EQ(textAt(f, at + 160), "C.png");
    at += 3 * 80;
    EXPECT_EQ(get32(f, at), 2u); // labels
    EXPECT_EQ(get32(f, at + 4), 2016u);
    EXPECT_EQ(get32(f, at + 8 + 2008), 30u); // slant of the first
    at += 8 + 2 * 2016;
    EXPECT_EQ(get32(f, at), 1004u);
    EXPECT_EQ(textAt(f, at + 4), "juniper.png");
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

    clearMap();
    ASSERT_EQ(loadMap("juniper"), 1);
    EXPECT_EQ(mapHouses[0].pictureIndex, 1);
    EXPECT_EQ(backgroundObjects.objects[0].picture, 2);
    ASSERT_EQ(saveMap("second.map"), 1);
    EXPECT_EQ(readFile(mapsFile("second.map")), f);
    // A map without houses loads and saves: the tile grid follows the two house words at once.
    load("empty", MapParts{});
    EXPECT_EQ(houseCount, 0);
    EXPECT_EQ(mapHouses, nullptr);
    ASSERT_EQ(saveMap("empty2"), 1);
    const Bytes e = readFile(mapsFile("empty2.map"));
    EXPECT_EQ((std::vector<uint32_t>{get32(e, 0), get32(e, 4), get32(e, 8)}),
              (std::vector<uint32_t>{0, 4048, 2}));
}

TEST_F(MapFileTest, HandBuiltFileLoadsByTheFilesRules) {
    // Tiles saved when the set was A, B, C, X; the set now holds C, a, B, D, and X is gone.
    makePictureSet(objectSprites,
                   {{"C.png", 4, 4, 0}, {"a.PNG", 4, 4, 0}, {"B.png", 4, 4, 0}, {"D.png", 4, 4, 0}});
    MapParts m;
    MapHouse kept = makeHouse(3, 4, "villa.png", 60000);
    kept.baseRent = 900, kept.upgradeCost = 1500, kept.bedrooms = 5, kept.bathrooms = 4;
    // Zero fields take defaults, picture names match without regard to case, unknown ones are kept.
    m.houses = {makeHouse(100, 100, "Cottage.PNG", 35000), kept, makeHouse(200, 100, "castle.png", 900000)};
    m.houseSize = 4100; // records longer than ours are read up to ours
    m.columns = 4, m.rows = 2;
    m.cells = {0, 1, 2, 3, 2, 1, 0, 7}; // 7 is beyond the stored names and stays
    m.tileNames = {"A.png", "B.png", "C.png", "X.png"};
    MapText label{};
    label.x = 5, label.slant = 60;
    m.labels = {label, label};
    m.labelSize = 2100;
    std::snprintf(m.background.fileName, 1000, "ab");
    m.backgroundSize = 2; // only "ab"; the mode is not stored and is cleared
    m.layers[0].headerSize = m.layers[0].elementSize = 40;
    m.layers[0].objects = {makeObject(10, 10, "B.png"), makeObject(20, 20, "gone.png")};
    m.layers[0].capacity = 0x7FFFFFFF; // sized by the objects, not the stored capacity
    m.layers[0].selected = 55;         // past the objects: selects the first
    m.layers[1].objects = {makeObject(11, 12, "a.png", 1)};
    mapBackground.mode = 2;
    scenario.careerMode = 0; // the map's flag replaces the scenario's
    load("odd", m);

    ASSERT_EQ(houseCount, 3);
    const auto fields = [](const MapHouse& h) {
        return std::vector<int32_t>{h.x,        h.baseValue, h.baseRent,    h.upgradeCost,
                                    h.bedrooms, h.bathrooms, h.pictureIndex};
    };
    // A house of 35,000 by default: rent 35,000 / 35 = 1,000, upgrade 2,100, 3 bedrooms, 2 bathrooms.
    EXPECT_EQ(fields(mapHouses[0]), (std::vector<int32_t>{100, 35000, 1000, 2100, 3, 2, 0}));
    EXPECT_EQ(fields(mapHouses[1]), (std::vector<int32_t>{3, 60000, 900, 1500, 5, 4, 1}));
    EXPECT_EQ(mapHouses[2].pictureIndex, -1);
    EXPECT_EQ(housePicture(2), nullptr);
    EXPECT_EQ(houseAtPixel(100, 95), 0);
    EXPECT_EQ(houseAtPixel(200, 95), -1);
    EXPECT_EQ(std::vector<int32_t>(tileGrid.cells, tileGrid.cells + 8),
              (std::vector<int32_t>{1, 2, 0, 0, 0, 2, 1, 7}));
    EXPECT_EQ(scenario.careerMode, 1);
    ASSERT_EQ(labelCount, 2);
    EXPECT_EQ(std::pair(mapLabels[1].x, mapLabels[1].slant), std::pair(5, 60));
    EXPECT_STREQ(mapBackground.fileName, "ab");
    EXPECT_EQ(mapBackground.mode, 0);
    const ObjectLayer &back = backgroundObjects, &front = foregroundObjects;
    ASSERT_EQ(std::pair(back.count, front.count), std::pair(2, 1));
    EXPECT_EQ((std::vector<int32_t>{back.objects[0].picture, back.objects[1].picture, back.objects[1].x,
                                    back.capacity, back.selected, front.objects[0].picture,
                                    front.objects[0].onTop}),
              (std::vector<int32_t>{2, -1, 20, 10, 0, 1, 1}));
    // Saving again keeps the unknown names and hashes for a later set that has them. The last
    // background object ends where the foreground layer (8 + 24 + 28 bytes) begins.
    ASSERT_EQ(saveMap("odd2"), 1);
    const Bytes f = readFile(mapsFile("odd2.map"));
    EXPECT_EQ(textAt(f, 8 + 2 * 4048 + 3048), "castle.png");
    const size_t gone = f.size() - 60 - 28;
    EXPECT_EQ(get32(f, gone + 16), nameHash("gone.png"));
    EXPECT_EQ(get32(f, gone + 12), 0u); // the reserved word stays 0 on file
}

TEST_F(MapFileTest, DamagedFilesLeaveThePreviousMap) {
    buildMap();
    ASSERT_EQ(saveMap("good"), 1);
    const Bytes good = readFile(mapsFile("good.map"));
    std::vector<std::pair<std::string, Bytes>> bad;
    for (size_t cut : {size_t(3), size_t(9), size_t(5000), good.size() - 40, good.size() - 1})
        bad.emplace_back("cut" + std::to_string(cut), Bytes(good.begin(), good.begin() + long(cut)));
    bad.emplace_back("many", good);
    bad.back().second[0] = 100; // a hundred houses, two stored
    bad.emplace_back("grid", good);
    bad.back().second[8 + 2 * 4048 + 3] = 0x40; // columns of about a billion
    bad.emplace_back("zero", good);
    bad.back().second[4] = bad.back().second[5] = 0; // houses of 0 bytes
    MapParts tooManyObjects;
    tooManyObjects.layers[1].objects = {makeObject(1, 1, "A.png")};
    bad.emplace_back("objects", buildMapFile(tooManyObjects));
    bad.back().second[bad.back().second.size() - 28 - 24 + 4] = 2; // count 2, one stored
    bad.emplace_back("absent", Bytes{});

    clearMap();
    ASSERT_EQ(loadMap("good"), 1);
    for (auto& [name, bytes] : bad) {
        SCOPED_TRACE(name);
        if (name != "absent") writeFile(mapsFile(name + ".map"), bytes);
        EXPECT_EQ(loadMap(name.c_str()), 0);
        ASSERT_EQ(houseCount, 2);
        EXPECT_EQ((std::vector<int32_t>{mapHouses[1].baseValue, backgroundObjects.count, labelCount,
                                        tileGrid.columns}),
                  (std::vector<int32_t>{70000, 2, 2, 27}));
    }
}

// Saving over an existing map or scenario when the disk fills up at various points: the old file
// stays byte for byte, nothing is left beside it, and only a whole write replaces it.
TEST_F(MapFileTest, AFailedWriteLeavesTheOldFileAsItWas) {
    buildMap();
    ASSERT_EQ(saveMap("street"), 1);
    scenario.levelCount = 2;
    ASSERT_EQ(saveScenario("campaign"), 0);
    const Bytes oldMap = readFile(mapsFile("street.map"));
    const Bytes oldScenario = readFile(mapsFile("campaign.bvx"));
    mapHouses[0].baseValue += 1000; // the versions in memory now differ from the files
    scenario.levelCount = 3;
    for (int64_t limit : {int64_t(0), int64_t(4), int64_t(100), int64_t(oldMap.size()) - 1, int64_t(-1)}) {
        SCOPED_TRACE(limit); // bytes the disk takes before it is full; -1: no limit
        platform::setWriteLimitForTests(limit);
        const bool mapSaved = saveMap("street") == 1;
        platform::setWriteLimitForTests(limit);
        const bool scenarioSaved = saveScenario("campaign") == 0;
        platform::setWriteLimitForTests(-1);
        EXPECT_EQ(mapSaved, limit < 0);
        EXPECT_EQ(scenarioSaved, limit < 0);
        EXPECT_FALSE(std::filesystem::exists(mapsFile("street.map.tmp")));
        EXPECT_FALSE(std::filesystem::exists(mapsFile("campaign.bvx.tmp")));
        EXPECT_EQ(readFile(mapsFile("street.map")) == oldMap, limit >= 0);
        EXPECT_EQ(readFile(mapsFile("campaign.bvx")) == oldScenario, limit >= 0);
    }
    EXPECT_EQ(scenarioLevelCount("campaign"), 3);
}

// Object layers stay sorted by y while the editor adds, moves and removes objects, and the
// editor's selection stays on the object it was on.
// The pictures in layer order (the tests use the picture as the object's name).
std::vector<int32_t> pictures(const ObjectLayer& layer) {
    std::vector<int32_t> out;
    for (int32_t i = 0; i < layer.count; ++i) out.push_back(layer.objects[i].picture);
    return out;
}

class LayerTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureMemory(); }
    void TearDown() override { freeLayer(layer); }
    ObjectLayer layer;
};

TEST_F(LayerTest, AddingKeepsTheLayerSortedStableAndGrowingAndSelectsTheNewObject) {
    EXPECT_EQ(addMapObject(layer, 0, 50, 1, false, false), 0);
    EXPECT_EQ(addMapObject(layer, 0, 10, 2, false, false), 0);
    layer.objects[1].group = 7;
    EXPECT_EQ(addMapObject(layer, 0, 30, 3, true, true), 1);
    EXPECT_EQ(layer.selected, 1);
    EXPECT_EQ(pictures(layer), (std::vector<int32_t>{2, 3, 1}));
    // Mirrored, on top, and in the group of the last object in the layer.
    const MapObject& added = layer.objects[1];
    EXPECT_EQ((std::vector<int32_t>{added.xflip, added.onTop, added.group}), (std::vector<int32_t>{1, 1, 7}));
    // Equal depths keep their order of placement, past the first capacity step of 10.
    for (int32_t picture = 10; picture < 32; ++picture) addMapObject(layer, 0, 40, picture, false, false);
    EXPECT_EQ(std::pair(layer.count, layer.capacity), std::pair(25, 30));
    for (int32_t i = 2; i < 24; ++i) EXPECT_EQ(layer.objects[i].picture, i + 8) << i;
    EXPECT_EQ(layer.objects[24].picture, 1);
}

TEST_F(LayerTest, MovingAndRemovingResortAndTheSelectionFollowsItsObject) {
    for (int32_t y : {10, 20, 30, 40}) addMapObject(layer, 0, y, y, false, false);
    layer.selected = 2;                           // the object at y 30
    EXPECT_EQ(moveMapObject(layer, 0, 5, 45), 3); // below everything: the selection slides up
    EXPECT_EQ(pictures(layer), (std::vector<int32_t>{20, 30, 40, 10}));
    EXPECT_EQ(layer.selected, 1);
    EXPECT_EQ(moveMapObject(layer, 1, 0, 1), 0); // the selected object itself moves to the top
    EXPECT_EQ(layer.selected, 0);
    layer.selected = 1;                          // picture 20
    EXPECT_EQ(moveMapObject(layer, 3, 0, 2), 1); // from below the selection to above it
    EXPECT_EQ(pictures(layer), (std::vector<int32_t>{30, 10, 20, 40}));
    EXPECT_EQ(layer.selected, 2);
    EXPECT_EQ(moveMapObject(layer, 9, 0, 0), -1);
    EXPECT_TRUE(removeMapObject(layer, 0));
    EXPECT_EQ(layer.selected, 1);           // still picture 20
    EXPECT_TRUE(removeMapObject(layer, 2)); // the last one while not selected
    EXPECT_TRUE(removeMapObject(layer, 1)); // the selected last one: its neighbour is selected
    EXPECT_EQ(layer.selected, 0);
    EXPECT_EQ(pictures(layer), (std::vector<int32_t>{10}));
    EXPECT_FALSE(removeMapObject(layer, 1));
    EXPECT_TRUE(removeMapObject(layer, 0));
    EXPECT_EQ(layer.count, 0);
    EXPECT_EQ(layer.selected, 0);
}

} // namespace
} // namespace bvtest

// Object layers stay sorted by y while the editor adds, moves and removes objects, and the
// editor's selection stays on the object it was on.
#include "levels_fixture.h"
#include "world/map_layers.h"

namespace bvtest {
namespace {

using namespace bv;

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
    EXPECT_EQ(layer.objects[1].xflip, 1);
    EXPECT_EQ(layer.objects[1].onTop, 1);
    EXPECT_EQ(layer.objects[1].group, 7); // the group of the last in the layer
    // Equal depths keep their order of placement, past the first capacity step of 10.
    for (int32_t picture = 10; picture < 32; ++picture) addMapObject(layer, 0, 40, picture, false, false);
    EXPECT_EQ(layer.count, 25);
    EXPECT_EQ(layer.capacity, 30);
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

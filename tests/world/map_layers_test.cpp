// Object layers stay sorted by y while the editor adds, moves and removes objects, and the
// editor's selection stays on the object it was on.
#include "levels_fixture.h"
#include "world/map_layers.h"

namespace bvtest {
namespace {

using namespace bv;

std::vector<int32_t> ys(const ObjectLayer& layer) {
    std::vector<int32_t> out;
    for (int32_t i = 0; i < layer.count; ++i) out.push_back(layer.objects[i].y);
    return out;
}

class LayerTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureMemory(); }
    void TearDown() override { freeLayer(layer); }
    ObjectLayer layer;
};

TEST_F(LayerTest, AddingKeepsTheLayerSortedAndSelectsTheNewObject) {
    EXPECT_EQ(addMapObject(layer, 0, 50, 1, false, false), 0);
    EXPECT_EQ(addMapObject(layer, 0, 10, 2, false, false), 0);
    EXPECT_EQ(addMapObject(layer, 0, 30, 3, true, true), 1);
    EXPECT_EQ(layer.selected, 1);
    EXPECT_EQ(ys(layer), (std::vector<int32_t>{10, 30, 50}));
    EXPECT_EQ(layer.objects[1].picture, 3);
    EXPECT_EQ(layer.objects[1].xflip, 1);
    EXPECT_EQ(layer.objects[1].onTop, 1);
}

TEST_F(LayerTest, EqualDepthsKeepTheirOrderOfPlacement) {
    for (int32_t picture = 0; picture < 4; ++picture) addMapObject(layer, picture, 20, picture, false, false);
    addMapObject(layer, 9, 5, 9, false, false);
    for (int32_t i = 1; i < 5; ++i) EXPECT_EQ(layer.objects[i].picture, i - 1);
}

TEST_F(LayerTest, ANewObjectTakesTheGroupOfTheLastOne) {
    addMapObject(layer, 0, 10, 0, false, false);
    layer.objects[0].group = 7;
    addMapObject(layer, 0, 5, 0, false, false);
    EXPECT_EQ(layer.objects[0].group, 7);
}

TEST_F(LayerTest, GrowingPastTheCapacityKeepsEveryObject) {
    for (int32_t i = 0; i < 25; ++i) addMapObject(layer, i, 100 - i, i, false, false);
    EXPECT_EQ(layer.count, 25);
    EXPECT_EQ(layer.capacity, 30);
    for (int32_t i = 0; i < 25; ++i) EXPECT_EQ(layer.objects[i].picture, 24 - i);
}

TEST_F(LayerTest, MovingResortsAndTheSelectionFollowsItsObject) {
    for (int32_t y : {10, 20, 30, 40}) addMapObject(layer, 0, y, y, false, false);
    layer.selected = 2; // the object at y 30
    // Object 0 moves below everything: the selected object slides up one place.
    EXPECT_EQ(moveMapObject(layer, 0, 5, 45), 3);
    EXPECT_EQ(ys(layer), (std::vector<int32_t>{20, 30, 40, 45}));
    EXPECT_EQ(layer.objects[layer.selected].picture, 30);
    // The selected object itself moves to the top.
    EXPECT_EQ(moveMapObject(layer, layer.selected, 0, 1), 0);
    EXPECT_EQ(layer.selected, 0);
    EXPECT_EQ(layer.objects[0].picture, 30);
    // An object moves from below the selection to above it.
    layer.selected = 1; // y 20
    EXPECT_EQ(moveMapObject(layer, 3, 0, 2), 1);
    EXPECT_EQ(layer.objects[layer.selected].picture, 20);
    EXPECT_EQ(moveMapObject(layer, 9, 0, 0), -1);
}

TEST_F(LayerTest, RemovingKeepsTheSelectionOnItsObjectOrItsNeighbour) {
    for (int32_t y : {10, 20, 30}) addMapObject(layer, 0, y, y, false, false);
    layer.selected = 2;
    EXPECT_TRUE(removeMapObject(layer, 0));
    EXPECT_EQ(layer.objects[layer.selected].picture, 30);
    EXPECT_TRUE(removeMapObject(layer, layer.selected)); // the last one: its neighbour is selected
    EXPECT_EQ(layer.selected, 0);
    EXPECT_EQ(ys(layer), (std::vector<int32_t>{20}));
    EXPECT_FALSE(removeMapObject(layer, 1));
    EXPECT_TRUE(removeMapObject(layer, 0));
    EXPECT_EQ(layer.count, 0);
    EXPECT_EQ(layer.selected, 0);
}

} // namespace
} // namespace bvtest

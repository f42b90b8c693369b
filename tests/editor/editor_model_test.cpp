// The editor's model and its small forms: the new house rules, placing houses and objects, the
// grids and the picture choosers; the house forms and Grid Settings driven by clicks and typing.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "dialog_fixture.h"
#include "support/pictures.h"
#include "world/map_layers.h"

namespace {

using bv::editor;

// Houses: a 40 x 30 cottage and a 20 x 24 villa; objects: a 100 x 50 slab.
class EditorModelTest : public edtest::DialogTest {};

// Rent is the value / 35 and the upgrade cost the rent x 2.1, both rounded down.
TEST_F(EditorModelTest, NewHouseRulesGiveRentAndUpgradeCostFromTheValue) {
    const int32_t cases[][3] = {// value, rent, upgrade cost
                                {200000, 5714, 11999},
                                {35000, 1000, 2100}, // 1000 x 2.1 must not come out as 2099
                                {34, 0, 0}};
    for (const auto& c : cases) {
        bv::MapHouse house{};
        house.baseValue = c[0];
        bv::applyNewHouseRules(house);
        EXPECT_EQ(house.baseRent, c[1]) << c[0];
        EXPECT_EQ(house.upgradeCost, c[2]) << c[0];
    }
}

TEST_F(EditorModelTest, InsertPlacesANewHouseAtTheMouseOrAt100x100OffTheMap) {
    EXPECT_EQ(bv::insertHouse(250, 300, 1), 0);
    EXPECT_EQ(bv::insertHouse(400, 450, 0), 1); // y 450 is the panel, not the map
    EXPECT_EQ(bv::insertHouse(-1, 20, 0), 2);
    ASSERT_EQ(bv::houseCount, 3);
    const bv::MapHouse *h = bv::mapHouses, &a = h[0];
    EXPECT_EQ((std::vector<int32_t>{a.x, a.y, h[1].x, h[1].y, h[2].x, h[2].y}),
              (std::vector<int32_t>{250, 300, 100, 100, 100, 100}));
    // The new house rules applied: rent 200,000 / 35.
    EXPECT_EQ((std::vector<int32_t>{a.baseValue, a.baseRent, a.bedrooms, a.bathrooms, a.address[0],
                                    a.pictureIndex}),
              (std::vector<int32_t>{200000, 5714, 3, 2, 0, 1}));
    EXPECT_STREQ(a.pictureName, "villa.png");
    EXPECT_EQ(bv::editor.selectedHouse, 2);
}

TEST_F(EditorModelTest, SnappingUsesTheModesGridOrTheMasterGrid) {
    const auto snapped = [](int32_t mode, int32_t x, int32_t y) {
        bv::snapToGrid(mode, x, y);
        return std::pair{x, y};
    };
    EXPECT_EQ(snapped(bv::kModeHouse, 37, 45), std::pair(37, 45)); // grids start off
    bv::editor.grids[0] = bv::GridRecord{1, 0, 0, 3, 5, 10, 20};
    EXPECT_EQ(snapped(bv::kModeHouse, 37, 45), std::pair(33, 45));
    EXPECT_EQ(snapped(bv::kModeHouse, -7, -7), std::pair(3, 5)); // division toward zero

    bv::editor.grids[bv::kMasterGrid] = bv::GridRecord{1, 0, 0, 0, 1, 25, 25};
    bv::editor.useMasterGrid = 1;
    for (int32_t mode : {bv::kModeHouse, bv::kModeBackground, bv::kModeForeground})
        EXPECT_EQ(snapped(mode, 60, 60), std::pair(50, 51)) << mode;
    bv::editor.grids[bv::kMasterGrid].width = 0; // a zero cell leaves that axis alone
    EXPECT_EQ(snapped(bv::kModeBackground, 61, 61), std::pair(61, 51));
}

TEST_F(EditorModelTest, ObjectsArePlacedOnlyWhereTheirPictureTouchesTheMap) {
    // The slab is 100 x 50, anchored at its bottom centre.
    EXPECT_GE(bv::placeObject(bv::kModeBackground, 400, 200, 0), 0);
    EXPECT_GE(bv::placeObject(bv::kModeBackground, -49, 200, 0), 0);  // one column on the map
    EXPECT_EQ(bv::placeObject(bv::kModeBackground, -50, 200, 0), -1); // wholly to the left
    EXPECT_GE(bv::placeObject(bv::kModeBackground, 400, 499, 0), 0);  // top row 449
    EXPECT_EQ(bv::placeObject(bv::kModeBackground, 400, 500, 0), -1);
    EXPECT_EQ(bv::placeObject(bv::kModeBackground, 850, 200, 0), -1);
    EXPECT_EQ(bv::placeObject(bv::kModeBackground, 400, 0, 0), -1); // wholly above
    EXPECT_EQ(bv::backgroundObjects.count, 3);
    EXPECT_EQ(bv::foregroundObjects.count, 0);
}

TEST_F(EditorModelTest, ChoosersStepAndWrapAndFindAPictureInTheirTree) {
    bv::PictureFolder root{};
    bvtest::HandTree tree(root, "", {1}, "", {0, 1, 0});
    bv::PictureChooser c{&root, &root, 0};
    EXPECT_TRUE(bv::showPictureInChooser(c, 0));
    EXPECT_EQ(c.folder, &tree.child());
    EXPECT_EQ(c.index, 0);
    bv::stepChooser(c, -1);
    EXPECT_EQ(c.index, 2);
    bv::stepChooser(c, 1);
    EXPECT_EQ(c.index, 0);
    EXPECT_FALSE(bv::showPictureInChooser(c, 7));
    c.index = 9; // a stale index shows no picture rather than reading past the list
    EXPECT_EQ(bv::chooserPicture(c), -1);
}

class HouseForms : public edtest::DialogTest {};

// House forms: OK at the bottom centre of the 500 x 200 box at (150, 190).
constexpr int32_t kOkX = 400, kOkY = 355;

TEST_F(HouseForms, FieldsAreStoredIntoTheHouseAsTheyChange) {
    ASSERT_EQ(bv::insertHouse(300, 300, 0), 0);
    ASSERT_TRUE(bv::openEditorDialog(bv::kDialogHouseValue));
    frame();
    type(u"5");
    // Stored before OK: the field reads "2000005".
    EXPECT_EQ(bv::mapHouses[0].baseValue, 2000005);
    clickAt(kOkX, kOkY);
    EXPECT_FALSE(bv::editorDialogOpen());

    bv::openEditorDialog(bv::kDialogRent);
    type(u"\b0");
    EXPECT_EQ(bv::mapHouses[0].baseRent, 5710);
    clickAt(kOkX, kOkY);

    // House Size: bedrooms focused first, a click moves to bathrooms.
    bv::openEditorDialog(bv::kDialogHouseSize);
    type(u"1");
    clickAt(350, 290);
    type(u"4");
    EXPECT_EQ(bv::mapHouses[0].bedrooms, 31);
    EXPECT_EQ(bv::mapHouses[0].bathrooms, 24);
    clickAt(kOkX, kOkY);

    bv::openEditorDialog(bv::kDialogAddress);
    type(u"12 Elm");
    EXPECT_EQ(std::u16string(bv::mapHouses[0].address), u"12 Elm");
    clickAt(kOkX, kOkY);
    EXPECT_EQ(bv::topEditorDialog(), bv::kDialogNone);

    // The upgrade cost reads at most eight digits.
    bv::mapHouses[0].upgradeCost = 1234567;
    bv::openEditorDialog(bv::kDialogUpgrade);
    type(u"89");
    EXPECT_EQ(bv::mapHouses[0].upgradeCost, 12345678);
}

class GridForm : public edtest::DialogTest {};

TEST_F(GridForm, ChangesApplyAtOnceAndCancelRestoresEveryRecord) {
    editor.mode = bv::kModeHouse;
    bv::openEditorDialog(bv::kDialogGrid);
    frame();
    type(u"7"); // the X-Offset field has the focus: "07"
    EXPECT_EQ(editor.grids[0].xOffset, 7);
    clickAt(225, 155); // "Grid On"
    EXPECT_EQ(editor.grids[0].on, 1);
    clickAt(225, 181); // "Use Master Grid Settings": the form now edits the master record
    EXPECT_EQ(editor.useMasterGrid, 1);
    type(u"3");
    EXPECT_EQ(editor.grids[bv::kMasterGrid].xOffset, 3);
    EXPECT_EQ(editor.grids[0].xOffset, 7);
    clickAt(400, 340); // the width field
    type(u"\b\b40");
    EXPECT_EQ(editor.grids[bv::kMasterGrid].width, 40);

    clickAt(525, 465); // Cancel
    EXPECT_FALSE(bv::editorDialogOpen());
    const bv::GridRecord &house = editor.grids[0], &master = editor.grids[bv::kMasterGrid];
    EXPECT_EQ(
        (std::vector<int32_t>{editor.useMasterGrid, house.xOffset, house.on, master.xOffset, master.width}),
        (std::vector<int32_t>{0, 0, 0, 0, 16}));
}

} // namespace

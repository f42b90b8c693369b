// The editor's small forms driven by clicks and typing: the house forms and Grid Settings.
#include <gtest/gtest.h>

#include "dialog_fixture.h"

namespace {

using bv::editor;

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
    EXPECT_EQ(editor.useMasterGrid, 0);
    EXPECT_EQ(editor.grids[0].xOffset, 0);
    EXPECT_EQ(editor.grids[0].on, 0);
    EXPECT_EQ(editor.grids[bv::kMasterGrid].xOffset, 0);
    EXPECT_EQ(editor.grids[bv::kMasterGrid].width, 16);
}

} // namespace

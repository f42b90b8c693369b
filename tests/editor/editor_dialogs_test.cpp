// The editor's small forms driven by clicks and typing: the house forms, the street name form,
// Grid Settings, the picture folder selector and the Map Editor form.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "dialog_fixture.h"
#include "gfx/png_write.h"
#include "world/map_layers.h"

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
}

TEST_F(HouseForms, UpgradeCostTakesAtMostEightDigits) {
    ASSERT_EQ(bv::insertHouse(300, 300, 0), 0);
    bv::mapHouses[0].upgradeCost = 1234567;
    bv::openEditorDialog(bv::kDialogUpgrade);
    type(u"89");
    EXPECT_EQ(bv::mapHouses[0].upgradeCost, 12345678);
}

TEST_F(HouseForms, WithoutASelectedHouseNothingIsWritten) {
    bv::editor.selectedHouse = 0; // no houses at all
    bv::openEditorDialog(bv::kDialogHouseValue);
    type(u"77");
    clickAt(kOkX, kOkY);
    EXPECT_EQ(bv::houseCount, 0);
    EXPECT_FALSE(bv::editorDialogOpen());
}

TEST_F(HouseForms, StreetNameIsStoredOnOkOnlyAndTheLabelRenderedAgain) {
    ASSERT_EQ(bv::addLabel(200, 200, u"Oak", 30), 0);
    editor.selectedLabel = 0;
    bv::openEditorDialog(bv::kDialogText);
    type(u" Road");
    EXPECT_EQ(std::u16string(bv::mapLabels[0].text), u"Oak"); // not yet
    clickAt(470, 355);                                        // Cancel
    EXPECT_EQ(std::u16string(bv::mapLabels[0].text), u"Oak");

    bv::openEditorDialog(bv::kDialogText);
    type(u" Road");
    clickAt(330, 355); // OK
    EXPECT_EQ(std::u16string(bv::mapLabels[0].text), u"Oak Road");
    EXPECT_FALSE(bv::editorDialogOpen());
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

TEST_F(GridForm, ResetRestoresTheOpeningValuesAndOkKeepsChanges) {
    editor.mode = bv::kModeForeground;
    bv::openEditorDialog(bv::kDialogGrid);
    type(u"5");
    clickAt(225, 233); // "Display Grid"
    clickAt(275, 465); // Reset
    EXPECT_EQ(editor.grids[2].xOffset, 0);
    EXPECT_EQ(editor.grids[2].display, 0);
    EXPECT_TRUE(bv::editorDialogOpen());
    clickAt(225, 207); // "Up Left Alignment on Plotted Images"
    clickAt(400, 465); // OK
    EXPECT_FALSE(bv::editorDialogOpen());
    EXPECT_EQ(editor.grids[2].upLeft, 1);
    EXPECT_EQ(editor.grids[0].upLeft, 0); // only the foreground record
}

// A house tree by hand: the root and one folder "cottages" listing both house pictures.
class PictureForm : public edtest::DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        saved_ = bv::housePictureTree;
        child_ = bv::PictureFolder{};
        child_.pictures = pictures_;
        child_.pictureCount = 2;
        std::strcpy(child_.name, "cottages");
        child_.parent = &bv::housePictureTree;
        bv::housePictureTree = bv::PictureFolder{};
        bv::housePictureTree.childCount = 1;
        bv::housePictureTree.children = &child_;
        std::strcpy(bv::housePictureTree.name, "map_houses");
        editor.choosers[0] = bv::PictureChooser{&bv::housePictureTree, &bv::housePictureTree, 0};
        editor.mode = bv::kModeHouse;
    }
    void TearDown() override {
        bv::housePictureTree = saved_;
        DialogTest::TearDown();
    }
    bv::PictureFolder saved_{};
    bv::PictureFolder child_{};
    int32_t pictures_[2] = {0, 1};
};

TEST_F(PictureForm, FoldersAreEnteredAndPicturesChosenAtOnceCancelRestores) {
    bv::PictureChooser& c = editor.choosers[0];
    bv::openEditorDialog(bv::kDialogPictures);
    clickAt(145, 477); // "Root Folder": disabled at the top
    EXPECT_EQ(c.folder, &bv::housePictureTree);
    clickAt(150, 138); // the first sub-folder
    EXPECT_EQ(c.folder, &child_);
    clickAt(500, 154); // the second picture: chosen while the form is still open
    EXPECT_EQ(bv::chooserPicture(c), 1);
    clickAt(310, 477); // "Up 1 folder"
    EXPECT_EQ(c.folder, &bv::housePictureTree);
    clickAt(150, 138);
    clickAt(500, 154);
    clickAt(535, 525); // Cancel: back to how it was
    EXPECT_FALSE(bv::editorDialogOpen());
    EXPECT_EQ(c.folder, &bv::housePictureTree);
    EXPECT_EQ(c.index, 0);

    bv::openEditorDialog(bv::kDialogPictures);
    clickAt(150, 138);
    clickAt(500, 154);
    clickAt(265, 525); // Reset
    EXPECT_EQ(c.folder, &bv::housePictureTree);
    clickAt(150, 138);
    clickAt(500, 154);
    clickAt(400, 525); // OK keeps the choice
    EXPECT_EQ(c.folder, &child_);
    EXPECT_EQ(bv::chooserPicture(c), 1);
}

TEST_F(PictureForm, GridDimsComeFromTheChoosersPicture) {
    editor.choosers[0] = bv::PictureChooser{&bv::housePictureTree, &child_, 1}; // villa, 20 x 24
    bv::openEditorDialog(bv::kDialogGrid);
    clickAt(340, 411); // "Dims From Current Image"
    EXPECT_EQ(editor.grids[0].width, 20);
    EXPECT_EQ(editor.grids[0].height, 24);
}

class MapEditorForm : public edtest::DialogTest {};

TEST_F(MapEditorForm, BrowseFillsTheNameAndApplyLoadsThePictureAndMode) {
    std::vector<uint32_t> pixels(4 * 3, 0xFF336699u);
    ASSERT_TRUE(bv::writePng(mapsFile("back.png"), pixels.data(), 4, 3, true));
    bvtest::writeFile(mapsFile("notes.txt"), "x");
    std::strcpy(bv::mapBackground.fileName, "old.png");
    bv::mapBackground.mode = 1;

    bv::openEditorDialog(bv::kDialogMapEditor);
    type(u"x");
    clickAt(550, 395); // Cancel leaves the map as it was
    EXPECT_STREQ(bv::mapBackground.fileName, "old.png");
    EXPECT_EQ(bv::mapBackground.mode, 1);

    bv::openEditorDialog(bv::kDialogMapEditor);
    clickAt(565, 225); // Browse: only the PNG files of the maps folder
    ASSERT_EQ(bv::fileChoiceCount(), 1);
    clickAt(300, 158);
    clickAt(330, 465);
    clickAt(185, 318); // "Center bkgnd image"
    clickAt(400, 395); // Apply
    EXPECT_FALSE(bv::editorDialogOpen());
    EXPECT_STREQ(bv::mapBackground.fileName, "back.png");
    EXPECT_EQ(bv::mapBackground.mode, 2);
    EXPECT_EQ(bv::backgroundPicture.width, 4);
    EXPECT_EQ(bv::backgroundPicture.height, 3);
}

} // namespace

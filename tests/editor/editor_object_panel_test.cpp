// The object modes' panel run frame by frame as the game runs it (input, the editor's update,
// the click dispatched to the hot spot under the mouse): its check boxes and "Nuke layer" button,
// Delete and "s" in adjust mode, the Ctrl placement preview, and the chooser's folder path.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/input.h"
#include "core/state_ids.h"
#include "dialog_fixture.h"
#include "editor/editor_state.h"
#include "gfx/framebuffer.h"
#include "gfx/text.h"
#include "ui/hotspots.h"
#include "world/map_layers.h"

namespace {

using bv::backgroundObjects;
using bv::editor;
using bv::foregroundObjects;

constexpr uint32_t kSlab = 0x404040, kStone = 0x909090;

// The object tree by hand: the root "map_objects" and one folder listing the slab (0, 100 x 50)
// and the stone (1, 10 x 10). Both pictures hang from their bottom centre.
class ObjectPanel : public edtest::DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        bvtest::makePictureSet(bv::objectSprites, {{"slab.png", 100, 50, 0xFF000000 | kSlab},
                                                   {"stone.png", 10, 10, 0xFF000000 | kStone}});
        bvtest::makePictureSet(bv::scaledObjectSprites,
                               {{"", 100, 50, 0xFF000000 | kSlab}, {"", 10, 10, 0xFF000000 | kStone}});
        saved_ = bv::objectPictureTree;
        child_ = bv::PictureFolder{};
        child_.pictures = pictures_;
        child_.pictureCount = 2;
        std::strcpy(child_.name, "rocks");
        child_.parent = &bv::objectPictureTree;
        bv::objectPictureTree = bv::PictureFolder{};
        bv::objectPictureTree.childCount = 1;
        bv::objectPictureTree.children = &child_;
        std::strcpy(bv::objectPictureTree.name, "map_objects");
        editor.choosers[1] = bv::PictureChooser{&bv::objectPictureTree, &child_, 0};
        editor.choosers[2] = bv::PictureChooser{&bv::objectPictureTree, &child_, 0};
        bv::editorEnter(0, bv::kStateEditor, 0);
        editor.mode = bv::kModeBackground;
    }
    void TearDown() override {
        bv::editorExit(bv::kStateEditor);
        bv::resetInput();
        bv::objectPictureTree = saved_;
        DialogTest::TearDown();
    }

    static void typeChar(char16_t c) { typeInPanel(std::u16string(1, c)); }
    static uint32_t pixel(int32_t x, int32_t y) {
        return bv::frameBuffer[y * bv::kFrameWidth + x] & 0xFFFFFF;
    }
    // Sprite drawing blends with truncation, so an opaque picture may come out one step darker.
    static bool showsSlab(int32_t x, int32_t y) {
        const uint32_t p = pixel(x, y);
        for (int32_t shift = 0; shift < 24; shift += 8) {
            const int32_t got = int32_t((p >> shift) & 0xFF), want = int32_t((kSlab >> shift) & 0xFF);
            if (got < want - 1 || got > want) return false;
        }
        return true;
    }

    bv::PictureFolder saved_{};
    bv::PictureFolder child_{};
    int32_t pictures_[2] = {0, 1};
};

// The check boxes sit at (230, 530) and (230, 555), the button at (400, 530), 100 x 30.
constexpr int32_t kBoxX = 240, kXflipY = 540, kOnTopY = 565, kNukeX = 450, kNukeY = 545;

TEST_F(ObjectPanel, ControlsAppearOnlyWithASelectedObject) {
    panelFrame();
    EXPECT_EQ(bv::hotSpotAt(kNukeX, kNukeY), 0);
    EXPECT_EQ(bv::hotSpotAt(kBoxX, kXflipY), 0);
    ASSERT_GE(bv::placeObject(bv::kModeBackground, 300, 300, 0), 0);
    panelFrame();
    EXPECT_NE(bv::hotSpotAt(kNukeX, kNukeY), 0);
    EXPECT_NE(bv::hotSpotAt(kNukeX - 50, kNukeY - 15), 0); // the button's top-left corner
    EXPECT_EQ(bv::hotSpotAt(kNukeX - 51, kNukeY - 15), 0);
    EXPECT_NE(bv::hotSpotAt(kBoxX, kXflipY), 0);
    // "Draw on top of houses" belongs to the foreground only.
    EXPECT_EQ(bv::hotSpotAt(kBoxX, kOnTopY), 0);
}

TEST_F(ObjectPanel, CheckBoxesToggleTheSelectedObjectAndNukeEmptiesOnlyItsLayer) {
    ASSERT_GE(bv::placeObject(bv::kModeBackground, 300, 300, 0), 0);
    panelFrame();
    panelClick(kBoxX, kXflipY);
    EXPECT_EQ(backgroundObjects.objects[0].xflip, 1);
    panelClick(kBoxX, kOnTopY); // nothing there in mode 2
    EXPECT_EQ(backgroundObjects.objects[0].onTop, 0);
    panelClick(kBoxX, kXflipY);
    EXPECT_EQ(backgroundObjects.objects[0].xflip, 0);

    editor.mode = bv::kModeForeground;
    ASSERT_GE(bv::placeObject(bv::kModeForeground, 200, 200, 0), 0);
    ASSERT_GE(bv::placeObject(bv::kModeForeground, 400, 300, 0), 0);
    panelFrame();
    panelClick(kBoxX, kOnTopY);
    EXPECT_EQ(foregroundObjects.objects[1].onTop, 1);
    EXPECT_EQ(foregroundObjects.objects[0].onTop, 0); // only the selected one
    panelClick(kNukeX, kNukeY);                       // unsaved objects: asked first, and discarded
    panelClick(bv::kQuestionDiscardX + 60, bv::kQuestionButtonY + 15);
    EXPECT_EQ(foregroundObjects.count, 0);
    EXPECT_EQ(backgroundObjects.count, 1);
    // The model's own guards: no object selected, or a mode without layers.
    EXPECT_FALSE(bv::toggleSelectedOnTop(bv::kModeForeground));
    EXPECT_FALSE(bv::toggleSelectedOnTop(bv::kModeBackground));
    EXPECT_FALSE(bv::toggleSelectedXflip(bv::kModeHouse));
    bv::nukeLayer(bv::kModeHouse);
    EXPECT_EQ(backgroundObjects.count, 1);
}

TEST_F(ObjectPanel, DeleteInAdjustModeShowsTheNextObjectsPictureAndKeepsIt) {
    ASSERT_GE(bv::placeObject(bv::kModeBackground, 100, 100, 1), 0); // stone, index 0 by y
    ASSERT_GE(bv::placeObject(bv::kModeBackground, 300, 300, 0), 0); // slab, index 1
    backgroundObjects.selected = 0;
    editor.choosers[1].index = 1; // the stone, as a right click on it would show
    editor.adjust = 1;
    uitest::sendEvent(bv::platform::Event::MouseMove, 700, 500);
    pressKey(46); // Delete
    ASSERT_EQ(backgroundObjects.count, 1);
    EXPECT_EQ(backgroundObjects.selected, 0);
    EXPECT_EQ(bv::chooserPicture(editor.choosers[1]), 0);
    panelFrame();
    EXPECT_EQ(backgroundObjects.objects[0].picture, 0); // still the slab
}

TEST_F(ObjectPanel, SMovesTheObjectToTheOtherLayerWithItsPicture) {
    ASSERT_GE(bv::placeObject(bv::kModeBackground, 300, 300, 1), 0);
    editor.choosers[1].index = 1; // stone in the background chooser, slab in the foreground's
    editor.adjust = 1;
    uitest::sendEvent(bv::platform::Event::MouseMove, 700, 500);
    typeChar(u's');
    EXPECT_EQ(editor.mode, bv::kModeForeground);
    EXPECT_EQ(backgroundObjects.count, 0);
    ASSERT_EQ(foregroundObjects.count, 1);
    EXPECT_EQ(foregroundObjects.objects[0].picture, 1);
    EXPECT_EQ(bv::chooserPicture(editor.choosers[2]), 1);
}

TEST_F(ObjectPanel, CtrlDrawsThePreviewAtTheSnappedMousePosition) {
    editor.grids[1] = bv::GridRecord{1, 0, 0, 0, 0, 50, 50}; // background objects' grid
    uitest::sendEvent(bv::platform::Event::MouseMove, 333, 222);
    panelFrame();
    EXPECT_EQ(pixel(260, 160), 0u); // no Ctrl, no preview
    sendKey(bv::platform::Event::KeyDown, 17);
    panelFrame();
    // Snapped to (300, 200): the 100 x 50 slab covers x 250..349, y 150..199.
    EXPECT_TRUE(showsSlab(250, 150));
    EXPECT_TRUE(showsSlab(349, 199));
    EXPECT_EQ(pixel(249, 150), 0u);
    EXPECT_EQ(pixel(350, 199), 0u);
    EXPECT_EQ(pixel(300, 200), 0u);
    EXPECT_EQ(backgroundObjects.count, 0); // a preview places nothing
    // With the mouse over the panel nothing is drawn on the map.
    uitest::sendEvent(bv::platform::Event::MouseMove, 333, 470);
    panelFrame();
    EXPECT_EQ(pixel(300, 440), 0u);
    // A picture reaching below the map is cut at y 449, never drawn into the panel.
    editor.grids[1].on = 0;
    bv::objectSprites.sprites[0].sprite.yOffset = -10;
    bv::scaledObjectSprites.sprites[0].sprite.yOffset = -10;
    uitest::sendEvent(bv::platform::Event::MouseMove, 100, 440);
    panelFrame();
    EXPECT_TRUE(showsSlab(100, 449));
    EXPECT_EQ(pixel(100, 451), 0u);
    sendKey(bv::platform::Event::KeyUp, 17);
    panelFrame();
    EXPECT_EQ(pixel(100, 449), 0u);
}

class ChooserPath : public uitest::UiTest {};

TEST_F(ChooserPath, ALongPathShowsItsEndFromAFolderBoundary) {
    char16_t out[64];
    bv::fitPathTail(u"map_houses/cottages", 1000, out, 64);
    EXPECT_EQ(std::u16string(out), u"map_houses/cottages");

    const int32_t tailWidth = bv::textWidth(u".../bungalows");
    bv::fitPathTail(u"map_houses/detached/bungalows", tailWidth, out, 64);
    EXPECT_EQ(std::u16string(out), u".../bungalows");
    // A last folder too long for the room loses its first letters instead.
    bv::fitPathTail(u"map_houses/bungalows", bv::textWidth(u"...galows"), out, 64);
    EXPECT_EQ(std::u16string(out), u"...galows");
    // The output buffer bounds the copy.
    char16_t small[6];
    bv::fitPathTail(u"map_houses/bungalows", 1000, small, 6);
    EXPECT_EQ(std::u16string(small), u"map_h");
}

} // namespace

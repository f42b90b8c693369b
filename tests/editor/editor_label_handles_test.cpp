// The label mode's handles, run frame by frame as the game runs the editor: where each handle is
// drawn for each slant, the selected label's handle blinking, and right clicks on handles.
#include <gtest/gtest.h>

#include <vector>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "core/input.h"
#include "core/state_ids.h"
#include "dialog_fixture.h"
#include "editor/editor_state.h"
#include "gfx/framebuffer.h"
#include "ui/hotspots.h"
#include "world/map_layers.h"

namespace {

using bv::editor;

constexpr uint32_t kHandle = 0xF7C948;

// The handle picture: 16 x 16, hanging from its centre, as the game's one does. The test fonts
// have no street-label font, so the labels themselves draw nothing and the map stays black.
class LabelHandles : public edtest::DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        saved_ = bv::iconSprites.sprites[bv::pic::kIconLabelHandle];
        pixels_.assign(16 * 16, 0xFF000000u | kHandle);
        bv::Sprite& s = bv::iconSprites.sprites[bv::pic::kIconLabelHandle];
        s = bv::Sprite{};
        s.width = 16;
        s.height = 16;
        s.xOffset = -8;
        s.yOffset = -8;
        s.pixels = pixels_.data();
        bv::editorEnter(0, bv::kStateEditor, 0);
        editor.mode = bv::kModeLabels;
        uitest::sendEvent(bv::platform::Event::MouseMove, 700, 580);
    }
    void TearDown() override {
        bv::editorExit(bv::kStateEditor);
        bv::resetInput();
        bv::iconSprites.sprites[bv::pic::kIconLabelHandle] = saved_;
        DialogTest::TearDown();
    }

    // A frame in which the selected label's handle shows (it is hidden while bit 1 of the
    // animation counter, counted up at the start of each frame, is set).
    static void steadyFrame() {
        if ((editor.animation + 1) & 2) editor.animation += 2;
        panelFrame();
    }
    static void rightClick(int32_t x, int32_t y) {
        uitest::sendEvent(bv::platform::Event::MouseMove, x, y);
        uitest::sendEvent(bv::platform::Event::RightDown, x, y);
        panelFrame();
        uitest::sendEvent(bv::platform::Event::RightUp, x, y);
        panelFrame();
    }
    // Sprite drawing blends with truncation, so an opaque picture may come out one step darker.
    static bool showsHandle(int32_t x, int32_t y) {
        const uint32_t p = pixel(x, y);
        for (int32_t shift = 0; shift < 24; shift += 8) {
            const int32_t got = int32_t((p >> shift) & 0xFF), want = int32_t((kHandle >> shift) & 0xFF);
            if (got < want - 1 || got > want) return false;
        }
        return true;
    }
    // The 16 x 16 handle centred on (cx, cy), and not one pixel more.
    static void expectHandleAt(int32_t cx, int32_t cy) {
        EXPECT_TRUE(showsHandle(cx - 8, cy - 8)) << cx << "," << cy;
        EXPECT_TRUE(showsHandle(cx + 7, cy + 7)) << cx << "," << cy;
        EXPECT_TRUE(showsHandle(cx, cy)) << cx << "," << cy;
        EXPECT_EQ(pixel(cx - 9, cy), 0u) << cx << "," << cy;
        EXPECT_EQ(pixel(cx + 8, cy), 0u) << cx << "," << cy;
        EXPECT_EQ(pixel(cx, cy - 9), 0u) << cx << "," << cy;
        EXPECT_EQ(pixel(cx, cy + 8), 0u) << cx << "," << cy;
    }

    bv::Sprite saved_{};
    std::vector<uint32_t> pixels_;
};

TEST_F(LabelHandles, SitBesideTheLabelByItsSlant) {
    ASSERT_EQ(bv::addLabel(300, 150, u"Elm Street", 30), 0);
    ASSERT_EQ(bv::addLabel(500, 200, u"Oak Road", 60), 1);
    ASSERT_EQ(bv::addLabel(100, 400, u"Selected", 30), 2);
    editor.selectedLabel = 2;
    steadyFrame();
    expectHandleAt(285, 150); // slant 30: 15 pixels left of x
    expectHandleAt(515, 220); // slant 60: 15 right of x, 20 below y
    expectHandleAt(85, 400);

    // Other modes draw no handles.
    editor.mode = bv::kModeHouse;
    steadyFrame();
    EXPECT_EQ(pixel(285, 150), 0u);
    EXPECT_EQ(pixel(515, 220), 0u);
}

TEST_F(LabelHandles, ALevelLabelsHandleIsJustLeftOfItsPicture) {
    ASSERT_EQ(bv::addLabel(400, 100, u"Main Street", 0), 0);
    EXPECT_EQ(bv::labelHandlePoint(0).x, 385); // no picture (no label font here): 15 left of x
    EXPECT_EQ(bv::labelHandlePoint(0).y, 100);
    // A 60 x 14 picture centred on x from 2 pixels above y covers x 370..429, y 98..111: the
    // handle's right column, 8 pixels right of its centre, stops two pixels short of it.
    bv::Sprite text{};
    text.width = 60;
    text.height = 14;
    text.xOffset = -30;
    text.yOffset = -2;
    bv::Sprite* rendered = bv::labelPictures[0];
    bv::labelPictures[0] = &text;
    const bv::Point at = bv::labelHandlePoint(0);
    bv::labelPictures[0] = rendered;
    EXPECT_EQ(at.x, 360);
    EXPECT_EQ(at.y, 105);
    EXPECT_EQ(bv::labelHandlePoint(1).x, 0); // no such label
}

TEST_F(LabelHandles, TheSelectedLabelsHandleBlinks) {
    ASSERT_EQ(bv::addLabel(300, 150, u"Elm Street", 30), 0);
    ASSERT_EQ(bv::addLabel(500, 200, u"Oak Road", 30), 1);
    editor.selectedLabel = 1;
    int32_t shown = 0;
    for (int32_t frame = 0; frame < 8; ++frame) {
        panelFrame();
        EXPECT_TRUE(showsHandle(285, 150)) << frame;
        EXPECT_EQ(showsHandle(485, 200), (editor.animation & 2) == 0) << frame;
        shown += showsHandle(485, 200) ? 1 : 0;
    }
    EXPECT_EQ(shown, 4);
}

TEST_F(LabelHandles, ARightClickOnAHandleSelectsItsLabel) {
    ASSERT_EQ(bv::addLabel(300, 150, u"Elm Street", 30), 0);
    ASSERT_EQ(bv::addLabel(500, 200, u"Oak Road", 60), 1);
    editor.selectedLabel = 0;
    steadyFrame();
    rightClick(522, 227); // the bottom-right pixel of label 1's handle
    EXPECT_EQ(editor.selectedLabel, 1);
    EXPECT_EQ(editor.mode, bv::kModeLabels);
    rightClick(277, 142); // the top-left pixel of label 0's handle
    EXPECT_EQ(editor.selectedLabel, 0);
    // Just outside the handles, and on empty map: the selection stays.
    rightClick(523, 220);
    EXPECT_EQ(editor.selectedLabel, 0);
    rightClick(285, 158);
    EXPECT_EQ(editor.selectedLabel, 0);
    rightClick(100, 300);
    EXPECT_EQ(editor.selectedLabel, 0);
    EXPECT_EQ(editor.mode, bv::kModeLabels);
    // "p" over a handle only shows pictures; it selects no label.
    EXPECT_EQ(bv::pickUnderMouse(515, 220, true), 0);
    EXPECT_EQ(editor.selectedLabel, 0);
}

TEST_F(LabelHandles, OverlappingHandlesGiveTheTopOneAndNoneOutsideTheMap) {
    ASSERT_EQ(bv::addLabel(300, 150, u"Under", 30), 0);
    ASSERT_EQ(bv::addLabel(305, 150, u"Over", 30), 1); // handles overlap at x 282..292
    EXPECT_EQ(bv::labelHandleAt(283, 150), 1);         // the later label is drawn on top
    EXPECT_EQ(bv::labelHandleAt(280, 150), 0);
    EXPECT_EQ(bv::labelHandleAt(298, 150), -1);
    // A slant 60 label near the bottom: its handle, centred on y 450, covers y 442..457, and only
    // the rows on the map are drawn or picked.
    ASSERT_EQ(bv::addLabel(600, 430, u"Low Lane", 60), 2);
    editor.selectedLabel = 0;
    steadyFrame();
    EXPECT_EQ(bv::labelHandleAt(615, 449), 2);
    EXPECT_EQ(bv::labelHandleAt(615, 450), -1);
    EXPECT_TRUE(showsHandle(615, 449));
    EXPECT_FALSE(showsHandle(615, 450));
    rightClick(615, 452);
    EXPECT_EQ(editor.selectedLabel, 0);
    rightClick(615, 445);
    EXPECT_EQ(editor.selectedLabel, 2);
    // Outside the map entirely.
    EXPECT_EQ(bv::labelHandleAt(-1, 150), -1);
}

} // namespace

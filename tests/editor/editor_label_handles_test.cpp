// The label mode's handles, run frame by frame as the game runs the editor: where each handle is
// drawn for each slant, the selected label's handle blinking, and right clicks on handles. Then
// selections: what selecting a label, a house or an object does, and does not, change.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "core/input.h"
#include "core/state_ids.h"
#include "dialog_fixture.h"
#include "editor/editor_state.h"
#include "gfx/font.h"
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

// Labels drawn with the 6 x 10 block font; the house tree lists cottage 0 and villa 1, and the
// object folder slab 0 and stone 1.
class Selections : public LabelHandles {
  protected:
    void SetUp() override {
        LabelHandles::SetUp();
        font_ = bv::fontArial15Bld;
        std::swap(font_, bv::fontArial12Bld);
        std::swap(tree_, bv::housePictureTree);
        bvtest::makePictureSet(bv::objectSprites,
                               {{"slab", 100, 50, 0xFF404040}, {"stone", 10, 10, 0xFF909090}});
        bvtest::makePictureSet(bv::scaledObjectSprites,
                               {{"", 100, 50, 0xFF404040}, {"", 10, 10, 0xFF909090}});
    }
    void TearDown() override {
        std::swap(font_, bv::fontArial12Bld);
        std::swap(tree_, bv::housePictureTree);
        LabelHandles::TearDown();
    }
    // A character typed, and keys pressed together: the frame they go down in and the next.
    static void press(std::initializer_list<int32_t> vks, char16_t typed = 0) {
        bv::platform::Event e;
        e.type = bv::platform::Event::Char;
        e.ch = typed;
        if (typed) bv::handleWindowEvent(e);
        for (auto type : {bv::platform::Event::KeyDown, bv::platform::Event::KeyUp}) {
            e.type = type;
            for (int32_t vk : vks) {
                e.key = vk;
                bv::handleWindowEvent(e);
            }
            panelFrame();
        }
    }
    static void leftClick(int32_t x, int32_t y) {
        uitest::sendEvent(bv::platform::Event::MouseMove, x, y);
        uitest::sendEvent(bv::platform::Event::LeftDown, x, y);
        panelFrame();
        uitest::sendEvent(bv::platform::Event::LeftUp, x, y);
        panelFrame();
        panelFrame();
    }
    bv::Font font_{};
    int32_t listed_[2] = {0, 1};
    bv::PictureFolder tree_{0, listed_, 0, 2, {}, nullptr, nullptr}, objects_ = tree_;
};

TEST_F(Selections, PickNeverRepaintsAndMovesKeepTheRecord) {
    // Each slant: the handle clear of every letter pixel, beside the first letters, and a right
    // click on the lowest letter pixel (off the upright picture when slanted) picks the label.
    for (int32_t slant : {0, 30, 60}) {
        SCOPED_TRACE(slant);
        ASSERT_EQ(bv::addLabel(400, 200, u"Elm Street", slant), 0);
        editor.mode = bv::kModeScenario;
        bv::markPickImageDirty();
        panelFrame();
        std::vector<bv::Point> letters;
        int32_t left = bv::kMapWidth, covered = 0, beside = 0;
        for (int32_t y = 0; y < bv::kMapHeight; ++y)
            for (int32_t x = 0; x < bv::kMapWidth; ++x)
                if (pixel(x, y) != 0) letters.push_back(bv::Point{x, y});
        for (const bv::Point& p : letters) left = std::min(left, p.x);
        ASSERT_FALSE(letters.empty());
        const bv::Point at = bv::labelHandlePoint(0); // the 16 x 16 handle centred there
        for (const bv::Point& p : letters) {
            const bool level = p.y >= at.y - 8 && p.y < at.y + 8;
            covered += level && p.x >= at.x - 8 && p.x < at.x + 8;
            beside += level && p.x == left;
        }
        EXPECT_EQ(covered, 0);
        EXPECT_GT(beside, 0);
        EXPECT_EQ(at.x + 8 + 2, left);
        rightClick(letters.back().x, letters.back().y);
        EXPECT_EQ(editor.mode, bv::kModeLabels);
        bv::removeLabel(0);
    }

    // Houses: cottage 0 at (200, 200), villa 1 at (400, 200); the house chooser shows the villa.
    bv::insertHouse(200, 200, 0);
    bv::insertHouse(400, 200, 1);
    editor.choosers[0] = bv::PictureChooser{&bv::housePictureTree, &bv::housePictureTree, 1};
    editor.choosers[1] = editor.choosers[2] = bv::PictureChooser{&objects_, &objects_, 1};
    auto& front = bv::foregroundObjects;
    struct Step {
        const char* what;
        std::function<void()> act;
        // Mode, selection, the chooser's picture; then the houses' pictures, or the selected
        // object's picture, group and draw-on-top flag.
        std::vector<int32_t> want;
    };
    const std::vector<Step> steps = {
        {"enter, house mode",
         [] {
             bv::editorEnter(0, bv::kStateEditor, 0);
             editor.mode = bv::kModeHouse;
             panelFrame();
         },
         {1, 0, 0, 0, 1}},
        {"right click on the villa", [] { rightClick(400, 190); }, {1, 1, 1, 0, 1}},
        {"Ctrl+C, Shift",
         [] {
             press({17, 67});
             press({16});
         },
         {1, 0, 0, 0, 1}},
        {"Ctrl+V at (600, 300)",
         [] {
             uitest::sendEvent(bv::platform::Event::MouseMove, 600, 300);
             press({17, 86});
         },
         {1, 2, 1, 0, 1, 1}},
        {"Delete: the cottage", [] { press({46}); }, {1, 0, 0, 0, 1}},
        {"Delete: the villa moves up", [] { press({46}); }, {1, 0, 1, 1}},
        {"chooser arrow", [] { leftClick(175, 535); }, {1, 0, 0, 0}},
        {"adjust on over a slab",
         [&] {
             editor.mode = bv::kModeForeground;
             bv::placeObject(bv::kModeForeground, 300, 400, 0);
             front.objects[0].group = 7;
             front.objects[0].onTop = 1;
             press({}, u'a');
         },
         {3, 0, 0, 0, 7, 1}},
        {"chooser arrow", [] { leftClick(175, 535); }, {3, 0, 1, 1, 7, 1}},
        {"s", [] { press({}, u's'); }, {2, 0, 1, 1, 7, 1}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        std::vector<int32_t> seen{editor.mode, editor.selectedHouse,
                                  bv::chooserPicture(bv::chooserFor(editor.mode))};
        for (int32_t i = 0; i < bv::houseCount && editor.mode == bv::kModeHouse; ++i)
            seen.push_back(bv::mapHouses[i].pictureIndex);
        const bv::ObjectLayer& layer = bv::layerForMode(editor.mode);
        if (editor.mode != bv::kModeHouse && layer.selected < layer.count) {
            const bv::MapObject& o = layer.objects[layer.selected];
            seen[1] = layer.selected;
            seen.insert(seen.end(), {o.picture, o.group, o.onTop});
        }
        EXPECT_EQ(seen, step.want);
    }
}

} // namespace

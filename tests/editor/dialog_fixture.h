// The editor's forms under test: the test fonts and pictures of the widget tests, small house and
// object picture sets, an empty map and scenario, and a program folder of its own with a "maps"
// folder, so that nothing is written into the game folder. Frames are run one at a time: the
// input step, then either the whole editor (its panel, or the form in front of it) or only the
// top form drawn and handled.
#pragma once

#include <filesystem>
#include <string>

#include "editor/editor.h"
#include "editor/editor_dialogs.h"
#include "editor/editor_state.h"
#include "platform/platform.h"
#include "support/events.h"
#include "support/test_support.h"
#include "ui/ui_fixture.h"
#include "world/map.h"
#include "world/picture_sets.h"
#include "world/scenario.h"

namespace edtest {

class DialogTest : public uitest::UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        previous_ = bv::platform::programFolder();
        std::filesystem::create_directories(dir_.path() + "/maps");
        bv::platform::setProgramFolder(dir_.path() + "/");
        bvtest::makePictureSet(bv::houseSprites,
                               {{"cottage.png", 40, 30, 0xFF804020}, {"villa.png", 20, 24, 0xFF208040}});
        bvtest::makePictureSet(bv::scaledHouseSprites, {{"", 40, 30, 0xFF804020}, {"", 20, 24, 0xFF208040}});
        bvtest::makePictureSet(bv::objectSprites, {{"slab.png", 100, 50, 0xFF404040}});
        bvtest::makePictureSet(bv::scaledObjectSprites, {{"", 100, 50, 0xFF404040}});
        bv::clearMap();
        bv::clearScenario();
        bv::currentLevel = 0;
        bv::currentDifficulty = 1;
        bv::scenarioListCount = 0; // built again from this test's folder when needed
        bv::resetEditorModel();
        bv::closeAllEditorDialogs();
        bv::pumpInput();
    }
    void TearDown() override {
        bv::closeAllEditorDialogs();
        bv::clearMap();
        bv::clearScenario();
        bvtest::freeTownSets();
        bv::platform::setProgramFolder(previous_);
    }

    // One frame of the whole editor, its clicks dispatched.
    static void panelFrame() {
        bv::clearHotSpots();
        bv::pumpInput();
        bv::editorUpdate(0);
        bv::dispatchHotSpots();
    }
    // One frame of the top form only.
    static void frame() {
        bv::clearHotSpots();
        bv::pumpInput();
        bv::editorDialogUpdate();
    }
    // The button goes down in one frame and up in the next. The frames take their input as the
    // game's do, so a character typed before is not seen again.
    static void click(int32_t x, int32_t y, void (*step)()) {
        uitest::sendEvent(bv::platform::Event::MouseMove, x, y);
        uitest::sendEvent(bv::platform::Event::LeftDown, x, y);
        step();
        uitest::sendEvent(bv::platform::Event::LeftUp, x, y);
        step();
    }
    static void panelClick(int32_t x, int32_t y) { click(x, y, panelFrame); }
    static void clickAt(int32_t x, int32_t y) { click(x, y, frame); }
    static void pressKey(int32_t vk) {
        bv::handleWindowEvent(bvtest::event(bv::platform::Event::KeyDown, vk));
        panelFrame();
        bv::handleWindowEvent(bvtest::event(bv::platform::Event::KeyUp, vk));
        panelFrame();
    }
    // Characters typed one frame each: into the focused field of the top form, or through the
    // whole editor (two frames each).
    static void type(const std::u16string& text, bool panel = false) {
        for (char16_t c : text) {
            bv::platform::Event e = bvtest::event(bv::platform::Event::Char);
            e.ch = c;
            bv::handleWindowEvent(e);
            if (panel) panelFrame();
            panel ? panelFrame() : frame();
        }
    }
    std::string mapsFile(const std::string& name) const { return dir_.path() + "/maps/" + name; }

    bvtest::TempDir dir_;
    std::string previous_;
};

} // namespace edtest

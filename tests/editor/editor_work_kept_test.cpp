// A map maker's work is never lost without asking: the question before every action that would
// throw unsaved work away, saves that fail (the old file stays byte for byte, the form says why),
// loads that fail (nothing in memory changes), names that are refused, placements beyond what the
// loader accepts, and the editor's own settings file.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/memory.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "dialog_fixture.h"
#include "levels/save.h"
#include "platform/files.h"
#include "support/bytes.h"
#include "world/map_layers.h"

namespace {

using bv::editor;
using bv::mapHouses;

using bvtest::le32;

// A town on file and in the editor: "town.map" with two houses and a background object, the
// scenario "tests" whose one level plays it.
class WorkKept : public edtest::DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        bvtest::useNamedStates();
        std::filesystem::create_directories(dir_.path() + "/saves");
        previousSaves_ = bv::platform::userDataFolder();
        bv::platform::setUserDataFolder(dir_.path() + "/saves/");
        ASSERT_GE(bv::insertHouse(200, 300, 0), 0);
        ASSERT_GE(bv::insertHouse(400, 300, 1), 0);
        ASSERT_GE(bv::placeObject(bv::kModeBackground, 300, 200, 0), 0);
        bv::scenario.levelCount = 1;
        std::strcpy(bv::levelTable[1][0].mapFile, "town");
        bv::levelTable[1][0].monthsToPlay = 12;
        ASSERT_TRUE(bv::saveMapAs("town"));
        ASSERT_TRUE(bv::saveScenarioAs("tests"));
        enterEditor();
    }
    void TearDown() override {
        bv::platform::setWriteLimitForTests(-1);
        bv::useSaveName(nullptr);
        bv::exitGame = 0;
        bv::platform::setUserDataFolder(previousSaves_);
        DialogTest::TearDown();
    }
    static void enterEditor() {
        bv::changeState(bv::kStateEditor);
        bv::editorEnter(0, bv::kStateEditor, 0);
        bv::exitGame = 0;
    }
    static void answer(int32_t buttonX) {
        panelClick(buttonX + bv::kQuestionButtonW / 2, bv::kQuestionButtonY + 15);
    }
    // The name form's field emptied, then the name typed; OK.
    static void nameAndOk(const std::u16string& name) {
        type(std::u16string(40, char16_t(8)) + name, true);
        panelClick(310, 335);
    }
    std::string previousSaves_;
};

TEST_F(WorkKept, EveryActionThatWouldLoseUnsavedWorkAsksFirst) {
    struct Case {
        const char* action;
        int32_t mode;
        std::function<void()> trigger;
        int32_t answerX; // Discard or Save
        std::function<bool()> done;
    };
    // Test play ("E") starts the level on its map as saved: the moved house is back where it was.
    // clang-format off
    const std::vector<Case> cases = {
        {"New Scenario", bv::kModeScenario, [] { panelClick(375, 530); }, bv::kQuestionDiscardX, [] { return bv::houseCount == 0; }},
        {"New Scenario after Save", bv::kModeScenario, [] { panelClick(375, 530); }, bv::kQuestionSaveX, [this] { return bv::houseCount == 0 && le32(bvtest::readFile(mapsFile("town.map")), 8 + 4048) == 407u; }},
        {"Load Map", bv::kModeScenario, [] { panelClick(750, 565); }, bv::kQuestionDiscardX, [] { return bv::nameFormOpen(); }},
        {"Load Scenario", bv::kModeScenario, [] { panelClick(575, 565); }, bv::kQuestionDiscardX, [] { return bv::nameFormOpen(); }},
        {"Nuke layer", bv::kModeBackground, [] { panelClick(450, 545); }, bv::kQuestionDiscardX, [] { return bv::backgroundObjects.count == 0; }},
        {"E", bv::kModeHouse, [] { pressKey('E'); }, bv::kQuestionDiscardX, [] { return bv::currentStateId() == bv::kStateDisplayGoals && bv::houseCount == 2 && mapHouses[1].x == 400; }},
        {"T", bv::kModeLabels, [] { pressKey('T'); }, bv::kQuestionDiscardX, [] { return bv::currentStateId() == bv::kStateGame; }},
        {"closing the window", bv::kModeHouse, [] { bv::editorCloseRequested(); }, bv::kQuestionSaveX, [] { return bv::exitGame == 1 && !bv::mapModified(); }},
    };
    // clang-format on
    const std::vector<uint8_t> town = bvtest::readFile(mapsFile("town.map"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        bvtest::writeFile(mapsFile("town.map"), town);
        ASSERT_TRUE(bv::loadScenarioNamed("tests")) << bv::editorFileError();
        enterEditor();
        editor.mode = c.mode;
        bv::backgroundObjects.selected = 0;
        // Unchanged work: the action runs without a question.
        EXPECT_FALSE(bv::mapModified());
        mapHouses[1].x += 7;
        c.trigger();
        ASSERT_TRUE(bv::questionOpen());
        answer(bv::kQuestionCancelX);
        EXPECT_FALSE(bv::questionOpen());
        EXPECT_FALSE(bv::nameFormOpen());
        ASSERT_EQ(bv::houseCount, 2);
        EXPECT_EQ(mapHouses[0].x, 200);
        EXPECT_EQ(mapHouses[1].x, 407);
        EXPECT_EQ(bv::backgroundObjects.count, 1);
        EXPECT_EQ(bv::currentStateId(), bv::kStateEditor);
        EXPECT_EQ(bv::exitGame, 0);
        c.trigger();
        ASSERT_TRUE(bv::questionOpen());
        answer(c.answerX);
        EXPECT_FALSE(bv::questionOpen());
        EXPECT_TRUE(c.done());
        // What "Discard" left in memory is not written anywhere.
        if (c.answerX == bv::kQuestionDiscardX) {
            EXPECT_EQ(le32(bvtest::readFile(mapsFile("town.map")), 8 + 4048), 400u);
        }
        if (bv::nameFormOpen()) panelClick(490, 335);
    }
    // Saved work asks nothing: the action runs at once.
    ASSERT_TRUE(bv::loadScenarioNamed("tests"));
    enterEditor();
    editor.mode = bv::kModeScenario;
    panelClick(375, 530);
    EXPECT_FALSE(bv::questionOpen());
    EXPECT_EQ(bv::houseCount, 0);
}

TEST_F(WorkKept, FailedSavesAndLoadsKeepTheFilesAndTheWorkAndSayWhy) {
    mapHouses[0].x = 222; // unsaved work throughout
    const std::vector<uint8_t> map = bvtest::readFile(mapsFile("town.map")),
                               scenario = bvtest::readFile(mapsFile("tests.bvx"));
    bvtest::writeFile(mapsFile("broken.map"), std::string("not a map"));
    struct Case {
        const char* what;
        int32_t form; // 1 save map, 2 load map, 3 save scenario, 4 load scenario
        std::u16string name;
        std::function<void()> spoil;
        const char* expected; // in the form's error line
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"disk full", 1, u"town", [] { bv::platform::setWriteLimitForTests(100); }, "Could not save \"maps/town.map\": no space left on device"},
        {"no room for the new file", 1, u"town", [this] { std::filesystem::create_directory(mapsFile("town.map.tmp")); }, "\"maps/town.map\": is a directory"},
        {"scenario, disk full", 3, u"tests", [] { bv::platform::setWriteLimitForTests(5000); }, "Could not save \"maps/tests.bvx\": no space left on device"},
        {"missing map", 2, u"nowhere", [] {}, "Could not load \"maps/nowhere.map\": there is no such file"},
        {"damaged map", 2, u"broken", [] {}, "\"maps/broken.map\": it is not a map"},
        {"missing scenario", 4, u"nowhere", [] {}, "Could not load \"maps/nowhere.bvx\": there is no such file"},
        {"a folder", 1, u"../town", [] {}, "without folders"},
        {"a backslash", 1, u"a\\b", [] {}, "without folders"},
        {"an absolute path", 2, u"/etc/passwd", [] {}, "without folders"},
        {"a leading dot", 3, u".hidden", [] {}, "may not start with a dot"},
        {"a character outside the set", 1, u"to*wn", [] {}, "letters, digits, spaces"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.spoil();
        bv::openNameFormKind(c.form);
        nameAndOk(c.name);
        bv::platform::setWriteLimitForTests(-1);
        std::filesystem::remove(mapsFile("town.map.tmp"));
        EXPECT_TRUE(bv::nameFormOpen());
        EXPECT_NE(bv::nameFormError().find(c.expected), std::string::npos) << bv::nameFormError();
        EXPECT_EQ(bvtest::readFile(mapsFile("town.map")), map);
        EXPECT_EQ(bvtest::readFile(mapsFile("tests.bvx")), scenario);
        ASSERT_EQ(bv::houseCount, 2);
        EXPECT_EQ(mapHouses[0].x, 222);
        EXPECT_STREQ(bv::currentMapFile(), "town");
        EXPECT_STREQ(bv::scenarioFileName, "tests");
        EXPECT_TRUE(bv::mapModified());
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path() + "/maps"), {}), 3);
        panelClick(490, 335); // Cancel
        EXPECT_FALSE(bv::nameFormOpen());
    }
    // Saving over another map asks first; Cancel keeps it, Replace writes it.
    ASSERT_EQ(bv::saveMap("other"), 1);
    const std::vector<uint8_t> other = bvtest::readFile(mapsFile("other.map"));
    mapHouses[1].x = 333;
    bv::openNameFormKind(1);
    nameAndOk(u"other");
    EXPECT_TRUE(bv::nameFormOpen());
    answer(bv::kQuestionCancelX);
    EXPECT_EQ(bvtest::readFile(mapsFile("other.map")), other);
    panelClick(310, 335);
    answer(bv::kQuestionSaveX);
    EXPECT_FALSE(bv::nameFormOpen());
    EXPECT_EQ(le32(bvtest::readFile(mapsFile("other.map")), 8 + 4048), 333u);
    EXPECT_STREQ(bv::currentMapFile(), "other");
    EXPECT_FALSE(bv::mapModified());
    // Its own file again: no question.
    mapHouses[1].x = 334;
    bv::openNameFormKind(1);
    panelClick(310, 335);
    EXPECT_FALSE(bv::nameFormOpen());
    EXPECT_EQ(le32(bvtest::readFile(mapsFile("other.map")), 8 + 4048), 334u);
}

// Puts a zeroed array of n in place of the one at `slot`, its first `kept` elements copied over.
template <class T> void grow(T*& slot, size_t n, size_t kept) {
    auto* bigger = static_cast<T*>(bv::memAllocZeroed(sizeof(T) * n));
    ASSERT_NE(bigger, nullptr);
    if (kept > 0) std::memcpy(bigger, slot, sizeof(T) * kept);
    bv::memFree(slot);
    slot = bigger;
}

TEST_F(WorkKept, PlacementsStopAtWhatTheMapLoaderAccepts) {
    // Full arrays made directly: adding 4,096 houses one by one would take minutes.
    grow(mapHouses, bv::kMaxMapHouses, 2);
    grow(bv::houseStates, bv::kMaxMapHouses, 0);
    bv::houseCount = int32_t(bv::kMaxMapHouses);
    bv::ObjectLayer& layer = bv::backgroundObjects;
    grow(layer.objects, bv::kMaxLayerObjects, 0);
    layer.capacity = layer.count = int32_t(bv::kMaxLayerObjects);

    editor.mode = bv::kModeHouse;
    uitest::moveMouse(300, 300);
    pressKey(0x2D); // Insert
    EXPECT_EQ(bv::houseCount, 4096);
    EXPECT_NE(bv::editorMessage().find("at most 4,096 houses"), std::string::npos) << bv::editorMessage();
    editor.mode = bv::kModeBackground;
    editor.adjust = 0;
    pressKey(0x2D);
    EXPECT_EQ(layer.count, 65536);
    EXPECT_NE(bv::editorMessage().find("at most 65,536 objects"), std::string::npos) << bv::editorMessage();
    // One fewer is still a map the loader takes: the next house goes in.
    bv::houseCount -= 1;
    editor.mode = bv::kModeHouse;
    pressKey(0x2D);
    EXPECT_EQ(bv::houseCount, 4096);
    EXPECT_EQ(bv::addLabel(10, 10, u"x", 0) >= 0, true);
}

// The grids in "editor_settings.dat": 29 little-endian words (four records of on, up-left,
// display, x, y, width, height, then the master flag); damaged values are held to the map.
TEST_F(WorkKept, GridSettingsLiveInTheEditorsOwnFile) {
    editor.grids[0] = bv::GridRecord{1, 0, 1, 3, 4, 32, 16};
    editor.grids[3] = bv::GridRecord{1, 1, 0, -5, 6, 50, 25};
    editor.useMasterGrid = 1;
    ASSERT_TRUE(bv::saveEditorSettings());
    std::vector<uint8_t> file = bvtest::readFile(bv::editorSettingsPath());
    ASSERT_EQ(file.size(), 116u);
    const int32_t expected[] = {1, 0, 1, 3, 4, 32, 16};
    for (int32_t w = 0; w < 7; ++w) EXPECT_EQ(int32_t(le32(file, 4 * size_t(w))), expected[w]) << w;
    EXPECT_EQ(int32_t(le32(file, 4 * 21 + 12)), -5);
    EXPECT_EQ(le32(file, 112), 1u);

    struct Case {
        const char* what;
        size_t word;
        int32_t value;
        int32_t bv::GridRecord::*field;
        int32_t record, expected;
    };
    const std::vector<Case> cases = {
        {"flag 7 reads as on", 0, 7, &bv::GridRecord::on, 0, 1},
        {"x offset below the map", 3, -5000, &bv::GridRecord::xOffset, 0, -800},
        {"y offset below the map", 4, 5000, &bv::GridRecord::yOffset, 0, 450},
        {"negative cell: no snapping", 5, -16, &bv::GridRecord::width, 0, 0},
        {"cell taller than the map", 27, 100000, &bv::GridRecord::height, 3, 450},
        {"a value in range stays", 12, 20, &bv::GridRecord::width, 1, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> damaged = file;
        bvtest::setLE32(damaged, 4 * c.word, uint32_t(c.value));
        bvtest::writeFile(bv::editorSettingsPath(), damaged);
        editor.grids[c.record] = bv::GridRecord{};
        bv::loadEditorSettings();
        EXPECT_EQ(editor.grids[c.record].*c.field, c.expected);
    }
    // A short file keeps the grids as they are.
    bvtest::writeFile(bv::editorSettingsPath(), std::string("abc"));
    editor.grids[2].width = 77;
    bv::loadEditorSettings();
    EXPECT_EQ(editor.grids[2].width, 77);
    // The editor's first entry reads the file; without one the grids are 16 x 16 cells.
    ASSERT_TRUE(bv::saveEditorSettings());
    for (const bool kept : {true, false}) {
        if (!kept) std::filesystem::remove(bv::editorSettingsPath());
        std::memset(&editor, 0, sizeof editor);
        enterEditor();
        EXPECT_EQ(editor.grids[2].width, kept ? 77 : 16);
        EXPECT_EQ(editor.grids[0].width, kept ? 32 : 16);
    }
}

} // namespace

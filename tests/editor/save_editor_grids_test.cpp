// The editor's grid records in the saved game: four records of seven int32 from offset 15352
// (modes 1, 2, 3, then the master record) and the "use master grid settings" flag after them.
#include <cstring>

#include "editor/editor.h"
#include "levels/save.h"
#include "levels/save_fixture.h"

namespace bvtest {
namespace {

using bv::editor;
using bv::GridRecord;

class EditorGridSave : public SaveTest {
  protected:
    void SetUp() override {
        SaveTest::SetUp();
        setSavedEditorGrids(editor.grids, &editor.useMasterGrid);
        std::memcpy(kept_, editor.grids, sizeof kept_);
        keptMaster_ = editor.useMasterGrid;
    }
    void TearDown() override {
        std::memcpy(editor.grids, kept_, sizeof kept_);
        editor.useMasterGrid = keptMaster_;
        SaveTest::TearDown();
    }
    // Record r's word w in the block.
    static int32_t word(int32_t r, int32_t w) {
        return bv::blockInt(15352 + 28 * uint32_t(r) + 4 * uint32_t(w));
    }
    static void setWord(int32_t r, int32_t w, int32_t v) {
        bv::setBlockInt(15352 + 28 * uint32_t(r) + 4 * uint32_t(w), v);
    }
    GridRecord kept_[4]{};
    int32_t keptMaster_ = 0;
};

TEST_F(EditorGridSave, RecordsAreWrittenWordByWordAndComeBack) {
    fillGame();
    bv::houseCount = 0;
    editor.grids[0] = GridRecord{1, 0, 1, 3, 4, 32, 16};
    editor.grids[1] = GridRecord{0, 1, 0, -5, 6, 10, 20};
    editor.grids[2] = GridRecord{1, 1, 1, 7, -8, 64, 48};
    editor.grids[3] = GridRecord{1, 0, 1, 0, 2, 50, 25};
    editor.useMasterGrid = 1;
    bv::writeSavedGame();
    const std::vector<uint8_t> f = readFile(saveFile());
    ASSERT_EQ(f.size(), 4u + 16296u + 4u);
    const int32_t expected[29] = {1, 0, 1, 3,  4,  32, 16, 0, 1, 0, -5, 6,  10, 20, 1,
                                  1, 1, 7, -8, 64, 48, 1,  0, 1, 0, 2,  50, 25, 1};
    for (int32_t i = 0; i < 29; ++i) EXPECT_EQ(int32_t(le32(f, 4 + 15352 + 4 * size_t(i))), expected[i]) << i;
    // The music volume right after them is not touched.
    EXPECT_EQ(int32_t(le32(f, 4 + 15476)), 64);

    std::memset(editor.grids, 0, sizeof editor.grids);
    editor.grids[1].width = 99;
    editor.useMasterGrid = 0;
    bv::scatterBlock();
    EXPECT_EQ(editor.grids[0].width, 32);
    EXPECT_EQ(editor.grids[1].xOffset, -5);
    EXPECT_EQ(editor.grids[1].width, 10);
    EXPECT_EQ(editor.grids[2].yOffset, -8);
    EXPECT_EQ(editor.grids[3].height, 25);
    EXPECT_EQ(editor.grids[3].upLeft, 0);
    EXPECT_EQ(editor.useMasterGrid, 1);
}

TEST_F(EditorGridSave, DamagedValuesAreHeldToTheirRanges) {
    std::memset(bv::saveBlock() + 15352, 0, 116);
    setWord(0, 0, 7); // flags become 0 or 1
    setWord(0, 1, -1);
    setWord(0, 2, 2);
    setWord(0, 3, -5000); // offsets within one map's size
    setWord(0, 4, 5000);
    setWord(0, 5, -16);    // a negative cell: no snapping on that axis
    setWord(0, 6, 100000); // a cell at most the map
    setWord(3, 5, 801);
    setWord(3, 6, 450);
    bv::setBlockInt(15352 + 112, 12);
    bv::scatterBlock();
    EXPECT_EQ(editor.grids[0].on, 1);
    EXPECT_EQ(editor.grids[0].upLeft, 1);
    EXPECT_EQ(editor.grids[0].display, 1);
    EXPECT_EQ(editor.grids[0].xOffset, -800);
    EXPECT_EQ(editor.grids[0].yOffset, 450);
    EXPECT_EQ(editor.grids[0].width, 0);
    EXPECT_EQ(editor.grids[0].height, 450);
    EXPECT_EQ(editor.grids[3].width, 800);
    EXPECT_EQ(editor.grids[3].height, 450);
    EXPECT_EQ(editor.grids[1].width, 0); // a record of zeros reads as zeros
    EXPECT_EQ(editor.useMasterGrid, 1);
    // Snapping with a cell of 0 leaves that axis alone instead of dividing by it.
    editor.useMasterGrid = 0;
    int32_t x = 123, y = 77;
    bv::snapToGrid(bv::kModeHouse, x, y);
    EXPECT_EQ(x, 123);
    EXPECT_EQ(y, 450);
}

TEST_F(EditorGridSave, ABlockWithoutGridRecordsLeavesTheEditorsGrids) {
    editor.grids[2] = GridRecord{1, 0, 1, 0, 0, 24, 12};
    editor.useMasterGrid = 1;
    std::memset(bv::saveBlock() + 15352, 0, 116);
    bv::scatterBlock();
    EXPECT_EQ(editor.grids[2].width, 24);
    EXPECT_EQ(editor.grids[2].height, 12);
    EXPECT_EQ(editor.useMasterGrid, 1);
    // One byte set anywhere in the area makes it a stored set of records.
    bv::setBlockInt(15352 + 28 * 2 + 20, 40);
    bv::scatterBlock();
    EXPECT_EQ(editor.grids[2].width, 40);
    EXPECT_EQ(editor.grids[2].height, 0);
    EXPECT_EQ(editor.useMasterGrid, 0);
}

} // namespace
} // namespace bvtest

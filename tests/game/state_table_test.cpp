// The game's table of states.
#include <gtest/gtest.h>

#include <vector>

#include "core/state_ids.h"
#include "game/state_table.h"

namespace {

TEST(StateTable, HasTheFortyRowsWithUniqueIdsInRange) {
    ASSERT_EQ(bv::stateCount(), 40);
    std::vector<int32_t> seen;
    for (int i = 0; i < bv::stateCount(); ++i) {
        const bv::StateDef& row = bv::kStateTable[i];
        EXPECT_GE(row.id, 0);
        EXPECT_LE(row.id, 63);
        EXPECT_TRUE(row.music == 0 || row.music == 16 || row.music == 50) << row.name;
        for (int32_t id : seen) EXPECT_NE(id, row.id);
        seen.push_back(row.id);
    }
    EXPECT_EQ(bv::kStateTable[3].id, 60);
    EXPECT_EQ(bv::kStateTable[3].music, 16);
    EXPECT_EQ(bv::kStateTable[25].id, 4);
    EXPECT_EQ(bv::kStateTable[25].music, 0);
    EXPECT_EQ(bv::kStateTable[38].id, 63);
    EXPECT_EQ(bv::kStateTable[39].id, bv::kStateHighScores);
    EXPECT_EQ(bv::kStateTable[39].music, 0);
}

} // namespace

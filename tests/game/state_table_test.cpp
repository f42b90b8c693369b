// The game's table of states: a row for every state id the game names, each id once, and each
// row's music one of the three the state machine plays.
#include <gtest/gtest.h>

#include <map>

#include "core/state_ids.h"
#include "game/state_table.h"

namespace {

TEST(StateTable, EveryNamedStateHasOneRowWithKnownMusic) {
    std::map<int32_t, int32_t> music;
    for (int i = 0; i < bv::stateCount(); ++i) {
        const bv::StateDef& row = bv::kStateTable[i];
        EXPECT_TRUE(music.emplace(row.id, row.music).second) << row.name;
        EXPECT_TRUE(row.music == 0 || row.music == 16 || row.music == 50) << row.name;
    }
    for (int32_t id :
         {bv::kStateAttract, bv::kStateInitGame, bv::kStateGame, bv::kStateHighScores, bv::kStateForeclosure,
          bv::kStateRentApplicant, bv::kStateYouWin, bv::kStateExplainTutorial})
        EXPECT_EQ(music.count(id), 1u) << id;
    EXPECT_EQ(music[bv::kStateYouWin], 16);
    EXPECT_EQ(music[bv::kStateSetup], 0);
    EXPECT_EQ(music[bv::kStateGame], 50);
}

} // namespace

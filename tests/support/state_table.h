// A state table for a test in one line: the states the test names, each with only the operations
// it gives, on top of a row that does nothing for every other state the game names.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "core/state.h"
#include "core/state_ids.h"

namespace bvtest {

struct StateRow {
    int32_t id;
    bv::StateEnter enter = nullptr;
    bv::StateUpdate update = nullptr;
    bv::StateExit exit = nullptr;
    int32_t music = bv::kMusicPlaylist;
    const char* help = nullptr;
};

// Installs the table (kept until the next call) with the state machine reset.
inline void useStates(std::initializer_list<StateRow> rows, bool otherNamedStates = true) {
    static std::vector<bv::StateDef> table;
    table.clear();
    for (const StateRow& r : rows)
        table.push_back({r.id, r.music, r.enter, r.update, r.exit, "test", r.help, {}});
    if (otherNamedStates)
        for (int32_t id = 0; id < 64; ++id) {
            bool named = false;
            for (const StateRow& r : rows) named = named || r.id == id;
            if (!named)
                table.push_back({id, bv::kMusicPlaylist, nullptr, nullptr, nullptr, "other", nullptr, {}});
        }
    bv::useStateTable(table.data(), static_cast<int32_t>(table.size()));
    bv::resetStateMachine();
}

} // namespace bvtest

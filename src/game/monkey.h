// The monkey: random play that checks the game's rules every frame. Each frame it may click (mostly
// on a button or hot spot of the last frame), right click, drag, press a key (Alt+Enter too), type a
// character or close the window, in whatever state the game is in; when the game ends it goes back
// to the title menu and plays on. After every frame
// the invariants below are checked; the first one broken ends the run with a report naming the
// seed, the frame and the house, owner or index concerned.
//   - every house's owner, level, rent level, renter history and work kind lie in their ranges;
//     the selected house, the current level and difficulty, the current and queued state ids, and
//     the editor's selections are indexes that exist;
//   - a house owned by the bank is never charged: its mortgage fields do not change;
//   - a house under renovation gets no applicants and no wear: neither grows, and no applicant for
//     it waits in the dialog queue;
//   - a renter is evicted only while a complete renovation is under way;
//   - a renter's leaving clears the wear and the pending damage (the mood is worked out again for
//     every house every frame, so the frame's end cannot show it cleared);
//   - every owner's cash is what the money paths (sim/cash.h) left it at;
//   - the dialog queue holds at most its capacity.
// The game runs from its own seed as usual; the monkey's choices come from a generator of their own.
#pragma once

#include <cstdint>
#include <string>

namespace bv {

struct MonkeyResult {
    bool ok = true;
    int64_t frame = 0;         // the frame whose check failed
    std::string message;       // "seed S frame F: ..." for the first broken invariant
    int64_t restarts = 0;      // times the game ended and the monkey went back to the title menu
    int32_t statesVisited = 0; // distinct states the frames ended in
};

MonkeyResult runMonkey(uint32_t seed, int64_t frames);

} // namespace bv

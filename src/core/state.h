// The game state machine: every screen and dialog is a row of one fixed table with up to three
// operations. Exactly one state is current; the frame loop runs its update once per frame.
#pragma once

#include <cstdint>

namespace bv {

using StateEnter = int32_t (*)(int32_t previousId, int32_t newId, int32_t argument);
using StateUpdate = int32_t (*)(int32_t updateArgument);
using StateExit = int32_t (*)(int32_t leavingId);

struct StateDef {
    int32_t id;
    int32_t music; // 0 title music, 16 win music, 50 in-game playlist
    StateEnter enter;
    StateUpdate update;
    StateExit exit;
    const char* name;
    const char* helpTag;
    int32_t reserved[4];
};

constexpr int32_t kMusicTitle = 0;
constexpr int32_t kMusicWin = 16;
constexpr int32_t kMusicPlaylist = 50;
constexpr int32_t kQueueCapacity = 99;

// The row of a state in the table the machine runs on; nullptr when it has none.
const StateDef* findState(int32_t id);

int32_t currentStateId();
int32_t previousStateId();
int32_t updateArgument();
bool changedThisFrame();
void changeState(int32_t id, int32_t argument = 0);
void changeStateOnce(int32_t id, int32_t argument = 0);
void setStateSilently(int32_t id);
void updateCurrentState();
int32_t stateMusic();
// The current state's help tag, or nullptr when it has none or it is "no_help".
const char* helpTag();

// Dialog queue of the game board: (state id, argument) pairs in arrival order. A pair that does
// not fit (99 pending) is refused and queueState returns false.
bool queueState(int32_t id, int32_t argument);
int32_t queuedCount();
// Whether a pair with this id is pending; with an argument of kAnyArgument any argument matches.
constexpr int32_t kAnyArgument = INT32_MIN;
bool isQueued(int32_t id, int32_t argument = kAnyArgument);
// Drops every pending pair (a new game starts with an empty queue).
void clearStateQueue();
// The i-th pending pair (the saved game keeps the queue); false outside 0..count-1.
bool queuedPair(int32_t index, int32_t& id, int32_t& argument);
// Opens the first queued dialog when the board (state 2) is current; at most one per call.
void drainStateQueue();

// What music selection needs from audio. Until audio is up, every hook is absent and a state
// change leaves the music alone.
struct MusicHooks {
    bool (*musicLoaded)();
    void (*stopMusic)();
    void (*startPlaylist)();
    void (*playTrack)(int32_t track); // plays sound 0 or 16 on the music channel and applies the volume
};
void setMusicHooks(const MusicHooks& hooks);
int32_t currentMusic();

// The table the machine runs on: start-up installs the game's own; tests install tables of their
// own. Until one is installed no state exists.
void useStateTable(const StateDef* rows, int32_t count);

// Back to the start (current 0, no update, music -1, empty queue): start-up and tests.
void resetStateMachine();

} // namespace bv

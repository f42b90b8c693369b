#include "core/state.h"
#include "core/state_ids.h"

namespace bv {

namespace {

struct Machine {
    int32_t current = 0;
    int32_t previous = 0;
    StateUpdate update = nullptr;
    int32_t argument = 0;
    bool changed = false;
    int32_t music = -1;
    int32_t queueIds[kQueueCapacity] = {};
    int32_t queueArgs[kQueueCapacity] = {};
    int32_t queueCount = 0;
};
Machine g_m;
MusicHooks g_music{};
const StateDef* g_rows = nullptr;
int32_t g_rowCount = 0;

const StateDef* rows() {
    return g_rows;
}

bool sameIgnoringCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b) {
        char x = (*a >= 'a' && *a <= 'z') ? static_cast<char>(*a - 32) : *a;
        char y = (*b >= 'a' && *b <= 'z') ? static_cast<char>(*b - 32) : *b;
        if (x != y) return false;
    }
    return *a == *b;
}

void applyMusic() {
    if (!g_music.musicLoaded || !g_music.musicLoaded()) return;
    int32_t m = stateMusic();
    if (m == kMusicPlaylist) {
        if (g_m.music != kMusicPlaylist) {
            if (g_music.stopMusic) g_music.stopMusic();
            g_m.music = kMusicPlaylist;
            if (g_music.startPlaylist) g_music.startPlaylist();
        }
    } else if (m != g_m.music) {
        if (g_music.stopMusic) g_music.stopMusic();
        g_m.music = m;
        if ((m == kMusicTitle || m == kMusicWin) && g_music.playTrack) g_music.playTrack(m);
    }
}

} // namespace

const StateDef* findState(int32_t id) {
    const StateDef* table = rows();
    for (int32_t i = 0; i < g_rowCount; ++i)
        if (table[i].id == id) return &table[i];
    return nullptr;
}

void useStateTable(const StateDef* table, int32_t count) {
    g_rows = table;
    g_rowCount = count;
}

int32_t currentStateId() {
    return g_m.current;
}
int32_t previousStateId() {
    return g_m.previous;
}
int32_t updateArgument() {
    return g_m.argument;
}
bool changedThisFrame() {
    return g_m.changed;
}
int32_t currentMusic() {
    return g_m.music;
}

void changeState(int32_t id, int32_t argument) {
    const StateDef* row = findState(id);
    if (!row) return;
    g_m.changed = true;
    g_m.previous = g_m.current;
    g_m.current = id;
    // The exit runs when the new state is already current, and before the enter.
    if (g_m.previous >= 0 && g_m.previous <= 63) {
        const StateDef* old = findState(g_m.previous);
        if (old && old->exit) old->exit(g_m.previous);
    }
    g_m.update = row->update;
    if (row->enter) g_m.argument = row->enter(g_m.previous, g_m.current, argument);
    applyMusic();
}

void changeStateOnce(int32_t id, int32_t argument) {
    if (g_m.changed) return;
    changeState(id, argument);
}

void setStateSilently(int32_t id) {
    const StateDef* row = findState(id);
    if (!row) return;
    g_m.current = id;
    g_m.update = row->update;
    applyMusic();
}

void updateCurrentState() {
    if (!g_m.update) return;
    g_m.changed = false;
    g_m.update(g_m.argument);
}

int32_t stateMusic() {
    const StateDef* row = findState(g_m.current);
    return row ? row->music : kMusicPlaylist;
}

const char* helpTag() {
    const StateDef* row = findState(g_m.current);
    if (!row || !row->helpTag || sameIgnoringCase(row->helpTag, "no_help")) return nullptr;
    return row->helpTag;
}

bool queueState(int32_t id, int32_t argument) {
    if (g_m.queueCount >= kQueueCapacity) return false;
    g_m.queueIds[g_m.queueCount] = id;
    g_m.queueArgs[g_m.queueCount] = argument;
    ++g_m.queueCount;
    return true;
}

bool isQueued(int32_t id, int32_t argument) {
    for (int32_t i = 0; i < g_m.queueCount; ++i)
        if (g_m.queueIds[i] == id && (argument == kAnyArgument || g_m.queueArgs[i] == argument)) return true;
    return false;
}

int32_t queuedCount() {
    return g_m.queueCount;
}

void clearStateQueue() {
    g_m.queueCount = 0;
}

bool queuedPair(int32_t index, int32_t& id, int32_t& argument) {
    if (index < 0 || index >= g_m.queueCount) return false;
    id = g_m.queueIds[index];
    argument = g_m.queueArgs[index];
    return true;
}

void drainStateQueue() {
    if (g_m.current != kStateGame || g_m.queueCount <= 0) return;
    int32_t id = g_m.queueIds[0];
    int32_t arg = g_m.queueArgs[0];
    for (int32_t i = 1; i < g_m.queueCount; ++i) {
        g_m.queueIds[i - 1] = g_m.queueIds[i];
        g_m.queueArgs[i - 1] = g_m.queueArgs[i];
    }
    --g_m.queueCount;
    changeState(id, arg);
}

void setMusicHooks(const MusicHooks& hooks) {
    g_music = hooks;
}

void resetStateMachine() {
    g_m = Machine{};
}

} // namespace bv

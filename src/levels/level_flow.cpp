// From one level to the next: winning a level (the celebration or, after the last level, the
// game-done screen) and the next level's start on the same town or on a new one.
#include <cstring>

#include "assets/hash.h"
#include "audio/sound.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "levels/goals.h"
#include "levels/high_scores.h"
#include "levels/level_start.h"
#include "sim/calendar.h"
#include "sim/cash.h"
#include "sim/game_update.h"
#include "sim/houses.h"
#include "sim/notices.h"
#include "sim/owner.h"
#include "sim/portfolio.h"
#include "world/map.h"
#include "world/scenario.h"

namespace bv {

namespace {

// Map names compare without regard to ASCII case.
bool sameMap(const char* a, const char* b) {
    for (;; ++a, ++b) {
        char ca = *a, cb = *b;
        if (ca >= 'a' && ca <= 'z') ca = static_cast<char>(ca - 32);
        if (cb >= 'a' && cb <= 'z') cb = static_cast<char>(cb - 32);
        if (ca != cb) return false;
        if (ca == 0) return true;
    }
}

} // namespace

void endLevel(int32_t state) {
    levelOver = 1;
    clearStateQueue();
    changeState(state);
}

void levelComplete() {
    if (currentLevel + 1 >= scenario.levelCount) {
        playSound(kSoundYouWin);
        endLevel(kStateYouWin);
    } else {
        endLevel(kStateLevelWon);
    }
}

int32_t advanceToNextLevel() {
    // Pending announcements belong to the level that ended.
    raiseNotice(Notice{NoticeKind::kBoardCleared});
    char previousMap[kMapFileBytes];
    std::memcpy(previousMap, currentMapFile(), sizeof previousMap);
    previousMap[kMapFileBytes - 1] = 0;
    ++currentLevel;
    int32_t changed = 0;
    if (!sameMap(previousMap, currentMapFile())) {
        // The player's holdings are sold off: what they were worth becomes cash on the new map.
        const int32_t worth = netWorth(kOwnerPlayer);
        // A freshly loaded town has zeroed records, which would make the player the owner of
        // every house: it starts as a new game's town does, with the bank. (Should the map fail
        // to load, the old town is reset the same way, so the holdings are not counted twice.)
        loadMap(currentMapFile());
        initHouses();
        selectedHouse = -1;
        // Dialogs queued on the old town name houses that are not there any more.
        clearStateQueue();
        setCash(kOwnerPlayer, worth);
        changed = 1;
    }
    levelStart();
    monthsElapsed = 0;
    startLevelCalendar();
    // A hold carried over from the level just won would let the new level be won early.
    goalHoldCounter = 0;
    return changed;
}

int32_t levelIntroEnter(int32_t, int32_t, int32_t) {
    advanceToNextLevel();
    changeState(kStateDisplayGoals);
    return 0;
}

void installLevelChecks() {
    setCalendarHooks(CalendarHooks{levelTermCheck, monthEndGoalCheck});
}

namespace {
// A new game's score goes into the table of its length.
void startScoring() {
    gameLengthIndex = gameLengthForMonths(scenarioMonths());
    gameStarted = 1;
}
} // namespace

void resetGame() {
    installLevelChecks();
    resetSimulation();
    goalHoldCounter = 0;
    startScoring();
    changeState(kStateDisplayGoals);
}

void resetGameAtLevel(int32_t level) {
    installLevelChecks();
    resetSimulation();
    currentLevel = level;
    levelStart();
    goalHoldCounter = 0;
    startScoring();
    scenarioLoaded = 1;
    changeState(kStateDisplayGoals);
}

int32_t enterInitGame(int32_t, int32_t, int32_t) {
    resetGame();
    return 0;
}

} // namespace bv

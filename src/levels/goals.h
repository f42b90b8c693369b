// The level's goals and when a level ends. Up to twelve goals per level, each active when its field
// of the level record is non-zero, evaluated for the player in a fixed order. Goals are in force
// when the scenario does not run the advanced economy and at least one goal is active; a level
// with goals must be won (all met, held for its months) before its term runs out, a level without
// goals is completed when its term ends.
#pragma once

#include <cstdint>

namespace bv {

constexpr int32_t kSoundYouWin = 25;

// The goal kinds in evaluation (and display) order.
enum GoalKind : int32_t {
    kGoalPropertiesOfValue,
    kGoalRentersOfHistory,
    kGoalPropertiesOfRent,
    kGoalPropertiesOfCondition,
    kGoalCombinedRent,
    kGoalMinEquity,
    kGoalMinCash,
    kGoalHousesPurchased,
    kGoalNumRenters,
    kGoalUpgrades,
    kGoalRenos,
    kGoalSales,
    kGoalKindCount
};

struct GoalStatus {
    int32_t active;    // the level sets this goal
    int32_t met;       // the player's figure reaches it
    int32_t required;  // houses needed (per-house goals) or the goal's own number
    int32_t threshold; // the per-house threshold (value, history class, rent, level); else = required
    int32_t figure;    // the player's figure
};

struct GoalEvaluation {
    int32_t total; // active goals
    int32_t unmet;
    int32_t met; // total - unmet
    bool allMet; // met == total (so true for a level without goals)
    GoalStatus goals[kGoalKindCount];
};

// Consecutive month ends at which all goals were met (saved with the game; cleared only by a
// month end with unmet goals).
extern int32_t goalHoldCounter;

// The goals of the current level for an owner (callers pass the player).
GoalEvaluation evaluateGoals(int32_t owner);
// The advanced economy off and at least one goal active.
bool goalsInForce(const GoalEvaluation& evaluation);
bool goalsInForce();
// The string-table key of a goal's line ("goalPropertiesOfVal" ...); nullptr for a bad kind.
const char* goalLineKey(int32_t kind);
// The goal's line, its key's text filled with the goal's figures, into `out` (capacity units).
// An empty text for an inactive goal or a missing key. Returns the units written.
int32_t formatGoalLine(char16_t* out, int32_t capacity, const GoalEvaluation& evaluation, int32_t kind);

// The board's per-frame check: a level whose goals are all met and that has nothing to hold is
// won at once (unless it is played to its full term).
void immediateGoalCheck();
// The term check of the day clock and the month end: true when the level's months are over; the
// level then fails (goals in force) or is completed (no goals).
bool levelTermCheck();
// At every month end after the month counter has grown: the term check, then the hold counter.
// True when the level has ended.
bool monthEndGoalCheck();
// The level ends in `state` (won, failed, the game won): the town stands still from now on and
// the dialogs still waiting belong to the finished level, so they are dropped.
void endLevel(int32_t state);
// The level is won: "you win" after the last level, else the level-won celebration.
void levelComplete();

// Next level (entering state 3): the level index grows; the same map keeps the town and the
// holdings; a new map turns the player's net worth into cash first. Then the level start and the
// goals screen. Returns 0 (the state's argument).
int32_t levelIntroEnter(int32_t previousId, int32_t newId, int32_t argument);
// The level flow without the state change, for checks: returns 1 when the map changed.
int32_t advanceToNextLevel();

// Hangs the level's term and goal checks on the calendar (start-up and every new game).
void installLevelChecks();
// The new game (entering state 1): the simulation's reset, no goal hold, the game marked as
// started, then the goals screen.
void resetGame();
// A new game that begins at `level` of the scenario in memory, on the map in memory (the editor's
// test play): the same reset, then that level's start (its starting cash, houses back to the bank
// when it says so) and its goals screen.
void resetGameAtLevel(int32_t level);
int32_t enterInitGame(int32_t previousId, int32_t newId, int32_t argument);

} // namespace bv

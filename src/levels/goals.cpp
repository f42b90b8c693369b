// Evaluating the level's goals and the three checks that end a level: the board's per-frame check,
// the month-end check with its hold counter, and the term check.
#include "levels/goals.h"

#include <cstdarg>

#include "assets/strings.h"
#include "assets/text_keys.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/format.h"
#include "sim/calendar.h"
#include "sim/cash.h"
#include "sim/game_update.h"
#include "sim/houses.h"
#include "sim/later_steps.h"
#include "sim/owner.h"
#include "sim/portfolio.h"
#include "ui/money.h"
#include "world/scenario.h"

namespace bv {

int32_t goalHoldCounter = 0;

namespace {

const char* const kLineKeys[kGoalKindCount] = {
    "goalPropertiesOfVal",
    "goalRentersOfHistory",
    "goalPropertiesOfRent",
    "goalPropertiesOfCondition",
    "goalCombinedRent",
    "goalMinEquity",
    "goalMinCash",
    "goalHousesPurchased",
    "goalNumRenters",
    "goalUpgrades",
    "goalRenos",
    "goalSales",
};

// Houses of the owner that satisfy a per-house test.
template <typename Test> int32_t countHouses(int32_t owner, Test test) {
    int32_t n = 0;
    for (int32_t i = 0; i < houseCount; ++i)
        if (houseStates[i].owner == owner && test(i, houseStates[i])) ++n;
    return n;
}

int32_t combinedRent(int32_t owner) {
    int64_t sum = 0;
    for (int32_t i = 0; i < houseCount; ++i)
        if (houseStates[i].owner == owner && houseStates[i].hasRenter) sum += currentRent(i);
    return saturate32(sum);
}

// A per-house goal: met when at least `required` houses reach the threshold.
void perHouse(GoalStatus& g, int32_t threshold, int32_t required, int32_t figure) {
    g.active = threshold != 0;
    g.threshold = threshold;
    g.required = required;
    g.figure = figure;
    g.met = figure >= required;
}

// A goal on one of the owner's own figures.
void ownFigure(GoalStatus& g, int32_t goal, int32_t figure) {
    g.active = goal != 0;
    g.threshold = goal;
    g.required = goal;
    g.figure = figure;
    g.met = figure >= goal;
}

} // namespace

GoalEvaluation evaluateGoals(int32_t owner) {
    GoalEvaluation e{};
    const LevelRecord& lv = currentLevelRecord();
    const OwnerRecord empty{};
    const OwnerRecord& o = owner >= 0 && owner <= kOwnerBank ? owners[owner] : empty;
    const int32_t n = lv.houseCount;
    GoalStatus* g = e.goals;

    perHouse(g[kGoalPropertiesOfValue], lv.minHouseValue, n,
             countHouses(owner,
                         [&](int32_t i, const HouseState&) { return currentValue(i) >= lv.minHouseValue; }));
    // Renters whose history class reaches the goal's class: the goal line names that class, so a
    // renter of a lower class does not count toward it.
    perHouse(g[kGoalRentersOfHistory], lv.minRenterHistory, n,
             countHouses(owner, [&](int32_t, const HouseState& h) {
                 return h.hasRenter && h.renterHistory >= lv.minRenterHistory;
             }));
    perHouse(g[kGoalPropertiesOfRent], lv.minRent, n, countHouses(owner, [&](int32_t i, const HouseState& h) {
                 return h.hasRenter && currentRent(i) >= lv.minRent;
             }));
    perHouse(g[kGoalPropertiesOfCondition], lv.minCondition, n,
             countHouses(owner, [&](int32_t, const HouseState& h) { return h.level >= lv.minCondition; }));
    ownFigure(g[kGoalCombinedRent], lv.minCombinedRent, combinedRent(owner));
    ownFigure(g[kGoalMinEquity], lv.minEquity, netWorth(owner));
    ownFigure(g[kGoalMinCash], lv.minCash, o.cash);
    ownFigure(g[kGoalHousesPurchased], lv.numPurchases, o.housesBought);
    ownFigure(g[kGoalNumRenters], lv.numRenters,
              countHouses(owner, [](int32_t, const HouseState& h) { return h.hasRenter != 0; }));
    ownFigure(g[kGoalUpgrades], lv.numUpgrades, o.renovationsDone);
    ownFigure(g[kGoalRenos], lv.numRenos, o.completeRenosDone);
    ownFigure(g[kGoalSales], lv.numSales, o.housesSold);

    for (const GoalStatus& s : e.goals) {
        if (!s.active) continue;
        ++e.total;
        if (!s.met) ++e.unmet;
    }
    e.met = e.total - e.unmet;
    e.allMet = e.met == e.total;
    return e;
}

bool goalsInForce(const GoalEvaluation& evaluation) {
    return scenario.advancedEconomy == 0 && evaluation.total > 0;
}

bool goalsInForce() {
    return goalsInForce(evaluateGoals(kOwnerPlayer));
}

const char* goalLineKey(int32_t kind) {
    return kind >= 0 && kind < kGoalKindCount ? kLineKeys[kind] : nullptr;
}

int32_t formatGoalLine(char16_t* out, int32_t capacity, const GoalEvaluation& evaluation, int32_t kind) {
    if (!out || capacity < 1) return 0;
    out[0] = 0;
    const char* key = goalLineKey(kind);
    const char16_t* format = key ? text(key) : nullptr;
    if (!format || !evaluation.goals[kind].active) return 0;
    const GoalStatus& g = evaluation.goals[kind];
    // Money texts share one buffer, so each amount is copied before the next is made.
    char threshold[kMoneyTextBytes], figure[kMoneyTextBytes];
    moneyStr(threshold, sizeof threshold, g.threshold);
    moneyStr(figure, sizeof figure, g.figure);
    switch (kind) {
    case kGoalPropertiesOfValue:
    case kGoalPropertiesOfRent:
        return formatWide(out, capacity, format, g.required, threshold, g.figure);
    case kGoalRentersOfHistory: {
        char history[kTextCapacity];
        narrowInto(history, sizeof history, lookupVariant("history", g.threshold));
        return formatWide(out, capacity, format, g.required, history, g.figure);
    }
    case kGoalPropertiesOfCondition:
        return formatWide(out, capacity, format, g.required, g.threshold, g.figure);
    case kGoalCombinedRent:
    case kGoalMinEquity:
    case kGoalMinCash:
        return formatWide(out, capacity, format, threshold, figure);
    default:
        return formatWide(out, capacity, format, g.required, g.figure);
    }
}

void immediateGoalCheck() {
    // The month end may already have ended the level in this frame.
    if (levelOver || currentStateId() != kStateGame) return;
    const GoalEvaluation e = evaluateGoals(kOwnerPlayer);
    if (!goalsInForce(e) || currentLevelRecord().playFullTerm) return;
    if (e.allMet && currentLevelRecord().monthsToHold == 0) levelComplete();
}

bool levelTermCheck() {
    if (monthsElapsed < currentMonthsToPlay()) return false;
    // A level with goals fails when its term runs out, whatever the goals show now: it had to be
    // won before.
    if (goalsInForce())
        endLevel(kStateFailedLevel);
    else
        levelComplete();
    return true;
}

bool monthEndGoalCheck() {
    const GoalEvaluation e = evaluateGoals(kOwnerPlayer);
    if (levelTermCheck()) return true;
    if (goalsInForce(e) && e.allMet) {
        ++goalHoldCounter;
        if (goalHoldCounter + 1 >= currentLevelRecord().monthsToHold) {
            levelComplete();
            return true;
        }
    } else {
        goalHoldCounter = 0;
    }
    return false;
}

} // namespace bv

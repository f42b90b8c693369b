#include "sim/game_update.h"

#include "core/game.h"
#include "core/input.h"
#include "core/state.h"
#include "levels/goals.h"
#include "levels/scenario.h"
#include "sim/calendar.h"
#include "sim/credit.h"
#include "sim/daily_loop.h"
#include "sim/economy.h"
#include "sim/effect_list.h"
#include "sim/float_effects.h"
#include "sim/houses.h"
#include "sim/later_steps.h"
#include "sim/market.h"
#include "sim/owners.h"
#include "sim/repairs.h"
#include "sim/rivals.h"
#include "sim/tenancy.h"

namespace bv {

int32_t gameStarted = 0;
int32_t ownerOverlayShown = 0;

namespace {
void (*g_boardDrawer)() = nullptr;
} // namespace

void setBoardDrawer(void (*drawer)()) {
    g_boardDrawer = drawer;
}

void gameUpdate() {
    advanceDayClock();
    rivalsTick();
    houseFrameTimers();
    bankListingTimer();
    if (g_boardDrawer) g_boardDrawer();
    if (isPressed(kSlotEscape)) changeState(kStateOptions);
    if (isPressed(kSlotI)) ownerOverlayShown = !ownerOverlayShown;
    updateCreditNotice(frameMs);
    // Opens at most one queued dialog, and only while the board is still current.
    drainStateQueue();
    immediateGoalCheck();
}

void resetGame() {
    currentLevel = 0;
    resetEconomy();
    resetCalendar();
    // A game's leftovers must not reach the next one: delayed cash, effects, pending dialogs.
    clearTimedObjects();
    clearEffects();
    clearStateQueue();
    resetMarket();
    resetRepairs();
    goalHoldCounter = 0;
    creditNotice = {};
    pendingApplicantHouse = -1;
    foreclosedHouse = -1;
    selectedHouse = -1;
    ownerOverlayShown = 0;
    resetOwners();
    // Every investor starts the level with its starting cash, as at every level start; the rivals'
    // records were just cleared, and rivals without cash could never buy a house.
    const int32_t startingCash = currentLevelRecord().startingCash;
    if (startingCash != 0)
        for (int32_t o = 0; o < kOwnerCount; ++o) owners[o].cash = startingCash;
    initHouses();
    gameStarted = 1;
    changeState(kStateDisplayGoals);
}

int32_t enterInitGame(int32_t previousId, int32_t newId, int32_t argument) {
    (void)previousId;
    (void)newId;
    (void)argument;
    resetGame();
    return 0;
}

int32_t updateGame(int32_t argument) {
    (void)argument;
    gameUpdate();
    return 0;
}

} // namespace bv

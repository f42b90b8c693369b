#include "sim/game_update.h"

#include "core/state.h"
#include "sim/calendar.h"
#include "sim/cash.h"
#include "sim/credit.h"
#include "sim/daily_loop.h"
#include "sim/economy.h"
#include "sim/effect_list.h"
#include "sim/houses.h"
#include "sim/later_steps.h"
#include "sim/market.h"
#include "sim/notices.h"
#include "sim/owners.h"
#include "sim/repairs.h"
#include "sim/rivals.h"
#include "sim/tenancy.h"
#include "world/scenario.h"

namespace bv {

int32_t gameStarted = 0;
int32_t ownerOverlayShown = 0;

void simulationFrame() {
    advanceDayClock();
    // Once the level has ended nobody acts on its town any more.
    if (levelOver) return;
    rivalsTick();
    houseFrameTimers();
    bankListingTimer();
}

void resetSimulation() {
    currentLevel = 0;
    resetEconomy();
    resetCalendar();
    // A game's leftovers must not reach the next one: delayed cash, effects, pending dialogs.
    clearTimedObjects();
    raiseNotice(Notice{NoticeKind::kBoardCleared});
    clearStateQueue();
    resetMarket();
    resetRepairs();
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
        for (int32_t o = 0; o < kOwnerCount; ++o) setCash(o, startingCash);
    initHouses();
}

} // namespace bv

#include "sim/repairs.h"

#include <algorithm>

#include "core/clock.h"
#include "core/random.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "sim/calendar.h"
#include "sim/cash.h"
#include "sim/game_update.h"
#include "sim/houses.h"
#include "sim/later_steps.h"
#include "sim/notices.h"
#include "sim/owner.h"

namespace bv {

int32_t daysSinceDamage = 0;
int32_t repairHouse = -1;
int32_t renosCompleteHouse = -1;
int32_t queueRenosCompleteDialog = 1;

namespace {

// Wear per day in thousandths, by renter history: the worse the record, the faster the wear.
constexpr int32_t kWearBase[6] = {70, 55, 25, 15, 10, 5};

} // namespace

float dayWear(int32_t renterHistory) {
    const int32_t t = kWearBase[std::clamp(renterHistory, 0, 5)];
    return static_cast<float>(t + static_cast<int32_t>(random(static_cast<uint32_t>(t)))) / 1000.0f;
}

void dailyWear() {
    ++daysSinceDamage;
    if (daysSinceDamage <= kQuietDays) return;
    for (int32_t i = 0; i < houseCount; ++i) {
        HouseState& h = houseStates[i];
        if (h.renoKind != kWorkNone) {
            // Work on a house cancels its pending damage and resets its meter.
            h.damagePending = 0;
            h.wear = 0.0f;
        } else if (!h.damagePending && h.hasRenter) {
            h.wear += dayWear(h.renterHistory);
        }
        if (h.wear > 1.0f) {
            h.damageCountdown = 0;
            // Rivals' houses keep a full meter; their repairs are the rivals' own business.
            if (h.owner == kOwnerPlayer) {
                daysSinceDamage = 0;
                queueState(kStateRepairs, i);
                h.repairCost = repairCostDraw(i);
                h.wear = 0.0f;
            }
        }
    }
}

void frameWorkStep(int32_t dt) {
    for (int32_t i = 0; i < houseCount; ++i) {
        HouseState& h = houseStates[i];
        houseWorkStep(i, dt);
        if (!h.damagePending) continue;
        h.damageCountdown = addSaturated(h.damageCountdown, dt);
        if (h.damageCountdown < kPermanentDamageMs) continue;
        // Its last chance is waiting in the queue: the dialog decides.
        if (isQueued(kStateLastChanceRepairs, i)) continue;
        if (h.owner == kOwnerPlayer && h.repairCost <= owners[kOwnerPlayer].cash) {
            // One last chance at twice the price, queued like every message. The pending flag and
            // the countdown stay, so the test runs again when the dialog closes; later houses
            // wait for the next frame.
            h.repairCost = mulSaturated(h.repairCost, 2);
            queueState(kStateLastChanceRepairs, i);
            return;
        }
        // One message a frame: a second player's house loses its level on the next frame.
        if (h.owner == kOwnerPlayer) {
            permanentDamage(i);
            return;
        }
        permanentDamage(i);
    }
}

namespace {

// An unrepaired house loses a level. Below the lowest level (-1) there is nothing left to lose:
// the building is condemned and goes back to the bank at level 0, whoever owned it.
void loseLevel(int32_t house, HouseState& h) {
    const bool player = h.owner == kOwnerPlayer;
    h.damagePending = 0;
    if (h.level < 0) {
        h.level = 0;
        h.owner = kOwnerBank;
        if (player) raiseNotice(Notice{NoticeKind::kBuildingCondemned, house, kOwnerPlayer});
        return;
    }
    --h.level;
    if (player) raiseNotice(Notice{NoticeKind::kPermanentDamage, house, kOwnerPlayer});
}

} // namespace

void permanentDamage(int32_t house) {
    if (HouseState* h = getHouse(house)) loseLevel(house, *h);
}

void declineRepair(int32_t house) {
    HouseState* h = getHouse(house);
    if (!h) return;
    // The player chose this: only a condemned building is worth a message.
    if (h->level < 0) {
        loseLevel(house, *h);
        return;
    }
    h->damagePending = 0;
    --h->level;
}

bool payRepair(int32_t house) {
    HouseState* h = getHouse(house);
    if (!h || h->owner < 0 || h->owner > kOwnerBank) return false;
    if (owners[h->owner].cash < h->repairCost) return false;
    h->damagePending = 0;
    addCash(h->owner, -h->repairCost);
    return true;
}

void houseFrameTimers() {
    // Work and countdowns keep pace with the calendar: a hurried month runs them a day per tick.
    frameWorkStep(hurryMonth ? mulSaturated(kHurriedDayMs, frameTicks) : frameMs);
}

void dailyWearStep() {
    dailyWear();
}

void resetRepairs() {
    daysSinceDamage = 0;
    repairHouse = -1;
    renosCompleteHouse = -1;
}

} // namespace bv

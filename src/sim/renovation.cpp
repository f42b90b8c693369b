// Work on houses: upgrades (one level, 13 days) and complete renovations (to the top level, 26
// days after an 8-day move-out of the renter), their progress every frame and their completion.
#include <algorithm>

#include "core/state.h"
#include "core/state_ids.h"
#include "sim/cash.h"
#include "sim/daily_loop.h"
#include "sim/houses.h"
#include "sim/notices.h"
#include "sim/owner.h"
#include "sim/repairs.h"

namespace bv {

namespace {

void workNotice(NoticeKind kind, int32_t house, const HouseState& h, int32_t work = 0) {
    Notice n{kind};
    n.house = house;
    n.owner = h.owner;
    n.detail = work;
    raiseNotice(n);
}

void finishWork(int32_t house, HouseState& h) {
    OwnerRecord* owner = h.owner >= 0 && h.owner <= kOwnerBank ? &owners[h.owner] : nullptr;
    if (h.renoKind == kWorkCompleteReno) {
        h.level = kMaxLevel;
        if (owner) ++owner->completeRenosDone;
    } else {
        h.level = std::min(h.level + 1, kMaxLevel);
    }
    if (owner) ++owner->renovationsDone;
    workNotice(NoticeKind::kWorkFinished, house, h);
    h.renoKind = kWorkNone;
    h.wear = 0.0f;
    if (h.owner == kOwnerPlayer && queueRenosCompleteDialog) {
        renosCompleteHouse = house;
        queueState(kStateRenosComplete, house);
    }
}

// Move-out and work of one house for this frame.
void houseWorkStepImpl(int32_t house, HouseState& h, int32_t dt) {
    h.renterMood = renterMoodOf(house);
    if (h.evicting) {
        h.evictElapsed = addSaturated(h.evictElapsed, dt);
        if (h.evictElapsed >= kMoveOutMs) {
            // The renter is gone; the departure message is not shown for a planned move-out.
            h.evicting = 0;
            h.hasRenter = 0;
            workNotice(NoticeKind::kWorkStarted, house, h, kNoticeWorkRenterGone);
        }
    }
    if (h.renoKind != kWorkNone && !h.evicting) {
        h.renoElapsed = addSaturated(h.renoElapsed, dt);
        if (h.renoElapsed >= h.renoDuration) finishWork(house, h);
    }
}

} // namespace

void houseWorkStep(int32_t house, int32_t dt) {
    HouseState* h = getHouse(house);
    if (h) houseWorkStepImpl(house, *h, dt);
}

bool canUpgrade(int32_t house) {
    const HouseState* h = getHouse(house);
    if (!h || h->owner < 0 || h->owner > kOwnerBank) return false;
    return h->level < kMaxLevel && h->renoKind == kWorkNone && owners[h->owner].cash >= upgradeCostOf(house);
}

bool canRenovate(int32_t house) {
    const HouseState* h = getHouse(house);
    if (!h || h->owner < 0 || h->owner > kOwnerBank) return false;
    return h->level + 1 < kMaxLevel && h->renoKind == kWorkNone &&
           owners[h->owner].cash >= renovationCost(house);
}

void startUpgrade(int32_t house) {
    HouseState* h = getHouse(house);
    if (!h) return;
    addCash(h->owner, -upgradeCostOf(house));
    workNotice(NoticeKind::kWorkStarted, house, *h, kNoticeWorkUpgrade);
    h->renoKind = kWorkUpgrade;
    h->renoDuration = kUpgradeMs;
    h->renoElapsed = 0;
}

void startCompleteReno(int32_t house) {
    HouseState* h = getHouse(house);
    if (!h) return;
    addCash(h->owner, -renovationCost(house));
    if (h->hasRenter) {
        h->evicting = 1;
        h->evictElapsed = 0;
        workNotice(NoticeKind::kWorkStarted, house, *h, kNoticeWorkMovingOut);
    } else {
        workNotice(NoticeKind::kWorkStarted, house, *h, kNoticeWorkRenovation);
    }
    h->renoKind = kWorkCompleteReno;
    h->renoDuration = kCompleteRenoMs;
    h->renoElapsed = 0;
}

} // namespace bv

// Work on houses: upgrades (one level, 13 days) and complete renovations (to the top level, 26
// days after an 8-day move-out of the renter), their progress every frame and their completion.
#include <algorithm>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "audio/sound.h"
#include "core/state.h"
#include "sim/cash.h"
#include "sim/daily_loop.h"
#include "sim/float_effects.h"
#include "sim/houses.h"
#include "sim/owner.h"
#include "sim/repairs.h"
#include "sim/sparks.h"

namespace bv {

namespace {

const Sprite* icon(int32_t index) {
    return index >= 0 && index < iconSprites.count ? &iconSprites.sprites[index] : nullptr;
}

void popIcon(int32_t house, int32_t index) {
    float x = 0, y = 0;
    houseEffectPoint(house, &x, &y);
    popPicture(icon(index), x, y);
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
    const MapHouse* m = getMapHouse(house);
    if (m) startCelebrationBurst(static_cast<float>(m->x), static_cast<float>(m->y));
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
            if (h.owner == kOwnerPlayer) playSound(kSoundWorkStarted);
            popIcon(house, h.renoKind == kWorkCompleteReno ? pic::kIconRenovation : pic::kIconWorkStarted);
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
    popIcon(house, pic::kIconWorkStarted);
    if (h->owner == kOwnerPlayer) playSound(kSoundWorkStarted);
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
        popIcon(house, pic::kIconMovingOut);
    } else {
        popIcon(house, pic::kIconRenovation);
    }
    h->renoKind = kWorkCompleteReno;
    h->renoDuration = kCompleteRenoMs;
    h->renoElapsed = 0;
}

} // namespace bv

#include "sim/tenancy.h"

#include "sim/calendar.h"
#include "sim/houses.h"
#include "sim/later_steps.h"
#include "sim/notices.h"
#include "sim/owner.h"

namespace bv {

int32_t pendingApplicantHouse = -1;
int32_t pendingApplicantHistory = 0;

namespace {
int32_t clampHistory(int32_t h) {
    return h < 0 ? 0 : (h > kMaxLevel ? kMaxLevel : h);
}
} // namespace

int32_t applicantArgument(int32_t house, int32_t history) {
    return (house & 0xFFFF) | clampHistory(history) << 16;
}

bool takeApplicantFromArgument(int32_t argument) {
    const int32_t house = argument & 0xFFFF;
    if (!getHouse(house)) {
        pendingApplicantHouse = -1;
        return false;
    }
    pendingApplicantHouse = house;
    pendingApplicantHistory = clampHistory(argument >> 16);
    return true;
}

void moveIn(int32_t house, int32_t history) {
    HouseState* h = getHouse(house);
    if (!h) return;
    h->renterSinceDay = dayOfMonth;
    h->renterSinceMonth = currentMonthOfYear();
    h->hasRenter = 1;
    h->renterHistory = clampHistory(history);
    h->wear = 0.0f;
    h->damagePending = 0;
    h->renterMood = renterMoodOf(house);
}

void renterLeaves(int32_t house) {
    HouseState* h = getHouse(house);
    if (!h) return;
    h->hasRenter = 0;
    h->renterMood = 0;
    h->applicantProgress = 0.0f;
    h->wear = 0.0f;
    h->damagePending = 0;
    if (h->owner == kOwnerPlayer) {
        Notice n{NoticeKind::kRenterLeft};
        n.house = house;
        n.owner = kOwnerPlayer;
        raiseNotice(n);
    }
}

} // namespace bv

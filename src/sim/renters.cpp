#include "sim/renters.h"

#include "sim/houses.h"
#include "sim/notices.h"
#include "sim/tenancy.h"

namespace bv {

int32_t rentChoice = kRentNormal;

void acceptApplicant() {
    const int32_t house = pendingApplicantHouse;
    pendingApplicantHouse = -1;
    if (!getHouse(house)) return;
    moveIn(house, pendingApplicantHistory);
    Notice n{NoticeKind::kRenterMovedIn};
    n.house = house;
    raiseNotice(n);
}

void refuseApplicant() {
    // The house's progress was spent when the applicant arrived: the next one needs a full run.
    pendingApplicantHouse = -1;
}

void beginRentChoice(int32_t house) {
    const HouseState* h = getHouse(house);
    rentChoice = h ? h->rentLevel : kRentNormal;
    if (rentChoice < kRentLow) rentChoice = kRentLow;
    if (rentChoice > kRentHigh) rentChoice = kRentHigh;
}

bool stepRentChoice(int32_t delta) {
    const int32_t next = rentChoice + delta;
    if (next < kRentLow || next > kRentHigh) return false;
    rentChoice = next;
    raiseNotice(Notice{NoticeKind::kRentStepped});
    return true;
}

void applyRentChoice(int32_t house) {
    HouseState* h = getHouse(house);
    if (!h) return;
    h->rentLevel = rentChoice;
    h->renterMood = renterMoodOf(house);
}

const char* rentLevelKey(int32_t level) {
    static const char* const kKeys[3] = {"lowRent", "normalRent", "highRent"};
    return level >= 0 && level < 3 ? kKeys[level] : "";
}

const char* renterMoodKey(int32_t mood) {
    static const char* const kKeys[3] = {"happyRenter", "neutralRenter", "unhappyRenter"};
    return mood >= 0 && mood < 3 ? kKeys[mood] : "";
}

const char* renterWouldBeKey(int32_t mood) {
    static const char* const kKeys[3] = {"renterWouldBeHappy", "renterWouldBeNeutral",
                                         "renterWouldBeUnhappy"};
    return mood >= 0 && mood < 3 ? kKeys[mood] : "";
}

} // namespace bv

#include "sim/renters.h"

#include "assets/strings.h"
#include "audio/sound.h"
#include "levels/map.h"
#include "sim/houses.h"
#include "sim/later_steps.h"
#include "sim/tenancy.h"
#include "ui/dialog.h"
#include "ui/format.h"

namespace bv {

int32_t rentChoice = kRentNormal;

namespace {

constexpr int32_t kBoardState = 2;
// The renter-left message grows from the middle of the board.
constexpr int32_t kLeftOriginX = 400;
constexpr int32_t kLeftOriginY = 300;
constexpr int32_t kLeftBox[4] = {200, 190, 400, 220};

char16_t g_leftBody[kFormatBufferUnits];

} // namespace

void acceptApplicant() {
    const int32_t house = pendingApplicantHouse;
    pendingApplicantHouse = -1;
    if (!getHouse(house)) return;
    moveIn(house, pendingApplicantHistory);
    playSound(kSoundRenterIn);
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
    playSound(kSoundRentStep);
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

void showRenterLeftMessage(int32_t house) {
    const MapHouse* m = getMapHouse(house);
    const char16_t* format = text("renterHasLeftBody");
    if (!m) return;
    g_leftBody[0] = 0;
    if (format) formatWideText(g_leftBody, kFormatBufferUnits, format, m->address);
    showSimpleDialogText(kBoardState, 1.0f, kLeftOriginX, kLeftOriginY, kLeftBox[0], kLeftBox[1], kLeftBox[2],
                         kLeftBox[3], text("renterHasLeftTitle"), g_leftBody);
}

} // namespace bv

// A rent applicant (state 55): someone wants to rent one of the player's empty houses; "yes" lets
// him move in, "no" sends him away (the next applicant needs a full new run of progress).
#include "assets/strings.h"
#include "assets/text_keys.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "screens/board_parts.h"
#include "screens/market_dialogs.h"
#include "screens/town_view.h"
#include "sim/houses.h"
#include "sim/owner.h"
#include "sim/renters.h"
#include "sim/tenancy.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "world/map.h"

namespace bv {

namespace {

// Still the player's empty house: a sale or a renter taken in the meantime ends the question.
bool applicantHouse() {
    const HouseState* h = getHouse(pendingApplicantHouse);
    return h && h->owner == kOwnerPlayer && !h->hasRenter;
}

void yesClicked(int32_t, int32_t, int32_t) {
    acceptApplicant();
    changeState(kStateGame);
}

void noClicked(int32_t, int32_t, int32_t) {
    refuseApplicant();
    changeState(kStateGame);
}

} // namespace

int32_t enterRentApplicant(int32_t, int32_t, int32_t argument) {
    if (!takeApplicantFromArgument(argument) || !applicantHouse()) {
        pendingApplicantHouse = -1;
        changeState(kStateGame);
        return 0;
    }
    openDialogCentred();
    return 0;
}

int32_t updateRentApplicant(int32_t) {
    if (!applicantHouse()) {
        pendingApplicantHouse = -1;
        changeState(kStateGame);
        return 0;
    }
    if (!dialogFrame(100, 25, 600, 450)) return 0;
    const int32_t house = pendingApplicantHouse;
    pushFont(&fontArial20Brown);
    printKey(400, 75, true, 0, "rentApplicantTitle");
    popFont();
    drawHouseCard(house, 400, 115);
    pushFont(&fontArial15Brown);
    setTextArea(120, 300, 660, 600);
    printBoardKey(120, 330, false, 0, "rentApplicantText", getMapHouse(house)->address);
    const int32_t line = lineHeight();
    const char16_t* history = lookupVariant("history", pendingApplicantHistory);
    printBoardKey(120, penY() + line + line / 2, false, 0, "rentHistory", history ? history : u"");
    printKey(120, penY() + line + line / 2, false, 0, "acceptRenter");
    setTextArea(0, 0, kFrameWidth, kFrameHeight);
    popFont();
    button(249, 435, 200, 30, text("yes"), 0, yesClicked);
    button(550, 435, 200, 30, text("no"), 0, noClicked);
    return 0;
}

} // namespace bv

// The make-offer dialog (state 33, and 34 which keeps the offer already made): the player edits an
// offer on the selected listed house and submits it; the seller's answer follows as a message, as
// his counter-offer (state 51) or as the purchase itself.
#include "assets/strings.h"
#include "audio/sound.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/format.h"
#include "gfx/text.h"
#include "screens/board_parts.h"
#include "screens/market_dialogs.h"
#include "sim/cash.h"
#include "sim/credit.h"
#include "sim/houses.h"
#include "sim/market.h"
#include "sim/owner.h"
#include "sim/sim_settings.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "ui/money.h"
#include "world/map.h"

namespace bv {

namespace {

constexpr int32_t kBoxX = 125, kBoxY = 40, kBoxW = 550, kBoxH = 420;
constexpr int32_t kControlX = 263, kControlY = 280;
constexpr int32_t kInfoX = 420, kInfoY = 210, kInfoW = 235;
// The unfinanced counter's message grows from the right of the board.
constexpr int32_t kSubmitTag = 20; // the tutorial's "make offer" step points at it
constexpr int32_t kRejectOriginX = 500, kRejectOriginY = 300;

char16_t g_crankyText[kFormatBufferUnits];

// The house an offer can be made on: listed and not the player's.
bool offerHouse(int32_t house) {
    const HouseState* h = getHouse(house);
    return h && h->forSale && h->owner != kOwnerPlayer;
}

// A seller still cranky about earlier offers does not listen: the message replaces the dialog.
bool crankySeller(int32_t house) {
    const HouseState* h = getHouse(house);
    if (!h || h->crankyMonths <= 0) return false;
    if (h->crankyMonths >= 2) {
        const char16_t* format = text("crankyAtPlayerForMonths");
        g_crankyText[0] = 0;
        if (format) formatWide(g_crankyText, kFormatBufferUnits, format, static_cast<int>(h->crankyMonths));
        simpleDialogFromMouse(kStateGame, 460, 180, nullptr, g_crankyText);
    } else {
        partyMessage("crankyAtPlayerOneMonth", h->owner);
    }
    return true;
}

int32_t enterOffer(bool fresh) {
    const int32_t house = selectedHouse;
    if (!offerHouse(house)) {
        changeState(kStateGame);
        return 0;
    }
    playSound(kSoundMarketClick);
    if (crankySeller(house)) return 0;
    if (fresh) {
        const int32_t limit = maxPurchase(kOwnerPlayer);
        dealOffer = limit < selectedHouseState()->askingPrice ? limit : selectedHouseState()->askingPrice;
        if (dealOffer < 0) dealOffer = 0;
    }
    dealHouse = house;
    openDialogAtMouse();
    return 0;
}

void submitClicked(int32_t, int32_t, int32_t house) {
    const HouseState* h = getHouse(house);
    if (!h) return;
    const int32_t seller = h->owner;
    switch (submitPlayerOffer(house)) {
    case kOfferAccepted:
        playSound(kSoundDeal);
        partyMessage("dealSoundsGreat", seller);
        break;
    case kOfferCounter:
        changeState(kStateSellerCounter);
        break;
    case kOfferUnfinanced:
        showSimpleDialog(kStateGame, 1.0f, kRejectOriginX, kRejectOriginY, 300, 200, 400, 200,
                         "offerRejectedTitle", "offerRejectedBody");
        break;
    case kOfferBallpark:
        partyMessage("notInBallpark", seller);
        break;
    case kOfferNoDeal:
        partyMessage("noDealNow", seller);
        break;
    default:
        changeState(kStateGame);
        break;
    }
}

// The financing of a purchase at the offer, on the right.
void drawTerms(int32_t house) {
    const int32_t dp = downPayment(kOwnerPlayer, dealOffer);
    const int32_t principal = dealOffer - dp;
    const float rate = loanRateOf(kOwnerPlayer);
    const int32_t payment = truncMoney(mortgagePayment(principal, rate, kMortgageMonths));
    setTextArea(kInfoX, kInfoY, kInfoX + kInfoW, kFrameHeight);
    const int32_t line = lineHeight();
    int32_t y = kInfoY;
    printKey(kInfoX, y, false, 0, "atNormalRent", moneyStr(rent(house, kRentNormal)));
    y = penY() + line + line / 2;
    printKey(kInfoX, y, false, 0, "mtgPayment", moneyStr(payment));
    y = penY() + line;
    printKey(kInfoX, y, false, 0, "mtgPrincipal", moneyStr(principal));
    if (advancedEconomyOn()) {
        y = penY() + line + line / 2;
        printKey(kInfoX, y, false, 0, "loanRate", static_cast<double>(rate));
        const char16_t* rating = creditRatingName(creditRatingOf(kOwnerPlayer));
        if (rating) drawText(kInfoX, penY() + line, false, kPanelRed, rating);
    }
    setTextArea(0, 0, kFrameWidth, kFrameHeight);
}

} // namespace

int32_t enterMakeOffer(int32_t, int32_t, int32_t) {
    return enterOffer(true);
}

int32_t enterMakeOfferAgain(int32_t, int32_t, int32_t) {
    return enterOffer(false);
}

int32_t updateMakeOffer(int32_t) {
    const int32_t house = dealHouse;
    if (!offerHouse(house)) {
        changeState(kStateGame);
        return 0;
    }
    if (!dialogFrame(kBoxX, kBoxY, kBoxW, kBoxH)) return 0;
    const HouseState* h = getHouse(house);
    pushFont(&fontArial20Brown);
    printKey(400, 90, true, 0, "makeOffer");
    popFont();
    if (const Sprite* picture = housePicture(house)) drawSprite(frameBuffer, kControlX, 230, picture, false);
    const int32_t limit = maxPurchase(kOwnerPlayer);
    const PriceControl control{&dealOffer, 0, limit < 0 ? 0 : limit, kSoundOfferStep, true, true};
    const bool atMax = dealOffer >= control.hi;
    priceControl(kControlX, kControlY, control, atMax ? "maxOffer" : "offer", atMax ? kPanelGold : 0);
    pushFont(&fontArial15Brown);
    printKey(kControlX, 330, true, 0, "askAmt", moneyStr(h->askingPrice));
    printKey(kControlX, 350, true, 0, "downPayment", moneyStr(downPayment(kOwnerPlayer, dealOffer)));
    drawTerms(house);
    popFont();
    button(262, 420, 183, 30, text("makeOffer"), house, submitClicked);
    tagLastHotSpot(kSubmitTag);
    button(537, 420, 183, 30, text("cancel"), kStateGame, goStateClick);
    return 0;
}

} // namespace bv

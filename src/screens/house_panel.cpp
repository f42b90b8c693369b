// The house panel: the selected house's owner, its card, its figures and what the player can do
// with it.
#include <algorithm>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "assets/strings.h"
#include "assets/text_keys.h"
#include "audio/sound.h"
#include "core/clock.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "screens/board_parts.h"
#include "screens/town_view.h"
#include "sim/credit.h"
#include "sim/houses.h"
#include "sim/market.h"
#include "sim/owner.h"
#include "sim/owners.h"
#include "sim/repairs.h"
#include "sim/sim_settings.h"
#include "ui/button.h"
#include "ui/hotspots.h"
#include "ui/widgets.h"
#include "world/map.h"

namespace bv {

namespace {

constexpr int32_t kFiguresX = 220;
constexpr int32_t kFiguresTop = 478;
constexpr int32_t kFigureStep = 18;
constexpr int32_t kButtonsX = 725;
constexpr int32_t kButtonsTop = 505;
constexpr int32_t kButtonStep = 35;
constexpr int32_t kButtonW = 130, kButtonH = 30;
constexpr int32_t kOwnerY = 540;
constexpr int32_t kFirstPanelLeft = 12; // inside the first of the panel's cream fields
constexpr int32_t kFirstPanelRight = 197;
constexpr uint32_t kPanelText = 0x4A2A10; // the small bold font is light: tinted dark brown here
// Tags of the buttons the tutorial points at.
constexpr int32_t kMakeOfferTag = 19;
constexpr int32_t kChangeRentTag = 21;
constexpr int32_t kUpgradeTag = 22;

const char* const kRentLineKeys[3] = {"cashLowRent", "cashNormalRent", "cashHighRent"};

// The offer dialog, or the not-enough-cash notice when the cash does not cover the down payment
// at the asking price.
void makeOfferClicked(int32_t, int32_t, int32_t house) {
    const HouseState* h = getHouse(house);
    if (!h) return;
    playSound(kSoundClickWhoosh, 5);
    const bool covered = owners[kOwnerPlayer].cash >= downPayment(kOwnerPlayer, h->askingPrice);
    changeState(covered ? kStateMakeOffer : kStateNotEnoughCash, 0);
}

// The owner's portrait and name. The bank's portrait is the bank's picture. Beside the economy
// chart the owner stands higher and the name is kept inside the first panel.
void drawOwner(int32_t owner) {
    const bool besideChart = advancedEconomyOn();
    const int32_t x = panelOwnerX();
    const int32_t y = besideChart ? kOwnerY - 40 : kOwnerY;
    avatarPicture(x, y, owner, kAvatarSmall, owner >= kOwnerPlayer && owner < kOwnerCount);
    pushFont(besideChart ? &fontArial12Bld : &fontArial15Brown);
    const char16_t* name = ownerName(owner);
    const int32_t half = textWidth(name) / 2;
    const int32_t centre =
        std::clamp(x, kFirstPanelLeft + half, std::max(kFirstPanelLeft + half, kFirstPanelRight - half));
    drawText(centre, y + 28, true, besideChart ? kPanelText : 0, name);
    popFont();
}

// The figure lines: one per call, 18 pixels apart.
struct Figures {
    int32_t y = kFiguresTop;
    void key(const char* k, const char16_t* arg) {
        printBoardKey(kFiguresX, y, false, 0, k, arg);
        y += kFigureStep;
    }
    void count(const char* k, int32_t n) {
        printBoardKey(kFiguresX, y, false, 0, k, n);
        y += kFigureStep;
    }
};

void drawFigures(int32_t house, const HouseState& h) {
    Figures f;
    pushFont(&fontArial15Brown);
    if (h.forSale) {
        f.key("askAmt", moneyText(h.askingPrice).text);
        if (h.owner != kOwnerPlayer)
            f.key("downPayment", moneyText(downPayment(kOwnerPlayer, h.askingPrice)).text);
    }
    f.key("estValue", moneyText(currentValue(house)).text);
    f.key("upgradeCost", moneyText(upgradeCostOf(house)).text);
    // A house the player owns outright shows no rent line: rent and renter belong to the
    // mortgage block of the panel.
    if (h.owner == kOwnerPlayer && h.mtgPrincipal > 0) {
        f.key("mtgPayment", moneyText(h.mtgPayment).text);
        if (h.monthsInArrears > 0)
            f.count("monthsInArrears", h.monthsInArrears);
        else
            f.key("mtgPrincipal", moneyText(h.mtgPrincipal).text);
        if (h.hasRenter) {
            // The renter who is moving out smiles: he is leaving for the work, not in anger.
            const int32_t mood = h.evicting ? kMoodHappy : std::clamp(h.renterMood, 0, 2);
            if (const Sprite* face = spriteAt(iconSprites, pic::kIconFaceHappy + mood))
                drawSprite(frameBuffer, kFiguresX - 20, f.y + 8, face, false);
            f.key(kRentLineKeys[std::clamp(h.rentLevel, 0, 2)], moneyText(currentRent(house)).text);
            f.key("rentHistory", lookupVariant("history", std::clamp(h.renterHistory, 0, 4)));
        } else if (totalTicks & 16) {
            printBoardKey(kFiguresX, f.y, false, 0, "advForRenter");
        }
    }
    popFont();
}

void drawButtons(int32_t house, const HouseState& h) {
    int32_t y = kButtonsTop;
    auto next = [&y]() {
        const int32_t at = y;
        y += kButtonStep;
        return at;
    };
    const bool mine = h.owner == kOwnerPlayer;
    if (mine) {
        const bool working = h.renoKind != kWorkNone || h.evicting;
        const bool canStart = h.level < kMaxLevel && !working;
        button(kButtonsX, next(), kButtonW, kButtonH, text("upgrade"), kStateUpgrade,
               canStart ? goStateWhoosh : nullptr);
        if (canStart) tagLastHotSpot(kUpgradeTag);
    }
    if (h.forSale && !mine) {
        button(kButtonsX, next(), kButtonW, kButtonH, text("makeOffer"), house, makeOfferClicked);
        tagLastHotSpot(kMakeOfferTag);
    } else if (h.forSale) {
        button(kButtonsX, next(), kButtonW, kButtonH, text("changeListing"), kStateChangeListing,
               goStateWhoosh);
    }
    if (mine) {
        button(kButtonsX, next(), kButtonW, kButtonH, text("changeRent"), kStateSetRent, goStateWhoosh);
        tagLastHotSpot(kChangeRentTag);
        if (!h.forSale)
            button(kButtonsX, next(), kButtonW, kButtonH, text("sell"), kStateSetSalePrice, goStateWhoosh);
    }
}

} // namespace

int32_t panelOwnerX() {
    // The economy chart takes the left of the first panel; the owner moves beside it.
    return advancedEconomyOn() ? 160 : 90;
}

void drawHousePanel(int32_t house) {
    const HouseState* h = getHouse(house);
    if (!h) return;
    drawOwner(h->owner);
    // The selected house blinks in the town: hidden while bit 2 of the frame counter is clear.
    mapHouses[house].highlight = (frameCount & 2) ? 0 : 2;
    drawHouseCard(house, 550, 445, CardLayout::kPanel);
    drawFigures(house, *h);
    drawButtons(house, *h);
}

} // namespace bv

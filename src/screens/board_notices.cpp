#include "screens/board_notices.h"

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "assets/strings.h"
#include "audio/sound.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/format.h"
#include "screens/board_parts.h"
#include "screens/float_effects.h"
#include "screens/sparks.h"
#include "sim/houses.h"
#include "sim/owner.h"
#include "sim/repairs.h"
#include "ui/dialog.h"
#include "world/map.h"

namespace bv {

namespace {

// The house messages (permanent damage, a condemned building, the damage meter).
constexpr int32_t kMessageWidth = 440;
constexpr int32_t kMessageHeight = 240;
constexpr int32_t kMessageUnits = 1000;

// The renter-left message grows from the middle of the board.
constexpr int32_t kLeftOriginX = 400;
constexpr int32_t kLeftOriginY = 300;
constexpr int32_t kLeftBox[4] = {200, 190, 400, 220};

const Sprite* icon(int32_t index) {
    return index >= 0 && index < iconSprites.count ? &iconSprites.sprites[index] : nullptr;
}

void popIcon(int32_t house, int32_t index) {
    float x = 0, y = 0;
    houseEffectPoint(house, &x, &y);
    popPicture(icon(index), x, y);
}

// How each house message looks.
struct HouseMessageLook {
    const char* titleKey;
    const char* bodyKey;
    int32_t originX, originY;
    int32_t x, y, width, height;
};
HouseMessageLook lookOf(int32_t message) {
    constexpr int32_t kX = 400 - kMessageWidth / 2, kY = 300 - kMessageHeight / 2;
    switch (message) {
    case kMessageRenterLeft:
        return {"renterHasLeftTitle", "renterHasLeftBody", kLeftOriginX, kLeftOriginY,
                kLeftBox[0],          kLeftBox[1],         kLeftBox[2],  kLeftBox[3]};
    case kMessagePermanentDamage:
        return {"permanentDamageTitle", "permanentDamageBody", 600, 270, kX, kY,
                kMessageWidth,          kMessageHeight};
    case kMessageCondemned:
        return {"buildingCondemnedTitle",
                "buildingCondemnedBody",
                600,
                270,
                kX,
                kY,
                kMessageWidth,
                kMessageHeight};
    default:
        return {nullptr, nullptr, 0, 0, 0, 0, 0, 0};
    }
}

// The message waits in the dialog queue until the board is current again, each its own.
void queueHouseMessage(int32_t message, int32_t house) {
    if (getMapHouse(house)) queueState(kStateHouseMessage, houseMessageArgument(message, house));
}

void workStarted(const Notice& n) {
    const bool player = n.owner == kOwnerPlayer;
    switch (n.detail) {
    case kNoticeWorkUpgrade:
        popIcon(n.house, pic::kIconWorkStarted);
        if (player) playSound(kSoundWorkStarted);
        break;
    case kNoticeWorkRenovation:
        popIcon(n.house, pic::kIconRenovation);
        break;
    case kNoticeWorkMovingOut:
        popIcon(n.house, pic::kIconMovingOut);
        break;
    case kNoticeWorkRenterGone: {
        if (player) playSound(kSoundWorkStarted);
        const HouseState* h = getHouse(n.house);
        popIcon(n.house,
                h && h->renoKind == kWorkCompleteReno ? pic::kIconRenovation : pic::kIconWorkStarted);
        break;
    }
    default:
        break;
    }
}

} // namespace

void houseEffectPoint(int32_t house, float* x, float* y) {
    const MapHouse* m = getMapHouse(house);
    const Sprite* picture = m ? housePicture(house) : nullptr;
    const int32_t height = picture ? picture->height : 0;
    if (x) *x = m ? static_cast<float>(m->x) : 0.0f;
    if (y) *y = m ? static_cast<float>(m->y) - static_cast<float>(height) - 30.0f : 0.0f;
}

int32_t presentNotice(const Notice& n) {
    switch (n.kind) {
    case NoticeKind::kBoardCleared:
        clearEffects();
        break;
    case NoticeKind::kMonthHurried:
        playSound(kSoundClickWhoosh);
        break;
    case NoticeKind::kCreditChanged:
        moneyFlight(static_cast<float>(n.x), static_cast<float>(n.y), static_cast<float>(kCreditGaugeX),
                    static_cast<float>(kCreditGaugeY), n.amount);
        playSound(n.amount < 0 ? kSoundOutOfLuck : kSoundHarpFlourish);
        break;
    case NoticeKind::kRentCollected: {
        float x = 0, y = 0;
        houseEffectPoint(n.house, &x, &y);
        popPicture(icon(pic::kIconRentCollected), x, y);
        const int32_t flight = moneyFlight(x, y, kCashDisplayX, kCashDisplayY, n.amount);
        playSound(kSoundCashRegister);
        return flight;
    }
    case NoticeKind::kRenterLeaves:
        popIcon(n.house, pic::kIconRenterLeaves);
        break;
    case NoticeKind::kRenterLeft:
        queueHouseMessage(kMessageRenterLeft, n.house);
        break;
    case NoticeKind::kRenterMovedIn:
        playSound(kSoundRenterIn);
        break;
    case NoticeKind::kRentStepped:
        playSound(kSoundRentStep);
        break;
    case NoticeKind::kPriceCut:
        popIcon(n.house, pic::kIconPriceReduced);
        playSound(kSoundPriceCut);
        break;
    case NoticeKind::kPaymentMissed: {
        float x = 0, y = 0;
        houseEffectPoint(n.house, &x, &y);
        showEffect(kFloatRisingPicture, x, y, icon(pic::kIconArrears1 - 1 + n.amount), 0, nullptr);
        break;
    }
    case NoticeKind::kPaymentMade: {
        float x = 0, y = 0;
        houseEffectPoint(n.house, &x, &y);
        popPicture(icon(pic::kIconPaymentMade), x, y);
        if (n.owner == kOwnerPlayer && n.amount != 0)
            moneyFlight(kCashDisplayX, kCashDisplayY, x, y, -n.amount);
        break;
    }
    case NoticeKind::kHouseListed:
        playSound(kSoundListed);
        break;
    case NoticeKind::kBuyerOffer:
        playSound(kSoundBuyerOffer);
        break;
    case NoticeKind::kPurchase:
        announcePurchase(n.owner, n.house);
        break;
    case NoticeKind::kCounterAccepted:
        playSound(kSoundDeal);
        break;
    case NoticeKind::kCounterRefused:
        playSound(kSoundRefused);
        break;
    case NoticeKind::kWorkStarted:
        workStarted(n);
        break;
    case NoticeKind::kWorkFinished:
        if (const MapHouse* m = getMapHouse(n.house))
            startCelebrationBurst(static_cast<float>(m->x), static_cast<float>(m->y));
        break;
    case NoticeKind::kPermanentDamage:
        queueHouseMessage(kMessagePermanentDamage, n.house);
        break;
    case NoticeKind::kBuildingCondemned:
        queueHouseMessage(kMessageCondemned, n.house);
        break;
    }
    return 0;
}

int32_t houseMessageArgument(int32_t message, int32_t house) {
    return message << 24 | (house & 0xFFFFFF);
}

int32_t houseMessageEnter(int32_t, int32_t, int32_t argument) {
    const int32_t message = argument >> 24;
    const HouseMessageLook look = lookOf(message);
    const MapHouse* m = getMapHouse(argument & 0xFFFFFF);
    if (!look.titleKey || !m) {
        changeState(kStateGame);
        return 0;
    }
    // The renter-left text takes the address as a wide text, the damage texts as a narrow one.
    char16_t body[kMessageUnits];
    body[0] = 0;
    if (const char16_t* format = text(look.bodyKey)) {
        if (message == kMessageRenterLeft)
            formatWideText(body, kMessageUnits, format, m->address);
        else
            formatWide(body, kMessageUnits, format, narrow(m->address));
    }
    prepareSimpleDialog(kStateGame, look.originX, look.originY, look.x, look.y, look.width, look.height,
                        text(look.titleKey), body[0] ? body : nullptr);
    resetDialog(1.0f);
    return 0;
}

void damageMeterClicked(int32_t house) {
    const HouseState* h = getHouse(house);
    if (!h) return;
    if (h->damagePending) {
        changeState(kStateRepairs, house);
        return;
    }
    showSimpleDialogText(kStateGame, 1.0f, 640, 360, 400 - kMessageWidth / 2, 300 - kMessageHeight / 2,
                         kMessageWidth, kMessageHeight, text("damageMeterTitle"), text("damageMeterBody"));
}

} // namespace bv

// The bar across the top of the board: the player's portrait and name, the cash, the level, the
// date and the month counter on their plaques, the credit gauge and the "EndMonth" button.
#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "assets/strings.h"
#include "assets/text_keys.h"
#include "core/state_ids.h"
#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "screens/board_parts.h"
#include "screens/town_view.h"
#include "sim/calendar.h"
#include "sim/credit.h"
#include "sim/owner.h"
#include "sim/owners.h"
#include "sim/sim_settings.h"
#include "ui/button.h"
#include "ui/hotspots.h"
#include "ui/widgets.h"
#include "world/scenario.h"

namespace bv {

namespace {

constexpr int32_t kPlaqueMiddle = 23; // the plaques run from row 8 to row 38
constexpr int32_t kNamePlateMiddle = 70;
constexpr int32_t kEndMonthTag = 24; // the tutorial's "hurry the month" step points at it
constexpr uint32_t kTimeUpRed = 0xC00000;

void endMonthClicked(int32_t, int32_t, int32_t) {
    hurry();
}

void drawPortrait() {
    const int32_t avatar = ownerAvatarIndex(kOwnerPlayer);
    if (const Sprite* p = spriteAt(smallCharacterSprites, avatar)) drawSprite(frameBuffer, 52, 30, p, false);
    pushFont(&fontArial12Bld);
    const char16_t* name = ownerName(kOwnerPlayer);
    if (name && name[0]) drawText(52, penYForCentre(kNamePlateMiddle), true, 0x4A2A10, name);
    popFont();
}

void drawDate(int32_t y) {
    // The date: month abbreviation and the day counted from 1.
    printBoardText(515, y, true, 0, u"%s %d", lookupVariant("abbrevMonth", currentMonthOfYear()),
                   dayOfMonth + 1);
    // The month counter; once a level without the advanced economy has run its term it shows
    // the full count in red.
    const int32_t months = currentMonthsToPlay();
    if (!advancedEconomyOn() && monthsElapsed >= months)
        printBoardText(590, y, true, kTimeUpRed, u"%d/%d", months, months);
    else
        printBoardText(590, y, true, 0, u"%d/%d", monthsElapsed + 1, months);
}

} // namespace

void drawTopBar() {
    if (const Sprite* bar = spriteAt(backgroundSprites, pic::kBkgndTopBar))
        drawSprite(frameBuffer, 0, 0, bar, false);
    drawPortrait();
    pushFont(&fontArial15Brown);
    const int32_t y = penYForCentre(kPlaqueMiddle);
    printBoardKey(160, y, true, 0, "cash", moneyText(owners[kOwnerPlayer].cash).text);
    printBoardKey(375, y, true, 0, "whichLevel", currentLevel + 1, scenario.levelCount);
    drawDate(y);
    popFont();
    drawBoardCreditGauge();
    button(730, 17, 130, 30, text("EndMonth"), 0, endMonthClicked);
    tagLastHotSpot(kEndMonthTag);
}

void drawBoardCreditGauge() {
    if (!advancedEconomyOn()) return;
    drawCreditGauge(kCreditGaugeX, kCreditGaugeY, creditGaugeRatio());
    if (const Sprite* dial = spriteAt(iconSprites, pic::kIconGaugeDial)) {
        const Rect r = spriteRectAt(kCreditGaugeX, kCreditGaugeY, dial, false);
        // The needle's text below the dial is part of the target.
        addHotSpot(r.x, r.y, r.width, r.height + 34, goStateWhoosh, kStateCreditDetails);
    }
}

} // namespace bv

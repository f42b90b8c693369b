// The price control of the market dialogs and the messages the dialogs leave behind them.
#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "assets/strings.h"
#include "audio/sound.h"
#include "core/input.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "screens/board_parts.h"
#include "screens/market_dialogs.h"
#include "sim/cash.h"
#include "sim/market.h"
#include "sim/owners.h"
#include "ui/dialog.h"
#include "ui/widgets.h"

namespace bv {

namespace {

constexpr int32_t kArrowDx = 70;
constexpr int32_t kArrowDy = 22;
constexpr int32_t kLargeBit = 1;
constexpr int32_t kUpBit = 2;
constexpr int32_t kPortraitNameDy = 75;

// The control drawn this frame: its arrows' clicks act on it. One control per dialog.
PriceControl g_control{};

void arrowClicked(int32_t, int32_t, int32_t value) {
    priceControlClick(g_control, (value & kLargeBit) != 0, (value & kUpBit) != 0, isPressed(kSlotShift));
}

} // namespace

void priceControlClick(const PriceControl& control, bool large, bool up, bool shift) {
    if (!control.amount) return;
    const int32_t now = *control.amount;
    const int32_t step = large ? largePriceStep(now, shift) : smallPriceStep(now, shift);
    *control.amount = stepPrice(now, up ? step : -step, control.lo, control.hi);
    playSound(control.sound);
}

void priceControl(int32_t x, int32_t y, const PriceControl& control, const char* label,
                  uint32_t labelColour) {
    if (!control.amount) return;
    g_control = control;
    const int32_t amount = *control.amount;
    pushFont(&fontArial15Brown);
    if (label)
        printBoardKey(x, y - 8, true, labelColour, label, moneyText(amount).text);
    else
        printBoardText(x, y - 8, true, labelColour, u"%s", moneyText(amount).text);
    popFont();
    const Sprite* upArrow = spriteAt(iconSprites, pic::kIconArrowUp);
    const Sprite* downArrow = spriteAt(iconSprites, pic::kIconArrowDown);
    const bool showUp = !(control.hideUpAtMax && amount >= control.hi);
    const bool downOff = amount <= control.lo;
    for (int32_t side = 0; side < 2; ++side) {
        const int32_t ax = side == 0 ? x - kArrowDx : x + kArrowDx;
        const bool large = (side == 0) != control.smallOnLeft;
        const int32_t v = large ? kLargeBit : 0;
        if (showUp && upArrow)
            spriteButton(ax, y - kArrowDy, upArrow, v | kUpBit, arrowClicked, false, false);
        if (downArrow) spriteButton(ax, y + kArrowDy, downArrow, v, arrowClicked, false, downOff);
    }
}

void partyPortrait(int32_t x, int32_t y, int32_t owner) {
    avatarPicture(x, y, owner, 0, false);
    pushFont(&fontArial15Brown);
    drawText(x, y + kPortraitNameDy, true, 0, ownerName(owner));
    popFont();
}

void partyMessage(const char* bodyKey, int32_t owner) {
    if (dialogHouseSelected()) {
        showAvatarMessage(kStateGame, bodyKey, owner);
        return;
    }
    simpleDialogCentredKeys(kStateGame, 500, 200, nullptr, bodyKey);
}

} // namespace bv

// The rent level of the selected house (state 46): the current rent and the renter's mood on the
// left; on the right the level being chosen with its rent and how the renter would take it.
#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "assets/strings.h"
#include "core/clock.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "screens/board_parts.h"
#include "screens/market_dialogs.h"
#include "screens/town_view.h"
#include "sim/cash.h"
#include "sim/houses.h"
#include "sim/owner.h"
#include "sim/renters.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "ui/money.h"
#include "ui/widgets.h"

namespace bv {

namespace {

constexpr int32_t kCardX = 200, kCardY = 140;
constexpr int32_t kRightX = 360, kRightY = 110, kRightW = 365;
constexpr int32_t kArrowGap = 200;
constexpr int32_t kBlinkBit = 32;

bool rentHouse() {
    const HouseState* h = selectedHouseState();
    return h && h->owner == kOwnerPlayer;
}

void stepClicked(int32_t, int32_t, int32_t value) {
    stepRentChoice(value);
}

void okClicked(int32_t, int32_t, int32_t) {
    if (rentHouse()) applyRentChoice(selectedHouse);
    changeState(kStateGame);
}

const Sprite* face(int32_t mood) {
    return spriteAt(iconSprites, pic::kIconFaceHappy + (mood < 0 ? 0 : (mood > 2 ? 2 : mood)));
}

// "noRenter", shown only while the blink bit of the tick counter is set.
void blinkingNoRenter(int32_t x, int32_t y) {
    if (totalTicks & kBlinkBit) printKey(x, y, true, kPanelRed, "noRenter");
}

} // namespace

int32_t enterSetRent(int32_t, int32_t, int32_t) {
    if (!rentHouse()) {
        changeState(kStateGame);
        return 0;
    }
    beginRentChoice(selectedHouse);
    openDialogAtMouse();
    return 0;
}

int32_t updateSetRent(int32_t) {
    if (!rentHouse()) {
        changeState(kStateGame);
        return 0;
    }
    if (!dialogFrame(50, 30, 700, 440)) return 0;
    const int32_t house = selectedHouse;
    const HouseState& h = *selectedHouseState();
    pushFont(&fontArial20Brown);
    printKey(400, 70, true, 0, "raisingRent");
    popFont();
    drawHouseCard(house, kCardX, kCardY);
    pushFont(&fontArial15Brown);
    const int32_t line = lineHeight();
    // The rent now, and the renter's mood (or the blinking empty-house notice).
    int32_t y = kCardY + 165 + 20;
    printKey(kCardX, y, true, 0, rentLevelKey(h.rentLevel));
    printKey(kCardX, y + line, true, 0, h.hasRenter ? "currentRent" : "askingRent",
             moneyStr(rent(house, h.rentLevel)));
    if (h.hasRenter) {
        const int32_t mood = renterMoodOf(house);
        if (const Sprite* f = face(mood)) drawSprite(frameBuffer, kCardX - 90, y + 2 * line + 8, f, false);
        printKey(kCardX + 10, y + 2 * line, true, 0, renterMoodKey(mood));
    } else {
        blinkingNoRenter(kCardX, y + 2 * line);
    }
    // The explanation, then the choice between its arrows.
    setTextArea(kRightX, kRightY, kRightX + kRightW, kFrameHeight);
    printKey(kRightX, kRightY, false, 0, "raisingRentExplained");
    setTextArea(0, 0, kFrameWidth, kFrameHeight);
    y = penY() + 3 * line;
    const int32_t cx = kRightX + kRightW / 2;
    const Sprite* left = spriteAt(iconSprites, pic::kIconArrowLeft);
    const Sprite* right = spriteAt(iconSprites, pic::kIconArrowRight);
    if (left)
        spriteButton(cx - kArrowGap / 2, y + line, left, -1, stepClicked, false, rentChoice <= kRentLow);
    if (right)
        spriteButton(cx + kArrowGap / 2, y + line, right, 1, stepClicked, false, rentChoice >= kRentHigh);
    printKey(cx, y, true, 0, rentLevelKey(rentChoice));
    printBoardText(cx, y + line, true, kPanelGold, u"%s", moneyText(rent(house, rentChoice)).text);
    if (h.hasRenter) {
        const int32_t mood = moodFor(house, h.level, rentChoice);
        printKey(cx, y + 2 * line + 4, true, 0, renterWouldBeKey(mood));
        if (const Sprite* f = face(mood)) drawSprite(frameBuffer, cx, y + 3 * line + 20, f, false);
    } else {
        printKey(cx, y + 2 * line + 4, true, kPanelRed, "noRenter");
    }
    popFont();
    button(224, 425, 233, 30, text("cancel"), kStateGame, goStateClick);
    button(575, 425, 233, 30, text("OK"), 0, okClicked);
    return 0;
}

} // namespace bv

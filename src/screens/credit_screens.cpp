// Credit on screen: the gauge of the player's rating, the credit details screen (state 48) and the
// two notices of a changed rating (states 29 and 30).
#include <algorithm>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "assets/strings.h"
#include "audio/sound.h"
#include "core/state_ids.h"
#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/format.h"
#include "gfx/text.h"
#include "screens/board_parts.h"
#include "screens/town_view.h"
#include "sim/credit.h"
#include "sim/owner.h"
#include "ui/button.h"
#include "ui/dialog.h"

namespace bv {

namespace {

constexpr int32_t kSoundImproved = 23; // "marvelous_moment02.wav"
constexpr int32_t kSoundSlipped = 29;  // "outOfLuck.wav"
constexpr int32_t kDetailsRight = 718; // inside the credit screen's frame (60 .. 740)

int32_t playerRating() {
    const int32_t r = owners[kOwnerPlayer].creditRating;
    return r < 0 ? 0 : r >= kCreditRatings ? kCreditRatings - 1 : r;
}

// One row of figures: the rating's name, its loan rate and its down payment.
void ratingRow(int32_t y, int32_t nameX, int32_t rateX, int32_t downX, int32_t rating, double rate,
               int32_t downPct, uint32_t colour) {
    if (const char16_t* name = creditRatingName(rating)) drawText(nameX, y, false, colour, name);
    printKey(rateX, y, false, colour, "loanRate", rate);
    printKey(downX, y, false, colour, "down", downPct);
}

// A money figure from x 590, or ending at the frame's inner edge when it is longer.
void figureAtRight(int32_t y, const char* key, int32_t amount) {
    const char16_t* format = text(key);
    if (!format) return;
    char16_t line[kFormatBufferUnits];
    formatWideText(line, kFormatBufferUnits, format, moneyText(amount).text);
    const int32_t x = std::min(590, kDetailsRight - textWidth(line));
    drawText(x, y, false, kPanelGold, line);
}

// The notices share everything but their texts and the flag they clear.
void drawNotice(const char* titleKey, const char* bodyKey) {
    if (!dialogFrame(100, 88, 600, 325)) return;
    pushFont(&fontArial20Brown);
    printKey(400, 118, true, 0, titleKey);
    setFont(&fontArial15Brown);
    setTextArea(120, 188, 680, 600);
    printKey(120, 188, false, 0, bodyKey);
    setTextArea(0, 0, kFrameWidth, kFrameHeight);
    printKey(120, 258, false, 0, "yourCreditDetails");
    const int32_t r = playerRating();
    ratingRow(308, 120, 370, 520, r, double(loanRateOf(kOwnerPlayer)), kCreditTable[r].downPct, kPanelGold);
    popFont();
    button(400, 383, 100, 30, text("OK"), kStateGame, goStateClick);
}

} // namespace

void drawCreditGauge(int32_t x, int32_t y, float ratio) {
    if (const Sprite* dial = spriteAt(iconSprites, pic::kIconGaugeDial))
        drawSprite(frameBuffer, x, y, dial, false);
    float dx = 0.0f, dy = 0.0f;
    creditGaugeNeedle(ratio, &dx, &dy);
    drawLine(frameBuffer, x, y, x + int32_t(dx), y - int32_t(dy), 0xFFFFFF, 0xFFFFFF, 255, 255);
    // "n/9" below the dial: a dark shadow one pixel right, then the text in yellow.
    pushFont(&fontArial12Bld);
    const int32_t textY = penYForCentre(y + 27);
    printKey(x + 1, textY + 1, true, kNearBlackText, "ratio", playerRating() + 1, kCreditRatings);
    printKey(x, textY, true, kYellowText, "ratio", playerRating() + 1, kCreditRatings);
    popFont();
}

int32_t enterCreditImproved(int32_t, int32_t, int32_t) {
    playSound(kSoundImproved);
    openDialogCentred();
    return 0;
}

int32_t updateCreditImproved(int32_t) {
    creditNotice.improvePending = 0;
    drawNotice("plyrImprovesCreditTitle", "plyrImprovesCreditText");
    return 0;
}

int32_t exitCreditImproved(int32_t) {
    resetDialog(0.1f);
    return 0;
}

int32_t enterCreditSlipped(int32_t, int32_t, int32_t) {
    playSound(kSoundSlipped);
    openDialogCentred();
    return 0;
}

int32_t updateCreditSlipped(int32_t) {
    creditNotice.slipPending = 0;
    drawNotice("plyrCreditSlipTitle", "plyrCreditSlipText");
    return 0;
}

int32_t enterCreditDetails(int32_t, int32_t, int32_t) {
    openDialogAtMouse();
    return 0;
}

int32_t updateCreditDetails(int32_t) {
    if (!dialogFrame(60, 40, 680, 520)) return 0;
    pushFont(&fontArial20Brown);
    printKey(400, 60, true, kPanelRed, "creditTitle");
    setFont(&fontArial15Brown);
    const int32_t line = lineHeight();
    // Cash and buying power stand from x 590, moved left as far as a long amount needs to stay
    // inside the frame.
    figureAtRight(80, "cash", owners[kOwnerPlayer].cash);
    figureAtRight(80 + line, "maxLoan", maxPurchase(kOwnerPlayer));
    setTextArea(100, 140, 700, 600);
    printKey(100, 140, false, 0, "crDesc");
    setTextArea(0, 0, kFrameWidth, kFrameHeight);
    int32_t y = penY() + 2 * line;
    printKey(400, y, true, kPanelRed, "yourCreditDetails");
    y += 2 * line;
    const int32_t r = playerRating();
    ratingRow(y, 160, 410, 560, r, double(loanRateOf(kOwnerPlayer)), kCreditTable[r].downPct, kPanelGold);
    y += 2 * line;
    printKey(400, y, true, kPanelRed, "creditRatingTable");
    y += line;
    for (int32_t row = 0; row < kCreditRatings; ++row) {
        y += line;
        ratingRow(y, 160, 410, 560, row, double(kCreditTable[row].loanRate), kCreditTable[row].downPct, 0);
    }
    popFont();
    button(400, 535, 150, 30, text("ok"), kStateGame, goStateClick);
    return 0;
}

} // namespace bv

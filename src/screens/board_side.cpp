// The board's smaller parts: the goals button, the rivals' buttons, the I key's owner overlay, and
// the text helpers the board's files share.
#include <cstdarg>
#include <cstring>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "assets/strings.h"
#include "assets/text_keys.h"
#include "core/input.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/format.h"
#include "gfx/text.h"
#include "levels/goals.h"
#include "screens/board_parts.h"
#include "sim/cash.h"
#include "sim/houses.h"
#include "sim/owner.h"
#include "sim/owners.h"
#include "sim/portfolio.h"
#include "sim/sim_settings.h"
#include "ui/button.h"
#include "ui/hotspots.h"
#include "ui/money.h"
#include "world/map.h"
#include "world/scenario.h"

namespace bv {

namespace {

constexpr int32_t kGoalsTag = 23; // the tutorial's closing step points at the goals button

void openRivalPortfolio(int32_t, int32_t, int32_t value) {
    queueState(kStatePortfolio, value);
}

} // namespace

MoneyText moneyText(int32_t amount) {
    char narrowText[kMoneyTextBytes];
    moneyStr(narrowText, kMoneyTextBytes, amount);
    MoneyText out{};
    int32_t i = 0;
    for (; i < int32_t(sizeof out.text / sizeof out.text[0]) - 1 && narrowText[i]; ++i)
        out.text[i] = char16_t(static_cast<unsigned char>(narrowText[i]));
    out.text[i] = 0;
    return out;
}

int32_t penYForCentre(int32_t centreY) {
    const Font* font = currentFont();
    const Glyph* a = font ? findGlyph(*font, u'A') : nullptr;
    return a ? centreY - a->yOffset - a->height / 2 : centreY - 8;
}

namespace {
int32_t drawFormatted(int32_t x, int32_t y, bool centre, uint32_t style, const char16_t* format,
                      va_list args) {
    char16_t buffer[kFormatBufferUnits];
    formatWideTextV(buffer, kFormatBufferUnits, format, args);
    drawText(x, y, centre, style, buffer);
    return textBounds().width;
}
} // namespace

int32_t printBoardKey(int32_t x, int32_t y, bool centre, uint32_t style, const char* key, ...) {
    const char16_t* format = text(key);
    if (!format) return 0;
    va_list args;
    va_start(args, key);
    const int32_t width = drawFormatted(x, y, centre, style, format, args);
    va_end(args);
    return width;
}

int32_t printBoardText(int32_t x, int32_t y, bool centre, uint32_t style, const char16_t* format, ...) {
    va_list args;
    va_start(args, format);
    const int32_t width = drawFormatted(x, y, centre, style, format, args);
    va_end(args);
    return width;
}

void drawGoalsButton() {
    // Levels with the advanced economy have no goals in force: the button is then disabled.
    const GoalEvaluation goals = evaluateGoals(kOwnerPlayer);
    const int32_t total = goalsInForce(goals) ? goals.total : 0;
    if (total == 0) {
        button(725, 473, 130, 30, text("noGoals"), kStateDisplayGoals, nullptr);
        return;
    }
    char16_t label[kFormatBufferUnits];
    formatWideText(label, kFormatBufferUnits, text("goalRatio") ? text("goalRatio") : u"%d/%d", goals.met,
                   total);
    button(725, 473, 130, 30, label, kStateDisplayGoals, goStateWhoosh);
    tagLastHotSpot(kGoalsTag);
}

void drawRivalButtons() {
    if (!advancedEconomyOn()) return;
    const Sprite* frame = spriteAt(iconSprites, pic::kIconRivalFrame);
    for (int32_t r = kOwnerRivalFirst; r <= kOwnerRivalLast; ++r) {
        const int32_t y = 130 + 65 * r;
        // The net worth changes all the time, so it is drawn over an unlabelled button instead of
        // filling the button label cache with every amount.
        button(740, y, 130, 30, nullptr, r << 8, openRivalPortfolio);
        pushFont(&fontArial15Blue);
        drawText(748, penYForCentre(y), true, 0, moneyText(netWorth(r)).text);
        popFont();
        if (frame) drawSprite(frameBuffer, 680, y, frame, false);
        if (const Sprite* p = spriteAt(smallCharacterSprites, owners[r].avatar))
            drawSprite(frameBuffer, 680, y, p, false);
    }
}

void drawOwnerOverlay() {
    pushFont(&fontArial15Bld);
    for (int32_t o = kOwnerRivalFirst; o <= kOwnerRivalLast; ++o) {
        char16_t name[kFormatBufferUnits];
        formatWideText(name, kFormatBufferUnits, u"%s %s", ownerName(o), widen(ownerStyleTag(o)));
        printBoardText(10, 50 + 20 * o, false, kYellowText, u"%s owns %d properties, cash %s", name,
                       housesOwnedBy(o), moneyText(owners[o].cash).text);
    }
    const Point mouse = mousePos();
    printBoardKey(600, 100, true, kYellowText, "coords", mouse.x, mouse.y);
    popFont();
}

} // namespace bv

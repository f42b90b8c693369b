// The economy chart of the board's panel: the previous month, this month and the six to come as a
// line over a small grid, with the economy's word and its outlook below.
#include "assets/strings.h"
#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/format.h"
#include "gfx/text.h"
#include "screens/board_parts.h"
#include "screens/town_view.h"
#include "sim/calendar.h"
#include "sim/economy.h"
#include "sim/sim_settings.h"

namespace bv {

namespace {

constexpr uint32_t kFrameRed = 0x7A1414;
constexpr uint32_t kGridRed = 0xFF3030;
constexpr int32_t kGridAlpha = 0x60;
constexpr int32_t kFillAlpha = 0xA0;
constexpr uint32_t kMarkerYellow = 0xFFFF00;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kChartText = 0x5A3416;
constexpr int32_t kStepX = 15; // one month
constexpr int32_t kStepY = 3;  // one economy index
constexpr int32_t kRows = 24;

// A cross: the point and its four neighbours.
void marker(int32_t x, int32_t y, uint32_t colour) {
    putPixel(frameBuffer, x, y, colour);
    putPixel(frameBuffer, x - 1, y, colour);
    putPixel(frameBuffer, x + 1, y, colour);
    putPixel(frameBuffer, x, y - 1, colour);
    putPixel(frameBuffer, x, y + 1, colour);
}

int32_t rowOf(int32_t y, int32_t index) {
    return y + kStepY * (index + 1);
}

} // namespace

void drawEconomyChart(int32_t x, int32_t y) {
    if (!advancedEconomyOn()) return;
    // A two-pixel frame around the plot, the plot darkened, then the grid: a line per index step
    // and one per month.
    fillRect(frameBuffer, x - 2, y - 2, 109, 2, kFrameRed);
    fillRect(frameBuffer, x - 2, y + kRows, 109, 2, kFrameRed);
    fillRect(frameBuffer, x - 2, y, 2, kRows, kFrameRed);
    fillRect(frameBuffer, x + 105, y, 2, kRows, kFrameRed);
    fillRectAlpha(frameBuffer, x, y, 105, kRows, 0x000000, kFillAlpha);
    for (int32_t k = 1; k <= 7; ++k)
        fillRectAlpha(frameBuffer, x, y + kStepY * k, 105, 1, kGridRed, kGridAlpha);
    for (int32_t k = 1; k <= 6; ++k)
        fillRectAlpha(frameBuffer, x + kStepX * k, y, 1, kRows, kGridRed, kGridAlpha);
    // The line from last month through the next six.
    for (int32_t k = 1; k <= 7; ++k) {
        if (!economyChartSegmentDrawn(k)) break;
        drawLine(frameBuffer, x + kStepX * (k - 1), rowOf(y, economyChartIndex(k - 1)), x + kStepX * k,
                 rowOf(y, economyChartIndex(k)), kWhite, kWhite, 255, 255);
    }
    // Markers on this month (yellow) and the five after it.
    for (int32_t k = 0; k <= 5; ++k)
        marker(x + kStepX * (k + 1), rowOf(y, economyAt(monthsElapsed + k)), k == 0 ? kMarkerYellow : kWhite);
    // Heading above, the economy's word and outlook below, in the small font.
    pushFont(&fontArial12Bld);
    const int32_t line = lineHeight();
    printKey(x + 52, y - 4 - line, true, kChartText, "economySimple");
    char16_t words[kTextFormatUnits / 4];
    const char16_t* outlook = text(economyOutlookKey());
    formatWideText(words, kTextFormatUnits / 4, u"%s/%s", economyTagText(currentEconomy()),
                   outlook ? outlook : u"");
    drawText(x + 52, y + kRows + 5, true, kChartText, words);
    popFont();
}

} // namespace bv

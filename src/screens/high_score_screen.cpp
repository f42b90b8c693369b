// The high-score screen: the title, the table's game length between two arrows, and the ten
// entries, each with its name, the difficulty it was played at (Normal and Hard only, in red) and
// its score; the entry a game has just made is marked with a gold bar.
#include "screens/high_score_screen.h"

#include <algorithm>

#include "assets/strings.h"
#include "audio/sound.h"
#include "core/input.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/framebuffer.h"
#include "gfx/text.h"
#include "levels/high_scores.h"
#include "levels/save.h"
#include "screens/online_scores.h"
#include "screens/screens.h"
#include "ui/button.h"
#include "ui/money.h"
#include "ui/widgets.h"

namespace bv {

namespace {

constexpr int32_t kSoundStep = 20; // "generic_ui_10b.wav"
constexpr int32_t kPanelX = 150, kPanelY = 40, kPanelW = 500, kPanelH = 420;
constexpr int32_t kNameX = 200;
constexpr int32_t kScoreRight = 600;
constexpr int32_t kDifficultyGap = 75; // the difficulty stands this far right of the names
constexpr uint32_t kDifficultyRed = 0xFF0000;
constexpr uint32_t kMarkGold = 0xF2C54B;

int32_t g_markTable = -1;
int32_t g_markPlace = 0;

void arrowClicked(int32_t, int32_t, int32_t delta) {
    playSound(kSoundStep, 5);
    stepScoreTable(delta);
}

void drawEntry(const ScoreEntry& e, int32_t y, bool marked) {
    const int32_t line = lineHeight();
    if (marked)
        fillRectAlpha(frameBuffer, kNameX - 12, y - 1, kScoreRight - kNameX + 24, line + 1, kMarkGold, 110);
    drawText(kNameX, y, false, 0, e.name);
    if (e.difficulty == 1 || e.difficulty == 2) {
        // A long name pushes the difficulty along rather than running under it.
        const int32_t x = std::max(kNameX + kDifficultyGap, kNameX + textWidth(e.name) + 8);
        printKey(x, y, false, kDifficultyRed, "diffTitle", e.difficulty);
    }
    // The table holds unsigned scores; the money text shows up to the largest signed amount.
    const char16_t* money = widen(moneyStr(int32_t(std::min<uint32_t>(e.score, INT32_MAX))));
    drawText(kScoreRight - textWidth(money), y, false, 0, money);
}

} // namespace

void stepScoreTable(int32_t delta) {
    shownScoreTable = wrapScoreTable(shownScoreTable + delta);
    writeHighScoresIntoSave();
}

int32_t markedScorePlace() {
    return shownScoreTable == g_markTable ? g_markPlace : 0;
}

int32_t highScoresEnter(int32_t, int32_t, int32_t argument) {
    shownScoreTable = wrapScoreTable(shownScoreTable);
    g_markTable = shownScoreTable;
    g_markPlace = (argument >= 1 && argument <= kScorePlaces) ? argument : 0;
    // A score that has just entered a table may also go to the shared board online.
    if (g_markPlace) offerScoreSubmission(highScores[shownScoreTable][g_markPlace - 1].score);
    return 0;
}

int32_t highScoresUpdate(int32_t) {
    drawTitleBackground();
    drawPanelFrame(kPanelX, kPanelY, kPanelW, kPanelH);

    pushFont(&fontArial20Brown);
    const int32_t titleLine = lineHeight();
    printKey(400, 4 * titleLine, true, 0, "HighScores");
    // The game length sits centred on the row of its arrows.
    const int32_t lengthY = 6 * titleLine;
    printKey(400, lengthY - titleLine / 2, true, 0, "lenTitle", shownScoreTable);
    popFont();
    arrowButton(300, lengthY, false, arrowClicked, -1);
    arrowButton(500, lengthY, true, arrowClicked, 1);

    pushFont(&fontArial15Brown);
    const int32_t line = lineHeight();
    const int32_t marked = markedScorePlace();
    for (int32_t p = 0; p < kScorePlaces; ++p)
        drawEntry(highScores[shownScoreTable][p], lengthY + 32 + p * line, p + 1 == marked);
    popFont();

    // While the registration form is open it owns the mouse and the keys.
    if (onlineScoresPanel(shownScoreTable, marked)) return 0;

    button(400, kPanelY + kPanelH - 42, 150, 30, text("back"), kStateAttract, goStateWhoosh);
    if (isPressed(kSlotEscape)) {
        playSound(kSoundClickWhoosh, 5);
        changeState(kStateAttract);
    }
    return 0;
}

} // namespace bv

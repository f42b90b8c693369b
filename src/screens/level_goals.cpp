// The goals screen (state 54): the scenario, the level and its introduction, then the goal lines
// with check marks, or the note that the level simply runs its term.
#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "assets/strings.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/framebuffer.h"
#include "gfx/text.h"
#include "levels/goals.h"
#include "screens/level_screens.h"
#include "sim/game_update.h"
#include "sim/owner.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "world/scenario.h"

namespace bv {

namespace {

constexpr int32_t kGoalLineGap = 20;
constexpr int32_t kGoalLineX = 150;

void drawCheck(int32_t x, int32_t y) {
    if (pic::kIconGoalCheck < iconSprites.count)
        drawSprite(frameBuffer, x, y, &iconSprites.sprites[pic::kIconGoalCheck], false);
}

// The goal lines from y; returns the y below the last one.
int32_t drawGoalLines(int32_t y, const GoalEvaluation& e) {
    const LevelRecord& lv = currentLevelRecord();
    printKey(400, y, true, 0, lv.monthsToHold != 0 ? "yourGoalsTime" : "yourGoals", lv.monthsToHold);
    y += kGoalLineGap + 4;
    const bool held = goalHoldCounter >= lv.monthsToHold;
    char16_t line[1000];
    for (int32_t kind = 0; kind < kGoalKindCount; ++kind) {
        if (!e.goals[kind].active) continue;
        formatGoalLine(line, 1000, e, kind);
        if (e.goals[kind].met && held) drawCheck(kGoalLineX - 14, y + lineHeight() / 2);
        drawText(kGoalLineX, y, false, 0, line);
        y += kGoalLineGap;
    }
    if (e.allMet && !held) {
        y += kGoalLineGap;
        printKey(400, y, true, 0, "goalsAchievedNMonths", goalHoldCounter + 1, lv.monthsToHold);
    }
    return y;
}

} // namespace

int32_t goalsScreenEnter(int32_t, int32_t, int32_t) {
    openDialogFrom(400, 150);
    return 0;
}

int32_t goalsScreenUpdate(int32_t) {
    if (!dialogFrame(100, 85, 600, 430)) return 0;
    const LevelRecord& lv = currentLevelRecord();
    pushFont(&fontArial20Brown);
    printKey(400, 112, true, 0, "goals");
    popFont();
    pushFont(&fontArial15Brown);
    printKey(400, 145, true, 0, isCareerMode() ? "careerMode" : "tycoonMode");
    drawText(400, 165, true, 0, scenario.scenarioName);
    drawText(400, 190, true, 0, lv.title);
    printKey(400, 210, true, 0, "whichLevel", currentLevel + 1, scenario.levelCount);
    setTextArea(120, 255, 630, 600);
    drawText(120, 240, false, 0, lv.introText);
    setTextArea(0, 0, 800, 600);
    int32_t y = penY() + lineHeight() + 12;
    const GoalEvaluation e = evaluateGoals(kOwnerPlayer);
    if (!goalsInForce(e))
        printKey(400, y, true, 0, "simpleGoal");
    else
        drawGoalLines(y, e);
    popFont();
    button(400, 475, 150, 30, text("ok"), kStateGame, goStateClick);
    return 0;
}

} // namespace bv

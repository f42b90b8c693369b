// The dialogs of wear and work on houses (repairs 15, last chance 62, upgrade 45, renovations
// complete 52) and the screens of the level flow (level intro 3, failed level 53, goals 54,
// level won 58, you win 60, end of level 61). Each lives in a file of its own; these are their
// state operations for the state table.
#pragma once

#include <cstdint>

namespace bv {

int32_t repairsEnter(int32_t previousId, int32_t newId, int32_t argument);
int32_t repairsUpdate(int32_t argument);
int32_t lastChanceEnter(int32_t previousId, int32_t newId, int32_t argument);
int32_t lastChanceUpdate(int32_t argument);
int32_t upgradeEnter(int32_t previousId, int32_t newId, int32_t argument);
int32_t upgradeUpdate(int32_t argument);
int32_t renosCompleteEnter(int32_t previousId, int32_t newId, int32_t argument);
int32_t renosCompleteUpdate(int32_t argument);

int32_t failedLevelEnter(int32_t previousId, int32_t newId, int32_t argument);
int32_t failedLevelUpdate(int32_t argument);
int32_t goalsScreenEnter(int32_t previousId, int32_t newId, int32_t argument);
int32_t goalsScreenUpdate(int32_t argument);
int32_t levelWonEnter(int32_t previousId, int32_t newId, int32_t argument);
int32_t levelWonUpdate(int32_t argument);
int32_t gameDoneEnter(int32_t previousId, int32_t newId, int32_t argument);
int32_t gameDoneUpdate(int32_t argument);
int32_t endOfLevelEnter(int32_t previousId, int32_t newId, int32_t argument);
int32_t endOfLevelUpdate(int32_t argument);
// The "ok" of the failed level and of the game-done screen: the game is over (levels/high_scores.h).
void gameOverClicked(int32_t mouseX, int32_t mouseY, int32_t value);

// Shared by the two repair dialogs: whether the house is the player's; the title, the house card
// at (250, 150) and the renter's history line `historyGap` pixels below the card; the dialog's
// text (address and cost) in the box from x 400.
bool isPlayersHouse(int32_t house);
void drawRepairHeader(int32_t house, int32_t historyGap);
void drawRepairText(int32_t house, const char* key);

// The celebration's timer in ticks (level won) and the game-done screen's two fades, for checks.
int32_t levelWonTimer();
float gameDonePictureFade();
float gameDoneTextFade();

} // namespace bv

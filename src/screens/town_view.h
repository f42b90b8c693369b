// The town view: the screen of the game board (state 2). The top 450 rows show the town with its
// houses and their status marks; a bar across the top carries the player's portrait, cash, level,
// date and the "EndMonth" button; the panel across the bottom (from row 420) shows the selected
// house with its figures and buttons, the economy chart and, with the advanced economy, the rivals.
// Every simulation dialog opens over a still copy of this screen.
#pragma once

#include <cstdint>

namespace bv {

constexpr int32_t kBoardPanelTop = 420; // the bottom panel covers the town from this row
constexpr int32_t kTownClipBottom = 450;

// Draws the whole board: town, status marks, panel, top bar, chart, house panel and the board's
// click areas. Called by the board's update and by dialogs that need the town behind them.
void drawTownScreen();

// The click on a house of the town: the selected house again only clicks; another house flies
// from the town to the panel and becomes the selected house when it lands (at once when no flight
// can be made). A bad index does nothing.
void selectHouse(int32_t house);
// The house whose picture is flying to the panel, or -1.
int32_t houseInFlight();

// The house card used by the panel and the simulation dialogs, centred on x: the house's
// full-size picture standing on y + 100, the for-sale sign when listed, the row of five stars and
// the address and "rooms" lines. The dialog layout puts the stars at y + 125 and the texts at
// y + 150 and y + 165; the panel layout the stars at y + 100 and the texts at y + 120 and y + 135.
enum class CardLayout : int32_t { kDialog, kPanel };
void drawHouseCard(int32_t house, int32_t x, int32_t y, CardLayout layout = CardLayout::kDialog);

// The credit gauge: the dial with its hot spot at (x, y), a white needle for the ratio and the
// "ratio" text below.
void drawCreditGauge(int32_t x, int32_t y, float ratio);
// The board's gauge where the top bar hangs it (advanced economy only), a click away from the
// credit details (state 48); the portfolio draws it again over its backdrop.
void drawBoardCreditGauge();
// The economy chart with its plot's top-left corner at (x, y); only with the advanced economy.
void drawEconomyChart(int32_t x, int32_t y);

// The hooks the board and the dialogs call: the board's drawing, the dialogs' backdrop and the
// floating effects' drawing. Entering the board installs them; installing again is harmless.
void installTownView();

// One frame of the board (state 2): the simulation's frame, the town view's drawing, the keys
// (Escape: options; I: owner overlay), the credit notice countdown, at most one queued dialog, and
// the level's goal check.
void gameUpdate();

// State operations (the game's state table).
int32_t updateGame(int32_t argument);
int32_t enterBoard(int32_t previousId, int32_t newId, int32_t argument);
int32_t enterCreditImproved(int32_t previousId, int32_t newId, int32_t argument);
int32_t updateCreditImproved(int32_t argument);
int32_t exitCreditImproved(int32_t leavingId);
int32_t enterCreditSlipped(int32_t previousId, int32_t newId, int32_t argument);
int32_t updateCreditSlipped(int32_t argument);
int32_t enterCreditDetails(int32_t previousId, int32_t newId, int32_t argument);
int32_t updateCreditDetails(int32_t argument);
int32_t enterForeclosureDialog(int32_t previousId, int32_t newId, int32_t argument);
int32_t updateForeclosureDialog(int32_t argument);

} // namespace bv

// The pieces the town view is drawn from, each in a file of its own, and the small text helpers
// they share. Board texts take wide arguments (names, addresses), so they go through the
// formatter whose %s is a wide text; money is passed as its widened money text.
#pragma once

#include <cstdint>

#include "screens/float_effects.h"

namespace bv {

// Colours of texts drawn on the cream panels and dialogs, where pure red or yellow would not read.
constexpr uint32_t kPanelRed = 0xB01818;
constexpr uint32_t kPanelGold = 0x8A5200; // figures that the dark screens showed in yellow
constexpr uint32_t kNearBlackText = 0x000001;
constexpr uint32_t kYellowText = 0xFFFF00;

// The sounds of selecting a house.
constexpr int32_t kSoundSelectSame = 21; // "mech_nav_10.wav"
constexpr int32_t kSoundSelectNew = 41;  // "closeWhoosh.wav"

// Where the board shows the cash: rent flies there, payments fly from there.
constexpr float kCashDisplayX = 160.0f;
constexpr float kCashDisplayY = 25.0f;
// Where the credit gauge sits on the board (below "End Month", which covers y 40): the board and
// the portfolio draw it here, and credit points fly here.
constexpr int32_t kCreditGaugeX = 730;
constexpr int32_t kCreditGaugeY = 88;

// The money text widened, held by value so that several can be arguments of one text.
struct MoneyText {
    char16_t text[40];
};
MoneyText moneyText(int32_t amount);

// The pen y that centres the current font's capitals on the line y = centreY.
int32_t penYForCentre(int32_t centreY);

// The text of `key` formatted with wide arguments and drawn; a missing key draws nothing.
// Returns the width of what was drawn.
int32_t printBoardKey(int32_t x, int32_t y, bool centre, uint32_t style, const char* key, ...);
// The same for a format given as text.
int32_t printBoardText(int32_t x, int32_t y, bool centre, uint32_t style, const char16_t* format, ...);

// town_view.cpp draws these in order.
void drawHouseMarks();              // house_marks.cpp: signs, markers, work bars, damage meters
void drawTopBar();                  // top_bar.cpp
void drawHousePanel(int32_t house); // house_panel.cpp
void drawGoalsButton();             // board_side.cpp
void drawRivalButtons();
void drawOwnerOverlay();
// Where the owner's portrait and name sit in the panel (moved right of the chart when one is drawn).
int32_t panelOwnerX();

// The floating effects' drawer (effects_draw.cpp).
void drawFloatEffect(FloatEffect& effect);
// The purchase announcement's picture: avatar plate and buyer's portrait on the left, the text on
// a dark band to the right. False when it cannot be made (the effect then draws nothing).
bool buildAnnouncementPicture(FloatEffect& effect);

} // namespace bv

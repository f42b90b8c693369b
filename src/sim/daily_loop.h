// The daily house loop: for each house in index order, the owner's money (rent on day 0 with the
// renter's leaving roll, the mortgage on day 15), rent applicants for empty houses, and the
// listing's day (price cuts, outside-buyer interest); then the foreclosure sweep.
#pragma once

#include <cstdint>

namespace bv {

constexpr int32_t kForeclosureArrears = 4; // the fourth missed payment forecloses

// The house shown by the foreclosure dialog; -1 when none. The dialog's queue argument carries
// the house too, so that two foreclosures on one day each show their own house.
extern int32_t foreclosedHouse;
// While the tutorial runs no applicants arrive.
extern int32_t tutorialActive;
// The tutorial's help setting, switched by the options screen: 1 tips shown, 2 hidden (0 until
// either sets it). Kept in the saved game.
constexpr int32_t kHelpShown = 1;
constexpr int32_t kHelpHidden = 2;
extern int32_t helpSetting;

void dailyHouseLoop();
// Rent of a house with a renter: straight into a rival's cash; for the player it flies from the
// house to the cash display and lands in the cash when the flight ends.
void collectRent(int32_t house);
// The month's mortgage payment with every missed one, or one more month in arrears.
void payMortgage(int32_t house);
// Houses four or more payments behind pass to the bank; the player's raise the foreclosure dialog.
void foreclosureSweep();

// The day's growth of outside-buyer interest for an asking price against the house's value, before
// the economy and the fresh-listing boost: the more the price undercuts the value, the more.
float buyerInterestStep(float ratio);

} // namespace bv

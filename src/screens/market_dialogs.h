// The market's and the renters' dialogs: making an offer (states 33, 34), the seller's counter
// (51), not enough cash (56), setting a sale price (47), changing a listing (57), a buyer's offer
// (38), the player's counter (49), sold at the asking price (50), a rent applicant (55) and the
// rent level (46). Each opens over a still picture of the board and goes back to the board (2);
// a dialog whose house is gone goes back at once.
#pragma once

#include <cstdint>

namespace bv {

// --- The price control shared by the dialogs (dlg_price_control.cpp) -----------------------------
struct PriceControl {
    int32_t* amount;  // the amount edited
    int32_t lo, hi;   // its bounds
    int32_t sound;    // played on each click
    bool smallOnLeft; // the offer control: small steps left; the sale controls: small steps right
    bool hideUpAtMax; // the offer control hides its up arrows at the maximum
};
// Draws the amount centred at (x, y) with two arrows above and two below, 70 pixels left and right,
// and registers their clicks. `label` is the key the amount is shown with ("offer"/"maxOffer"
// taking the money text); nullptr shows the money text alone. `labelColour` tints it.
void priceControl(int32_t x, int32_t y, const PriceControl& control, const char* label, uint32_t labelColour);
// One click on an arrow: `large` picks the large step, `up` the direction, `shift` the fine/coarse
// steps; the amount is held within the control's bounds.
void priceControlClick(const PriceControl& control, bool large, bool up, bool shift);

// The other party's portrait centred at (x, y) with the name below it in the body font.
void partyPortrait(int32_t x, int32_t y, int32_t owner);

// --- Messages --------------------------------------------------------------------------------------
// A message from another party: with their portrait while a house is selected on the board, as a
// plain message otherwise (the portrait message closes without a selected house).
void partyMessage(const char* bodyKey, int32_t owner);

// --- State operations (the game's state table) -------------------------------------------------------
int32_t enterMakeOffer(int32_t previousId, int32_t newId, int32_t argument);
int32_t enterMakeOfferAgain(int32_t previousId, int32_t newId, int32_t argument);
int32_t updateMakeOffer(int32_t argument);
int32_t enterSellerCounter(int32_t previousId, int32_t newId, int32_t argument);
int32_t updateSellerCounter(int32_t argument);
int32_t enterNotEnoughCash(int32_t previousId, int32_t newId, int32_t argument);
int32_t updateNotEnoughCash(int32_t argument);
int32_t enterSetSalePrice(int32_t previousId, int32_t newId, int32_t argument);
int32_t updateSetSalePrice(int32_t argument);
int32_t enterChangeListing(int32_t previousId, int32_t newId, int32_t argument);
int32_t updateChangeListing(int32_t argument);
int32_t enterHouseOffer(int32_t previousId, int32_t newId, int32_t argument);
int32_t updateHouseOffer(int32_t argument);
int32_t enterPlayerCounter(int32_t previousId, int32_t newId, int32_t argument);
int32_t updatePlayerCounter(int32_t argument);
int32_t enterSoldAtAsking(int32_t previousId, int32_t newId, int32_t argument);
int32_t updateSoldAtAsking(int32_t argument);
int32_t enterRentApplicant(int32_t previousId, int32_t newId, int32_t argument);
int32_t updateRentApplicant(int32_t argument);
int32_t enterSetRent(int32_t previousId, int32_t newId, int32_t argument);
int32_t updateSetRent(int32_t argument);

} // namespace bv

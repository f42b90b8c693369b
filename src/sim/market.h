// The housing market: the bank's listings and its prices, automatic price cuts of unsold
// listings, what a seller will take, what buyers offer, and the purchase itself with the seller's
// payoff, the buyer's down payment and the new 60-month mortgage. The player's own side of a
// negotiation (making an offer, answering a buyer) is in sim/offers.cpp, declared here too.
//
// Prices are whole dollars. Each rule that draws a random number has a form taking the draw, so
// that its arithmetic can be checked draw by draw; the plain form draws from the game generator.
#pragma once

#include <cstdint>

namespace bv {

constexpr int32_t kListingCooldown = 200;
constexpr int32_t kMortgageMonths = 60;

// The negotiation in progress (one at a time).
extern int32_t dealBuyer;       // the buyer of a player's house
extern int32_t dealHouse;       // the house being negotiated
extern int32_t dealOffer;       // the player's offer when buying, the buyer's offer when selling
extern int32_t dealCounter;     // the seller's counter when buying, the player's when selling
extern int32_t newListingPrice; // the price edited in the change-listing dialog
extern int32_t bankListTimer;   // game ms toward the bank's next listing

// New game: no negotiation, the bank's timer at 0.
void resetMarket();

// Puts the house on the market at `price` (fresh listing, sound 19).
void listHouse(int32_t house, int32_t price);

// The bank's asking price for a house worth `value` at economy index `economy`: the factor
// lo + draw / 100 (draw in 0..steps-1) applied to the value, rounded to the nearest 100.
int32_t bankPriceSteps(int32_t economy);
int32_t bankAskingPriceFor(int32_t value, int32_t economy, uint32_t draw);
int32_t bankAskingPrice(int32_t house, int32_t value);

// The automatic cut: with d days since the last cut and the day's roll (0..99), the new price
// (unchanged when the seller holds out).
int32_t priceCutFor(int32_t price, int32_t economy, int32_t daysSinceCut, uint32_t roll);
int32_t priceCut(int32_t house, int32_t price);

// The least the seller will normally take.
int32_t sellerReserve(int32_t house);
// With the seller's draw 0..4 (0 the most lenient): the offer is taken when
// it reaches trunc(reserve x (95 + draw) / 100).
bool sellerAcceptsWith(int32_t house, int32_t offer, uint32_t draw);
bool sellerAccepts(int32_t house, int32_t offer);

// The outside buyer's percentage of the asking price for a draw within the economy's range.
int32_t outsideBidPercent(int32_t economy, bool scarce, uint32_t draw);
bool marketScarce(int32_t house);
int32_t outsideBid(int32_t house);

// Whether a buyer's offer on one of the player's houses is waiting in the dialog queue. The
// negotiation is held in one set of globals, so a second offer before the first is answered
// would show the player the wrong buyer or amount: no buyer makes one until it is answered.
bool playerOfferPending();

// A buyer (the outside buyer 5 or a rival) makes an offer on a listed house.
void buyerOffer(int32_t buyer, int32_t house);
// A buyer's offer on one of the player's houses: a dialog for an offer under the asking price,
// else the sale at the asking price and its message.
void offerOnPlayerHouse(int32_t buyer, int32_t house, int32_t amount);

// The house changes hands at `price`. 0 (nothing happens) when the buyer already owns it or an
// id is bad.
int32_t purchase(int32_t buyer, int32_t house, int32_t price);

// The bank's listing timer, every frame of the board with the frame's game milliseconds.
void bankListingTick(int32_t elapsedMs);
// The bank lists its cheapest unlisted house; false when it has none.
bool bankListsOne();

// --- Price controls -----------------------------------------------------------------------------
// The small and large step of an amount (fine and coarse ones with Shift).
int32_t smallPriceStep(int32_t amount, bool shift);
int32_t largePriceStep(int32_t amount, bool shift);
// amount + step held to lo..hi, without overflow.
int32_t stepPrice(int32_t amount, int32_t step, int32_t lo, int32_t hi);

// --- The player's side (offers.cpp) --------------------------------------------------------------
enum OfferOutcome : int32_t {
    kOfferAccepted = 0,   // bought at the offer
    kOfferCounter = 1,    // the seller counters (state 51)
    kOfferUnfinanced = 2, // the seller's counter is beyond the player's means
    kOfferBallpark = 3,   // out of the ballpark: two cranky months
    kOfferNoDeal = 4,     // no deal this month: one cranky month
    kOfferInvalid = 5,    // no such listed house
};
// The player submits `dealOffer` for `house`: the seller's answer, with its bookkeeping done.
int32_t submitPlayerOffer(int32_t house);
// The player's counter to the buyer: true when the buyer accepts (and buys at dealCounter).
bool submitPlayerCounter();
// The buyer's acceptance threshold of the counter (accepted when random(100) >= it).
int32_t counterThreshold(int32_t offer, int32_t counter, int32_t asking);

} // namespace bv

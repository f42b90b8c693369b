// Every state of the game by name: the screens, dialogs and steps the state machine runs. The
// numbers are stored in saved games (the current state and the dialog queue), so they never change.
#pragma once

#include <cstdint>

namespace bv {

constexpr int32_t kStateAttract = 0;            // the title menu
constexpr int32_t kStateInitGame = 1;           // a new game's reset
constexpr int32_t kStateGame = 2;               // the board
constexpr int32_t kStateLevelIntro = 3;         // a level's start
constexpr int32_t kStateSetup = 4;              // avatar and game set-up
constexpr int32_t kStatePortfolio = 9;          // the investors' portfolios
constexpr int32_t kStateHighScores = 12;        // the high-score tables
constexpr int32_t kStateRepairs = 15;           // a repair falls due
constexpr int32_t kStateOptions = 16;           // the in-game options panel
constexpr int32_t kStateResume = 22;            // resuming a saved game
constexpr int32_t kStateEnterName = 23;         // the player's name
constexpr int32_t kStateForeclosure = 24;       // the bank takes a house back
constexpr int32_t kStateSimpleDialog = 27;      // a one-message dialog
constexpr int32_t kStateCreditImproves = 29;    // the player's credit improves
constexpr int32_t kStateCreditSlips = 30;       // the player's credit slips
constexpr int32_t kStateMakeOffer = 33;         // an offer on a house
constexpr int32_t kStateMakeOfferAgain = 34;    // the offer dialog re-entered
constexpr int32_t kStateAvatarMessage = 35;     // a message beside an investor's avatar
constexpr int32_t kStateHouseMessage = 36;      // a queued message about one of the player's houses
constexpr int32_t kStateHouseOffer = 38;        // a buyer's offer on the player's house
constexpr int32_t kStateEditor = 44;            // the map and scenario editor
constexpr int32_t kStateUpgrade = 45;           // upgrade or renovate a house
constexpr int32_t kStateSetRent = 46;           // set a house's rent
constexpr int32_t kStateSetSalePrice = 47;      // list a house for sale
constexpr int32_t kStateCreditDetails = 48;     // the credit gauge's details
constexpr int32_t kStatePlayerCounter = 49;     // the player's counter-offer
constexpr int32_t kStateSoldAtAsking = 50;      // sold at the asking price
constexpr int32_t kStateSellerCounter = 51;     // a seller's counter-offer
constexpr int32_t kStateRenosComplete = 52;     // work on a house is finished
constexpr int32_t kStateFailedLevel = 53;       // the level is lost
constexpr int32_t kStateDisplayGoals = 54;      // the level's goals
constexpr int32_t kStateRentApplicant = 55;     // a renter applies
constexpr int32_t kStateNotEnoughCash = 56;     // not enough cash for the bid
constexpr int32_t kStateChangeListing = 57;     // change or withdraw a listing
constexpr int32_t kStateLevelWon = 58;          // the level-won celebration
constexpr int32_t kStateExitGame = 59;          // back to the main menu from a game
constexpr int32_t kStateYouWin = 60;            // the career is finished
constexpr int32_t kStateEndOfLevel = 61;        // the end-of-level dialog
constexpr int32_t kStateLastChanceRepairs = 62; // a repair's last chance at twice the price
constexpr int32_t kStateExplainTutorial = 63;   // the tutorial's explanation

} // namespace bv

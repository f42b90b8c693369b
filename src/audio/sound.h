// The sound effects interface the rest of the game plays through. Every sound has a fixed id
// (0..16 music, 17..49 effects). Until the audio system is up every call is silent.
#pragma once

#include <cstdint>

namespace bv {

// Effect ids the interface code plays.
constexpr int32_t kSoundOrganicWhoosh21 = 32; // "organic_whoosh_21.wav": a dialog resets
constexpr int32_t kSoundMagicWand = 34;       // "magicWand.wav": default button click
constexpr int32_t kSoundClickWhoosh = 40;     // "clickWhoosh.wav": default dialog button, opening a dialog

// Effect ids of the game's events.
constexpr int32_t kSoundWorkStarted = 18;  // work on a house begins
constexpr int32_t kSoundListed = 19;       // a house goes on the market
constexpr int32_t kSoundPriceStep = 20;    // a price control steps
constexpr int32_t kSoundRentStep = 20;     // the rent choice steps
constexpr int32_t kSoundDeal = 22;         // a deal is made
constexpr int32_t kSoundBuyerOffer = 26;   // a buyer's offer on the player's house
constexpr int32_t kSoundOfferStep = 27;    // an offer control steps
constexpr int32_t kSoundRefused = 29;      // an offer is refused
constexpr int32_t kSoundOutOfLuck = 29;    // the player's rating falls
constexpr int32_t kSoundPriceCut = 30;     // a listing's price is cut
constexpr int32_t kSoundMarketClick = 34;  // a market dialog's button
constexpr int32_t kSoundRenterIn = 37;     // a renter moves in
constexpr int32_t kSoundHarpFlourish = 37; // the player's rating rises
constexpr int32_t kSoundCashRegister = 49; // rent comes in

// Plays effect `id` on a free effect channel; ids outside the table are ignored. Callers that
// pass a priority in the interface's rules (5 for button clicks) pass it here; it changes nothing.
void playSound(int32_t id, int32_t priority = 0);

// The id most recently asked for, -1 before the first; lets tests see which sound a click chose.
int32_t lastSoundRequested();
// How many sounds have been asked for since start-up.
int32_t soundRequestCount();

} // namespace bv

// Wear, repairs and work on houses. Renters wear a house out day by day; when a player's house has
// taken enough wear a repair falls due and the player pays at once or postpones it. A postponed
// repair turns into permanent damage (one quality level lost) unless it is paid within 40 game
// days; a house already damaged below the lowest level is condemned and taken by the bank.
// Owners can also upgrade a house (one level up, 13 days of work) or renovate it completely (to
// the top level, 26 days of work, after an 8-day move-out when it has a renter).
#pragma once

#include <cstdint>

namespace bv {

constexpr int32_t kMoveOutMs = 8000;
constexpr int32_t kUpgradeMs = 13000;
constexpr int32_t kCompleteRenoMs = 26000;
constexpr int32_t kPermanentDamageMs = 40000;
constexpr int32_t kQuietDays = 5; // no wear at all for this many days after a player's damage

constexpr int32_t kWorkNone = 0;
constexpr int32_t kWorkUpgrade = 1;      // "minorReno"
constexpr int32_t kWorkCompleteReno = 2; // "completeReno"

// Days since the last damage to one of the player's houses (saved with the game).
extern int32_t daysSinceDamage;
// The house the repair dialogs show; -1 when none.
extern int32_t repairHouse;
// The house whose work finished last for the player (the renovations-complete dialog's house).
extern int32_t renosCompleteHouse;

// Whether finished work of the player queues the renovations-complete dialog (state 52). On by
// default; tests of the bare simulation switch it off.
extern int32_t queueRenosCompleteDialog;

// One day's wear for a renter history 0..5 (held into that range): (t + random(t)) / 1000 with
// t = 70, 55, 25, 15, 10, 5. One draw of the game generator.
float dayWear(int32_t renterHistory);

// Each day, before the daily house loop: the quiet-day count, wear of rented houses, the repair
// that falls due when a meter passes 1.
void dailyWear();
// Every frame of the board with the frame's game milliseconds: move-outs, work and its
// completion, and the permanent-damage countdowns (which may open the last-chance dialog at once).
void frameWorkStep(int32_t dt);

// The move-out and work of one house for this frame (run by frameWorkStep before the house's
// damage step): the renter's mood refreshed, the move-out, the work and its completion.
void houseWorkStep(int32_t house, int32_t dt);

// Pays the due repair when the owner's cash covers it; otherwise nothing happens. False then.
bool payRepair(int32_t house);
// Takes the cost from the owner's cash and starts the work (no checks: callers offer the work only
// when it is allowed and affordable; the dialogs and the rivals check canUpgrade/canRenovate).
void startUpgrade(int32_t house);
void startCompleteReno(int32_t house);
// Whether the owner may start the work now: the house exists, is below level 4 (complete
// renovation: level + 1 < 4), has no work in progress, and the owner's cash covers the cost.
bool canUpgrade(int32_t house);
bool canRenovate(int32_t house);

// The postponed repair turns into permanent damage: condemnation (level 0, the bank) when the
// level is already -1, the lowest, else one level less; the same for every owner. The player's
// house gets its message.
void permanentDamage(int32_t house);
// "noRepairs" in the last-chance dialog: one level less without a message; at level -1 the
// building is condemned, with its message.
void declineRepair(int32_t house);

// Tests and new games: the quiet-day count back to 0, no dialog house.
void resetRepairs();

} // namespace bv

// What the simulation tells the player about. The rules decide what happened, to which house and
// with which figures; the layer that presents the game turns each notice into its pictures,
// sounds and dialogs. A notice is handed over the moment it is raised, so what the player sees
// follows the rules' own order; the last ones are also kept in a log for checks.
#pragma once

#include <cstdint>

namespace bv {

enum class NoticeKind : int32_t {
    kBoardCleared,      // a new game or the next level: nothing of the last one stays on screen
    kMonthHurried,      // the player asked to finish the month quickly
    kCreditChanged,     // the player's rating moved: amount = the event's points, at (x, y)
    kRentCollected,     // the player's rent comes in: house, amount (answer: the money's flight in ms)
    kRenterLeaves,      // a renter gives notice: house
    kRenterLeft,        // the player's renter has gone: house
    kRenterMovedIn,     // the player took in an applicant: house
    kRentStepped,       // the rent choice moved one step
    kPriceCut,          // a listing's automatic price cut: house, owner = seller
    kPaymentMissed,     // a mortgage payment missed: house, amount = months in arrears
    kPaymentMade,       // a mortgage payment made: house, owner, amount = what was paid
    kHouseListed,       // a house goes on the market: house
    kBuyerOffer,        // a buyer offers less than the asking price: house, owner = buyer, amount
    kPurchase,          // a house changes hands: house, owner = buyer
    kCounterAccepted,   // the player's counter-offer is accepted: house
    kCounterRefused,    // the player's counter-offer is refused: house
    kWorkStarted,       // work begins: house, owner, detail = what the house shows (a NoticeWork)
    kWorkFinished,      // work is done: house, owner
    kPermanentDamage,   // an unrepaired house lost a level: house
    kBuildingCondemned, // an unrepaired house fell below the lowest level and went to the bank
};

// What a house shows when work on it begins.
enum NoticeWork : int32_t {
    kNoticeWorkUpgrade = 0,    // an upgrade begins
    kNoticeWorkRenovation = 1, // a complete renovation begins on an empty house
    kNoticeWorkMovingOut = 2,  // the renter moves out before a complete renovation
    kNoticeWorkRenterGone = 3, // the renter has moved out: the work itself begins
};

struct Notice {
    NoticeKind kind = NoticeKind::kBoardCleared;
    int32_t house = -1;
    int32_t owner = -1;
    int32_t amount = 0;
    int32_t detail = 0;
    int32_t x = 0, y = 0;
};

// The presenting layer. It answers with what a notice asks back (the money flight's duration in
// ms for rent) and 0 otherwise. Without one, notices are only logged and every answer is 0.
using NoticePresenter = int32_t (*)(const Notice& notice);
void setNoticePresenter(NoticePresenter presenter);

// Hands the notice to the presenter and logs it; returns the presenter's answer.
int32_t raiseNotice(const Notice& notice);

// The log of the last notices, oldest first; once full, the oldest give way.
constexpr int32_t kNoticeLogSize = 64;
int32_t loggedNotices();
const Notice& loggedNotice(int32_t index); // index 0..loggedNotices()-1, else an empty notice
void clearNoticeLog();

} // namespace bv

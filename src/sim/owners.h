// Owners beyond their record (sim/owner.h): display names, the rivals' style tags and the owner
// set-up of a new game.
#pragma once

#include <cstdint>

#include "sim/owner.h"

namespace bv {

constexpr int32_t kOwnerRivalFirst = 1;
constexpr int32_t kOwnerRivalLast = 4;
constexpr int32_t kRivalAvatars = 20;    // rivals draw avatars 0..19: 0..9 women, 10..19 men
constexpr int32_t kPlayerNameBytes = 10; // up to 9 typed characters and the terminator

// The player's typed name (8-bit); name entry and the saved game fill it.
extern char playerName[kPlayerNameBytes];

// The display name: the player's typed name, a rival's name by avatar ("femaleNames" /
// "maleNames" + letter), the string-table text "bank" for the bank. An empty text for an id or
// avatar outside the rules. The text stays valid until the next call.
const char16_t* ownerName(int32_t owner);
// The owner's display name (nullptr when there is none to show): the player's name as typed at
// name entry, the rivals' names; nothing for the bank or an owner out of range.
const char16_t* ownerDisplayName(int32_t owner);
// The avatar index of an owner: the record's avatar for the player and the rivals (0..25), the
// bank's picture (26) for everyone else.
int32_t ownerAvatarIndex(int32_t owner);
// "(C)", "(N)" or "(A)" for a rival's style 0, 1, 2; "" otherwise.
const char* ownerStyleTag(int32_t owner);

// New game: the rivals' and the bank's records cleared, each rival drawing an avatar that the
// player and the rivals before it do not hold, with style = avatar mod 3. The player keeps the
// avatar and the cash; the player's credit restarts at 0 points and rating 0 (a rating kept over
// 0 points would fall, with the wrong notice, at the first credit event).
void resetOwners();

} // namespace bv

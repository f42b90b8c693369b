// The player's renters: answering an applicant, choosing a house's rent level, and the message
// that a renter has left. Moving in and out themselves are in sim/tenancy.h.
#pragma once

#include <cstdint>

namespace bv {

// The rent level being edited in the set-rent dialog.
extern int32_t rentChoice;

// The waiting applicant moves in (sound 37); nothing when none is waiting or the house is gone.
// Either answer leaves no applicant waiting.
void acceptApplicant();
void refuseApplicant();

// The set-rent dialog: starts at the house's rent level; steps stay within low..high (a step
// that would leave them does nothing and returns false); applying sets the level and the mood.
void beginRentChoice(int32_t house);
bool stepRentChoice(int32_t delta);
void applyRentChoice(int32_t house);

// The string-table key of a rent level's name, of a mood's text for a renter living there, and of
// the preview for a choice; "" outside the rules.
const char* rentLevelKey(int32_t level);
const char* renterMoodKey(int32_t mood);
const char* renterWouldBeKey(int32_t mood);

} // namespace bv

// A house's renter: moving in and leaving (the record's renter fields), and the applicant waiting
// for the player's answer.
#pragma once

#include <cstdint>

namespace bv {

// The applicant waiting for the player (rent applicant dialog); -1 when none.
extern int32_t pendingApplicantHouse;
extern int32_t pendingApplicantHistory;

// The queue argument of the rent applicant dialog carries the applicant itself, so that two
// applicants queued on the same day each keep their own house and history:
// argument = house | history << 16.
int32_t applicantArgument(int32_t house, int32_t history);
// The dialog's enter: makes the applicant of the argument the pending one. False (and nothing
// pending) when the argument names no house.
bool takeApplicantFromArgument(int32_t argument);

// The renter moves in today with the given history (0..4); his mood follows the house.
void moveIn(int32_t house, int32_t history);
// The renter leaves: no renter, no applicant progress, no wear or pending damage; the history is
// kept (it rates the next applicant's arrival). The player is told through a message.
void renterLeaves(int32_t house);

} // namespace bv

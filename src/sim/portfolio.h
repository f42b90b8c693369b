// An owner's sums over the houses of the town: rent coming in, mortgage going out, equity and
// net worth. Sums are formed in 64 bits and held to the 32-bit range, so a large town of
// expensive houses cannot wrap a fortune into a debt.
#pragma once

#include <cstdint>

namespace bv {

// The current rent of the owner's houses that have a renter.
int32_t rentIncome(int32_t owner);
// The payment due on each of the owner's houses: the smaller of the principal and the payment.
int32_t mortgageOutgo(int32_t owner);
int32_t cashFlow(int32_t owner);
// Current value less the debt on the house: principal, the payment due and the missed payments.
// 0 for a bad index.
int32_t houseEquity(int32_t house);
int32_t totalEquity(int32_t owner);
// Total equity plus cash.
int32_t netWorth(int32_t owner);

} // namespace bv

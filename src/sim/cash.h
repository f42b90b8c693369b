// Money: the owners' cash and its changes, and the monthly mortgage payment. (The text form of an
// amount is ui/money.h.)
//
// Money is whole dollars in signed 32-bit integers. Sums that would leave the 32-bit range (a very
// rich owner, a huge price from an edited map) saturate at the nearest end of the range instead
// of wrapping into the wrong sign: a fortune stays a fortune, a debt stays a debt.
#pragma once

#include <cstdint>

namespace bv {

// The value held to the signed 32-bit range.
int32_t saturate32(int64_t value);
// a + b and a * b held to the signed 32-bit range.
int32_t addSaturated(int32_t a, int32_t b);
int32_t mulSaturated(int32_t a, int32_t b);
// trunc(amount * factor), the factor a 32-bit float widened to double (so 0.9 acts as
// 0.89999998), held to the 32-bit range. Every money-times-factor in the simulation uses this.
int32_t scaleMoney(int32_t amount, float factor);
// A double truncated toward zero and held to the 32-bit range (NaN gives 0).
int32_t truncMoney(double value);

// cash += amount for owners 0..5 (saturating); any other owner id is ignored.
void addCash(int32_t owner, int32_t amount);
// addCash, then cash = 0 if clampAtZero and cash is negative.
void addCashClamped(int32_t owner, int32_t amount, bool clampAtZero);
void setCash(int32_t owner, int32_t amount);
// Whether the owner's cash is what the three calls above last left it at: cash changes only through
// them (the monkey in game/monkey.h checks it every frame). True for an id outside 0..5.
bool cashOnTheBooks(int32_t owner);
int32_t cashOf(int32_t owner); // 0 for an id outside 0..5
// addCash(owner, amount) once `delayMs` game milliseconds have passed (counted down by the effect
// list every frame; applied in the first frame the remaining delay falls below 0). If the timed
// object cannot be created the cash changes at once.
void addCashLater(int32_t amount, int32_t owner, int32_t delayMs);
// The money still on its way to (or from) an owner: what the pending addCashLater calls will add.
// A save books it at once, so that none is lost or counted twice.
int32_t cashInFlight(int32_t owner);

// Monthly payment that repays `principal` over `months` at `ratePct` percent a year.
float mortgagePayment(int32_t principal, float ratePct, int32_t months);

} // namespace bv

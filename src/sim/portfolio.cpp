#include "sim/portfolio.h"

#include "sim/cash.h"
#include "sim/houses.h"

namespace bv {

namespace {

int64_t paymentDue(const HouseState& h) {
    return h.mtgPrincipal < h.mtgPayment ? h.mtgPrincipal : h.mtgPayment;
}

int64_t equityOf(int32_t i) {
    const HouseState& h = houseStates[i];
    const int64_t debt = static_cast<int64_t>(h.mtgPrincipal) + paymentDue(h) +
                         static_cast<int64_t>(h.monthsInArrears) * h.mtgPayment;
    return currentValue(i) - debt;
}

} // namespace

int32_t rentIncome(int32_t owner) {
    int64_t sum = 0;
    for (int32_t i = 0; i < houseCount; ++i)
        if (houseStates[i].owner == owner && houseStates[i].hasRenter) sum += currentRent(i);
    return saturate32(sum);
}

int32_t mortgageOutgo(int32_t owner) {
    int64_t sum = 0;
    for (int32_t i = 0; i < houseCount; ++i)
        if (houseStates[i].owner == owner) sum += paymentDue(houseStates[i]);
    return saturate32(sum);
}

int32_t cashFlow(int32_t owner) {
    return saturate32(static_cast<int64_t>(rentIncome(owner)) - mortgageOutgo(owner));
}

int32_t houseEquity(int32_t house) {
    return getHouse(house) ? saturate32(equityOf(house)) : 0;
}

int32_t totalEquity(int32_t owner) {
    int64_t sum = 0;
    for (int32_t i = 0; i < houseCount; ++i)
        if (houseStates[i].owner == owner) sum += equityOf(i);
    return saturate32(sum);
}

int32_t netWorth(int32_t owner) {
    int64_t sum = cashOf(owner);
    for (int32_t i = 0; i < houseCount; ++i)
        if (houseStates[i].owner == owner) sum += equityOf(i);
    return saturate32(sum);
}

} // namespace bv

#include "sim/sim_report.h"

#include <sstream>

#include "sim/calendar.h"
#include "sim/houses.h"
#include "sim/owner.h"

namespace bv {

std::string simStatePairs() {
    std::ostringstream out;
    const OwnerRecord& player = owners[kOwnerPlayer];
    out << "month=" << monthsElapsed << " day=" << dayOfMonth << " cash=" << player.cash
        << " points=" << player.creditPoints << " rating=" << player.creditRating << " owned=";
    for (int32_t o = 0; o <= kOwnerBank; ++o) out << (o ? "," : "") << housesOwnedBy(o);
    return out.str();
}

std::string marketStatePairs() {
    std::ostringstream out;
    const HouseState* h = getHouse(selectedHouse);
    out << "selected=" << selectedHouse << " owner=" << (h ? h->owner : -1)
        << " listed=" << (h && h->forSale ? 1 : 0) << " ask=" << (h ? h->askingPrice : 0);
    return out.str();
}

std::string houseLine(int32_t house) {
    const HouseState* h = getHouse(house);
    if (!h) return std::string();
    std::ostringstream out;
    out << "HOUSE i=" << house << " forSale=" << h->forSale << " askingPrice=" << h->askingPrice
        << " level=" << h->level << " monthsInArrears=" << h->monthsInArrears << " extraDebt=" << h->extraDebt
        << " mtgPrincipal=" << h->mtgPrincipal << " prevPurchasePrice=" << h->prevPurchasePrice
        << " prevExtraDebt=" << h->prevExtraDebt << " purchasePrice=" << h->purchasePrice
        << " mtgRate=" << h->mtgRate << " mtgPayment=" << h->mtgPayment << " owner=" << h->owner
        << " renoKind=" << h->renoKind << " renoDuration=" << h->renoDuration
        << " renoElapsed=" << h->renoElapsed << " evicting=" << h->evicting
        << " evictElapsed=" << h->evictElapsed << " damagePending=" << h->damagePending
        << " damageCountdown=" << h->damageCountdown << " renterSinceMonth=" << h->renterSinceMonth
        << " renterSinceDay=" << h->renterSinceDay << " rentLevel=" << h->rentLevel
        << " purchaseDay=" << h->purchaseDay << " renterMood=" << h->renterMood
        << " hasRenter=" << h->hasRenter << " applicantProgress=" << h->applicantProgress
        << " wear=" << h->wear << " crankyMonths=" << h->crankyMonths << " daysListed=" << h->daysListed
        << " priceCuts=" << h->priceCuts << " daysSinceCut=" << h->daysSinceCut
        << " repairCost=" << h->repairCost << " listingCooldown=" << h->listingCooldown
        << " renterHistory=" << h->renterHistory << " buyerInterest=" << h->buyerInterest
        << " bankHold=" << h->bankHold;
    return out.str();
}

} // namespace bv

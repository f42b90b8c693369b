// The player's side of a negotiation: the seller's answer to the player's offer, and the buyer's
// answer to the player's counter. The dialogs show the answers; the bookkeeping is done here.
#include "core/random.h"
#include "sim/cash.h"
#include "sim/credit.h"
#include "sim/houses.h"
#include "sim/market.h"
#include "sim/notices.h"
#include "sim/owner.h"

namespace bv {

namespace {

constexpr int32_t kBallparkMonths = 2;
constexpr float kCounterMargin = 0.1f;

int32_t nearest100(int32_t x) {
    return saturate32((static_cast<int64_t>(x) + 50) / 100 * 100);
}

} // namespace

int32_t submitPlayerOffer(int32_t house) {
    HouseState* h = getHouse(house);
    if (!h || !h->forSale || h->owner == kOwnerPlayer) return kOfferInvalid;
    if (sellerAccepts(house, dealOffer)) {
        purchase(kOwnerPlayer, house, dealOffer);
        return kOfferAccepted;
    }
    const int32_t reserve = sellerReserve(house);
    const int64_t gap = static_cast<int64_t>(reserve) - dealOffer;
    const int32_t value = currentValue(house);
    if (gap > value / 10) {
        h->crankyMonths = kBallparkMonths;
        return kOfferBallpark;
    }
    if (random(5) != 0) {
        // Far apart, the seller meets the player halfway from the asking price; close, he names
        // his reserve.
        dealCounter = gap > value / 20 ? saturate32((static_cast<int64_t>(h->askingPrice) + reserve) / 2)
                                       : nearest100(reserve);
        if (maxPurchase(kOwnerPlayer) < dealCounter) return kOfferUnfinanced;
        dealHouse = house;
        return kOfferCounter;
    }
    h->crankyMonths = 1;
    return kOfferNoDeal;
}

int32_t counterThreshold(int32_t offer, int32_t counter, int32_t asking) {
    if (counter <= offer) return 0;
    const int64_t span = static_cast<int64_t>(asking) - offer;
    if (span <= 0) return 101; // a counter above the asking price: never taken
    const float k =
        static_cast<float>(static_cast<int64_t>(counter) - offer) / static_cast<float>(span) + kCounterMargin;
    return static_cast<int32_t>(k * 100.0f);
}

bool submitPlayerCounter() {
    HouseState* h = getHouse(dealHouse);
    if (!h) return false;
    const int32_t threshold = counterThreshold(dealOffer, dealCounter, h->askingPrice);
    // The draw is made only when the counter asks for more than the offer.
    const bool accepted = dealCounter <= dealOffer || static_cast<int32_t>(random(100)) >= threshold;
    if (accepted) {
        raiseNotice(Notice{NoticeKind::kCounterAccepted, dealHouse, dealBuyer, dealCounter});
        purchase(dealBuyer, dealHouse, dealCounter);
        return true;
    }
    raiseNotice(Notice{NoticeKind::kCounterRefused, dealHouse, dealBuyer, dealCounter});
    h->crankyMonths = 1; // the listing rests for the month
    return false;
}

} // namespace bv

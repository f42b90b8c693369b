// Deals: the purchase and its bookkeeping, the player's offers and the seller's answers, buyers'
// offers on the player's houses and the player's counter.
#include "sim/sim_test.h"

namespace {

using simtest::listed;
using simtest::setEconomy;

std::vector<std::pair<int32_t, int32_t>> g_entered;

int32_t record(int32_t, int32_t id, int32_t argument) {
    g_entered.emplace_back(id, argument);
    return argument;
}

class Deals : public simtest::SimTest {
  protected:
    void SetUp() override {
        simtest::SimTest::SetUp();
        bv::scenario.advancedEconomy = 0; // fixed terms: 15 % down, 18 %
        bv::resetMarket();
        simtest::makeTown(4);
        g_entered.clear();
        bvtest::useStates(
            {{bv::kStateGame}, {bv::kStateHouseOffer, record}, {bv::kStateSoldAtAsking, record}}, false);
        bv::setStateSilently(bv::kStateGame);
    }
};

TEST_F(Deals, PurchasePaysOffTheSellerAndGivesTheBuyerASixtyMonthMortgage) {
    bv::HouseState& h = listed(0, 1, 120000);
    simtest::giveHouse(0, 1, 50000);
    h.extraDebt = 3000;
    h.monthsInArrears = 2;
    h.hasRenter = 1;
    bv::owners[1].cash = 1000;
    bv::owners[0].cash = 100000;
    bv::dayOfMonth = 7;
    ASSERT_EQ(bv::purchase(0, 0, 100000), 1);
    EXPECT_EQ(std::pair(bv::owners[1].cash, bv::owners[0].cash),
              std::pair(1000 + 50000 - 3000, 100000 - 15000));
    EXPECT_EQ(std::tuple(h.owner, h.purchasePrice, h.prevPurchasePrice, h.prevExtraDebt, h.extraDebt),
              std::tuple(0, 100000, 50000, 3000, 0));
    // 85,000 at 18 %: half the 4,316.89 of 170,000 worked in cash_test.
    EXPECT_EQ(std::tuple(h.mtgPrincipal, h.mtgPayment, h.monthsInArrears, h.purchaseDay),
              std::tuple(85000, 2158, 0, 7));
    // The fixed rate, and the renter stays with the house.
    EXPECT_EQ(std::tuple(h.mtgRate, h.forSale, h.hasRenter, h.applicantProgress),
              std::tuple(18.0f, 0u, 1u, 0.75f));
    EXPECT_EQ(bv::owners[0].housesBought + bv::owners[1].housesSold, 2);
    // A seller's other debt empties but never overdraws his cash: 2,000 + 5,000 - 20,000 held at 0.
    listed(1, 1, 100000);
    simtest::giveHouse(1, 1, 95000);
    bv::houseStates[1].extraDebt = 20000;
    bv::setCash(1, 2000);
    ASSERT_EQ(bv::purchase(0, 1, 100000), 1);
    EXPECT_EQ(bv::owners[1].cash, 0);
    // Refused: the owner buying his own house, an unknown buyer or house, a price below 0.
    for (const auto& [buyer, house, price] :
         {std::tuple{0, 0, 100000}, {6, 1, 100000}, {0, 9, 100000}, {1, 0, -1}})
        EXPECT_EQ(bv::purchase(buyer, house, price), 0) << buyer << " " << house << " " << price;
    EXPECT_EQ(bv::owners[0].cash, 100000 - 15000 - 15000);
}

// Value 100,000, reserve 96,001 (4 % off in single precision), a tenth of the value 10,000: an
// offer at the reserve buys (15 % down, truncated), 86,000 is 10,001 below and out of the ballpark.
TEST_F(Deals, AnOfferAtTheReserveBuysAndOneFarBelowIsOutOfTheBallpark) {
    const struct {
        int32_t offer, outcome, owner, cash, cranky;
    } cases[] = {
        {96001, bv::kOfferAccepted, 0, 60000 - 14400, 0},
        {86000, bv::kOfferBallpark, 5, 60000, 2},
    };
    for (const auto& c : cases) {
        listed(0, 5, 100000).crankyMonths = 0;
        bv::owners[0].cash = 60000;
        bv::dealOffer = c.offer;
        EXPECT_EQ(bv::submitPlayerOffer(0), c.outcome) << c.offer;
        EXPECT_EQ(std::tuple(bv::houseStates[0].owner, bv::owners[0].cash, bv::houseStates[0].crankyMonths),
                  std::tuple(c.owner, c.cash, c.cranky))
            << c.offer;
    }
}

// Against the reserve 96,001: 91,100 (under the lowest draw's 91,200, within a twentieth) is
// countered at the reserve to the nearest hundred about four times in five, else refused for a
// month; 90,000 (6,001 below) is countered halfway, 98,000, only when the player can finance it
// (60,000 finances 400,000; 10,000 only 66,666 at 15 % down).
TEST_F(Deals, OffersNearTheReserveAreCounteredOrRefused) {
    const struct {
        int32_t offer, cash, counter, leastCounters, mostCounters;
    } cases[] = {
        {91100, 60000, 96000, 275, 365},
        {90000, 60000, 98000, 201, 400},
        {90000, 10000, 0, 0, 0},
    };
    for (const auto& c : cases) {
        bv::owners[0].cash = c.cash;
        int32_t counters = 0;
        for (int32_t n = 0; n < 400; ++n) {
            bv::HouseState& h = listed(0, 5, 100000);
            h.crankyMonths = 0;
            bv::dealOffer = c.offer;
            const int32_t outcome = bv::submitPlayerOffer(0);
            if (outcome == bv::kOfferCounter) {
                ++counters;
                EXPECT_EQ(bv::dealCounter, c.counter) << c.offer;
                EXPECT_EQ(h.crankyMonths, 0) << c.offer;
            } else if (c.offer == 91100) {
                ASSERT_EQ(outcome, bv::kOfferNoDeal);
                EXPECT_EQ(h.crankyMonths, 1);
            }
        }
        EXPECT_TRUE(counters >= c.leastCounters && counters <= c.mostCounters)
            << c.offer << " " << c.cash << ": " << counters;
    }
}

TEST_F(Deals, ScarceStrongMarketSellsAPlayersHouseAtTheAskingPriceWithoutADialog) {
    setEconomy(0);
    simtest::makeTown(1); // nothing comparable: scarce, so the bid is 103..109 %
    listed(0, 0, 100000);
    bv::owners[5].cash = 0;
    bv::buyerOffer(bv::kOwnerBank, 0);
    EXPECT_EQ(std::tuple(bv::houseStates[0].owner, bv::dealOffer, bv::owners[0].cash),
              std::tuple(bv::kOwnerBank, 100000, 100000));
    bv::drainStateQueue();
    EXPECT_EQ(g_entered, (std::vector<std::pair<int32_t, int32_t>>{{bv::kStateSoldAtAsking, 0}}));
}

// An offer under the asking price opens the offer dialog; until the player has answered it, the
// outside buyer, at the asking price or under it, leaves it alone and buys nothing behind his back.
TEST_F(Deals, AnOfferUnderTheAskingPriceOpensTheOfferDialogAndTheNextWaits) {
    listed(1, 0, 100000);
    listed(2, 0, 100000);
    bv::offerOnPlayerHouse(2, 1, 90000);
    EXPECT_EQ(bv::dealCounter, 90000);
    const auto offers = simtest::noticesOf(bv::NoticeKind::kBuyerOffer);
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers[0].amount, 90000);
    bv::offerOnPlayerHouse(bv::kOwnerBank, 2, 95000);
    bv::offerOnPlayerHouse(bv::kOwnerBank, 2, 100000);
    EXPECT_EQ(std::tuple(bv::dealBuyer, bv::dealHouse, bv::dealOffer), std::tuple(2, 1, 90000));
    EXPECT_EQ(bv::houseStates[1].owner + bv::houseStates[2].owner, 0);
    bv::drainStateQueue();
    EXPECT_EQ(g_entered, (std::vector<std::pair<int32_t, int32_t>>{{bv::kStateHouseOffer, 1}}));
    EXPECT_FALSE(bv::playerOfferPending());
    bv::offerOnPlayerHouse(bv::kOwnerBank, 2, 95000);
    EXPECT_EQ(std::pair(bv::dealBuyer, bv::dealHouse), std::pair(bv::kOwnerBank, 2));
}

// The outside buyer: a listing at $0 draws a bid of nothing, which is no offer to the player or to a
// rival; a buyer who cannot keep three months' payments besides the price (90,000 is short even of
// the lowest bid) walks away silently. A careful rival offers the reserve, 96,001: 81,601 at 18 %
// pays 2,072.12 a month, so he needs 96,001 + 3 x 2,072 = 102,217.
TEST_F(Deals, ABuyerOffersOnlyWhatHeBidsAndCanPay) {
    const int32_t cases[][5] = {{bv::kOwnerBank, bv::kOwnerPlayer, 0, 200000, bv::kOwnerPlayer},
                                {bv::kOwnerBank, 1, 100000, 90000, 1},
                                {bv::kOwnerBank, 1, 100000, 200000, bv::kOwnerBank},
                                {3, 1, 100000, 102216, 1},
                                {3, 1, 100000, 102217, 3}}; // {buyer, seller, price, cash, owner after}
    for (const auto& c : cases) {
        bv::resetMarket();
        listed(0, c[1], c[2]);
        bv::owners[c[0]].cash = c[3];
        bv::buyerOffer(c[0], 0);
        EXPECT_EQ(std::tuple(bv::houseStates[0].owner, bv::dealHouse, bv::queuedCount()),
                  std::tuple(c[4], -1, 0))
            << c[0] << " " << c[1] << " " << c[2] << " " << c[3];
    }
}

TEST_F(Deals, CounterThresholdsAndTheCounterAtTheAskingPrice) {
    EXPECT_EQ(std::tuple(bv::counterThreshold(90000, 90000, 100000),
                         bv::counterThreshold(90000, 95000, 100000),
                         bv::counterThreshold(90000, 100000, 100000)),
              std::tuple(0, 60, 110));
    bv::HouseState& h = listed(0, 0, 100000);
    bv::owners[3].cash = 1000000;
    bv::dealBuyer = 3;
    bv::dealHouse = 0;
    bv::dealOffer = 90000;
    bv::dealCounter = 100000;
    for (int32_t n = 0; n < 200; ++n) ASSERT_FALSE(bv::submitPlayerCounter());
    EXPECT_EQ(std::pair(h.owner, h.crankyMonths), std::pair(0, 1));
    EXPECT_EQ(simtest::noticesOf(bv::NoticeKind::kCounterRefused).size(), size_t(bv::kNoticeLogSize));
    // A counter at the offer is always taken.
    bv::dealCounter = 90000;
    EXPECT_TRUE(bv::submitPlayerCounter());
    EXPECT_EQ(std::pair(h.owner, h.purchasePrice), std::pair(3, 90000));
}

} // namespace

// The market's price rules: the bank's listing band, automatic cuts, the seller's reserve and
// acceptance, the outside buyer's bid, and the bank's listing timer.
#include "sim/sim_test.h"

namespace {

using simtest::listed;
using simtest::setEconomy;

class Market : public simtest::SimTest {
  protected:
    void SetUp() override {
        simtest::SimTest::SetUp();
        bv::resetMarket();
        simtest::makeTown(4);
        setEconomy(bv::kEconomyNeutral);
    }
};

TEST_F(Market, BankListsAHundredThousandHouseAtIndexThreeInThousandDollarSteps) {
    for (uint32_t d = 0; d < 7; ++d)
        EXPECT_EQ(bv::bankAskingPriceFor(100000, 3, d), 96000 + 1000 * int32_t(d)) << d;
    // Index 0 runs 0.98..1.09; index 6 0.75..0.92.
    EXPECT_EQ(bv::bankAskingPriceFor(100000, 0, 11), 109000);
    EXPECT_EQ(bv::bankAskingPriceFor(100000, 6, 17), 92000);
    // Rounded to the nearest hundred, halves upward: 0.96 x 123456 = 118517.76 -> 118517 -> 118500.
    EXPECT_EQ(bv::bankAskingPriceFor(123456, 3, 0), 118500);
    EXPECT_EQ(bv::bankAskingPriceFor(1050, 4, 10), 1100); // 0.9 + 0.1 = 1.0: 1050 -> 1100
    // The draws at index 3 cover the seven steps and nothing else.
    std::set<int32_t> seen;
    for (int32_t n = 0; n < 500; ++n) seen.insert(bv::bankAskingPrice(0, 100000));
    EXPECT_EQ(std::tuple(seen.size(), *seen.begin(), *seen.rbegin()), std::tuple(7ul, 96000, 102000));
}

TEST_F(Market, PriceCutsFollowTheEconomysTable) {
    // Index 3 on day 45: threshold 25. The percentages are single-precision factors, so 4 % of
    // 100000 is trunc(3999.99991) = 3999.
    // Weak economies may cut from day 16, by more; a listing past its certain day (the economy
    // weakened under it) is still cut, not never. {index, days listed, draw, price after}
    const int32_t cases[][4] = {
        {3, 45, 24, 100000},  {3, 45, 25, 96001}, {3, 70, 0, 96001},   {3, 30, 99, 100000},
        {6, 16, 23, 100000},  {6, 16, 24, 90000}, {5, 15, 99, 100000}, {0, 100, 0, 99001},
        {7, 200, 99, 100000}, {3, 95, 0, 96001},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bv::priceCutFor(100000, c[0], c[1], uint32_t(c[2])), c[3])
            << c[0] << " " << c[1] << " " << c[2];
}

TEST_F(Market, ARivalsListingIsCutAtMostTwice) {
    bv::HouseState& h = listed(0, 1, 100000);
    int32_t firstCutDay = -1;
    for (int32_t d = 1; d <= 200; ++d) {
        simtest::days(1);
        if (firstCutDay < 0 && h.priceCuts > 0) firstCutDay = d;
    }
    EXPECT_TRUE(firstCutDay >= 45 && firstCutDay <= 70) << firstCutDay;
    EXPECT_EQ(std::pair(h.priceCuts, h.askingPrice), std::pair(2, 92161)); // 100000 -> 96001 -> 92161
}

// Percentages are single-precision factors: 4 % of 100,000 is 3999.99991, so the reserve is 96,001.
// Fresh listings (index 3 below 31 days since the cut, index 4 below 16) take the smaller discount.
TEST_F(Market, ReserveDiscountsTheAskingPriceByEconomyAndWaitingTime) {
    const int32_t cases[][3] = {
        {3, 10, 96001}, {3, 31, 95000}, {6, 31, 91500}, {4, 15, 95000}, {4, 16, 94001}};
    for (const auto& c : cases) {
        setEconomy(c[0]);
        listed(0, 1, 100000, c[1]);
        EXPECT_EQ(bv::sellerReserve(0), c[2]) << c[0] << " " << c[1];
    }
    // Unlisted: the current value is the base.
    setEconomy(3);
    bv::houseStates[1].askingPrice = 5;     // not listed: ignored
    EXPECT_EQ(bv::sellerReserve(1), 96001); // 100,000 at level 0, 4 % off
}

// The reserve 96,001 is always taken; 99 % of it (95,040) never; 95 % (91,200) only on the lowest draw.
TEST_F(Market, SellerTakesTheReserveAlwaysAndNinetyFivePercentOnlyOnTheLowestDraw) {
    listed(0, 1, 100000, 10);
    const int32_t cases[][3] = {{96001, 4, 1}, {95000, 4, 0}, {91200, 0, 1}, {91200, 1, 0}, {91100, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(bv::sellerAcceptsWith(0, c[0], uint32_t(c[1])), c[2] != 0) << c[0] << " draw " << c[1];
}

TEST_F(Market, OutsideBidRangesAndTheScarcityBonus) {
    // {index, scarce, draw, percent}: only index 0 may go over the asking price.
    const int32_t cases[][4] = {{0, 0, 6, 104}, {0, 1, 6, 109}, {1, 1, 3, 100}, {3, 0, 0, 88},
                                {3, 1, 6, 99},  {5, 0, 14, 79}, {6, 1, 0, 0},   {7, 0, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(bv::outsideBidPercent(c[0], c[1] != 0, uint32_t(c[2])), c[3])
            << c[0] << " " << c[1] << " " << c[2];
}

TEST_F(Market, ScarcityCountsComparableListings) {
    simtest::makeTown(10);
    listed(0, 1, 100000);
    EXPECT_TRUE(bv::marketScarce(0)); // nothing comparable listed
    listed(1, 5, 100000);
    EXPECT_TRUE(bv::marketScarce(0)); // 1 in 10
    listed(2, 5, 100000);
    EXPECT_FALSE(bv::marketScarce(0)); // 2 in 10
    // Bids draw within the range: index 3 not scarce gives 88..94 % of 100000.
    for (int32_t n = 0; n < 100; ++n) EXPECT_NEAR(bv::outsideBid(0), 91000, 3000);
}

TEST_F(Market, BankListsItsCheapestUnlistedHouseOnItsTimer) {
    simtest::makeTown(3, {90000});
    bv::mapHouses[0].baseValue = 150000;
    bv::scenario.bankListInterval = 10000;
    bv::scenario.maxBankListings = 2;
    bv::scenario.minBankListings = 0;
    bv::bankListingTick(9999);
    EXPECT_EQ(bv::listedHousesOf(bv::kOwnerBank), 0);
    bv::bankListingTick(1);
    ASSERT_EQ(bv::listedHousesOf(bv::kOwnerBank), 1);
    EXPECT_EQ(bv::houseStates[1].forSale, 1u); // the first of the two cheapest
    EXPECT_EQ(std::pair(bv::houseStates[1].listingCooldown, bv::bankListTimer),
              std::pair(bv::kListingCooldown, 0));
    bv::bankListingTick(10000);
    EXPECT_EQ(bv::houseStates[2].forSale, 1u);
    // At the maximum the timer stays at 0.
    bv::bankListingTick(25000);
    EXPECT_EQ(std::pair(bv::bankListTimer, bv::houseStates[0].forSale), std::pair(0, 0u));
    // Below the minimum the bank lists at once.
    bv::scenario.minBankListings = 3;
    bv::bankListingTick(1);
    EXPECT_EQ(bv::houseStates[0].forSale, 1u);
}

TEST_F(Market, PriceControlStepsAndClamps) {
    // {price, shifted, step}: the steps change at 100,000 and at 1,000,000.
    const int32_t small[][3] = {{99999, 0, 200}, {99999, 1, 10}, {100000, 0, 1000}, {1000000, 1, 1000}};
    const int32_t large[][3] = {{99999, 0, 2500}, {99999, 1, 10000}, {999999, 1, 25000}, {1000000, 0, 50000}};
    for (const auto& c : small) EXPECT_EQ(bv::smallPriceStep(c[0], c[1] != 0), c[2]) << c[0] << " " << c[1];
    for (const auto& c : large) EXPECT_EQ(bv::largePriceStep(c[0], c[1] != 0), c[2]) << c[0] << " " << c[1];
    EXPECT_EQ(bv::stepPrice(100, -2500, 0, 500), 0);
    EXPECT_EQ(bv::stepPrice(400, 200, 0, 500), 500);
    EXPECT_EQ(bv::stepPrice(INT32_MAX - 5, 250000, 0, INT32_MAX), INT32_MAX);
    EXPECT_EQ(bv::stepPrice(1200, -200, 0, INT32_MAX), 1000);
}

} // namespace

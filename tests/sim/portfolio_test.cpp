// An owner's rent, mortgage outgo, equity and net worth.
#include "sim/sim_test.h"

namespace {

class Portfolio : public simtest::SimTest {
  protected:
    void SetUp() override {
        SimTest::SetUp();
        bv::scenario.advancedEconomy = 0; // values are the base values at level 0
        simtest::makeTown(4);
    }
};

TEST_F(Portfolio, SumsOverTheOwnersHouses) {
    simtest::giveHouse(0, 1, 60000, 12.0f); // payment 1334
    simtest::giveHouse(1, 1, 1000, 12.0f);  // payment 22: the principal is the larger
    bv::houseStates[1].mtgPrincipal = 10;   // last term: only 10 due
    simtest::giveHouse(2, 2, 0);
    bv::houseStates[0].hasRenter = 1; // 899
    bv::houseStates[2].hasRenter = 1; // someone else's renter
    bv::houseStates[3].hasRenter = 1; // the bank's
    EXPECT_EQ(std::tuple(bv::rentIncome(1), bv::mortgageOutgo(1), bv::cashFlow(1)),
              std::tuple(899, 1334 + 10, 899 - 1344));
    bv::houseStates[0].monthsInArrears = 2;
    bv::owners[1].cash = -5000;
    // Each house's value less its principal, this month's payment and the arrears, and the cash:
    // 100,000 - (60,000 + 1,334 + 2 x 1,334) and 100,000 - (10 + 10).
    EXPECT_EQ(std::pair(bv::houseEquity(0), bv::netWorth(1)), std::pair(35998, 35998 + 99980 - 5000));
}

TEST_F(Portfolio, LargeHoldingsSaturate) {
    simtest::HouseTemplate rich;
    rich.baseValue = 1500000000;
    rich.baseRent = 1500000000;
    simtest::makeTown(3, rich);
    for (int32_t i = 0; i < 3; ++i) {
        simtest::giveHouse(i, 0);
        bv::houseStates[i].hasRenter = 1;
    }
    bv::owners[0].cash = INT32_MAX;
    EXPECT_EQ(std::pair(bv::netWorth(0), bv::rentIncome(0)), std::pair(INT32_MAX, INT32_MAX));
    for (int32_t i = 0; i < 3; ++i) {
        bv::houseStates[i].mtgPrincipal = INT32_MAX;
        bv::houseStates[i].mtgPayment = INT32_MAX;
        bv::houseStates[i].monthsInArrears = 3;
    }
    bv::owners[0].cash = 0;
    EXPECT_EQ(std::pair(bv::netWorth(0), bv::mortgageOutgo(0)), std::pair(INT32_MIN, INT32_MAX)); // in debt
    EXPECT_EQ(bv::cashFlow(0), 0); // both ends saturated: INT32_MAX - INT32_MAX
}

} // namespace

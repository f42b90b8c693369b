// Money texts, cash changes (now and delayed), saturation and the mortgage payment.
#include "sim/sim_test.h"

namespace {

// The annuity worked by hand; no loan or no term pays nothing, a rate of 0 equal parts.
TEST(MortgagePayment, StandardAnnuity) {
    const struct {
        int32_t principal;
        float rate;
        int32_t months;
        float payment, tolerance;
    } cases[] = {{100000, 12.0f, 60, 2224.44f, 0.01f},
                 {170000, 18.0f, 60, 4316.89f, 0.05f},
                 {0, 12.0f, 60, 0.0f, 0.0f},
                 {100000, 12.0f, 0, 0.0f, 0.0f},
                 {60000, 0.0f, 60, 1000.0f, 0.001f}};
    for (const auto& c : cases)
        EXPECT_NEAR(bv::mortgagePayment(c.principal, c.rate, c.months), c.payment, c.tolerance)
            << c.principal;
}

// Saturation at the top, and of sums, is worked where money is added (AddCash, portfolio_test, the
// huge arrears in payments_condition_test); here the rest.
TEST(Saturation, ProductsBelowTheRangeMoneyTowardZeroAndNaN) {
    EXPECT_EQ(bv::mulSaturated(-100000, 100000), INT32_MIN);
    EXPECT_EQ(bv::scaleMoney(-1000, 0.9f), -899);
    EXPECT_EQ(bv::truncMoney(std::nan("")), 0);
    EXPECT_EQ(bv::truncMoney(-2.9), -2);
}

using Cash = simtest::SimTest;

TEST_F(Cash, AddCashIgnoresUnknownOwnersAndSaturates) {
    bv::addCash(5, 7);
    bv::addCash(6, 1000);
    bv::addCash(-1, 1000);
    EXPECT_EQ(std::pair(bv::owners[5].cash, bv::cashOf(6)), std::pair(7, 0));
    bv::owners[1].cash = INT32_MAX - 10;
    bv::addCash(1, 1000); // a very rich rival stays rich
    EXPECT_EQ(bv::owners[1].cash, INT32_MAX);
    bv::owners[2].cash = INT32_MIN + 10;
    bv::addCash(2, -1000);
    EXPECT_EQ(bv::owners[2].cash, INT32_MIN);
    bv::owners[3].cash = 10;
    bv::addCashClamped(3, -50, false);
    EXPECT_EQ(bv::owners[3].cash, -40);
    bv::addCashClamped(3, -50, true);
    EXPECT_EQ(bv::owners[3].cash, 0);
}

TEST_F(Cash, DelayedCashLandsInTheFirstFrameItsDelayFallsBelowZeroOrAtOnceWhenTheListIsFull) {
    bv::owners[0].cash = 0;
    bv::addCashLater(1200, 0, 384);
    for (int i = 0; i < 11; ++i) bv::runTimedObjects(); // 363 ms: 21 left
    EXPECT_EQ(bv::owners[0].cash, 0);
    bv::runTimedObjects(); // 396 ms
    EXPECT_EQ(std::pair(bv::owners[0].cash, bv::timedObjectCount()), std::pair(1200, 0));
    bv::addCashLater(5, 0, 0); // no flight: the next frame
    EXPECT_EQ(bv::owners[0].cash, 1200);
    bv::runTimedObjects();
    EXPECT_EQ(bv::owners[0].cash, 1205);
    bv::addCashLater(10, 0, 100); // a long frame counts its whole length
    bv::frameTicks = 4;
    bv::frameMs = 132;
    bv::runTimedObjects();
    EXPECT_EQ(bv::owners[0].cash, 1215);
    // A full list pays at once; clearing it drops what was still on its way.
    for (int32_t i = 0; i < bv::kMaxTimedObjects; ++i) bv::addCashLater(1, 1, 100000);
    bv::addCashLater(77, 0, 1000);
    EXPECT_EQ(bv::owners[0].cash, 1215 + 77);
    bv::clearTimedObjects();
    EXPECT_EQ(std::pair(bv::timedObjectCount(), bv::owners[1].cash), std::pair(0, 0));
}

} // namespace

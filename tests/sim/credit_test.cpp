// Credit points, ratings, the notice one second after a change, and what a rating costs.
#include "sim/sim_test.h"

namespace {

using Credit = simtest::SimTest;

TEST_F(Credit, RatingIsTheHighestRowThePointsReach) {
    struct Case {
        int32_t points, rating;
    } cases[] = {{0, 0},   {49, 0},  {50, 1},   {100, 2},  {200, 3},  {399, 3},      {400, 4},
                 {600, 5}, {800, 6}, {1000, 7}, {1199, 7}, {1200, 8}, {INT32_MAX, 8}};
    for (const Case& c : cases) {
        bv::owners[2].creditPoints = c.points;
        bv::owners[2].creditRating = 5; // the stored rating does not hold it up (no hysteresis)
        EXPECT_EQ(bv::creditRatingOf(2), c.rating) << c.points;
    }
}

// A change of the player's rating is told where the points were earned, and its notice opens
// through the queue one second later: 30 frames of 33 ms leave 10 ms, the 31st opens it.
TEST_F(Credit, PlayerRatingChangesOpenTheirNoticeOneSecondLater) {
    const struct {
        int32_t points, rating, event, pointsAfter, ratingAfter, state;
    } cases[] = {
        {48, 0, bv::kCreditPurchase, 58, 1, bv::kStateCreditImproves},
        {120, 2, bv::kCreditForeclosure, 45, 0, bv::kStateCreditSlips},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.event);
        SetUp();
        bv::owners[0].creditPoints = c.points;
        bv::owners[0].creditRating = c.rating;
        bv::creditEvent(c.event, 0, 300, 200);
        EXPECT_EQ(std::pair(bv::owners[0].creditPoints, bv::owners[0].creditRating),
                  std::pair(c.pointsAfter, c.ratingAfter));
        const auto notices = simtest::noticesOf(bv::NoticeKind::kCreditChanged);
        ASSERT_EQ(notices.size(), 1u);
        EXPECT_EQ(std::tuple(notices[0].amount, notices[0].x, notices[0].y),
                  std::tuple(c.pointsAfter - c.points, 300, 200));
        simtest::frames(30);
        EXPECT_EQ(bv::currentStateId(), bv::kStateGame);
        simtest::frames(1);
        EXPECT_EQ(
            std::pair(bv::currentStateId(), bv::creditNotice.improvePending + bv::creditNotice.slipPending),
            std::pair(c.state, 0));
    }
}

// Points saturate at both ends; rivals, unchanged ratings, the bank and unknown ids or events show
// nothing.
TEST_F(Credit, PointsSaturateAndOnlyThePlayersRatingChangesAreTold) {
    const struct {
        int32_t owner, points, event, pointsAfter;
    } cases[] = {
        {1, 30, bv::kCreditForeclosure, 0}, {1, INT32_MAX - 5, bv::kCreditPayOffMortgage, INT32_MAX},
        {3, 45, bv::kCreditPurchase, 55},   {0, 0, bv::kCreditPaidBill, 2},
        {5, 0, bv::kCreditPurchase, 0},     {0, 2, 42, 2},
    };
    for (const auto& c : cases) {
        bv::owners[c.owner].creditPoints = c.points;
        bv::creditEvent(c.event, c.owner, 0, 0);
        EXPECT_EQ(bv::owners[c.owner].creditPoints, c.pointsAfter) << c.owner << " " << c.event;
    }
    bv::creditEvent(bv::kCreditPurchase, 9, 0, 0);
    EXPECT_EQ(std::tuple(bv::owners[3].creditRating, bv::loggedNotices(), bv::creditNotice.noticeDelay),
              std::tuple(1, 0, 0));
    bv::scenario.advancedEconomy = 0; // points stay, and every rating reads 3
    bv::creditEvent(bv::kCreditPurchase, 3, 0, 0);
    EXPECT_EQ(std::pair(bv::owners[3].creditPoints, bv::creditRatingOf(3)), std::pair(55, 3));
}

// What a rating costs: the down payment, the rate and the purchase limit (the cash over the down
// payment, held to 32 bits). A damaged saved rating reads the top row; without the advanced economy
// the scenario's fixed terms hold, 15 % and 18 % when it gives none (not loaded through the file).
TEST_F(Credit, TermsByRating) {
    const struct {
        int32_t advanced, rating, fixedDown;
        float fixedRate;
        int32_t cash, downPct;
        float rate;
        int32_t limit;
    } cases[] = {
        // clang-format off
        {1, 0, 15, 18.0f, 30000, 30, 18.0f, 100000},
        {1, 1, 15, 18.0f, 30000, 25, 15.0f, 120000},
        {1, 8, 15, 18.0f, 30000, 8, 5.5f, 375000},
        {1, 77, 15, 18.0f, 30000, 8, 5.5f, 375000},
        {1, 8, 15, 18.0f, 2000000000, 8, 5.5f, INT32_MAX}, // x 100 would wrap in 32 bits
        {1, 8, 15, 18.0f, -30000, 8, 5.5f, -375000},
        {0, 7, 20, 9.5f, 30000, 20, 9.5f, 150000},
        {0, 7, 0, 0.0f, 30000, 15, 18.0f, 200000},
        // clang-format on
    };
    for (const auto& c : cases) {
        bv::scenario.advancedEconomy = c.advanced;
        bv::scenario.fixedDownPaymentPct = c.fixedDown;
        bv::scenario.fixedMortgageRate = c.fixedRate;
        bv::owners[0].creditRating = c.rating;
        bv::owners[0].cash = c.cash;
        SCOPED_TRACE(testing::Message() << c.advanced << " " << c.rating << " " << c.cash);
        EXPECT_EQ(bv::downPaymentPct(0), c.downPct);
        EXPECT_FLOAT_EQ(bv::loanRateOf(0), c.rate);
        EXPECT_EQ(bv::maxPurchase(0), c.limit);
    }
    EXPECT_EQ(bv::maxPurchase(5), 10000000); // the bank
    bv::scenario.advancedEconomy = 1;
    bv::owners[0].creditRating = 0;
    EXPECT_EQ(bv::downPayment(0, INT32_MAX), 644245094); // 30 % of the largest price, no wrap
}

// The gauge runs from the rating's base to the next rating's points: (245 - 90) / (400 - 90) = 0.5;
// the top rating is full. The needle, 30 long, leans 30 x (2 x ratio - 1) across, held to 0.03..0.97.
TEST_F(Credit, GaugeRatioAndNeedle) {
    const float ratios[][3] = {{0, 20, 0.4f}, {3, 245, 0.5f}, {8, 245, 1.0f}}; // {rating, points, ratio}
    for (const auto& r : ratios) {
        bv::owners[0].creditRating = int32_t(r[0]);
        bv::owners[0].creditPoints = int32_t(r[1]);
        EXPECT_FLOAT_EQ(bv::creditGaugeRatio(), r[2]) << r[0];
    }
    // {ratio, dx, dy}: dy = sqrt(900 - dx x dx).
    const float needles[][3] = {{0.4f, -6.0f, 29.3939f}, {0.5f, 0.0f, 30.0f}, {5.0f, 28.2f, 10.2352f}};
    for (const auto& n : needles) {
        float dx = 0, dy = 0;
        bv::creditGaugeNeedle(n[0], &dx, &dy);
        EXPECT_NEAR(dx, n[1], 1e-3) << n[0];
        EXPECT_NEAR(dy, n[2], 1e-3) << n[0];
    }
}

} // namespace

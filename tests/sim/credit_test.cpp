// Credit points, ratings, the notice one second after a change, and what a rating costs.
#include "sim/sim_test.h"

namespace {

using simtest::SimTest;

class Credit : public SimTest {};

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
        EXPECT_EQ(bv::owners[0].creditPoints, c.pointsAfter);
        EXPECT_EQ(bv::owners[0].creditRating, c.ratingAfter);
        const auto notices = simtest::noticesOf(bv::NoticeKind::kCreditChanged);
        ASSERT_EQ(notices.size(), 1u);
        EXPECT_EQ(notices[0].amount, c.pointsAfter - c.points);
        EXPECT_EQ(std::pair(notices[0].x, notices[0].y), std::pair(300, 200));
        simtest::frames(30);
        EXPECT_EQ(bv::currentStateId(), bv::kStateGame);
        simtest::frames(1);
        EXPECT_EQ(bv::currentStateId(), c.state);
        EXPECT_EQ(bv::creditNotice.improvePending + bv::creditNotice.slipPending, 0);
    }
    EXPECT_FLOAT_EQ(bv::loanRateOf(0), 18.0f); // rating 0
    EXPECT_EQ(bv::downPaymentPct(0), 30);
    bv::owners[0].creditRating = 1;
    EXPECT_FLOAT_EQ(bv::loanRateOf(0), 15.0f);
    EXPECT_EQ(bv::downPaymentPct(0), 25);
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
    EXPECT_EQ(bv::owners[3].creditRating, 1);
    EXPECT_EQ(bv::loggedNotices(), 0);
    EXPECT_EQ(bv::creditNotice.noticeDelay, 0);
}

TEST_F(Credit, WithoutTheAdvancedEconomyCreditIsFixed) {
    bv::scenario.advancedEconomy = 0;
    bv::scenario.fixedDownPaymentPct = 20;
    bv::scenario.fixedMortgageRate = 9.5f;
    bv::owners[0].creditPoints = 1000;
    bv::owners[0].creditRating = 7;
    bv::creditEvent(bv::kCreditPurchase, 0, 0, 0);
    EXPECT_EQ(bv::owners[0].creditPoints, 1000);
    EXPECT_EQ(bv::creditRatingOf(0), 3);
    EXPECT_FLOAT_EQ(bv::loanRateOf(0), 9.5f);
    EXPECT_EQ(bv::downPayment(0, 100000), 20000);
    bv::scenario.fixedDownPaymentPct = 0; // not loaded through the file: the default still holds
    bv::scenario.fixedMortgageRate = 0.0f;
    EXPECT_EQ(bv::downPaymentPct(0), 15);
    EXPECT_FLOAT_EQ(bv::loanRateOf(0), 18.0f);
}

TEST_F(Credit, PurchasingLimitAndDownPayment) {
    bv::owners[0].cash = 30000;
    bv::owners[0].creditRating = 0;
    EXPECT_EQ(bv::maxPurchase(0), 100000);
    bv::owners[0].creditRating = 8;
    EXPECT_EQ(bv::maxPurchase(0), 375000);
    EXPECT_EQ(bv::maxPurchase(5), 10000000);
    EXPECT_EQ(bv::downPayment(0, 199999), 15999); // 8 %, truncated
    bv::owners[0].cash = 2000000000;              // x 100 would wrap in 32 bits
    EXPECT_EQ(bv::maxPurchase(0), INT32_MAX);
    bv::owners[0].cash = -30000;
    EXPECT_EQ(bv::maxPurchase(0), -375000);
    bv::owners[0].creditRating = 0;
    EXPECT_EQ(bv::downPayment(0, INT32_MAX), 644245094); // 30 % of the largest price, no wrap
    bv::owners[0].creditRating = 77;                     // a damaged saved rating reads the top row
    EXPECT_EQ(bv::downPaymentPct(0), 8);
}

TEST_F(Credit, GaugeRatioAndNeedle) {
    bv::owners[0].creditRating = 0;
    bv::owners[0].creditPoints = 20;
    EXPECT_FLOAT_EQ(bv::creditGaugeRatio(), 0.4f);
    float dx = 0, dy = 0;
    bv::creditGaugeNeedle(0.4f, &dx, &dy); // leans left of vertical, 30 long
    EXPECT_NEAR(dx, -6.0f, 1e-4);
    EXPECT_NEAR(dx * dx + dy * dy, 900.0f, 0.01f);
    bv::owners[0].creditRating = 3;
    bv::owners[0].creditPoints = 245; // (245 - 90) / (400 - 90)
    EXPECT_FLOAT_EQ(bv::creditGaugeRatio(), 0.5f);
    bv::creditGaugeNeedle(0.5f, &dx, &dy);
    EXPECT_NEAR(dx, 0.0f, 1e-5);
    EXPECT_NEAR(dy, 30.0f, 1e-4);
    bv::owners[0].creditRating = 8;
    EXPECT_FLOAT_EQ(bv::creditGaugeRatio(), 1.0f);
    bv::creditGaugeNeedle(5.0f, &dx, &dy); // held to 0.97
    EXPECT_NEAR(dx, 28.2f, 1e-3);
}

TEST_F(Credit, EventPoints) {
    const int32_t points[9] = {-75, -4, 2, 2, 2, 2, 2, 20, 10};
    for (int32_t k = 0; k < 9; ++k) EXPECT_EQ(bv::creditEventPoints(k), points[k]) << k;
    EXPECT_EQ(bv::creditEventPoints(-1), 0);
}

} // namespace

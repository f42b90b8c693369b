// The daily house loop: rent and the leaving roll, the mortgage, arrears and foreclosure,
// applicants and outside-buyer interest.
#include "sim/sim_test.h"

namespace {

class DailyLoop : public simtest::SimTest {
  protected:
    void SetUp() override {
        simtest::SimTest::SetUp();
        bv::scenario.advancedEconomy = 0; // neutral economy: values are the base values
        simtest::makeTown(4);
    }
};

// The payment's figures and credit are worked in payments_condition_test; here, its day.
TEST_F(DailyLoop, MortgageIsPaidOnDayFifteenAndRentFallsDueOnDayZeroAndFliesIntoThePlayersCash) {
    simtest::giveHouse(0, 0, 100000, 12.0f);
    simtest::giveHouse(1, 3);
    bv::houseStates[0].level = bv::houseStates[0].renterHistory = 2; // happy renters, who stay
    for (int32_t i : {0, 1, 2}) bv::houseStates[i].hasRenter = 1;    // house 2 is the bank's
    bv::owners[0].cash = 10000;
    // The board answers a rent notice with the money's flight time over the town.
    bv::setNoticePresenter(
        [](const bv::Notice& n) { return n.kind == bv::NoticeKind::kRentCollected ? 500 : 0; });
    simtest::toDay(14);
    EXPECT_EQ(bv::owners[0].cash, 10000);
    simtest::toDay(15);
    const auto paid = simtest::noticesOf(bv::NoticeKind::kPaymentMade); // house 0's first
    ASSERT_FALSE(paid.empty());
    EXPECT_EQ(std::tuple(bv::owners[0].cash, paid[0].house, paid[0].amount),
              std::tuple(10000 - 2224, 0, 2224));
    simtest::toDay(30);
    EXPECT_EQ(bv::owners[3].cash, 0);
    simtest::days(1); // the 31st day of January is day 0 of February
    // A rival's rent arrives at once; the bank collects nothing.
    EXPECT_EQ(std::pair(bv::owners[3].cash, bv::owners[5].cash), std::pair(899, 0));
    // Only the player's rent is told, and it is still on its way.
    const auto rent = simtest::noticesOf(bv::NoticeKind::kRentCollected);
    ASSERT_EQ(rent.size(), 1u);
    EXPECT_EQ(rent[0].amount, 1299); // 1000 x 1.3f
    simtest::frames(14);             // 500 ms of flight counted from the rent day's frame: lands in the 15th
    EXPECT_EQ(bv::owners[0].cash, 7776);
    simtest::frames(1);
    EXPECT_EQ(bv::owners[0].cash, 7776 + 1299);
}

TEST_F(DailyLoop, RenterLeavesAfterTheRentWithTheMoodsChance) {
    simtest::makeTown(3000);
    for (int32_t i = 0; i < 3000; ++i) {
        simtest::giveHouse(i, 1 + i % 4);
        bv::houseStates[i].hasRenter = 1;
        bv::houseStates[i].level = 2;
        bv::houseStates[i].renterHistory = i < 1000 ? 2 : (i < 2000 ? 3 : 0); // happy, neutral, unhappy
        bv::houseStates[i].renoKind = 1; // keeps new applicants out of the count
    }
    bv::dayOfMonth = 0;
    bv::dailyHouseLoop();
    int32_t left[3] = {0, 0, 0};
    for (int32_t i = 0; i < 3000; ++i) left[i / 1000] += bv::houseStates[i].hasRenter ? 0 : 1;
    EXPECT_NEAR(left[0], 50, 25);
    EXPECT_NEAR(left[1], 150, 40);
    EXPECT_NEAR(left[2], 450, 60);
    // Rent was collected from every renter, the ones who left included.
    int64_t rivalCash = 0;
    for (int32_t r = 1; r <= 4; ++r) rivalCash += bv::owners[r].cash;
    EXPECT_EQ(rivalCash, 3000LL * 1299);
}

TEST_F(DailyLoop, ArrearsAfterMissedPaymentsThenForeclosureAtTheFourth) {
    bv::tutorialActive = 1; // no applicant dialog stops the clock
    simtest::giveHouse(1, 0, 100000, 12.0f);
    bv::owners[0].cash = 0;
    for (int32_t missed = 1; missed <= 3; ++missed) {
        simtest::toDay(15);
        EXPECT_EQ(bv::houseStates[1].monthsInArrears, missed);
        // The warning for this count rises over the house.
        const auto warnings = simtest::noticesOf(bv::NoticeKind::kPaymentMissed);
        ASSERT_EQ(warnings.size(), size_t(missed));
        EXPECT_EQ(std::pair(warnings.back().house, warnings.back().amount), std::pair(1, missed));
        EXPECT_EQ(bv::currentStateId(), bv::kStateGame);
        simtest::days(1);
    }
    // A rival's house foreclosed the same day goes back silently: no dialog of its own.
    simtest::giveHouse(2, 2, 50000, 10.0f);
    bv::houseStates[2].monthsInArrears = 3;
    simtest::toDay(15);
    // The rest of the record stays; the dialog's argument names the house.
    EXPECT_EQ(std::pair(bv::houseStates[1].owner, bv::houseStates[1].mtgPrincipal),
              std::pair(bv::kOwnerBank, 100000));
    EXPECT_EQ(std::pair(bv::currentStateId(), bv::updateArgument()), std::pair(bv::kStateForeclosure, 1));
    EXPECT_EQ(std::tuple(bv::houseStates[2].owner, bv::queuedCount(), bv::foreclosedHouse),
              std::tuple(bv::kOwnerBank, 0, 2));
}

// Runs one day of the loop for a house that has an applicant due, and says whether he came.
bool applicantCame(int32_t i, int32_t day) {
    bv::HouseState& h = bv::houseStates[i];
    h.hasRenter = 0;
    h.applicantProgress = 1.5f;
    bv::dayOfMonth = day;
    const int32_t queued = bv::queuedCount();
    bv::dailyHouseLoop();
    return h.hasRenter || bv::queuedCount() > queued;
}

// An applicant due (progress 1.5) comes to a rival's house 3 unless the house is the bank's, under
// work or the tutorial runs, or the day is within a week of the purchase day (10).
TEST_F(DailyLoop, ApplicantsComeOnlyWhereAndWhenTheyMay) {
    simtest::giveHouse(3, 1);
    bv::houseStates[3].purchaseDay = 10;
    const struct {
        const char* what;
        int32_t owner, renoKind, tutorial, day;
        bool comes;
    } cases[] = {
        {"the bank's house", bv::kOwnerBank, 0, 0, 20, false},
        {"under work", 1, 2, 0, 20, false},
        {"the tutorial", 1, 0, 1, 20, false},
        {"day 2", 1, 0, 0, 2, true},
        {"day 3", 1, 0, 0, 3, false},
        {"day 17", 1, 0, 0, 17, false},
        {"day 18", 1, 0, 0, 18, true},
    };
    for (const auto& c : cases) {
        bv::houseStates[3].owner = c.owner;
        bv::houseStates[3].renoKind = c.renoKind;
        bv::tutorialActive = c.tutorial;
        EXPECT_EQ(applicantCame(3, c.day), c.comes) << c.what;
    }
}

TEST_F(DailyLoop, ApplicantProgressDependsOnTheMood) {
    simtest::giveHouse(0, 1);
    bv::HouseState& h = bv::houseStates[0];
    h.purchaseDay = 0;
    h.level = 2;
    const float perDay[3] = {0.16f, 4.0f * 2 / 75, 4.0f / 75};
    for (int32_t mood = 0; mood < 3; ++mood) {
        h.renterHistory = 2 + mood; // happy, neutral, unhappy at normal rent
        h.hasRenter = 0;
        h.applicantProgress = 0.0f;
        bv::dayOfMonth = 3;
        bv::dailyHouseLoop();
        EXPECT_NEAR(h.applicantProgress, perDay[mood], 1e-6) << mood;
    }
}

TEST_F(DailyLoop, ThePlayersApplicantWaitsInTheDialogQueueWithHisHouse) {
    for (int32_t i : {1, 2}) {
        simtest::giveHouse(i, 0);
        bv::houseStates[i].purchaseDay = 20;
        bv::houseStates[i].applicantProgress = 1.5f;
    }
    bv::dayOfMonth = 3;
    bv::dailyHouseLoop();
    EXPECT_EQ(std::tuple(bv::currentStateId(), bv::houseStates[1].hasRenter, bv::pendingApplicantHouse),
              std::tuple(bv::kStateGame, 0u, 2));
    // Both dialogs are queued; each argument names its own house, so the first is not lost.
    simtest::frames(1);
    EXPECT_EQ(bv::currentStateId(), bv::kStateRentApplicant);
    ASSERT_TRUE(bv::takeApplicantFromArgument(bv::updateArgument()));
    EXPECT_EQ(bv::pendingApplicantHouse, 1);
}

TEST_F(DailyLoop, ApplicantHistoryFollowsLevelAndRent) {
    simtest::giveHouse(0, 2);
    bv::HouseState& h = bv::houseStates[0];
    h.purchaseDay = 20;
    struct Case {
        int32_t level, rentLevel, lo, hi;
    } cases[] = {
        {0, 1, 0, 3},  // random(5) - 1, clamped
        {2, 1, 1, 4},  // 1..5 clamped to 4
        {2, 0, 2, 4},  // low rent pulls 1..5 toward the level: 2, 2, 3, 3, 4
        {2, 2, 1, 2},  // high rent: no better than the level
        {-1, 1, 0, 3}, // a damaged house draws like level 0
    };
    for (const Case& c : cases) {
        int32_t seen[5] = {0, 0, 0, 0, 0};
        for (int k = 0; k < 300; ++k) {
            h.level = c.level;
            h.rentLevel = c.rentLevel;
            ASSERT_TRUE(applicantCame(0, 3));
            ++seen[h.renterHistory];
        }
        for (int32_t v = 0; v < 5; ++v)
            EXPECT_EQ(seen[v] > 0, v >= c.lo && v <= c.hi)
                << "level " << c.level << " rent " << c.rentLevel << " history " << v;
    }
}

TEST(BuyerInterest, LadderFallsAsThePriceRises) {
    const float cases[][2] = {
        {0.5f, 1.5f},     {0.85f, 0.3f},    {0.95f, 0.065f}, {1.0f, 0.01f}, {1.015f, 0.009f},
        {1.055f, 0.005f}, {1.149f, 0.002f}, {1.15f, 0.0f},   {1e9f, 0.0f},
    };
    for (const auto& c : cases) EXPECT_NEAR(bv::buyerInterestStep(c[0]), c[1], 1e-6f) << "ratio " << c[0];
}

// A house listed at its value gains a hundredth a day, two and a half times that in its first week
// and three times in a strong economy; a cranky seller's listing stands still. An offer (interest
// back to 0) is a one-in-a-few chance, so 0 counts too.
TEST_F(DailyLoop, HousePricedAtItsValueGainsOneHundredthADayTimesTheEconomy) {
    const struct {
        const char* what;
        int32_t daysListed, economy, cranky; // economy -1: the plain economy
        float interest;
        int32_t daysListedAfter;
    } cases[] = {
        {"first week", 0, -1, 0, 0.025f, 1},
        {"later", 10, -1, 0, 0.01f, 11},
        {"strong economy", 10, 0, 0, 0.03f, 11},
        {"cranky seller", 0, -1, 1, 0.0f, 0},
    };
    bv::HouseState& h = bv::houseStates[0];
    for (const auto& c : cases) {
        bv::scenario.advancedEconomy = c.economy >= 0 ? 1 : 0;
        bv::economySchedule[bv::monthsElapsed] = c.economy;
        simtest::listed(0, bv::kOwnerBank, bv::currentValue(0), c.daysListed).daysListed = c.daysListed;
        h.crankyMonths = c.cranky;
        h.buyerInterest = 0.0f;
        bv::dayOfMonth = 3;
        bv::dailyHouseLoop();
        EXPECT_TRUE(h.buyerInterest == 0.0f || std::fabs(h.buyerInterest - c.interest) < 1e-7f)
            << c.what << " " << h.buyerInterest;
        EXPECT_EQ(h.daysListed, c.daysListedAfter) << c.what;
    }
}

TEST_F(DailyLoop, AListingWithoutInterestStillDrawsABuyerOnceInAHundredDays) {
    // 0.002 a day: only random(100) = 0 draws; no cuts left, so the price stays above the value.
    bv::HouseState& h = simtest::listed(0, bv::kOwnerBank, bv::currentValue(0) / 100 * 113, 100);
    h.daysListed = 100;
    h.priceCuts = 2;
    int32_t offers = 0;
    for (int32_t d = 0; d < 10000; ++d) {
        h.buyerInterest = 0.0f;
        bv::dayOfMonth = 3;
        bv::dailyHouseLoop();
        offers += h.buyerInterest == 0.0f ? 1 : 0;
        ASSERT_TRUE(h.buyerInterest == 0.0f || h.buyerInterest == 0.002f);
    }
    EXPECT_NEAR(offers, 100, 35);
}

} // namespace

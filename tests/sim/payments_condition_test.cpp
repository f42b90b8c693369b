// The boundaries where money, credit and a house's condition used to go wrong: credit that
// follows the payments, what missed payments can take, the lowest condition and the listings'
// cooldown. Figures worked by hand.
#include "sim/sim_test.h"

namespace {

class PaymentsAndCondition : public simtest::SimTest {
  protected:
    void SetUp() override {
        simtest::SimTest::SetUp(); // advanced economy: credit counts
        simtest::makeTown(3);
    }
};

// A loan of 100,000 at 12 % over 60 months: 2,224 a month, of which the month's interest is 1,000.
// Due: this month's payment (at most the principal) and every missed one, never more than the
// principal and the interest of the months now due. Points: paid bill +2, bill overdue -4,
// foreclosure -75, never below 0.
TEST_F(PaymentsAndCondition, WhatTheBillTakesAndWhatCreditMakesOfIt) {
    const struct {
        const char* what;
        int32_t principal, payment, cash, arrears, pointsBefore;
        int32_t pointsAfter, cashAfter, arrearsAfter, owner, principalAfter;
    } cases[] = {
        // clang-format off
        {"paid", 100000, 2224, 10000, 0, 10, 12, 10000 - 2224, 0, 1, 100000 - 1224},
        {"missed", 100000, 2224, 100, 0, 10, 6, 100, 1, 1, 100000},
        {"two missed, a dollar short of three payments", 100000, 2224, 3 * 2224 - 1, 2, 10, 6, 3 * 2224 - 1, 3, 1, 100000},
        {"two missed, three payments", 100000, 2224, 3 * 2224, 2, 10, 12, 0, 0, 1, 100000 - (3 * 2224 - 1000)},
        // 1,000 and three months' interest of 10, not 5,448; then 2,224 x 2 > 3,000 + 2 x 30.
        {"two missed on the last 1,000", 1000, 2224, 100000, 2, 10, 12, 100000 - 1030, 0, 1, 0},
        {"the last payment is the principal", 1000, 2224, 100000, 0, 10, 12, 100000 - 1000, 0, 1, 0},
        {"one missed on the last 3,000", 3000, 2224, 100000, 1, 10, 12, 100000 - 3060, 0, 1, 0},
        {"no loan left: no bill", 0, 2224, 500, 0, 10, 10, 500, 0, 1, 0},
        // The fourth miss: overdue, then the house goes back to the bank: 120 - 4 - 75.
        {"foreclosed", 100000, 2224, 100, 3, 120, 41, 100, 0, bv::kOwnerBank, 100000},
        // 4 x 2,000,000,000 due saturates at INT32_MAX, a dollar more than the cash: missed, not
        // wrapped round to a negative bill that would pay the owner.
        {"huge arrears", INT32_MAX, 2000000000, INT32_MAX - 1, 3, 10, 0, INT32_MAX - 1, 0, bv::kOwnerBank, INT32_MAX},
        // clang-format on
    };
    for (const auto& c : cases) {
        simtest::makeTown(3);
        simtest::giveHouse(0, 1, c.principal, 12.0f);
        bv::houseStates[0].mtgPayment = c.payment;
        bv::houseStates[0].monthsInArrears = c.arrears;
        bv::owners[1].cash = c.cash;
        bv::owners[1].creditPoints = c.pointsBefore;
        bv::payMortgage(0);
        bv::foreclosureSweep();
        const bv::HouseState& h = bv::houseStates[0];
        EXPECT_EQ(std::tuple(bv::owners[1].creditPoints, bv::owners[1].cash, h.monthsInArrears, h.owner,
                             h.mtgPrincipal),
                  std::tuple(c.pointsAfter, c.cashAfter, c.arrearsAfter, c.owner, c.principalAfter))
            << c.what;
    }
}

TEST_F(PaymentsAndCondition, ConditionNeverFallsBelowMinusOne) {
    const struct {
        const char* what;
        int32_t owner, level;
        bool declined; // "noRepairs" in the last-chance dialog, else the countdown ran out
        int32_t levelAfter, ownerAfter;
        bv::NoticeKind told; // kBoardCleared: nothing told
    } cases[] = {
        {"player, level 0", 0, 0, false, -1, 0, bv::NoticeKind::kPermanentDamage},
        {"player, level -1", 0, -1, false, 0, bv::kOwnerBank, bv::NoticeKind::kBuildingCondemned},
        {"rival, level 0", 2, 0, false, -1, 2, bv::NoticeKind::kBoardCleared},
        {"rival, level -1", 2, -1, false, 0, bv::kOwnerBank, bv::NoticeKind::kBoardCleared},
        {"declined, level 2", 0, 2, true, 1, 0, bv::NoticeKind::kBoardCleared},
        {"declined, level -1", 0, -1, true, 0, bv::kOwnerBank, bv::NoticeKind::kBuildingCondemned},
    };
    for (const auto& c : cases) {
        bv::clearNoticeLog();
        bv::HouseState& h = bv::houseStates[1];
        h.owner = c.owner;
        h.level = c.level;
        h.damagePending = 1;
        if (c.declined)
            bv::declineRepair(1);
        else
            bv::permanentDamage(1);
        const int32_t count = bv::loggedNotices();
        const bv::NoticeKind told = count > 0 ? bv::loggedNotice(0).kind : bv::NoticeKind::kBoardCleared;
        EXPECT_EQ(std::tuple(h.level, h.owner, h.damagePending, count, told),
                  std::tuple(c.levelAfter, c.ownerAfter, 0u, c.told == bv::NoticeKind::kBoardCleared ? 0 : 1,
                             c.told))
            << c.what;
    }
}

TEST_F(PaymentsAndCondition, TheListingCooldownCountsFrameTicks) {
    // 200 ticks, however many rivals take their turns in those frames.
    bv::listHouse(0, 80000);
    ASSERT_EQ(bv::houseStates[0].listingCooldown, 200);
    for (int32_t o = bv::kOwnerRivalFirst; o <= bv::kOwnerRivalLast; ++o) bv::owners[o].thinkTimer = 0;
    bv::frameTicks = 4;
    for (int32_t frame = 0; frame < 49; ++frame) bv::rivalsTick();
    EXPECT_EQ(bv::houseStates[0].listingCooldown, 4);
    bv::rivalsTick();
    bv::rivalsTick();
    EXPECT_EQ(bv::houseStates[0].listingCooldown, 0); // and stays there
}

} // namespace

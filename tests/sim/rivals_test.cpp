// The rival investors: when they take their turns, which listing they buy and how, their rents,
// repairs, renovations and upgrades.
#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "core/clock.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "sim/economy.h"
#include "sim/houses.h"
#include "sim/market.h"
#include "sim/owner.h"
#include "sim/portfolio.h"
#include "sim/repairs.h"
#include "sim/rivals.h"
#include "sim/sim_fixture.h"
#include "world/scenario.h"

namespace {

using simtest::SimTest;

constexpr int32_t kRival = 2;

class Rivals : public SimTest {
  protected:
    void SetUp() override {
        SimTest::SetUp(); // advanced economy on, normal difficulty
        bv::resetMarket();
        setEconomy(bv::kEconomyNeutral);
        simtest::makeTown(6); // worth 100,000 each at level 0 and index 3
        for (int32_t o = 1; o <= 4; ++o) bv::owners[o].thinkTimer = 1000; // only kRival acts
    }
    static void setEconomy(int32_t e) {
        for (int32_t& m : bv::economySchedule) m = e;
    }
    static bv::HouseState& listed(int32_t i, int32_t owner, int32_t price) {
        bv::HouseState& h = bv::houseStates[i];
        h.owner = owner;
        h.forSale = 1;
        h.askingPrice = price;
        return h;
    }
    static bv::HouseState& own(int32_t i, int32_t level, int32_t owner = kRival) {
        bv::HouseState& h = bv::houseStates[i];
        h.owner = owner;
        h.level = level;
        return h;
    }
    static void rival(int32_t style, int32_t cash) {
        bv::owners[kRival].style = style;
        bv::owners[kRival].cash = cash;
    }
};

TEST_F(Rivals, ThinkTimesSpanTheirRangePerDifficulty) {
    const int32_t lo[3] = {10, 5, 3}, hi[3] = {29, 14, 9}, count[3] = {20, 10, 7};
    for (int32_t d = 0; d < 3; ++d) {
        std::set<int32_t> seen;
        for (int32_t n = 0; n < 2000; ++n) seen.insert(bv::rivalThinkTicks(d));
        EXPECT_EQ(*seen.begin(), lo[d]) << d;
        EXPECT_EQ(*seen.rbegin(), hi[d]) << d;
        EXPECT_EQ(static_cast<int32_t>(seen.size()), count[d]) << d;
    }
}

TEST_F(Rivals, ATurnComesWhenTheTimerDropsBelowZeroAndStartsANewWait) {
    own(0, 1).rentLevel = bv::kRentNormal;
    rival(2, 0); // a bold rival's turn shows as a raised rent
    bv::owners[kRival].thinkTimer = 4;
    bv::frameTicks = 3;
    bv::rivalsTick();
    EXPECT_EQ(bv::owners[kRival].thinkTimer, 1);
    EXPECT_EQ(bv::houseStates[0].rentLevel, bv::kRentNormal);
    bv::frameTicks = 1;
    bv::rivalsTick(); // exactly 0 is not yet below
    EXPECT_EQ(bv::houseStates[0].rentLevel, bv::kRentNormal);
    bv::rivalsTick();
    EXPECT_EQ(bv::houseStates[0].rentLevel, bv::kRentHigh);
    EXPECT_GE(bv::owners[kRival].thinkTimer, 5);
    EXPECT_LE(bv::owners[kRival].thinkTimer, 14);
    // Hard: the next wait is 3..9 ticks.
    bv::currentDifficulty = 2;
    bv::owners[kRival].thinkTimer = 0;
    bv::rivalsTick();
    EXPECT_GE(bv::owners[kRival].thinkTimer, 3);
    EXPECT_LE(bv::owners[kRival].thinkTimer, 9);
}

TEST_F(Rivals, TimersFromADamagedSaveNeitherStallNorOverflow) {
    bv::owners[kRival].thinkTimer = INT32_MAX;
    bv::rivalsTick();
    EXPECT_EQ(bv::owners[kRival].thinkTimer, bv::kLongestThinkTicks - 1);
    bv::owners[kRival].thinkTimer = INT32_MIN;
    bv::frameTicks = 10;
    bv::rivalsTick();
    EXPECT_GE(bv::owners[kRival].thinkTimer, 5);
}

TEST_F(Rivals, WithoutTheAdvancedEconomyNoRivalEverActs) {
    bv::scenario.advancedEconomy = 0;
    for (int32_t o = 1; o <= 4; ++o) {
        bv::owners[o].thinkTimer = 0;
        bv::owners[o].cash = 10000000;
    }
    listed(0, bv::kOwnerBank, 50000); // a bargain and a stretch at any index
    own(1, 0).rentLevel = bv::kRentLow;
    bv::owners[kRival].style = 2;
    simtest::frames(300);
    for (int32_t o = 1; o <= 4; ++o) {
        EXPECT_EQ(bv::owners[o].thinkTimer, 0) << o;
        EXPECT_EQ(bv::owners[o].housesBought, 0) << o;
    }
    EXPECT_EQ(bv::houseStates[1].rentLevel, bv::kRentLow);
}

TEST_F(Rivals, PickListingTakesTheBestRatioStrictlyAboveTheFactor) {
    // Index 3: 100,000 x 0.84f truncates to 83,999.
    rival(1, 24000); // 30 % down at rating 0: a limit of 80,000
    listed(0, bv::kOwnerBank, 83999);
    EXPECT_EQ(bv::pickListing(kRival, bv::bargainFactor), -1);
    listed(1, bv::kOwnerBank, 83998);
    EXPECT_EQ(bv::pickListing(kRival, bv::bargainFactor), -1); // above the limit
    bv::owners[kRival].cash = 30000;
    EXPECT_EQ(bv::pickListing(kRival, bv::bargainFactor), 1);
    listed(2, 1, 80000);
    listed(3, bv::kOwnerBank, 80000); // the same ratio, later: the earlier house stays
    EXPECT_EQ(bv::pickListing(kRival, bv::bargainFactor), 2);
    listed(4, kRival, 50000); // its own listing is never a candidate
    EXPECT_EQ(bv::pickListing(kRival, bv::bargainFactor), 2);
}

TEST_F(Rivals, PickListingHonoursThePurchaseLimitToTheDollar) {
    listed(0, bv::kOwnerBank, 80000);
    own(5, 2, bv::kOwnerBank); // worth 120,000: 100,799 under the factor, a better ratio
    listed(5, bv::kOwnerBank, 80001);
    rival(0, 24000); // limit 80,000
    EXPECT_EQ(bv::pickListing(kRival, bv::bargainFactor), 0);
    bv::owners[kRival].cash = 24001; // limit 80,003
    EXPECT_EQ(bv::pickListing(kRival, bv::bargainFactor), 5);
}

TEST_F(Rivals, PickListingReadsTheFactorOfTheCurrentEconomy) {
    setEconomy(5); // worth 80,000; the stretch factor 1.5 makes it 120,000
    rival(2, 1000000);
    listed(0, bv::kOwnerBank, 120000);
    EXPECT_EQ(bv::pickListing(kRival, bv::stretchFactor), -1);
    bv::houseStates[0].askingPrice = 119999;
    EXPECT_EQ(bv::pickListing(kRival, bv::stretchFactor), 0);
    EXPECT_EQ(bv::pickListing(kRival, bv::bargainFactor), -1);
    EXPECT_EQ(bv::pickListing(9, bv::stretchFactor), -1);
}

TEST_F(Rivals, ANewListingIsLeftAloneUntilItsCooldownHasRunDown) {
    rival(1, 1000000);
    listed(1, bv::kOwnerBank, 80000).listingCooldown = 1;
    bv::rivalTurn(kRival);
    EXPECT_EQ(bv::houseStates[1].owner, bv::kOwnerBank);
    bv::houseStates[1].listingCooldown = 0;
    bv::rivalTurn(kRival);
    EXPECT_EQ(bv::houseStates[1].owner, kRival);
    bv::listHouse(0, 80000); // a bargain, fresh: 200 ticks of cooldown
    for (int32_t turn = 0; turn < 50; ++turn) bv::rivalTurn(kRival);
    EXPECT_EQ(bv::houseStates[0].owner, bv::kOwnerBank);
    bv::houseStates[0].listingCooldown = 0; // run down by the frames (see the cooldown's own test)
    bv::rivalTurn(kRival);
    EXPECT_EQ(bv::houseStates[0].owner, kRival);
    EXPECT_EQ(bv::houseStates[0].purchasePrice, 76801); // the seller's reserve: 4 % off, fresh
}

TEST_F(Rivals, ABankListingBeyondTheBargainTestIsStillBoughtAtTheReserve) {
    // 30,000 does not cover the price with reserve payments, but the stretch purchase does not ask.
    rival(0, 30000);
    listed(0, bv::kOwnerBank, 80000);
    bv::rivalTurn(kRival);
    EXPECT_EQ(bv::houseStates[0].owner, kRival);
    EXPECT_EQ(bv::houseStates[0].purchasePrice, 76801);
    EXPECT_EQ(bv::owners[kRival].cash, 30000 - 23040); // 30 % down
}

TEST_F(Rivals, AStretchForThePlayersHouseIsAnOfferNotAPurchase) {
    // 150,000 is no bargain (83,999) but within the stretch (170,000); the reserve is 144,001.
    rival(2, 45000); // limit exactly 150,000
    listed(0, bv::kOwnerPlayer, 150000);
    bv::rivalTurn(kRival);
    EXPECT_EQ(bv::houseStates[0].owner, bv::kOwnerPlayer);
    EXPECT_EQ(bv::owners[kRival].cash, 45000);
    EXPECT_EQ(bv::dealBuyer, kRival);
    EXPECT_EQ(bv::dealHouse, 0);
    EXPECT_EQ(bv::dealOffer, 144001);
    ASSERT_EQ(bv::queuedCount(), 1);
    int32_t id = 0, argument = -1;
    ASSERT_TRUE(bv::queuedPair(0, id, argument));
    EXPECT_EQ(id, bv::kStateHouseOffer);
    EXPECT_EQ(argument, 0);
    EXPECT_TRUE(bv::playerOfferPending());
    // Another rival waits until the player has answered: the offer on screen stays this one's.
    bv::owners[3].cash = 1000000;
    bv::rivalTurn(3);
    EXPECT_EQ(bv::queuedCount(), 1);
    EXPECT_EQ(bv::dealBuyer, kRival);
    // The same listing held by the bank changes hands at once at the reserve.
    bv::clearStateQueue();
    listed(1, bv::kOwnerBank, 150000);
    bv::houseStates[0].forSale = 0;
    bv::rivalTurn(kRival);
    EXPECT_EQ(bv::houseStates[1].owner, kRival);
    EXPECT_EQ(bv::houseStates[1].purchasePrice, 144001);
    EXPECT_EQ(bv::owners[kRival].cash, 45000 - 43200);
    EXPECT_EQ(bv::queuedCount(), 0);
}

TEST_F(Rivals, RentsFollowTheRivalsStyle) {
    // Careful rivals keep renters happy, neutral ones not unhappy; bold ones ignore them. The
    // houses are at level 1; the history decides the mood a higher rent would bring.
    struct Case {
        int32_t style, mood, history, rent, expected;
    };
    const Case cases[] = {
        {0, 1, 1, 1, 0}, // a neutral renter: down
        {0, 0, 1, 0, 1}, // happy at normal rent too: up
        {0, 0, 1, 1, 1}, // neutral at high rent: stays
        {0, 2, 1, 0, 0}, // never below low
        {1, 2, 1, 2, 1}, // unhappy: down
        {1, 1, 1, 1, 2}, // neutral at high rent is enough: up
        {1, 0, 2, 1, 1}, // unhappy at high rent: stays
        {2, 2, 4, 0, 1}, // unhappy and far from the house: up all the same
        {2, 2, 4, 2, 2}, // never above high
    };
    for (const Case& c : cases) {
        bv::HouseState& h = own(0, 1);
        h.renterMood = c.mood;
        h.renterHistory = c.history;
        h.rentLevel = c.rent;
        rival(c.style, 0);
        bv::rivalTurn(kRival);
        EXPECT_EQ(h.rentLevel, c.expected) << c.style << " " << c.mood << " " << c.history << " " << c.rent;
    }
}

TEST_F(Rivals, ARepairIsPaidOnlyWhenTheCashCoversIt) {
    rival(1, 299);
    own(0, 4).damagePending = 1;
    bv::houseStates[0].repairCost = 500;
    own(1, 4).damagePending = 1;
    bv::houseStates[1].repairCost = 300;
    bv::rivalTurn(kRival);
    EXPECT_EQ(bv::houseStates[1].damagePending, 1u);
    EXPECT_EQ(bv::owners[kRival].cash, 299);
    bv::owners[kRival].cash = 300; // the first house it can pay for, to the dollar
    bv::rivalTurn(kRival);
    EXPECT_EQ(bv::houseStates[0].damagePending, 1u);
    EXPECT_EQ(bv::houseStates[1].damagePending, 0u);
    EXPECT_EQ(bv::owners[kRival].cash, 0);
    bv::houseStates[1].damagePending = 1;
    bv::owners[kRival].cash = 1000; // one repair per turn, in house order
    bv::rivalTurn(kRival);
    EXPECT_EQ(bv::houseStates[0].damagePending, 0u);
    EXPECT_EQ(bv::houseStates[1].damagePending, 1u);
    EXPECT_EQ(bv::owners[kRival].cash, 500);
}

TEST_F(Rivals, PickWorkHouseTakesTheLowestLevelThenTheCheapestThenTheEarliest) {
    EXPECT_EQ(bv::pickWorkHouse(kRival), -1);
    own(0, 2);
    own(1, 1);
    own(2, 1);
    bv::mapHouses[2].baseValue = 90000; // the same level, worth less
    own(3, 0).renoKind = bv::kWorkUpgrade;
    own(4, 0).evicting = 1;
    own(5, -1, 1); // another rival's
    EXPECT_EQ(bv::pickWorkHouse(kRival), 2);
    bv::mapHouses[2].baseValue = 100000;
    EXPECT_EQ(bv::pickWorkHouse(kRival), 1);
    own(5, -1);
    EXPECT_EQ(bv::pickWorkHouse(kRival), 5);
}

class RivalWork : public Rivals {
  protected:
    // Three houses: the rival's house 0 at `level` with a renter at normal rent, the player's house
    // 1 and a bank house 2, so the bank holds fewer than half and the rival may invest.
    void town(int32_t level) {
        simtest::makeTown(3);
        own(0, level).hasRenter = 1;
        bv::houseStates[0].renterHistory = level < 0 ? 0 : level;
        own(1, 1, bv::kOwnerPlayer);
    }
};

// A complete renovation of a level-1 house (3 levels: 6,000 x 3 x 0.8 = 14,400) needs more cash than
// it costs, and without a cash flow a month's payments (222 on 10,000) besides; a careful rival
// upgrades (6,000) for an unhappy renter when the month is covered, never while losing money; no
// work from level 3 in a flat economy, nor while the bank holds half the town.
TEST_F(RivalWork, WorkNeedsTheCashAndTheRightHouse) {
    const struct {
        const char* what;
        int32_t level;
        bool renter, mortgage, unhappy, bankHolds;
        int32_t style, cash, work, cashAfter;
    } cases[] = {
        {"renovation at its cost", 1, true, false, false, false, 1, 14400, bv::kWorkNone, 14400},
        {"renovation a dollar more", 1, true, false, false, false, 1, 14401, bv::kWorkCompleteReno, 1},
        {"no cash flow, a month short", 1, false, true, false, false, 1, 14400 + 222, bv::kWorkNone, 14622},
        {"no cash flow, the month covered", 1, false, true, false, false, 1, 14400 + 223,
         bv::kWorkCompleteReno, 223},
        {"careful upgrade, a month short", 3, true, true, true, false, 0, 6000 + 222, bv::kWorkNone, 6222},
        {"careful upgrade, covered", 3, true, true, true, false, 0, 6000 + 223, bv::kWorkUpgrade, 223},
        {"careful, losing money", 3, false, true, true, false, 0, 100000, bv::kWorkNone, 100000},
        {"the bank holds half", 1, true, false, false, true, 2, 1000000, bv::kWorkNone, 1000000},
        {"level 3, flat economy", 3, true, false, false, false, 2, 1000000, bv::kWorkNone, 1000000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        town(c.level);
        bv::houseStates[0].hasRenter = c.renter ? 1 : 0;
        if (c.mortgage) simtest::giveHouse(0, kRival, 10000);
        if (c.unhappy) bv::houseStates[0].renterMood = bv::kMoodUnhappy;
        if (c.bankHolds) bv::houseStates[1].owner = bv::kOwnerBank;
        rival(c.style, c.cash);
        bv::rivalTurn(kRival);
        EXPECT_EQ(bv::houseStates[0].renoKind, c.work);
        EXPECT_EQ(bv::owners[kRival].cash, c.cashAfter);
        EXPECT_EQ(bv::houseStates[0].evicting, c.work == bv::kWorkCompleteReno && c.renter ? 1u : 0u);
    }
}

TEST_F(RivalWork, AheadOfADownturnRivalsUpgradeByTheirStyles) {
    bv::economySchedule[1] = 4; // worse next month
    struct Case {
        int32_t style, cash;
        bool arrears, upgraded;
    };
    // Payments 222 and the upgrade's 6,000: every style must have the cost in hand; careful also
    // keeps twice the payments and wants no arrears around, neutral keeps them once and wants no
    // arrears, bold keeps them once whatever the others owe.
    const Case cases[] = {{0, 5999, false, false}, {0, 6000, false, true}, {0, 100000, true, false},
                          {1, 5999, false, false}, {1, 6000, false, true}, {1, 100000, true, false},
                          {2, 5999, true, false},  {2, 6000, true, true}};
    for (const Case& c : cases) {
        town(3);
        simtest::giveHouse(0, kRival, 10000);
        bv::houseStates[2].monthsInArrears = c.arrears ? 1 : 0;
        rival(c.style, c.cash);
        bv::rivalTurn(kRival);
        EXPECT_EQ(bv::houseStates[0].renoKind, c.upgraded ? bv::kWorkUpgrade : bv::kWorkNone)
            << c.style << " " << c.cash;
        // The upgrade is paid in full and never leaves the rival in debt.
        EXPECT_EQ(bv::owners[kRival].cash, c.upgraded ? c.cash - 6000 : c.cash) << c.style << " " << c.cash;
    }
    // The player's own arrears do not worry anyone; a top-level house is not upgraded.
    town(3);
    simtest::giveHouse(0, kRival, 10000);
    bv::houseStates[1].monthsInArrears = 2;
    rival(1, 100000);
    bv::rivalTurn(kRival);
    EXPECT_EQ(bv::houseStates[0].renoKind, bv::kWorkUpgrade);
    town(4);
    rival(2, 100000);
    bv::rivalTurn(kRival);
    EXPECT_EQ(bv::houseStates[0].renoKind, bv::kWorkNone);
    // A steady economy: no upgrade at all.
    bv::economySchedule[1] = 3;
    town(3);
    bv::rivalTurn(kRival);
    EXPECT_EQ(bv::houseStates[0].renoKind, bv::kWorkNone);
}

} // namespace

// The rival investors: when they take their turns, which listing they buy and how, their rents,
// repairs, renovations and upgrades.
#include "sim/sim_test.h"

namespace {

using simtest::listed;
using simtest::setEconomy;

constexpr int32_t kRival = 2;
constexpr int32_t kBank = bv::kOwnerBank;

class Rivals : public simtest::SimTest {
  protected:
    void SetUp() override {
        SimTest::SetUp(); // advanced economy on, normal difficulty
        bv::resetMarket();
        setEconomy(bv::kEconomyNeutral);
        simtest::makeTown(6); // worth 100,000 each at level 0 and index 3
        for (int32_t o = 1; o <= 4; ++o) bv::owners[o].thinkTimer = 1000; // only kRival acts
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
    static int32_t pick(const float (&factors)[bv::kEconomyLevels]) {
        return bv::pickListing(kRival, factors);
    }
};

TEST_F(Rivals, ThinkTimesSpanTheirRangePerDifficulty) {
    const int32_t lo[3] = {10, 5, 3}, hi[3] = {29, 14, 9}, count[3] = {20, 10, 7};
    for (int32_t d = 0; d < 3; ++d) {
        std::set<int32_t> seen;
        for (int32_t n = 0; n < 2000; ++n) seen.insert(bv::rivalThinkTicks(d));
        EXPECT_EQ(std::tuple(*seen.begin(), *seen.rbegin(), static_cast<int32_t>(seen.size())),
                  std::tuple(lo[d], hi[d], count[d]))
            << d;
    }
}

TEST_F(Rivals, ATurnComesWhenTheTimerDropsBelowZeroAndStartsANewWait) {
    own(0, 1).rentLevel = bv::kRentNormal;
    rival(2, 0); // a bold rival's turn shows as a raised rent
    bv::owners[kRival].thinkTimer = 4;
    bv::frameTicks = 3;
    bv::rivalsTick();
    EXPECT_EQ(bv::owners[kRival].thinkTimer, 1);
    bv::frameTicks = 1;
    bv::rivalsTick(); // exactly 0 is not yet below
    EXPECT_EQ(bv::houseStates[0].rentLevel, bv::kRentNormal);
    bv::rivalsTick();
    EXPECT_EQ(bv::houseStates[0].rentLevel, bv::kRentHigh);
    EXPECT_GE(bv::owners[kRival].thinkTimer, 5);
    // Timers from a damaged save neither stall nor overflow.
    bv::owners[kRival].thinkTimer = INT32_MAX;
    bv::rivalsTick();
    EXPECT_EQ(bv::owners[kRival].thinkTimer, bv::kLongestThinkTicks - 1);
    bv::owners[kRival].thinkTimer = INT32_MIN;
    bv::currentDifficulty = 2; // hard: the next wait is 3..9 ticks
    bv::rivalsTick();
    EXPECT_TRUE(bv::owners[kRival].thinkTimer >= 3 && bv::owners[kRival].thinkTimer <= 9);
}

TEST_F(Rivals, WithoutTheAdvancedEconomyNoRivalEverActs) {
    bv::scenario.advancedEconomy = 0;
    rival(2, 10000000);
    bv::owners[kRival].thinkTimer = 0;
    listed(0, kBank, 50000); // a bargain and a stretch at any index
    own(1, 0).rentLevel = bv::kRentLow;
    bv::rivalsTick();
    EXPECT_EQ(std::pair(bv::houseStates[0].owner, bv::houseStates[1].rentLevel),
              std::pair(kBank, bv::kRentLow));
}

TEST_F(Rivals, PickListingTakesTheBestRatioStrictlyAboveTheFactorWithinTheLimit) {
    // Index 3: 100,000 x 0.84f truncates to 83,999.
    rival(1, 24000); // 30 % down at rating 0: a limit of 80,000
    listed(0, kBank, 83999);
    EXPECT_EQ(pick(bv::bargainFactor), -1);
    listed(1, kBank, 83998);
    EXPECT_EQ(pick(bv::bargainFactor), -1); // above the limit
    bv::owners[kRival].cash = 30000;
    EXPECT_EQ(pick(bv::bargainFactor), 1);
    listed(2, 1, 80000);
    listed(3, kBank, 80000);  // the same ratio, later: the earlier house stays
    listed(4, kRival, 50000); // its own listing is never a candidate
    EXPECT_EQ(pick(bv::bargainFactor), 2);
    own(5, 2, kBank); // worth 120,000: 100,799 under the factor, a better ratio
    listed(5, kBank, 80001);
    bv::owners[kRival].cash = 24000; // limit 80,000
    EXPECT_EQ(pick(bv::bargainFactor), 2);
    bv::owners[kRival].cash = 24001; // limit 80,003
    EXPECT_EQ(pick(bv::bargainFactor), 5);
}

TEST_F(Rivals, PickListingReadsTheFactorOfTheCurrentEconomy) {
    setEconomy(5); // worth 80,000; the stretch factor 1.5 makes it 120,000
    rival(2, 1000000);
    listed(0, kBank, 120000);
    EXPECT_EQ(pick(bv::stretchFactor), -1);
    bv::houseStates[0].askingPrice = 119999;
    EXPECT_EQ(
        std::tuple(pick(bv::stretchFactor), pick(bv::bargainFactor), bv::pickListing(9, bv::stretchFactor)),
        std::tuple(0, -1, -1));
}

// A bank listing waits out its cooldown, then goes at the seller's reserve (4 % off, fresh: 76,801)
// even to a rival whose 30,000 would not pass the bargain test with reserve payments; 30 % down at
// rating 0, and the purchase earns 10 credit points.
TEST_F(Rivals, ANewListingIsLeftAloneUntilItsCooldownHasRunDownThenBoughtAtTheReserve) {
    rival(0, 30000);
    listed(1, kBank, 80000).listingCooldown = 1;
    bv::rivalTurn(kRival);
    EXPECT_EQ(bv::houseStates[1].owner, kBank);
    bv::houseStates[1].listingCooldown = 0;
    bv::rivalTurn(kRival);
    EXPECT_EQ(std::tuple(bv::houseStates[1].owner, bv::houseStates[1].purchasePrice, bv::owners[kRival].cash,
                         bv::houseStates[1].mtgPrincipal, bv::owners[kRival].creditPoints),
              std::tuple(kRival, 76801, 30000 - 23040, 76801 - 23040, 10));
}

TEST_F(Rivals, AStretchForThePlayersHouseIsAnOfferNotAPurchase) {
    // 150,000 is no bargain (83,999) but within the stretch (170,000); the reserve is 144,001.
    rival(2, 45000); // limit exactly 150,000
    listed(0, bv::kOwnerPlayer, 150000);
    bv::rivalTurn(kRival);
    EXPECT_EQ(std::pair(bv::houseStates[0].owner, bv::owners[kRival].cash),
              std::pair(bv::kOwnerPlayer, 45000));
    EXPECT_EQ(std::tuple(bv::dealBuyer, bv::dealHouse, bv::dealOffer), std::tuple(kRival, 0, 144001));
    // The same listing held by the bank changes hands at once at the reserve.
    bv::clearStateQueue();
    listed(1, kBank, 150000);
    bv::houseStates[0].forSale = 0;
    bv::rivalTurn(kRival);
    EXPECT_EQ(std::tuple(bv::houseStates[1].owner, bv::owners[kRival].cash, bv::queuedCount()),
              std::tuple(kRival, 45000 - 43200, 0));
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

TEST_F(Rivals, ARepairIsPaidOnlyWhenTheCashCoversItOnePerTurnInHouseOrder) {
    for (int32_t i : {0, 1}) {
        own(i, 4).damagePending = 1;
        bv::houseStates[i].repairCost = i == 0 ? 500 : 300;
    }
    const int32_t cash[3] = {299, 300, 1000}, pendingAfter[3][2] = {{1, 1}, {1, 0}, {0, 1}},
                  cashAfter[3] = {299, 0, 500};
    for (int32_t k = 0; k < 3; ++k) {
        bv::houseStates[1].damagePending = 1;
        rival(1, cash[k]);
        bv::rivalTurn(kRival);
        for (int32_t i : {0, 1}) EXPECT_EQ(bv::houseStates[i].damagePending, pendingAfter[k][i]) << cash[k];
        EXPECT_EQ(bv::owners[kRival].cash, cashAfter[k]) << cash[k];
    }
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
    // The rival's house 0 at `level` with a renter, the player's house 1 and a bank house 2, so
    // the bank holds fewer than half and the rival may invest; a mortgage of 10,000 pays 222.
    void town(int32_t level, bool mortgage) {
        simtest::makeTown(3);
        own(0, level).hasRenter = 1;
        bv::houseStates[0].renterHistory = level < 0 ? 0 : level;
        own(1, 1, bv::kOwnerPlayer);
        if (mortgage) simtest::giveHouse(0, kRival, 10000);
    }
};

// A complete renovation of a level-1 house (3 levels: 6,000 x 3 x 0.8 = 14,400) needs more cash than
// it costs, and without a cash flow a month's payments (222 on 10,000) besides; a careful rival
// upgrades (6,000) for an unhappy renter when the month is covered, never while losing money; no
// work from level 3 in a flat economy, nor while the bank holds half the town. Ahead of a downturn
// every style upgrades with the cost in hand; careful and neutral rivals want no arrears around (the
// player's own, house 1, do not count), bold ones ignore them; never a top-level house.
TEST_F(RivalWork, WorkNeedsTheCashAndTheRightHouse) {
    constexpr int32_t kNone = bv::kWorkNone, kUp = bv::kWorkUpgrade, kReno = bv::kWorkCompleteReno;
    const struct {
        const char* what;
        int32_t level;
        bool renter, mortgage, unhappy, bankHolds, downturn;
        int32_t arrearsHouse, style, cash, work, cashAfter;
    } cases[] = {
        // clang-format off
        {"renovation at its cost", 1, true, false, false, false, false, -1, 1, 14400, kNone, 14400},
        {"renovation a dollar more", 1, true, false, false, false, false, -1, 1, 14401, kReno, 1},
        {"no cash flow, a month short", 1, false, true, false, false, false, -1, 1, 14622, kNone, 14622},
        {"no cash flow, the month covered", 1, false, true, false, false, false, -1, 1, 14623, kReno, 223},
        {"careful upgrade, a month short", 3, true, true, true, false, false, -1, 0, 6222, kNone, 6222},
        {"careful upgrade, covered", 3, true, true, true, false, false, -1, 0, 6223, kUp, 223},
        {"careful, losing money", 3, false, true, true, false, false, -1, 0, 100000, kNone, 100000},
        {"the bank holds half", 1, true, false, false, true, false, -1, 2, 1000000, kNone, 1000000},
        {"level 3, flat economy", 3, true, false, false, false, false, -1, 2, 1000000, kNone, 1000000},
        {"downturn, careful, the cost", 3, true, true, false, false, true, -1, 0, 6000, kUp, 0},
        {"downturn, careful, arrears", 3, true, true, false, false, true, 2, 0, 100000, kNone, 100000},
        {"downturn, neutral, arrears", 3, true, true, false, false, true, 2, 1, 100000, kNone, 100000},
        {"downturn, neutral, the player's arrears", 3, true, true, false, false, true, 1, 1, 100000, kUp, 94000},
        {"downturn, bold, arrears, the cost", 3, true, true, false, false, true, 2, 2, 6000, kUp, 0},
        {"downturn, bold, top level", 4, true, true, false, false, true, -1, 2, 100000, kNone, 100000},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        bv::economySchedule[1] = c.downturn ? 4 : 3;
        town(c.level, c.mortgage);
        bv::houseStates[0].hasRenter = c.renter ? 1 : 0;
        if (c.unhappy) bv::houseStates[0].renterMood = bv::kMoodUnhappy;
        if (c.bankHolds) bv::houseStates[1].owner = kBank;
        if (c.arrearsHouse >= 0) bv::houseStates[c.arrearsHouse].monthsInArrears = 1;
        rival(c.style, c.cash);
        bv::rivalTurn(kRival);
        EXPECT_EQ(
            std::tuple(bv::houseStates[0].renoKind, bv::owners[kRival].cash, bv::houseStates[0].evicting),
            std::tuple(c.work, c.cashAfter, c.work == kReno && c.renter ? 1u : 0u));
    }
}

} // namespace

// The player's renters: answering applicants, choosing the rent level, the renter-left message.
#include "sim/sim_test.h"

namespace {

class Renters : public simtest::SimTest {
  protected:
    void SetUp() override {
        simtest::SimTest::SetUp();
        simtest::makeTown(3);
        simtest::giveHouse(1, bv::kOwnerPlayer);
        bv::houseStates[1].level = 2;
    }
};

// The queue argument names the house and the applicant's history; a refused applicant is gone, an
// accepted one moves in; once answered, or for an argument naming no house, nothing is waiting.
TEST_F(Renters, AnApplicantRefusedIsGoneAndAcceptedMovesIn) {
    const bv::HouseState& h = bv::houseStates[1];
    ASSERT_TRUE(bv::takeApplicantFromArgument(bv::applicantArgument(1, 2)));
    bv::refuseApplicant();
    bv::acceptApplicant();
    EXPECT_EQ(h.hasRenter, 0u);
    bv::dayOfMonth = 9;
    ASSERT_TRUE(bv::takeApplicantFromArgument(bv::applicantArgument(1, 3)));
    bv::acceptApplicant();
    // History 3 in a level-2 house at normal rent: neutral.
    EXPECT_EQ(std::tuple(h.hasRenter, h.renterHistory, h.renterSinceDay, h.renterMood),
              std::tuple(1u, 3, 9, bv::kMoodNeutral));
    EXPECT_EQ(simtest::noticesOf(bv::NoticeKind::kRenterMovedIn).size(), 1u);
    bv::houseStates[1].hasRenter = 0;
    EXPECT_FALSE(bv::takeApplicantFromArgument(bv::applicantArgument(7, 2)));
    bv::acceptApplicant();
    for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(bv::houseStates[i].hasRenter, 0u) << i;
}

// The choice steps between low and high (only a real step sounds) and, applied, sets the rent and
// the renter's mood: history 4 in a level-2 house is two apart, one nearer at low rent.
TEST_F(Renters, TheRentChoiceStaysWithinLowAndHighAndSetsTheRentAndTheMood) {
    bv::HouseState& h = bv::houseStates[1];
    bv::moveIn(1, 4);
    h.rentLevel = bv::kRentHigh;
    bv::beginRentChoice(1);
    EXPECT_EQ(bv::rentChoice, bv::kRentHigh);
    EXPECT_FALSE(bv::stepRentChoice(1));
    EXPECT_EQ(simtest::noticesOf(bv::NoticeKind::kRentStepped).size(), 0u);
    EXPECT_TRUE(bv::stepRentChoice(-1));
    EXPECT_EQ(simtest::noticesOf(bv::NoticeKind::kRentStepped).size(), 1u);
    EXPECT_TRUE(bv::stepRentChoice(-1));
    EXPECT_FALSE(bv::stepRentChoice(-1));
    bv::applyRentChoice(1);
    EXPECT_EQ(std::pair(h.rentLevel, h.renterMood), std::pair(bv::kRentLow, bv::kMoodNeutral));
    bv::beginRentChoice(1);
    bv::stepRentChoice(1);
    bv::stepRentChoice(1);
    bv::applyRentChoice(1);
    EXPECT_EQ(std::pair(h.rentLevel, h.renterMood), std::pair(bv::kRentHigh, bv::kMoodUnhappy));
    h.rentLevel = 9; // a stored level out of range starts the choice inside it
    bv::beginRentChoice(1);
    EXPECT_EQ(bv::rentChoice, bv::kRentHigh);
}

TEST_F(Renters, ThePlayerIsToldWhenARenterLeavesButNotOfOthers) {
    bv::moveIn(0, 2); // the bank's house
    bv::renterLeaves(0);
    EXPECT_EQ(bv::loggedNotices(), 0);
    bv::moveIn(1, 2);
    bv::houseStates[1].wear = 0.5f;
    bv::renterLeaves(1);
    EXPECT_EQ(simtest::noticesOf(bv::NoticeKind::kRenterLeft).size(), 1u);
    // The history is kept: it rates the next applicant.
    EXPECT_EQ(
        std::tuple(bv::houseStates[1].hasRenter, bv::houseStates[1].renterHistory, bv::houseStates[1].wear),
        std::tuple(0u, 2, 0.0f));
}

} // namespace

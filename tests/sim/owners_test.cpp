// Owner names, style tags and the owners of a new game.
#include "sim/sim_test.h"

namespace {

using Owners = simtest::SimTest;

// The rivals' records are cleared (avatar 0) before they draw: the cleared values of rivals still
// to draw must not block avatar 0, which some game draws.
TEST_F(Owners, NewGameGivesRivalsDistinctAvatarsAndMatchingStyles) {
    bool seenZero = false;
    for (int game = 0; game < 200; ++game) {
        // The player keeps his avatar and cash; his record's counts and the others' cash go.
        bv::owners[0].avatar = game % 26;
        bv::owners[0].cash = 1234;
        bv::owners[0].creditPoints = 700;
        bv::owners[0].creditRating = 5;
        bv::owners[2].cash = bv::owners[5].cash = 99;
        bv::resetOwners();
        EXPECT_EQ(std::tuple(bv::owners[0].avatar, bv::owners[0].cash,
                             bv::owners[0].creditPoints + bv::owners[0].creditRating + bv::owners[5].cash),
                  std::tuple(game % 26, 1234, 0));
        for (int32_t r = 1; r <= 4; ++r) {
            const bv::OwnerRecord& o = bv::owners[r];
            ASSERT_TRUE(o.avatar >= 0 && o.avatar < 20) << o.avatar;
            seenZero = seenZero || o.avatar == 0;
            EXPECT_EQ(std::pair(o.style, o.cash), std::pair(o.avatar % 3, 0));
            EXPECT_NE(o.avatar, bv::owners[0].avatar);
            for (int32_t other = 1; other < r; ++other) EXPECT_NE(o.avatar, bv::owners[other].avatar);
        }
    }
    EXPECT_TRUE(seenZero);
}

TEST_F(Owners, PlayerNameIsTheTypedNameWidened) {
    std::strcpy(bv::playerName, "J\xE9r\xF4me");
    EXPECT_EQ(std::u16string(bv::ownerName(0)), u"J\u00E9r\u00F4me");
    EXPECT_EQ(std::u16string(bv::ownerDisplayName(bv::kOwnerPlayer)), u"J\u00E9r\u00F4me");
    bv::playerName[0] = '\0'; // nothing typed: an empty name, and no display name
    EXPECT_EQ(std::u16string(bv::ownerName(0)), u"");
    EXPECT_EQ(bv::ownerDisplayName(bv::kOwnerPlayer), nullptr);
    // Unknown ids and avatars give an empty name rather than nothing, and no display name.
    bv::owners[2].avatar = 31;
    EXPECT_EQ(std::u16string(bv::ownerName(9)) + bv::ownerName(2), u"");
    EXPECT_TRUE(bv::ownerDisplayName(-1) == nullptr && bv::ownerDisplayName(bv::kOwnerCount) == nullptr);
}

} // namespace

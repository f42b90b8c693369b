// How the board shows the simulation's notices: every kind's pictures, money flights and sounds;
// and the floating-effect slots they use: money flights, popped pictures, rising texts and
// announcements.

#include <string>
#include <tuple>

#include "audio/sound.h"
#include "screens/board_notices.h"
#include "screens/float_effects.h"
#include "sim/owner.h"
#include "sim/sim_fixture.h"
#include "support/state_table.h"

namespace {

using namespace bv;

class BoardNotices : public simtest::SimTest {
  protected:
    void SetUp() override {
        SimTest::SetUp();
        bvtest::useStates({{kStateGame}});
        setStateSilently(kStateGame);
        clearEffects();
        simtest::makeTown(3); // house i at (400 + i, 300), no picture: effects rise from y 270
    }
    void TearDown() override {
        clearEffects();
        SimTest::TearDown();
    }
    static std::vector<FloatEffect> live() {
        std::vector<FloatEffect> out;
        for (int32_t s = 0; s < kFloatSlots; ++s)
            if (floatEffect(s).active) out.push_back(floatEffect(s));
        return out;
    }
};

// The notices whose picture, flight or sound depends on who or what they are about.
TEST_F(BoardNotices, EachNoticeShowsItsPictureFlightAndSound) {
    constexpr int32_t kNone = -1;
    struct Case {
        Notice notice;
        int32_t sound;      // the sound asked for, kNone for silence
        int32_t effectKind; // the one floating effect it starts, kNone for none
        float startX, startY, endX, endY;
        int32_t amount; // a money flight's amount
    };
    // Each notice raised at (300, 200).
    auto at = [](NoticeKind kind, int32_t house, int32_t owner, int32_t amount, int32_t detail = 0) {
        return Notice{kind, house, owner, amount, detail, 300, 200};
    };
    // clang-format off
    const Case cases[] = {
        // Credit points fly from where they were earned to the gauge below "End Month".
        {at(NoticeKind::kCreditChanged, -1, 0, 10), kSoundHarpFlourish, kFloatMoneyFlight, 300, 200, 730, 88, 10},
        {at(NoticeKind::kCreditChanged, -1, 0, -75), kSoundOutOfLuck, kFloatMoneyFlight, 300, 200, 730, 88, -75},
        {at(NoticeKind::kRenterLeaves, 1, 0, 0), kNone, kFloatGrowIn, 401, 270, 0, 0, 0},
        {at(NoticeKind::kPriceCut, 2, 3, 0), kSoundPriceCut, kFloatGrowIn, 402, 270, 0, 0, 0},
        {at(NoticeKind::kPaymentMissed, 0, 0, 2), kNone, kFloatRisingPicture, 400, 245, 0, 0, 0},
        // A rival's payment only pops the paid sign; the player's money flies to the house.
        {at(NoticeKind::kPaymentMade, 0, 3, 995), kNone, kFloatGrowIn, 400, 270, 0, 0, 0},
        {at(NoticeKind::kPurchase, 1, 2, 50000), kNone, kFloatGrowIn, 401, 300, 0, 0, 0},
        {at(NoticeKind::kPurchase, 1, kOwnerBank, 50000), kNone, kNone, 0, 0, 0, 0, 0},
        {at(NoticeKind::kWorkStarted, 0, 0, 0, kNoticeWorkUpgrade), kSoundWorkStarted, kFloatGrowIn, 400, 270, 0, 0, 0},
        {at(NoticeKind::kWorkStarted, 0, 3, 0, kNoticeWorkUpgrade), kNone, kFloatGrowIn, 400, 270, 0, 0, 0},
        {at(NoticeKind::kWorkStarted, 0, 0, 0, kNoticeWorkMovingOut), kNone, kFloatGrowIn, 400, 270, 0, 0, 0},
        {at(NoticeKind::kWorkStarted, 0, 0, 0, kNoticeWorkRenovation), kNone, kFloatGrowIn, 400, 270, 0, 0, 0},
        {at(NoticeKind::kWorkStarted, 0, 0, 0, kNoticeWorkRenterGone), kSoundWorkStarted, kFloatGrowIn, 400, 270, 0, 0, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.notice.kind));
        clearEffects();
        const int32_t requests = soundRequestCount(), last = lastSoundRequested();
        EXPECT_EQ(presentNotice(c.notice), 0);
        EXPECT_EQ(soundRequestCount(), requests + (c.sound == kNone ? 0 : 1));
        EXPECT_EQ(lastSoundRequested(), c.sound == kNone ? last : c.sound);
        const std::vector<FloatEffect> effects = live();
        if (c.effectKind == kNone) {
            EXPECT_TRUE(effects.empty());
            continue;
        }
        ASSERT_EQ(effects.size(), 1u);
        const FloatEffect& e = effects[0];
        EXPECT_EQ(std::tuple(e.kind, e.startX, e.startY), std::tuple(c.effectKind, c.startX, c.startY));
        if (c.effectKind == kFloatMoneyFlight) {
            EXPECT_EQ(std::tuple(e.endX, e.endY, e.amount), std::tuple(c.endX, c.endY, c.amount));
        }
    }
}

TEST_F(BoardNotices, RentFliesToTheCashAndAnswersWithTheFlightTime) {
    // From (401, 270) to the cash display at (160, 25): 343.6 px at 2 px per ms.
    Notice rent{NoticeKind::kRentCollected, 1, kOwnerPlayer, 1299};
    const int32_t requests = soundRequestCount();
    EXPECT_EQ(presentNotice(rent), 171);
    EXPECT_EQ(soundRequestCount(), requests + 1);
    EXPECT_EQ(lastSoundRequested(), kSoundCashRegister);
    std::vector<FloatEffect> effects = live();
    ASSERT_EQ(effects.size(), 2u); // the rent sign and the coin
    EXPECT_EQ(std::tuple(effects[0].kind, effects[1].kind, effects[1].amount, effects[1].duration,
                         effects[1].endX, effects[1].endY),
              std::tuple(kFloatGrowIn, kFloatMoneyFlight, 1299, 171, 160.0f, 25.0f));
    // The player's mortgage payment flies the other way, as a negative amount.
    clearEffects();
    presentNotice(Notice{NoticeKind::kPaymentMade, 0, kOwnerPlayer, 2224});
    effects = live();
    ASSERT_EQ(effects.size(), 2u);
    EXPECT_EQ(std::tuple(effects[1].startX, effects[1].endX, effects[1].amount),
              std::tuple(160.0f, 400.0f, -2224));
    // With every slot taken there is no flight, and the money is not held up.
    clearEffects();
    for (int32_t s = 0; s < kFloatSlots; ++s) popPicture(nullptr, 0, 0);
    EXPECT_EQ(presentNotice(rent), 0);
}

// Game frames of one tick as the frame loop runs them: the simulation's part, then the effects.
void frames(int32_t n) {
    for (int32_t i = 0; i < n; ++i) {
        simtest::frames(1);
        updateEffects();
    }
}

// A money flight lasts half a millisecond a pixel and lands on time; a popped picture grows in for
// 500 ms, then rises 0.25 px a tick on a restarted clock for three seconds.
TEST_F(BoardNotices, FlightsAndPoppedPicturesRunOnTheirClocks) {
    static const Sprite icon = {};
    EXPECT_EQ(moneyFlight(100, 500, 700, 20, 1200), 384); // 768.4 px
    EXPECT_EQ(popPicture(&icon, 50, 200), 500);
    const FloatEffect &flight = floatEffect(0), &picture = floatEffect(1);
    frames(6); // 198 ms: a little past half way
    EXPECT_NEAR(flight.x, 100 + 600 * 198.0f / 384, 1e-3);
    EXPECT_NEAR(flight.y, 500 - 480 * 198.0f / 384, 1e-3);
    frames(5); // 363 ms
    EXPECT_TRUE(flight.active);
    frames(1); // 396 ms: landed
    EXPECT_FALSE(flight.active);
    frames(3); // 495 ms
    EXPECT_EQ(std::tuple(picture.kind, picture.source), std::tuple(kFloatGrowIn, &icon));
    EXPECT_FLOAT_EQ(picture.y, 200.0f);
    frames(1); // 528 ms: now rising, its clock restarted
    EXPECT_EQ(std::tuple(picture.kind, picture.elapsed), std::tuple(kFloatRisingPicture, 0));
    frames(8);
    EXPECT_FLOAT_EQ(picture.y, 198.0f);
    frames(82); // 90 ticks, 2970 ms
    EXPECT_TRUE(picture.active);
    frames(1);
    EXPECT_FALSE(picture.active);
}

// A unique kind and a purchase announcement replace their predecessor, whose slot is the first
// free one; the bank and a house that does not exist get no announcement.
TEST_F(BoardNotices, UniqueKindsAndAnnouncementsReplaceTheirPredecessor) {
    const int32_t a = showEffect(kFloatRisingText | kFloatUniqueA, 0, 0, nullptr, 0, u"a");
    const int32_t b = showEffect(kFloatRisingText | kFloatUniqueB, 0, 0, nullptr, 0, u"b");
    showEffect(kFloatRisingText, 0, 0, nullptr, 0, u"plain");
    EXPECT_EQ(showEffect(kFloatRisingText | kFloatUniqueA, 0, 0, nullptr, 0, u"c"), a);
    EXPECT_EQ(std::u16string(floatEffect(a).text), u"c");
    EXPECT_TRUE(floatEffect(b).active);
    EXPECT_EQ(activeFloatEffects(), 3);

    clearEffects();
    simtest::makeTown(2);
    announcePurchase(2, 0);
    moneyFlight(0, 0, 10, 10, 5);
    announcePurchase(3, 1);
    announcePurchase(1, 0);          // a second announcement for house 0 takes the first one's slot
    announcePurchase(kOwnerBank, 1); // nothing for the bank
    announcePurchase(0, 2);          // nor for a house that does not exist
    const std::vector<FloatEffect> effects = live();
    ASSERT_EQ(effects.size(), 3u);
    EXPECT_EQ(std::tuple(effects[0].house, effects[0].buyer, effects[0].kind, effects[0].x, effects[0].y),
              std::tuple(0, 1, kFloatGrowIn, 400.0f, 300.0f));
    EXPECT_EQ(std::tuple(effects[1].house, effects[2].house, effects[2].buyer), std::tuple(-1, 1, 3));
}

} // namespace

// The floating-effect slots: money flights, popped pictures, rising texts and announcements.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/clock.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "screens/float_effects.h"
#include "sim/effect_list.h"
#include "sim/owner.h"
#include "sim/sim_fixture.h"

namespace {

using simtest::SimTest;

class Effects : public SimTest {};

// Game frames of one tick as the frame loop runs them: the simulation's part, then the effects.
void frames(int32_t n) {
    for (int32_t i = 0; i < n; ++i) {
        simtest::frames(1);
        bv::updateEffects();
    }
}

TEST_F(Effects, MoneyFlightLastsHalfAMillisecondPerPixel) {
    EXPECT_EQ(bv::moneyFlight(100, 500, 700, 20, 1200), 384); // 768.4 px
    const bv::FloatEffect& e = bv::floatEffect(0);
    EXPECT_TRUE(e.active);
    EXPECT_EQ(e.amount, 1200);
    frames(6); // 198 ms: a little past half way
    EXPECT_NEAR(e.x, 100 + 600 * 198.0f / 384, 1e-3);
    EXPECT_NEAR(e.y, 500 - 480 * 198.0f / 384, 1e-3);
    frames(5); // 363 ms
    EXPECT_TRUE(e.active);
    frames(1); // 396 ms: landed
    EXPECT_FALSE(e.active);
}

TEST_F(Effects, PoppedPictureGrowsInThenRisesForThreeSeconds) {
    static const bv::Sprite icon = {};
    EXPECT_EQ(bv::popPicture(&icon, 50, 200), 500);
    const bv::FloatEffect& e = bv::floatEffect(0);
    EXPECT_EQ(e.kind, bv::kFloatGrowIn);
    EXPECT_EQ(e.source, &icon);
    frames(15); // 495 ms
    EXPECT_EQ(e.kind, bv::kFloatGrowIn);
    EXPECT_FLOAT_EQ(e.y, 200.0f);
    frames(1); // 528 ms: now rising, its clock restarted
    EXPECT_EQ(e.kind, bv::kFloatRisingPicture);
    EXPECT_EQ(e.elapsed, 0);
    frames(8);
    EXPECT_FLOAT_EQ(e.y, 198.0f); // 0.25 px a tick
    frames(82);                   // 90 ticks, 2970 ms
    EXPECT_TRUE(e.active);
    frames(1);
    EXPECT_FALSE(e.active);
}

TEST_F(Effects, UniqueKindsReplaceTheirPredecessor) {
    const int32_t a = bv::showEffect(bv::kFloatRisingText | bv::kFloatUniqueA, 0, 0, nullptr, 0, u"a");
    const int32_t b = bv::showEffect(bv::kFloatRisingText | bv::kFloatUniqueB, 0, 0, nullptr, 0, u"b");
    bv::showEffect(bv::kFloatRisingText, 0, 0, nullptr, 0, u"plain");
    EXPECT_EQ(bv::activeFloatEffects(), 3);
    const int32_t c = bv::showEffect(bv::kFloatRisingText | bv::kFloatUniqueA, 0, 0, nullptr, 0, u"c");
    EXPECT_EQ(bv::activeFloatEffects(), 3);
    EXPECT_EQ(c, a); // the freed slot is the first free one
    EXPECT_EQ(std::u16string(bv::floatEffect(c).text), u"c");
    EXPECT_TRUE(bv::floatEffect(b).active);
}

TEST_F(Effects, AnnouncementReplacesEffectsOfItsHouse) {
    simtest::makeTown(2);
    bv::announcePurchase(2, 0);
    bv::moneyFlight(0, 0, 10, 10, 5);
    bv::announcePurchase(3, 1);
    EXPECT_EQ(bv::activeFloatEffects(), 3);
    bv::announcePurchase(1, 0); // a second announcement for house 0 removes the first
    EXPECT_EQ(bv::activeFloatEffects(), 3);
    int32_t forHouse0 = 0;
    for (int32_t s = 0; s < bv::kFloatSlots; ++s) {
        const bv::FloatEffect& e = bv::floatEffect(s);
        if (!e.active || e.house != 0) continue;
        ++forHouse0;
        EXPECT_EQ(e.buyer, 1);
        EXPECT_EQ(e.kind, bv::kFloatGrowIn);
        EXPECT_FLOAT_EQ(e.x, 400.0f);
        EXPECT_FLOAT_EQ(e.y, 300.0f);
    }
    EXPECT_EQ(forHouse0, 1);
    bv::announcePurchase(bv::kOwnerBank, 1); // nothing for the bank
    bv::announcePurchase(0, 2);              // nor for a house that does not exist
    EXPECT_EQ(bv::activeFloatEffects(), 3);
}

} // namespace

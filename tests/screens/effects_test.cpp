// The effect list (timed objects) and the floating-effect slots.
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

struct Counter {
    bv::TimedObject header;
    int32_t id;
    int32_t runs;
    int32_t lifetime;
};

std::vector<int32_t> g_order;
int32_t g_released = 0;

void countRun(bv::TimedObject* self) {
    auto* c = reinterpret_cast<Counter*>(self);
    g_order.push_back(c->id);
    if (++c->runs >= c->lifetime) bv::removeTimedObject(self);
}

void spawnOnRun(bv::TimedObject* self) {
    countRun(self);
    auto* child = reinterpret_cast<Counter*>(bv::addTimedObject(sizeof(Counter), countRun, nullptr));
    child->id = 100;
    child->lifetime = 1;
}

void countRelease(bv::TimedObject*) {
    ++g_released;
}

Counter* add(int32_t id, int32_t lifetime, bv::TimedUpdate update = countRun) {
    auto* c = reinterpret_cast<Counter*>(bv::addTimedObject(sizeof(Counter), update, countRelease));
    c->id = id;
    c->lifetime = lifetime;
    return c;
}

TEST_F(Effects, TimedObjectsRunInOrderAndMayRemoveThemselves) {
    g_order.clear();
    g_released = 0;
    add(1, 1);
    add(2, 3);
    add(3, 1);
    bv::runTimedObjects();
    EXPECT_EQ(g_order, (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(bv::timedObjectCount(), 1);
    EXPECT_EQ(g_released, 2);
    g_order.clear();
    bv::runTimedObjects();
    bv::runTimedObjects();
    EXPECT_EQ(g_order, (std::vector<int32_t>{2, 2}));
    EXPECT_EQ(bv::timedObjectCount(), 0);
    bv::runTimedObjects(); // an empty list is fine
}

TEST_F(Effects, ObjectsAddedDuringAPassRunFromTheNextFrame) {
    g_order.clear();
    add(1, 2, spawnOnRun);
    bv::runTimedObjects();
    EXPECT_EQ(g_order, (std::vector<int32_t>{1}));
    g_order.clear();
    bv::runTimedObjects();
    EXPECT_EQ(g_order, (std::vector<int32_t>{1, 100})); // the second child waits a frame
    g_order.clear();
    bv::runTimedObjects();
    EXPECT_EQ(g_order, (std::vector<int32_t>{100}));
    EXPECT_EQ(bv::timedObjectCount(), 0);
}

TEST_F(Effects, ClearingReleasesEveryObject) {
    g_released = 0;
    for (int32_t i = 0; i < 5; ++i) add(i, 1000);
    bv::clearTimedObjects();
    EXPECT_EQ(g_released, 5);
    EXPECT_EQ(bv::timedObjectCount(), 0);
    EXPECT_EQ(bv::addTimedObject(4, countRun, nullptr), nullptr); // smaller than its header
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

TEST_F(Effects, FullSlotsRefuseNewEffects) {
    for (int32_t i = 0; i < bv::kFloatSlots; ++i) EXPECT_GT(bv::moneyFlight(0, 0, 100, 0, i), 0);
    EXPECT_EQ(bv::activeFloatEffects(), bv::kFloatSlots);
    EXPECT_EQ(bv::moneyFlight(0, 0, 100, 0, 5), 0);
    EXPECT_EQ(bv::popPicture(nullptr, 0, 0), 0);
    EXPECT_EQ(bv::showEffect(bv::kFloatRisingText, 0, 0, nullptr, 0, u"x"), -1);
    bv::clearEffects();
    EXPECT_EQ(bv::activeFloatEffects(), 0);
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

TEST_F(Effects, RisingTextFadesOutAfterItsRise) {
    const int32_t slot = bv::showEffect(bv::kFloatRisingText, 300, 300, nullptr, 0xFFFF00, u"+%d", 10);
    ASSERT_GE(slot, 0);
    const bv::FloatEffect& e = bv::floatEffect(slot);
    EXPECT_EQ(std::u16string(e.text), u"+10");
    EXPECT_FLOAT_EQ(e.y, 275.0f); // starts 25 px up
    EXPECT_EQ(e.colour, 0xFFFF00);
    frames(91); // 3003 ms
    EXPECT_EQ(e.kind, bv::kFloatFadeOut);
    frames(15);
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

TEST_F(Effects, EffectsFreezeWhileTheBoardIsNotCurrent) {
    bv::moneyFlight(0, 0, 1000, 0, 1);
    bv::setStateSilently(bv::kStateOptions);
    bv::updateEffects();
    EXPECT_EQ(bv::floatEffect(0).elapsed, 0);
    bv::setStateSilently(bv::kStateGame);
    bv::updateEffects();
    EXPECT_EQ(bv::floatEffect(0).elapsed, 33);
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

int32_t g_drawn = 0;
void countDraw(bv::FloatEffect& e) {
    ++g_drawn;
    EXPECT_TRUE(e.active);
}

TEST_F(Effects, DrawerSeesEveryLiveEffectOncePerFrame) {
    g_drawn = 0;
    bv::setFloatEffectDrawer(countDraw);
    bv::moneyFlight(0, 0, 100, 0, 1); // 50 ms: drawn in frame 1, landed in frame 2
    bv::popPicture(nullptr, 0, 0);
    bv::updateEffects();
    EXPECT_EQ(g_drawn, 2);
    bv::updateEffects();
    EXPECT_EQ(g_drawn, 3);
    bv::setFloatEffectDrawer(nullptr);
}

} // namespace

// The market dialogs' price control: its steps by amount band, the Shift steps, its bounds and
// its sound.
#include <gtest/gtest.h>

#include <climits>

#include "audio/sound.h"
#include "screens/market_dialogs.h"
#include "sim/market.h"

namespace {

bv::PriceControl control(int32_t* amount, int32_t lo, int32_t hi) {
    return bv::PriceControl{amount, lo, hi, bv::kSoundOfferStep, true, true};
}

TEST(PriceControl, StepsFollowTheAmountsBand) {
    int32_t amount = 50000;
    const bv::PriceControl c = control(&amount, 0, INT32_MAX);
    bv::priceControlClick(c, false, true, false);
    EXPECT_EQ(amount, 50200);
    bv::priceControlClick(c, true, true, false);
    EXPECT_EQ(amount, 52700);
    bv::priceControlClick(c, false, true, true);
    EXPECT_EQ(amount, 52710);
    bv::priceControlClick(c, true, false, true);
    EXPECT_EQ(amount, 42710);
    EXPECT_EQ(bv::lastSoundRequested(), bv::kSoundOfferStep);
    // From 100000 the steps are 1000 and 5000; the band is read before the step.
    amount = 99900;
    bv::priceControlClick(c, false, true, false);
    EXPECT_EQ(amount, 100100);
    bv::priceControlClick(c, false, true, false);
    EXPECT_EQ(amount, 101100);
    amount = 1000000;
    bv::priceControlClick(c, true, true, true);
    EXPECT_EQ(amount, 1250000);
}

TEST(PriceControl, TheAmountStaysWithinItsBounds) {
    int32_t amount = 1000;
    const bv::PriceControl offer = control(&amount, 0, 60000);
    bv::priceControlClick(offer, true, false, false);
    EXPECT_EQ(amount, 0);
    bv::priceControlClick(offer, false, false, false);
    EXPECT_EQ(amount, 0);
    amount = 59000;
    bv::priceControlClick(offer, true, true, false);
    EXPECT_EQ(amount, 60000);
    // The player's counter: between the buyer's offer and the asking price.
    int32_t counter = 90500;
    const bv::PriceControl between = control(&counter, 90000, 91000);
    bv::priceControlClick(between, true, false, false);
    EXPECT_EQ(counter, 90000);
    bv::priceControlClick(between, true, true, false);
    EXPECT_EQ(counter, 91000);
    // No upper limit: the top of the range holds without wrapping.
    int32_t price = INT32_MAX - 10;
    bv::priceControlClick(control(&price, 0, INT32_MAX), true, true, true);
    EXPECT_EQ(price, INT32_MAX);
    // A control without an amount does nothing.
    bv::priceControlClick(control(nullptr, 0, 10), true, true, false);
}

} // namespace

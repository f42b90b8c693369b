// The market dialogs' price control: which arrow takes which step in which direction, the
// control's own bounds and its sound. The steps of each amount band are the market's (sim tests).
#include <gtest/gtest.h>

#include <climits>

#include "audio/sound.h"
#include "screens/market_dialogs.h"
#include "sim/market.h"

namespace {

TEST(PriceControl, EachArrowStepsTheAmountWithinTheControlsBounds) {
    struct Case {
        int32_t amount, lo, hi;
        bool large, up, shift;
        int32_t after;
    };
    // clang-format off
    const Case cases[] = {
        {50000, 0, INT32_MAX, false, true, false, 50200},   // small step under 100,000: 200
        {50200, 0, INT32_MAX, true, true, false, 52700},    // large: 2,500
        {52700, 0, INT32_MAX, false, true, true, 52710},    // small with Shift: 10
        {52710, 0, INT32_MAX, true, false, true, 42710},    // large with Shift, down: 10,000
        {99900, 0, INT32_MAX, false, true, false, 100100},  // the band is read before the step
        {59000, 0, 60000, true, true, false, 60000},        // held at the top
        {90500, 90000, 91000, true, false, false, 90000},   // a counter: between offer and asking price
        {INT32_MAX - 10, 0, INT32_MAX, true, true, true, INT32_MAX},
    };
    // clang-format on
    for (const Case& c : cases) {
        int32_t amount = c.amount;
        const int32_t requests = bv::soundRequestCount();
        const bv::PriceControl control{&amount, c.lo, c.hi, bv::kSoundOfferStep, true, true};
        bv::priceControlClick(control, c.large, c.up, c.shift);
        EXPECT_EQ(amount, c.after) << c.amount << (c.large ? " large" : " small") << (c.up ? " up" : " down");
        EXPECT_EQ(bv::soundRequestCount(), requests + 1);
        EXPECT_EQ(bv::lastSoundRequested(), bv::kSoundOfferStep);
    }
    // A control without an amount does nothing.
    bv::priceControlClick(bv::PriceControl{nullptr, 0, 10, bv::kSoundOfferStep, true, true}, true, true,
                          false);
}

} // namespace

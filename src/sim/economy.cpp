#include "sim/economy.h"

#include "assets/text_keys.h"
#include "core/random.h"
#include "sim/calendar.h"
#include "sim/sim_settings.h"

namespace bv {

int32_t economySchedule[kScheduleLength] = {};

namespace {

// The first year of every game: a slow start, a boom by month 3, a slump by month 6, recovery.
constexpr int32_t kFirstYear[12] = {3, 2, 1, 0, 2, 4, 5, 4, 3, 2, 1, 0};

constexpr float kValueFactor[kEconomyLevels] = {1.4f, 1.25f, 1.1f, 1.0f, 0.9f, 0.8f, 0.7f};
constexpr float kListingMultiplier[kEconomyLevels] = {3.0f, 2.0f, 1.5f, 1.0f, 0.9f, 0.75f, 0.5f};

int32_t clampIndex(int32_t e) {
    return e < 0 ? 0 : (e > kEconomyLevels - 1 ? kEconomyLevels - 1 : e);
}

int32_t entryAt(int32_t month) {
    if (month < 0) month = 0;
    if (month >= kScheduleLength) month = kScheduleLength - 1;
    return economySchedule[month];
}

// One swing of the cycle after the first year: a ramp of 3..8 months to a target at least two
// steps away (so every swing is felt in prices), then a pause of 0..3 months at the target.
// Booms head for 0..2, slumps for 4..6, so the schedule keeps crossing the neutral index and no
// twelve months pass without the economy moving. Returns the month after the swing.
int32_t appendSwing(int32_t from, bool boom) {
    const int32_t prev = entryAt(from - 1);
    // Swings alternate, so a boom starts at 4..6 and a slump at 0..2; the other direction is only
    // a guard for a schedule edited by hand.
    if (boom && prev < 2) boom = false;
    if (!boom && prev > 4) boom = true;
    const int32_t lo = boom ? 0 : (prev + 2 > 4 ? prev + 2 : 4);
    const int32_t hi = boom ? (prev - 2 < 2 ? prev - 2 : 2) : 6;
    const int32_t target = lo + static_cast<int32_t>(random(static_cast<uint32_t>(hi - lo + 1)));
    const int32_t rampMonths = 3 + static_cast<int32_t>(random(6));
    const int32_t next = appendRamp(from, rampMonths, target - prev);
    return appendRamp(next, static_cast<int32_t>(random(4)), 0);
}

} // namespace

int32_t appendRandomWalk(int32_t from, int32_t months, int32_t lo, int32_t hi) {
    int32_t m = from < 0 ? 0 : from;
    for (int32_t k = 0; k < months && m < kScheduleLength; ++k, ++m) {
        const int32_t step = static_cast<int32_t>(random(static_cast<uint32_t>(hi - lo))) + lo;
        economySchedule[m] = clampIndex(entryAt(m - 1) + step);
    }
    return m;
}

int32_t appendRamp(int32_t from, int32_t months, int32_t change) {
    int32_t m = from < 0 ? 0 : from;
    if (months <= 0) return m;
    const int32_t base = entryAt(m - 1);
    const float half = change < 0 ? -0.5f : 0.5f;
    const float step =
        (static_cast<float>(change) + (change == 0 ? 0.0f : half)) / static_cast<float>(months);
    float acc = 0.0f;
    for (int32_t k = 0; k < months && m < kScheduleLength; ++k, ++m) {
        acc += step;
        economySchedule[m] = clampIndex(base + static_cast<int32_t>(acc));
    }
    return m;
}

void resetEconomy() {
    for (int32_t m = 0; m < kScheduleLength; ++m)
        economySchedule[m] = m < 12 ? kFirstYear[m] : kEconomyNeutral;
    // The first year ends at the peak (index 0), so the next swing is a slump.
    bool boom = false;
    for (int32_t m = 12; m < kScheduleLength; boom = !boom) m = appendSwing(m, boom);
}

int32_t economyAt(int32_t month) {
    if (!advancedEconomyOn()) return kEconomyNeutral;
    return clampIndex(entryAt(month));
}

int32_t currentEconomy() {
    return economyAt(monthsElapsed);
}

bool economyWorsensSoon() {
    const int32_t now = currentEconomy();
    return economyAt(monthsElapsed + 1) > now || economyAt(monthsElapsed + 2) > now;
}

int32_t economyTrend() {
    const int32_t c = monthsElapsed;
    if (c + 1 >= kScheduleLength) return 0;
    const int32_t now = entryAt(c), next = entryAt(c + 1);
    if (now < next) return 2;
    return now == next ? 1 : 3;
}

const char* economyOutlookKey() {
    const bool weak = entryAt(monthsElapsed) > kEconomyNeutral;
    switch (economyTrend()) {
    case 1:
        return weak ? "flat" : "stable";
    case 2:
        return weak ? "furtherWeakening" : "shrinking";
    case 3:
        return weak ? "improving" : "growing";
    default:
        return "sustained";
    }
}

const char16_t* economyTagText(int32_t index) {
    return lookupVariantWrapped("economy_tags", index);
}

float economyValueFactor(int32_t index) {
    return kValueFactor[clampIndex(index)];
}

float economyListingMultiplier(int32_t index) {
    return kListingMultiplier[clampIndex(index)];
}

int32_t economyChartIndex(int32_t k) {
    const int32_t month = monthsElapsed + k - 1;
    return economyAt(month < 0 ? 0 : month);
}

bool economyChartSegmentDrawn(int32_t k) {
    return monthsElapsed + k - 1 < kScheduleLength;
}

} // namespace bv

// Speed of the simulation without drawing: ten years (120 game months) of the board's simulation
// frame (the day clock and the daily house loop, the four rivals taking their turns, the houses'
// timers and the bank's listings) on a 200-house town with the advanced economy, owners of every
// kind, renters, mortgages and listings. Reported as game months per second ("months_per_s") and
// the houses the rivals gained over a run ("rival_gain", so a run where they sat still shows).
#include <benchmark/benchmark.h>

#include "core/memory.h"
#include "core/random.h"
#include "core/state.h"
#include "screens/float_effects.h"
#include "sim/calendar.h"
#include "sim/cash.h"
#include "sim/economy.h"
#include "sim/effect_list.h"
#include "sim/game_update.h"
#include "sim/houses.h"
#include "sim/owners.h"
#include "world/map.h"
#include "world/scenario.h"

namespace {

constexpr int32_t kHouses = 200;
constexpr int32_t kMonths = 120;

void buildTown() {
    bv::clearMap();
    bv::mapHouses = static_cast<bv::MapHouse*>(bv::memAllocZeroed(sizeof(bv::MapHouse) * kHouses));
    bv::houseStates = static_cast<bv::HouseState*>(bv::memAllocZeroed(sizeof(bv::HouseState) * kHouses));
    bv::houseCount = kHouses;
    for (int32_t i = 0; i < kHouses; ++i) {
        bv::MapHouse& m = bv::mapHouses[i];
        m.x = 20 + (i % 20) * 38;
        m.y = 80 + (i / 20) * 34;
        m.pictureIndex = -1;
        m.baseValue = 80000 + (i % 13) * 15000;
        m.baseRent = m.baseValue / 35;
        m.upgradeCost = m.baseRent * 21 / 10;
    }
    bv::initHouses();
    for (int32_t i = 0; i < kHouses; ++i) {
        bv::HouseState& h = bv::houseStates[i];
        const int32_t owner = i % 6; // the player, four rivals and the bank in turn
        h.owner = owner;
        h.renterHistory = static_cast<int32_t>(bv::random(5));
        h.hasRenter = i % 3 != 0;
        if (owner != bv::kOwnerBank) {
            const int32_t price = bv::currentValue(i);
            h.mtgRate = 9.0f;
            h.mtgPrincipal = price - price / 5;
            h.mtgPayment = static_cast<int32_t>(bv::mortgagePayment(h.mtgPrincipal, h.mtgRate, 60));
        }
        if (i % 7 == 0) {
            h.forSale = 1;
            h.askingPrice = bv::currentValue(i) / 100 * (95 + static_cast<int32_t>(bv::random(15)));
        }
    }
}

void BM_SimulationMonths(benchmark::State& state) {
    if (!bv::memInitialised()) bv::memStartup();
    bv::clearScenario();
    bv::scenario.advancedEconomy = 1;
    bv::scenario.conditionScalar = 0.1f;
    bv::scenario.fixedDownPaymentPct = 15;
    bv::scenario.fixedMortgageRate = 18.0f;
    for (auto& byDifficulty : bv::levelTable) byDifficulty[0].monthsToPlay = kMonths + 1;
    bv::setStateSilently(2);
    int64_t months = 0;
    int64_t rivalGain = 0;
    const auto rivalHouses = [] {
        int32_t n = 0;
        for (int32_t r = 1; r <= 4; ++r) n += bv::housesOwnedBy(r);
        return n;
    };
    for (auto _ : state) {
        state.PauseTiming();
        bv::resetRandomForTests();
        bv::resetEconomy();
        bv::resetCalendar();
        bv::resetOwners();
        for (int32_t o = 0; o < bv::kOwnerCount; ++o) bv::owners[o].cash = 400000;
        buildTown();
        rivalGain -= rivalHouses();
        state.ResumeTiming();
        // Hurried days: every frame is a day, so the loop is the whole cost.
        while (bv::monthsElapsed < kMonths) {
            bv::hurryMonth = 1;
            bv::simulationFrame();
            bv::runTimedObjects();
            bv::updateEffects();
        }
        months += kMonths;
        state.PauseTiming();
        rivalGain += rivalHouses();
        state.ResumeTiming();
        benchmark::DoNotOptimize(bv::owners[0].cash);
    }
    bv::clearTimedObjects();
    bv::clearEffects();
    state.counters["months_per_s"] =
        benchmark::Counter(static_cast<double>(months), benchmark::Counter::kIsRate);
    state.counters["rival_gain"] = double(rivalGain) / double(state.iterations());
}
BENCHMARK(BM_SimulationMonths)->Unit(benchmark::kMillisecond);

} // namespace

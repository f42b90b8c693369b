#include "sim/sim_fixture.h"

#include "core/clock.h"
#include "core/memory.h"
#include "core/random.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "sim/calendar.h"
#include "sim/cash.h"
#include "sim/credit.h"
#include "sim/daily_loop.h"
#include "sim/economy.h"
#include "sim/effect_list.h"
#include "sim/game_update.h"
#include "sim/houses.h"
#include "sim/notices.h"
#include "sim/owner.h"
#include "sim/tenancy.h"
#include "support/state_table.h"
#include "support/test_support.h"
#include "world/map.h"
#include "world/scenario.h"

// The game's start-up reserves the memory pool once per process. When a test program runs the
// start-up after another test has reserved the pool, the first block is left behind: expected.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:bv::memStartup";
}

namespace simtest {

namespace {

// The simulation's part of the board's frame: the rules' steps, the credit notice's countdown and
// at most one queued dialog.
int32_t boardUpdate(int32_t) {
    bv::simulationFrame();
    bv::updateCreditNotice(bv::frameMs);
    bv::drainStateQueue();
    return 0;
}

int32_t newGame(int32_t, int32_t, int32_t) {
    bv::resetSimulation();
    bv::changeState(bv::kStateDisplayGoals);
    return 0;
}

int32_t keepArgument(int32_t, int32_t, int32_t argument) {
    return argument;
}

} // namespace

void makeTown(int32_t count, const HouseTemplate& shape) {
    // One allocation per array, as the map loader makes them; clearMap releases them.
    bv::clearMap();
    if (count <= 0) return;
    bv::mapHouses = static_cast<bv::MapHouse*>(bv::memAllocZeroed(sizeof(bv::MapHouse) * count));
    bv::houseStates = static_cast<bv::HouseState*>(bv::memAllocZeroed(sizeof(bv::HouseState) * count));
    ASSERT_NE(bv::mapHouses, nullptr);
    ASSERT_NE(bv::houseStates, nullptr);
    bv::houseCount = count;
    for (int32_t i = 0; i < count; ++i) {
        bv::MapHouse& m = bv::mapHouses[i];
        m.x = shape.x + i;
        m.y = shape.y;
        m.pictureIndex = -1;
        m.baseValue = shape.baseValue;
        m.baseRent = shape.baseRent;
        m.upgradeCost = shape.upgradeCost;
        m.bedrooms = 3;
        m.bathrooms = 2;
        bv::houseStates[i].owner = bv::kOwnerBank;
        bv::houseStates[i].rentLevel = bv::kRentNormal;
    }
}

void resetWorld(bool advanced, int32_t monthsToPlay) {
    bv::resetRandomForTests();
    bv::clearMap();
    bv::clearScenario();
    bv::scenario.levelCount = 1;
    bv::scenario.advancedEconomy = advanced ? 1 : 0;
    bv::scenario.conditionScalar = 0.1f;
    bv::scenario.fixedDownPaymentPct = 15;
    bv::scenario.fixedMortgageRate = 18.0f;
    bv::currentDifficulty = 1;
    bv::currentLevel = 0;
    for (auto& byDifficulty : bv::levelTable) byDifficulty[0].monthsToPlay = monthsToPlay;
    bv::resetCalendar();
    bv::startMonth = 0;
    bv::startYear = 0;
    for (bv::OwnerRecord& o : bv::owners) o = bv::OwnerRecord{};
    bv::creditNotice = {};
    bv::clearNoticeLog();
    bv::setNoticePresenter(nullptr);
    bv::setCalendarHooks({});
    bv::clearTimedObjects();
    bv::tutorialActive = 0;
    bv::pendingApplicantHouse = -1;
    bv::foreclosedHouse = -1;
    bv::frameTicks = 1;
    bv::frameMs = bv::kTickMs;
    // The states the simulation enters or queues; only the board does anything.
    bvtest::useStates({{bv::kStateAttract},
                       {bv::kStateInitGame, newGame},
                       {bv::kStateGame, nullptr, boardUpdate},
                       {bv::kStateOptions},
                       {bv::kStateForeclosure, keepArgument},
                       {bv::kStateCreditImproves},
                       {bv::kStateCreditSlips},
                       {bv::kStateDisplayGoals},
                       {bv::kStateRentApplicant, keepArgument}},
                      false);
    bv::setStateSilently(bv::kStateGame);
}

void frames(int32_t n) {
    for (int32_t i = 0; i < n; ++i) {
        bv::updateCurrentState();
        bv::runTimedObjects();
    }
}

void days(int32_t n) {
    for (int32_t d = 0; d < n; ++d) {
        const int32_t day = bv::dayOfMonth, month = bv::monthsElapsed;
        for (int32_t guard = 0; guard < 40 && day == bv::dayOfMonth && month == bv::monthsElapsed; ++guard)
            frames(1);
    }
}

void toDay(int32_t day) {
    for (int32_t guard = 0; guard < 40 && bv::dayOfMonth != day; ++guard) days(1);
}

void giveHouse(int32_t i, int32_t owner, int32_t principal, float rate) {
    bv::HouseState& h = bv::houseStates[i];
    h.owner = owner;
    h.mtgPrincipal = principal;
    h.mtgRate = rate;
    h.mtgPayment = static_cast<int32_t>(bv::mortgagePayment(principal, rate, 60));
    h.purchasePrice = principal;
    h.purchaseDay = bv::dayOfMonth;
}

bv::HouseState& listed(int32_t i, int32_t owner, int32_t price, int32_t daysSinceCut) {
    bv::HouseState& h = bv::houseStates[i];
    h.owner = owner;
    h.forSale = 1;
    h.askingPrice = price;
    h.daysSinceCut = daysSinceCut;
    return h;
}

void setEconomy(int32_t e) {
    bv::scenario.advancedEconomy = 1;
    for (int32_t& m : bv::economySchedule) m = e;
}

std::vector<bv::Notice> noticesOf(bv::NoticeKind kind) {
    std::vector<bv::Notice> out;
    for (int32_t i = 0; i < bv::loggedNotices(); ++i)
        if (bv::loggedNotice(i).kind == kind) out.push_back(bv::loggedNotice(i));
    return out;
}

void SimTest::SetUp() {
    bvtest::ensureMemory();
    resetWorld(true);
}

void SimTest::TearDown() {
    bv::clearTimedObjects();
    bv::useStateTable(nullptr, 0);
    bv::resetStateMachine();
}

} // namespace simtest

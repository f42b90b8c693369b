#include "game/board_fixture.h"

#include <sstream>

#include "core/state.h"
#include "core/state_ids.h"
#include "game/game.h"
#include "game/script_player.h"
#include "platform/platform.h"
#include "screens/float_effects.h"
#include "sim/calendar.h"
#include "sim/cash.h"
#include "sim/effect_list.h"
#include "sim/owner.h"
#include "support/events.h"
#include "support/test_support.h"
#include "world/map.h"

namespace boardtest {

namespace {
bool g_booted = false;

void push(bv::platform::Event::Type type, int32_t x, int32_t y) {
    bv::platform::headless::pushEvent(bvtest::event(type, 0, x, y));
}
} // namespace

void BoardTest::SetUpTestSuite() {
    if (g_booted) return;
    bv::platform::useHeadless();
    bv::platform::setProgramFolder(BV_GAME_DIR);
    bv::gameInit();
    g_booted = true;
}

void BoardTest::SetUp() {
    bvtest::ensureMemory();
}

void BoardTest::TearDown() {
    bv::clearEffects();
    bv::clearTimedObjects();
    bv::clearStateQueue();
}

void startOnBoard(const char* scenarioFile) {
    std::istringstream script(std::string("load-scenario ") + scenarioFile +
                              " 1\nstate 1\nframes 1\nstate 2\nframes 1\n");
    std::ostringstream out;
    const bv::ScriptResult r = bv::runScript(script, out);
    ASSERT_TRUE(r.ok) << r.message;
    ASSERT_EQ(bv::currentStateId(), bv::kStateGame);
    moveMouse(790, 590); // over nothing
}

void frame() {
    bv::runFrame();
}

void frames(int32_t n) {
    for (int32_t i = 0; i < n; ++i) bv::runFrame();
}

void moveMouse(int32_t x, int32_t y) {
    push(bv::platform::Event::MouseMove, x, y);
    frame();
}

void click(int32_t x, int32_t y) {
    push(bv::platform::Event::MouseMove, x, y);
    push(bv::platform::Event::LeftDown, x, y);
    frame();
    push(bv::platform::Event::LeftUp, x, y);
    frame();
}

void runUntil(int32_t month, int32_t day) {
    for (int32_t guard = 0; guard < 200000; ++guard) {
        if (bv::monthsElapsed == month && bv::dayOfMonth == day) return;
        // Applicants and messages are waved away; any other dialog ends the run.
        const int32_t state = bv::currentStateId();
        if (state == 55 || state == 27 || state == 35) bv::changeState(bv::kStateGame);
        if (bv::currentStateId() != bv::kStateGame) return;
        frame();
    }
}

void givePlayerHouse(int32_t i, int32_t principal, bool renter) {
    bv::HouseState& h = bv::houseStates[i];
    h.owner = bv::kOwnerPlayer;
    h.forSale = 0;
    h.mtgPrincipal = principal;
    h.mtgRate = 12.0f;
    h.mtgPayment = int32_t(bv::mortgagePayment(principal, 12.0f, 60));
    h.purchasePrice = principal;
    h.purchaseDay = bv::dayOfMonth;
    if (renter) {
        h.hasRenter = 1;
        h.renterHistory = 3;
        h.rentLevel = 1;
    }
}

bool housePixel(int32_t i, int32_t& x, int32_t& y) {
    for (y = 60; y < 410; ++y)
        for (x = 5; x < 640; ++x)
            if (bv::houseAtPixel(x, y) == i && bv::houseAtPixel(x + 2, y) == i &&
                bv::houseAtPixel(x, y + 2) == i)
                return true;
    return false;
}

} // namespace boardtest

// Brickvale 2's map and scenario editor: the game's start-up, then straight into the editor.
#include "core/state.h"
#include "core/state_ids.h"
#include "editor/editor.h"
#include "game/game.h"
#include "levels/level_start.h"
#include "platform/platform.h"
#include "world/scenario.h"

int main() {
    bv::platform::useSdl();
    bv::gameInit();
    // Open on the shipped career and its first town rather than an empty black map; a map maker
    // loads or starts another from the Scenario mode. Without it the editor opens empty.
    bv::loadScenario("career", 1);
    bv::changeState(bv::kStateEditor);
    while (!bv::exitGame) bv::runFrame();
    bv::gameShutdown();
    return 0;
}

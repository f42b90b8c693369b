// Brickvale 2's map and scenario editor: the game's start-up, then straight into the editor.
#include "core/game.h"
#include "core/state.h"
#include "editor/editor.h"
#include "platform/platform.h"

int main() {
    bv::platform::useSdl();
    bv::gameInit();
    bv::changeState(bv::kEditorState);
    while (!bv::exitGame) bv::runFrame();
    bv::gameShutdown();
    return 0;
}

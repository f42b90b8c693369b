// Brickvale 2: the game program.
#include "game/game.h"
#include "platform/platform.h"

int main() {
    bv::platform::useSdl();
    return bv::gameMain();
}

// Brickvale 2: the game program.
#include "core/game.h"
#include "platform/platform.h"

int main() {
    bv::platform::useSdl();
    return bv::gameMain();
}

// Brickvale 2: the game program.
//   brickvale2                 play
//   brickvale2 --script FILE   run a bvplay script on the headless backend (checks of an installed copy)
//   brickvale2 --help | --version
#include <cstdio>
#include <cstring>

#include "game/game.h"
#include "game/script_player.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--script") == 0) return bv::runScriptProgram(argv[2]);
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("brickvale2 %s\n", BV_VERSION);
        return 0;
    }
    if (argc > 1) {
        std::printf("usage: brickvale2 [--script FILE | --help | --version]\n"
                    "Buy, rent out, repair and sell houses; see 'man brickvale2'.\n");
        return std::strcmp(argv[1], "--help") == 0 ? 0 : 2;
    }
    bv::platform::useSdl();
    return bv::gameMain();
}

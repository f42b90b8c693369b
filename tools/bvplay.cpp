// bvplay: runs the real game on the headless backend from a script (see game/script_player.h).
//   bvplay [--game DIR] [--saves DIR] SCRIPT      (SCRIPT may be '-' for standard input)
#include <cstdio>
#include <cstring>
#include <string>

#include "game/script_player.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
    std::string game = BV_GAME_DIR;
    std::string saves;
    const char* script = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--game") == 0 && i + 1 < argc)
            game = argv[++i];
        else if (std::strcmp(argv[i], "--saves") == 0 && i + 1 < argc)
            saves = argv[++i];
        else if (!script)
            script = argv[i];
        else
            script = nullptr, i = argc;
    }
    if (!script) {
        std::fprintf(stderr, "usage: bvplay [--game DIR] [--saves DIR] SCRIPT\n");
        return 2;
    }
    bv::platform::setProgramFolder(game);
    if (!saves.empty()) bv::platform::setUserDataFolder(saves);
    return bv::runScriptProgram(script);
}

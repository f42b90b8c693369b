// bvplay: runs the real game on the headless backend from a script (see core/script_player.h).
//   bvplay [--game DIR] [--saves DIR] SCRIPT      (SCRIPT may be '-' for standard input)
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "game/game.h"
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
        else {
            std::fprintf(stderr, "usage: bvplay [--game DIR] [--saves DIR] SCRIPT\n");
            return 2;
        }
    }
    if (!script) {
        std::fprintf(stderr, "usage: bvplay [--game DIR] [--saves DIR] SCRIPT\n");
        return 2;
    }
    std::ifstream file;
    std::istream* in = &std::cin;
    if (std::strcmp(script, "-") != 0) {
        file.open(script);
        if (!file) {
            std::fprintf(stderr, "bvplay: cannot read %s\n", script);
            return 2;
        }
        in = &file;
    }

    bv::platform::useHeadless();
    bv::platform::setProgramFolder(game);
    if (!saves.empty()) bv::platform::setUserDataFolder(saves);
    bv::gameInit();
    bv::ScriptResult result = bv::runScript(*in, std::cout);
    if (!result.ok) {
        std::fprintf(stderr, "%s:%d: %s\n", script, result.failedLine, result.message.c_str());
        return 1;
    }
    return 0;
}

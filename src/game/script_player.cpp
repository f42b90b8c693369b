#include "game/script_player.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <istream>
#include <ostream>
#include <sstream>

#include "assets/hash.h"
#include "assets/strings.h"
#include "audio/audio.h"
#include "core/input.h"
#include "core/state.h"
#include "editor/editor_state.h"
#include "game/drive.h"
#include "game/game.h"
#include "game/monkey.h"
#include "gfx/display.h"
#include "gfx/draw.h"
#include "gfx/png_write.h"
#include "levels/high_scores.h"
#include "levels/level_start.h"
#include "platform/platform.h"
#include "screens/high_score_screen.h"
#include "screens/town_view.h"
#include "sim/calendar.h"
#include "sim/cash.h"
#include "sim/daily_loop.h"
#include "sim/houses.h"
#include "sim/market.h"
#include "sim/owner.h"
#include "sim/sim_report.h"
#include "world/map.h"
#include "world/map_draw.h"
#include "world/scenario.h"

namespace bv {

namespace {

bool parseColour(const std::string& s, uint32_t& colour) {
    if (s.size() != 6) return false;
    char* end = nullptr;
    colour = static_cast<uint32_t>(std::strtoul(s.c_str(), &end, 16));
    return end && *end == '\0';
}

} // namespace

std::string stateLine() {
    std::ostringstream line;
    line << "STATE id=" << currentStateId() << " prev=" << previousStateId() << " frame=" << frameCount
         << " ticks=" << totalTicks << " exit=" << exitGame
         << " scenario=" << (scenarioFileName[0] ? scenarioFileName : "-") << " level=" << currentLevel
         << " houses=" << houseCount << " " << simStatePairs() << " " << marketStatePairs()
         << " music=" << musicVolume() << " effects=" << effectVolume() << " help=" << helpSetting
         << " windowed=" << (isWindowed() ? 1 : 0);
    return line.str();
}

ScriptResult runScript(std::istream& in, std::ostream& out) {
    ScriptResult result;
    // Loading scenarios and maps moves into the maps folder: pictures go where the script started.
    const std::filesystem::path startFolder = std::filesystem::current_path();
    auto outputPath = [&](const std::string& file) { return (startFolder / file).string(); };
    std::string raw;
    int lineNo = 0;
    auto fail = [&](const std::string& message) {
        result.ok = false;
        result.failedLine = lineNo;
        result.message = message;
        return result;
    };
    while (std::getline(in, raw)) {
        ++lineNo;
        std::istringstream line(raw);
        std::string cmd;
        if (!(line >> cmd) || cmd[0] == '#') continue;
        if (exitGame && cmd != "expect-exit" && cmd != "print-state")
            return fail("the game has ended; '" + cmd + "' cannot run");
        if (cmd == "frames") {
            int n = 0;
            if (!(line >> n) || n < 0) return fail("frames needs a count");
            driveFrames(n);
        } else if (cmd == "move" || cmd == "click" || cmd == "rclick") {
            int32_t x = 0, y = 0;
            if (!(line >> x >> y)) return fail(cmd + " needs X Y");
            if (cmd == "move")
                driveMove(x, y);
            else
                driveClick(x, y, cmd == "rclick");
        } else if (cmd == "key" || cmd == "hold") {
            std::string name;
            int n = 1;
            if (!(line >> name)) return fail(cmd + " needs a key name");
            if (cmd == "hold" && (!(line >> n) || n < 1)) return fail("hold needs a frame count");
            int32_t vk = virtualKeyByName(name.c_str());
            if (vk == 0) return fail("unknown key '" + name + "'");
            driveKey(vk, n);
        } else if (cmd == "type") {
            std::string text;
            std::getline(line >> std::ws, text);
            driveType(text);
        } else if (cmd == "close") {
            platform::Event e;
            e.type = platform::Event::Close;
            platform::headless::pushEvent(e);
            driveFrames(1);
        } else if (cmd == "state") {
            int32_t id = 0;
            if (!(line >> id)) return fail("state needs an id");
            changeState(id);
        } else if (cmd == "load-scenario") {
            std::string name;
            int32_t difficulty = -1;
            if (!(line >> name >> difficulty) || difficulty < 0 || difficulty > 2)
                return fail("load-scenario needs a scenario name and a difficulty 0..2");
            if (!startScenarioNamed(name, difficulty)) return fail("cannot start scenario " + name);
        } else if (cmd == "load-map") {
            std::string name;
            if (!(line >> name)) return fail("load-map needs a map name");
            if (!loadMap(name.c_str())) return fail("cannot load map " + name);
        } else if (cmd == "map-shot") {
            std::string file;
            if (!(line >> file)) return fail("map-shot needs a file name");
            resetClip();
            fillRect(frameBuffer, 0, 0, kMapWidth, kMapHeight, 0);
            drawMapTown();
            if (!writePng(outputPath(file), frameBuffer, kMapWidth, kMapHeight, false))
                return fail("cannot write " + file);
        } else if (cmd == "shot") {
            std::string file;
            if (!(line >> file)) return fail("shot needs a file name");
            const uint32_t* pixels = platform::headless::lastFrame();
            if (!pixels) return fail("no frame has been presented yet");
            if (!writePng(outputPath(file), pixels, kScreenWidth, kScreenHeight, false))
                return fail("cannot write " + file);
        } else if (cmd == "expect-state") {
            int32_t id = 0;
            if (!(line >> id)) return fail("expect-state needs an id");
            if (currentStateId() != id)
                return fail("expected state " + std::to_string(id) + ", current is " +
                            std::to_string(currentStateId()));
        } else if (cmd == "expect-pixel") {
            int32_t x = 0, y = 0;
            std::string hex;
            uint32_t colour = 0;
            if (!(line >> x >> y >> hex) || !parseColour(hex, colour))
                return fail("expect-pixel needs X Y RRGGBB");
            const uint32_t* pixels = platform::headless::lastFrame();
            if (!pixels || x < 0 || y < 0 || x >= kScreenWidth || y >= kScreenHeight)
                return fail("no such pixel");
            uint32_t got = pixels[y * kScreenWidth + x] & 0xFFFFFFu;
            if (got != colour) {
                char msg[96];
                std::snprintf(msg, sizeof msg, "pixel (%d, %d) is %06X, expected %06X", x, y, got, colour);
                return fail(msg);
            }
        } else if (cmd == "expect-exit") {
            if (!exitGame) return fail("the game has not ended");
        } else if (cmd == "select") {
            int32_t house = -1;
            if (!(line >> house)) return fail("select needs a house index");
            if (!getHouse(house)) return fail("no house " + std::to_string(house));
            selectHouse(house);
        } else if (cmd == "expect-owned") {
            int32_t owner = -1, least = 0;
            if (!(line >> owner >> least) || owner < 0 || owner > kOwnerBank)
                return fail("expect-owned needs an owner 0..5 and a house count");
            const int32_t held = housesOwnedBy(owner);
            if (held < least)
                return fail("owner " + std::to_string(owner) + " holds " + std::to_string(held) +
                            " houses, expected at least " + std::to_string(least));
        } else if (cmd == "buy") {
            int32_t owner = -1, house = -1, price = 0;
            if (!(line >> owner >> house >> price)) return fail("buy needs an owner, a house and a price");
            if (!purchase(owner, house, price)) return fail("the purchase was refused");
        } else if (cmd == "list") {
            int32_t house = -1, price = 0;
            if (!(line >> house >> price) || !getHouse(house)) return fail("list needs a house and a price");
            listHouse(house, price);
        } else if (cmd == "offer") {
            int32_t buyer = -1, house = -1, amount = 0;
            if (!(line >> buyer >> house >> amount) || !getHouse(house))
                return fail("offer needs a buyer, a house and an amount");
            offerOnPlayerHouse(buyer, house, amount);
        } else if (cmd == "expect-cash") {
            int32_t owner = -1, amount = 0;
            if (!(line >> owner >> amount) || owner < 0 || owner > kOwnerBank)
                return fail("expect-cash needs an owner 0..5 and an amount");
            if (cashOf(owner) != amount)
                return fail("owner " + std::to_string(owner) + " has " + std::to_string(cashOf(owner)) +
                            ", expected " + std::to_string(amount));
        } else if (cmd == "monkey") {
            uint32_t seed = 0;
            int64_t count = 0;
            if (!(line >> seed >> count) || count < 0) return fail("monkey needs a seed and a frame count");
            const MonkeyResult monkey = runMonkey(seed, count);
            if (!monkey.ok) return fail("monkey: " + monkey.message);
            out << "MONKEY seed=" << seed << " frames=" << count << " restarts=" << monkey.restarts
                << " states=" << monkey.statesVisited << "\n";
        } else if (cmd == "hurry") {
            hurry();
        } else if (cmd == "print-state") {
            // Flushed: a test may wait for this line while the script runs on.
            out << stateLine() << std::endl;
        } else if (cmd == "print-startup") {
            const StartupCost cost = startupCost();
            out << "STARTUP cpu_ms=" << int64_t(cost.totalCpuMs) << " logo_cpu_ms=" << int64_t(cost.logoCpuMs)
                << " without_logo_ms=" << int64_t(cost.totalCpuMs - cost.logoCpuMs) << "\n";
        } else if (cmd == "print-editor") {
            out << "EDITOR question=" << (questionOpen() ? 1 : 0) << " nameForm=" << (nameFormOpen() ? 1 : 0)
                << " mapModified=" << (mapModified() ? 1 : 0)
                << " scenarioModified=" << (scenarioModified() ? 1 : 0) << " houses=" << houseCount
                << " error=" << nameFormError() << " message=" << editorMessage() << "\n";
        } else if (cmd == "print-house") {
            int32_t house = -1;
            if (!(line >> house) || !getHouse(house)) return fail("print-house needs a house index");
            out << houseLine(house) << "\n";
        } else if (cmd == "print-scores") {
            out << "SCORES shown=" << shownScoreTable << " marked=" << markedScorePlace()
                << " length=" << gameLengthIndex;
            for (int32_t p = 0; p < kScorePlaces; ++p) {
                const ScoreEntry& e = highScores[shownScoreTable][p];
                char name[kScoreNameUnits];
                narrowInto(name, sizeof name, e.name);
                out << " " << p + 1 << "=" << name << "," << e.difficulty << "," << e.score;
            }
            out << "\n";
        } else {
            return fail("unknown command '" + cmd + "'");
        }
    }
    return result;
}

int runScriptProgram(const char* script) {
    std::ifstream file;
    std::istream* in = &std::cin;
    if (std::strcmp(script, "-") != 0) {
        file.open(script);
        if (!file) {
            std::fprintf(stderr, "cannot read the script %s\n", script);
            return 2;
        }
        in = &file;
    }
    platform::useHeadless();
    gameInit();
    const ScriptResult result = runScript(*in, std::cout);
    if (result.ok) return 0;
    std::fprintf(stderr, "%s:%d: %s\n", script, result.failedLine, result.message.c_str());
    return 1;
}

} // namespace bv

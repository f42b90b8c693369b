// What the fuzz targets share: bringing up as much of the game as a target needs on the headless
// backend, and a check that ends the run with a message when a reader broke a promise.
//
// Every target defines LLVMFuzzerInitialize (its one-time set-up) and LLVMFuzzerTestOneInput (one
// input: the reader's memory entry point, then what the game does next with the result). Built
// with -DBV_FUZZ=ON under clang they are libFuzzer programs; otherwise replay.cpp supplies a main
// that replays files and folders through the same function (see there).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace bvfuzz {

// The headless backend, the memory pool, a save folder of this process's own and the built game
// folder as the program folder, with its archive open. Once per process.
void openGame();
// The game's whole start-up (gameInit) on top of openGame: texts, fonts, pictures, sounds, the
// picture trees and the first state. Once per process.
void startGame();
// Runs `days` game days on the board the way the frame loop does (the simulation's frame and the
// timed objects every tick), drawing the board once a day; queued dialogs are dropped.
void runBoardDays(int32_t days);
// A folder of this process's own, empty when first asked for.
const std::string& scratchFolder();
// The content manifest of the source tree, one line per element.
const std::string& manifestText();

[[noreturn]] void fail(const char* what, const char* file, int line);

} // namespace bvfuzz

#define FUZZ_CHECK(condition) ((condition) ? (void)0 : bvfuzz::fail(#condition, __FILE__, __LINE__))

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer (installing missing Debian
# packages first), builds the programs once more optimised (Release), and runs the whole test suite
# headless.
set -euo pipefail
cd "$(dirname "$0")/.."
# Tests stay between a quarter and a third of the code: above a third the command fails here.
scripts/test-ratio.sh
scripts/setup.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBV_SANITIZE=ON -DBV_TESTS=ON
cmake --build build-test -j"$(nproc)"
# One optimised build besides the sanitizer build: the programs must compile warning-free at -O3 too.
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBV_TESTS=OFF
cmake --build build-release -j"$(nproc)" --target brickvale2 brickvale2-editor bvplay bvbot bvpack bvsheet bvtext
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir build-test --output-on-failure -j"$(nproc)"

#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer (installing missing Debian
# packages first) and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBV_SANITIZE=ON -DBV_TESTS=ON
cmake --build build-test -j"$(nproc)"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir build-test --output-on-failure -j"$(nproc)"

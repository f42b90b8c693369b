#!/usr/bin/env bash
# Builds the game (installing missing Debian packages first) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBV_TESTS=OFF
cmake --build build -j"$(nproc)"
exec build/game/brickvale2 "$@"

#!/bin/sh
# The monkey's long run: 200,000 frames on each of three seeds, each in a fresh save folder.
#   tests/scripts/monkey/long_run.sh BVPLAY GAMEDIR
set -eu
bvplay=$1 game=$2
for seed in 1 2 3; do
  saves=$(mktemp -d)
  printf 'frames 2\nload-scenario career 1\nstate 1\nframes 2\nstate 2\nmonkey %s 200000\n' "$seed" |
    "$bvplay" --game "$game" --saves "$saves/" -
  rm -rf "$saves"
done

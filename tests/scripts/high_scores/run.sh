#!/bin/sh
# Plays won.bvs and kept.bvs in two processes sharing one save folder: the won game's score is
# marked in first place of table 0 (First Steps on Normal: 12 months) and is still there, under
# the player's name and difficulty, in the second process.
set -eu
bvplay=$1 game=$2 dir=$3
saves=$(mktemp -d)
trap 'rm -rf "$saves"' EXIT
"$bvplay" --game "$game" --saves "$saves/" "$dir/won.bvs" > "$saves/first.out"
"$bvplay" --game "$game" --saves "$saves/" "$dir/kept.bvs" > "$saves/second.out"
cat "$saves/first.out" "$saves/second.out"
won=$(grep '^SCORES' "$saves/first.out")
kept=$(grep '^SCORES' "$saves/second.out")
entry=$(printf '%s\n' "$won" | tr ' ' '\n' | sed -n 's/^1=//p')
case "$won" in
*" shown=0 marked=1 "*" 1=Jo,1,"*" 2=Margaret,-1,800 "*" 10=Edith,-1,400") ;;
*) echo "the won game is not marked first in table 0 above the defaults" >&2; exit 1 ;;
esac
case "$kept" in
*" shown=0 marked=0 "*" 1=$entry "*) ;;
*) echo "the second process does not show $entry first in table 0" >&2; exit 1 ;;
esac

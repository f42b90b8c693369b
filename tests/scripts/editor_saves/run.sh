#!/bin/sh
# The editor and the player's saved game: with Ann's game saved, closing the editor with Save and
# test play with Save leave her save file and the last-player file byte for byte as they were.
set -eu
bvplay=$1 game=$2 dir=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A game folder of its own whose maps may be written: everything else is linked.
mkdir "$work/game" "$work/saves"
for entry in "$game"/*; do
  [ "$(basename "$entry")" = maps ] || ln -s "$entry" "$work/game/"
done
cp -r "$game/maps" "$work/game/maps"
play() { "$bvplay" --game "$work/game/" --saves "$work/saves/" "$dir/$1"; }

play player_game.bvs
cp "$work/saves/Ann_bvx2.sav" "$work/ann.ref"
cp "$work/saves/bvx2.sav" "$work/last.ref"

out=$(play close_and_save.bvs)
echo "$out"
echo "$out" | grep -q '^EDITOR question=1 .*mapModified=1' || { echo "closing did not ask" >&2; exit 1; }
cmp "$work/saves/Ann_bvx2.sav" "$work/ann.ref"
cmp "$work/saves/bvx2.sav" "$work/last.ref"

play test_play_and_save.bvs
cmp "$work/saves/Ann_bvx2.sav" "$work/ann.ref"
cmp "$work/saves/bvx2.sav" "$work/last.ref"
[ -s "$work/saves/editor_bvx2.sav" ] || { echo "test play did not save under its own name" >&2; exit 1; }


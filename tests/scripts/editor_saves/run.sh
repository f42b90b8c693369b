#!/bin/sh
# The editor and the player's saved game: with Ann's game saved, closing the editor with Save and
# test play with Save leave her save file and the last-player file byte for byte as they were; a
# Save Map into a maps folder that refuses the new file keeps every map as it was and says why.
set -eu
bvplay=$1 game=$2 dir=$3
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
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
changed=$(for m in "$work/game/maps/"*.map; do cmp -s "$m" "$game/maps/$(basename "$m")" || basename "$m"; done)
[ -n "$changed" ] || { echo "Save did not write the map" >&2; exit 1; }

play test_play_and_save.bvs
cmp "$work/saves/Ann_bvx2.sav" "$work/ann.ref"
cmp "$work/saves/bvx2.sav" "$work/last.ref"
[ -s "$work/saves/editor_bvx2.sav" ] || { echo "test play did not save under its own name" >&2; exit 1; }

# The maps folder refuses new files (for root too: the temporary file's name is taken by a folder).
rm -rf "$work/game/maps"
cp -r "$game/maps" "$work/game/maps"
for m in "$work/game/maps/"*.map; do mkdir "$m.tmp"; done
chmod a-w "$work/game/maps"
out=$(play save_map_refused.bvs)
echo "$out"
echo "$out" | grep -q '^EDITOR question=0 nameForm=1 .*mapModified=1.* error=Could not save "maps/.*\.map": ' ||
  { echo "the refused save did not keep the form open with its reason" >&2; exit 1; }
for m in "$game/maps/"*.map; do cmp "$m" "$work/game/maps/$(basename "$m")"; done

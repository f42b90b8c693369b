#!/bin/sh
# SIGTERM to a game in progress: it saves as "save and quit" does and is gone within two seconds,
# and its save holds the month it was in.
set -eu
bvplay=$1 game=$2 dir=$3
saves=$(mktemp -d)
trap 'rm -rf "$saves"' EXIT
"$bvplay" --game "$game" --saves "$saves/" "$dir/on_the_board.bvs" > "$saves/out" 2>&1 &
pid=$!
waited=0
until grep -q '^STATE' "$saves/out"; do
  sleep 0.2; waited=$((waited + 1))
  [ $waited -lt 600 ] || { echo "the game never reached the board" >&2; kill -9 $pid; exit 1; }
done
month=$(grep '^STATE' "$saves/out" | tr ' ' '\n' | sed -n 's/^month=//p')
kill -TERM $pid
gone=0
for i in 1 2 3 4 5 6 7 8 9 10; do
  kill -0 $pid 2>/dev/null || { gone=1; break; }
  sleep 0.2
done
[ $gone -eq 1 ] || { echo "still running two seconds after SIGTERM" >&2; kill -9 $pid; exit 1; }
wait $pid
save="$saves/Ann_bvx2.sav"
[ -s "$save" ] || { echo "no save after SIGTERM" >&2; exit 1; }
# monthsElapsed: int32 at block offset 13616, after the 4-byte size.
saved=$(od -An -tu4 -j $((4 + 13616)) -N4 "$save" | tr -d ' ')
[ "$saved" = "$month" ]

#!/bin/sh
# Plays won.bvs: the won game's score is marked in first place of table 0 (First Steps on Normal:
# 12 months), under the player's name and difficulty, above the default entries. (That the tables
# and a finished game come back from the save is checked in the save tests.)
set -eu
bvplay=$1 game=$2 dir=$3
saves=$(mktemp -d)
trap 'rm -rf "$saves"' EXIT
"$bvplay" --game "$game" --saves "$saves/" "$dir/won.bvs" > "$saves/out"
cat "$saves/out"
case "$(grep '^SCORES' "$saves/out")" in
*" shown=0 marked=1 "*" 1=Jo,1,"*" 2=Margaret,-1,800 "*" 10=Edith,-1,400") ;;
*) echo "the won game is not marked first in table 0 above the defaults" >&2; exit 1 ;;
esac

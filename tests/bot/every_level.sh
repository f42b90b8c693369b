#!/bin/sh
# Every scenario shipped in the game folder, played by the reference player on Normal: each must be
# won level by level to its end. The table names how many levels each scenario has, so a scenario
# the table does not know (or a level the bot never reached) fails the test too.
#   every_level.sh BVBOT GAMEDIR
set -u
bot=$1
game=$2
status=0
seen=0
for file in "$game"/maps/*.bvx; do
  name=$(basename "$file" .bvx)
  case $name in
    career) levels=11 ;;
    tycoon) levels=3 ;;
    first_steps) levels=1 ;;
    *) echo "FAIL $name: a shipped scenario this test does not know"; status=1; continue ;;
  esac
  seen=$((seen + 1))
  out=$("$bot" "$name" --difficulty normal --game "$game")
  code=$?
  echo "$out" | sed "s/^/$name: /"
  won=$(echo "$out" | grep -c '^level .* won ')
  if [ "$code" -ne 0 ] || [ "$won" -ne "$levels" ]; then
    echo "FAIL $name: $won of $levels levels won (bvbot exit status $code)"
    status=1
  fi
done
if [ "$seen" -ne 3 ]; then
  echo "FAIL: $seen of the 3 known scenarios are in $game/maps"
  status=1
fi
exit $status

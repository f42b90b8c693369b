#!/bin/sh
# The reference player's long run: every shipped scenario on Easy, Normal and Hard, and a table of
# the months each level took (won) or "failed" (the level was lost; later levels not played: "-").
#   tools/bvbot-table.sh BVBOT [GAMEDIR]
# e.g. tools/bvbot-table.sh build-release/tools/bvbot build-release/game
set -u
bot=${1:?usage: bvbot-table.sh BVBOT [GAMEDIR]}
game=${2:-$(dirname "$bot")/../game}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for file in "$game"/maps/*.bvx; do
  name=$(basename "$file" .bvx)
  for d in 0 1 2; do
    "$bot" "$name" --difficulty "$d" --game "$game" > "$tmp/$name.$d" 2> "$tmp/$name.$d.err"
  done
done
printf '| %-12s | %-5s | %-28s | %-8s | %-8s | %-8s |\n' scenario level title Easy Normal Hard
printf '|%s|%s|%s|%s|%s|%s|\n' -------------- ------- ------------------------------ ---------- ---------- ----------
for file in "$game"/maps/*.bvx; do
  name=$(basename "$file" .bvx)
  # The levels any difficulty reached, in order.
  levels=$(cat "$tmp/$name".[012] | awk '$1 == "level" { print $2 }' | sort -n | uniq)
  for level in $levels; do
    title=$(cat "$tmp/$name".[012] | awk -v l="$level" '$1 == "level" && $2 == l { for (i = 13; i <= NF; ++i) printf "%s%s", $i, (i < NF ? " " : ""); exit }')
    cells=""
    for d in 0 1 2; do
      cell=$(awk -v l="$level" '$1 == "level" && $2 == l { print ($3 == "won" ? $5 : "failed") }' "$tmp/$name.$d")
      cells="$cells$(printf ' %-8s |' "${cell:--}")"
    done
    printf '| %-12s | %-5s | %-28s |%s\n' "$name" "$level" "$title" "$cells"
  done
done

#!/bin/sh
# Plays offer_saved.bvs and offer_accepted.bvs in two processes sharing one save folder (the scripts
# check the money) and checks that the options come back as the player set them: effects 8 - 2,
# music 30 + 2 x 10, help shown (1), full screen.
set -eu
bvplay=$1 game=$2 dir=$3
saves=$(mktemp -d)
trap 'rm -rf "$saves"' EXIT
"$bvplay" --game "$game" --saves "$saves/" "$dir/offer_saved.bvs" > "$saves/first.out"
"$bvplay" --game "$game" --saves "$saves/" "$dir/offer_accepted.bvs" > "$saves/second.out"
cat "$saves/first.out" "$saves/second.out"
field() { # field NAME LINE
  printf '%s\n' "$2" | tr ' ' '\n' | sed -n "s/^$1=//p"
}
for line in "$(grep '^STATE' "$saves/first.out")" "$(grep '^STATE' "$saves/second.out")"; do
  options="$(field music "$line") $(field effects "$line") $(field help "$line") $(field windowed "$line")"
  if [ "$options" != "50 6 1 0" ]; then
    echo "options (music effects help windowed) are $options, expected 50 6 1 0" >&2
    exit 1
  fi
done

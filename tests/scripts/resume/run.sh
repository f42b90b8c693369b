#!/bin/sh
# Plays offer_saved.bvs and offer_accepted.bvs in two processes sharing one save folder, and checks
# the money (the player receives the offer less the loan left on the house) and the options.
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
saved=$(grep '^STATE' "$saves/first.out" | head -1)
house=$(grep '^HOUSE' "$saves/first.out" | head -1)
opened=$(grep '^STATE' "$saves/second.out" | head -1)
after=$(grep '^STATE' "$saves/second.out" | tail -1)
principal=$(field mtgPrincipal "$house")
cash_before=$(field cash "$opened")
cash_after=$(field cash "$after")
expected=$((cash_before + 87000 - principal))
echo "cash saved $(field cash "$saved"), resumed $cash_before, after the sale $cash_after, principal $principal"
if [ "$(field cash "$saved")" != "$cash_before" ]; then
  echo "the resumed cash differs from the saved cash" >&2
  exit 1
fi
# The options come back as the player set them: effects 8 - 2, music 30 + 2 x 10, help shown (1),
# full screen.
for line in "$saved" "$opened"; do
  options="$(field music "$line") $(field effects "$line") $(field help "$line") $(field windowed "$line")"
  if [ "$options" != "50 6 1 0" ]; then
    echo "options (music effects help windowed) are $options, expected 50 6 1 0" >&2
    exit 1
  fi
done
if [ "$cash_after" != "$expected" ]; then
  echo "expected $expected after the sale" >&2
  exit 1
fi

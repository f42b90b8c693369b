#!/bin/sh
# Fails when a file under src/ includes a header from a layer above its own. The layer order is the
# one the README's "Layers" list gives, lowest first; folders named on one line are peers and do not
# include each other.
set -eu
root=${1:-.}
order=$(awk '
  /^```/ && inlist { exit }
  inlist && NF { sub(/:.*/, ""); gsub(/,/, " "); print rank++ " " $0; next }
  /^The layers, lowest first/ { want = 1; next }
  want && /^```/ { inlist = 1 }
' "$root/README.md" | awk '{ for (i = 2; i <= NF; i++) print $i, $1 }')
if [ -z "$order" ]; then
  echo "README.md has no layer list" >&2
  exit 1
fi
# Every folder of src/ must have a place in the list.
status=0
for dir in "$root"/src/*/; do
  name=$(basename "$dir")
  if ! printf '%s\n' "$order" | grep -q "^$name "; then
    echo "src/$name is not in the README's layer list"
    status=1
  fi
done
# Every include of a project header, as "file layer included-layer".
grep -rHoE '^#include "[a-z_]+/' --include='*.cpp' --include='*.h' "$root/src" |
  sed -E 's|^'"$root"'/src/([a-z_]+)/[^:]*:#include "([a-z_]+)/$|& \1 \2|' |
  awk -v order="$order" '
    BEGIN { n = split(order, lines, "\n"); for (i = 1; i <= n; i++) { split(lines[i], f, " "); rank[f[1]] = f[2] } }
    {
      file = $1; sub(/:.*/, "", file); own = $(NF - 1); inc = $NF
      if (!(inc in rank)) next
      if (rank[inc] > rank[own] || (rank[inc] == rank[own] && inc != own)) {
        print file ": includes " inc "/ from layer " own "/"; bad = 1
      }
    }
    END { exit bad }' || status=1
exit $status

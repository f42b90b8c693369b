#!/bin/sh
# Installs the build into a temporary prefix and checks the result as a Linux desktop sees it: the
# programs in bin, the data in share/brickvale2, launchers, icons, AppStream entry and manual page
# (both validators pass), and the installed game, started from /, reaching the title menu with
# F12 writing a PNG into the pictures folder.
set -eu
build=$1 src=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > "$prefix/install.log"
id=com.quillmoorgames.Brickvale2
for f in bin/brickvale2 bin/brickvale2-editor share/brickvale2/bb_Blob32 share/brickvale2/maps/career.bvx \
         share/brickvale2/help/getting_started.html share/applications/$id.desktop \
         share/applications/${id}Editor.desktop share/metainfo/$id.metainfo.xml share/man/man6/brickvale2.6 \
         share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/256x256/apps/${id}Editor.png; do
  [ -e "$prefix/$f" ] || { echo "missing after install: $f" >&2; exit 1; }
done
[ ! -e "$prefix/share/brickvale2/brickvale2" ] || { echo "the program was copied into the data folder" >&2; exit 1; }
desktop-file-validate "$prefix/share/applications/$id.desktop" "$prefix/share/applications/${id}Editor.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
man -l "$prefix/share/man/man6/brickvale2.6" > /dev/null 2>&1 || { echo "the manual page does not format" >&2; exit 1; }

mkdir "$prefix/pictures"
cat > "$prefix/title.bvs" <<'SCRIPT'
frames 2
type Ann
key Enter
frames 2
expect-state 0
key F12
frames 1
SCRIPT
(cd / && XDG_PICTURES_DIR="$prefix/pictures" "$prefix/bin/brickvale2" --script "$prefix/title.bvs")
shot=$(ls "$prefix/pictures")
echo "screenshot: $shot"
[ "$(od -An -tx1 -N8 "$prefix/pictures/$shot" | tr -d ' \n')" = 89504e470d0a1a0a ] ||
  { echo "F12 did not write a PNG" >&2; exit 1; }
"$prefix/bin/brickvale2" --version
echo "installed into $prefix: $(find "$prefix" -type f | wc -l) files"

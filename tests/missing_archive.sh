#!/bin/sh
# A game folder without bb_Blob32: the game stops with the fatal message and exit status 255.
bvplay="$1"
folder="$2"
out=$(printf 'frames 1\n' | "$bvplay" --game "$folder" - 2>&1)
status=$?
echo "$out"
echo "exit status $status"
echo "$out" | grep -qF "Failed to open $folder/bb_Blob32 for reading!" || exit 1
[ "$status" -eq 255 ]

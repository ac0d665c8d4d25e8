#!/bin/sh
# SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Loads and sorts a card file of 100,000 cards with Fendro, wc -l, Python's csv module and
# GNU sort, and prints time and peak memory of each side by side.
# Usage: bench/cardfile_compare.sh <build folder with -DFENDRO_BENCH=ON> [cards]
set -eu
HERE=$(cd "$(dirname "$0")" && pwd)
BUILD=${1:?build folder}
COUNT=${2:-100000}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
FILE=$WORK/cards.csv
python3 "$HERE/make_cards.py" "$FILE" "$COUNT"
echo "file: $COUNT cards, $(wc -c <"$FILE") bytes"

measure() { # label, command...
    label=$1
    shift
    start=$(date +%s%N)
    /usr/bin/time -f "%M" -o "$WORK/t" "$@" >"$WORK/out" 2>/dev/null
    end=$(date +%s%N)
    printf '%-28s %8d ms %8.1f MB\n' "$label" $(((end - start) / 1000000)) \
        "$(echo "scale=1; $(cat "$WORK/t") / 1024" | bc)"
}

measure "wc -l" wc -l "$FILE"
measure "python csv read" python3 -c 'import csv,sys; rows=list(csv.reader(open(sys.argv[1], encoding="cp1252", newline="")))' "$FILE"
measure "GNU sort -s (3 keys)" sort -s -t, -k1,1 -k2,2 -k3,3 -o "$WORK/sorted" "$FILE"
measure "fendro load (process)" "$BUILD/bench_cardfile" load "$FILE" 1
measure "fendro load+sort (process)" "$BUILD/bench_cardfile" sort "$FILE" 1
echo "in-process medians:"
"$BUILD/bench_cardfile" load "$FILE" 5
"$BUILD/bench_cardfile" sort "$FILE" 3

#!/usr/bin/env bash
# Start-up against the size of the catalogue: the headless till started on a
# data folder of 1,000, 10,000 and 100,000 articles (loading the keypad and
# every other file, then ending). Prints the median of each size, its time per
# article and its ratio to the 1,000-article run; a start-up linear in the
# number of articles keeps the time per article flat.
#   articles.sh VANTOR [RUNS]
set -euo pipefail

vantor=$1
runs=${2:-5}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
mkdir -p "$HOME"

catalogue() {
    local folder=$1 count=$2
    mkdir -p "$folder"
    awk -v n="$count" 'BEGIN {
        printf "Description;Prix;Categorie\r\nBoissons;;0\r\n"
        for (i = 1; i <= n; i++) printf "Article %d;%d.50;%d\r\n", i, i % 40, i % 8
    }' >"$folder/Articles.csv"
}

# Milliseconds of one start-up that ends at once (an empty script).
time_run() {
    local TIMEFORMAT='%3R' timing
    timing=$({ time "$vantor" --headless --data-dir "$1" </dev/null >/dev/null 2>&1; } 2>&1) ||
        { echo "run failed on $1" >&2; exit 1; }
    awk '{ printf "%d\n", $1 * 1000 }' <<<"$timing"
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

printf '%-9s %10s %14s %8s\n' articles median-ms us-per-article ratio
base=""
for count in 1000 10000 100000; do
    folder=$work/data-$count
    catalogue "$folder" "$count"
    time_run "$folder" >/dev/null  # warms the caches
    ms=$(for _ in $(seq "$runs"); do time_run "$folder"; done | median)
    base=${base:-$ms}
    awk -v c="$count" -v ms="$ms" -v b="$base" \
        'BEGIN { printf "%-9d %10d %14.1f %8.1f\n", c, ms, ms * 1000 / c, ms / b }'
done

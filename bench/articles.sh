#!/usr/bin/env bash
# Start-up against the size of the catalogue: the till started on a data
# folder of 1,000, 10,000 and 100,000 articles, headless (loading the keypad
# and every other file, then ending) and with its window (offscreen, ending
# once the window is drawn). Prints the medians of each size, the time per
# article and the ratio to the 1,000-article run; a start-up linear in the
# number of articles keeps the time per article from growing.
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

# Milliseconds of one start-up that ends at once: headless with an empty
# script, or the window ending when drawn.
time_run() {
    local TIMEFORMAT='%3R' timing mode=$1 folder=$2
    if [[ $mode == headless ]]; then
        timing=$({ time "$vantor" --headless --data-dir "$folder" </dev/null >/dev/null 2>&1; } 2>&1)
    else
        timing=$({ time QT_QPA_PLATFORM=offscreen "$vantor" --data-dir "$folder" \
            --exit-when-shown >/dev/null 2>&1; } 2>&1)
    fi || { echo "run failed on $folder" >&2; exit 1; }
    awk '{ printf "%d\n", $1 * 1000 }' <<<"$timing"
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

printf '%-9s %12s %10s %8s %12s %10s %8s\n' articles headless-ms us/article ratio \
    window-ms us/article ratio
headlessBase=""
windowBase=""
for count in 1000 10000 100000; do
    folder=$work/data-$count
    catalogue "$folder" "$count"
    time_run headless "$folder" >/dev/null  # writes the other default files, warms the caches
    headless=$(for _ in $(seq "$runs"); do time_run headless "$folder"; done | median)
    window=$(for _ in $(seq "$runs"); do time_run window "$folder"; done | median)
    headlessBase=${headlessBase:-$headless}
    windowBase=${windowBase:-$window}
    awk -v c="$count" -v h="$headless" -v hb="$headlessBase" -v w="$window" -v wb="$windowBase" \
        'BEGIN { printf "%-9d %12d %10.1f %8.1f %12d %10.1f %8.1f\n", c, h, h * 1000 / c, h / hb,
                 w, w * 1000 / c, w / wb }'
done

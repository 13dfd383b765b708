#!/usr/bin/env bash
# Start-up benchmark: how long the till takes from launch to its first drawn
# window (vantor --exit-when-shown, on a data folder holding the default
# catalogue), against a minimal Qt window program doing the same. Runs both
# alternately, prints the medians and their ratio; the goal is at most 1.3.
#   startup.sh VANTOR MINIMAL-WINDOW [RUNS]
set -euo pipefail

vantor=$1
minimal=$2
runs=${3:-20}
goal=1.3

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A real X server when there is one to start, else Qt's offscreen platform.
if command -v Xvfb >/dev/null; then
    for n in $(seq 90 190); do
        if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then
            Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
            xvfb_pid=$!
            export DISPLAY=":$n"
            break
        fi
    done
    for _ in $(seq 100); do
        [[ -e /tmp/.X11-unix/X${DISPLAY#:} ]] && break
        sleep 0.1
    done
    platform="Xvfb $DISPLAY"
else
    export QT_QPA_PLATFORM=offscreen
    platform="offscreen"
fi
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
mkdir -p "$HOME"

# One run: "wall-ms cpu-ms" (cpu: user + system time of the program, which
# depends less on what else the machine is doing). The run must succeed.
time_run() {
    local TIMEFORMAT='%3R %3U %3S' timing
    timing=$({ time "$@" >/dev/null 2>&1; } 2>&1) || { echo "run failed: $*" >&2; exit 1; }
    awk '{ printf "%d %d\n", $1 * 1000, ($2 + $3) * 1000 }' <<<"$timing"
}

# Median of one column of the timings.
median() {
    cut -d' ' -f"$1" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

till=("$vantor" --data-dir "$work/data" --exit-when-shown)
# The first run writes the default catalogue; both warm the caches.
time_run "${till[@]}" >/dev/null
time_run "$minimal" >/dev/null

: >"$work/till.ms"
: >"$work/minimal.ms"
for ((i = 0; i < runs; i++)); do
    time_run "${till[@]}" >>"$work/till.ms"
    time_run "$minimal" >>"$work/minimal.ms"
done

till_ms=$(median 1 <"$work/till.ms")
minimal_ms=$(median 1 <"$work/minimal.ms")
till_cpu=$(median 2 <"$work/till.ms")
minimal_cpu=$(median 2 <"$work/minimal.ms")
ratio=$(awk -v a="$till_ms" -v b="$minimal_ms" 'BEGIN { printf "%.2f", a / b }')
cpu_ratio=$(awk -v a="$till_cpu" -v b="$minimal_cpu" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }')
verdict=$(awk -v r="$ratio" -v g="$goal" 'BEGIN { print (r <= g) ? "within the goal" : "OVER the goal" }')
echo "start-up to first drawn window, $runs runs each on $platform (medians):"
echo "                  wall      cpu"
echo "  vantor          ${till_ms} ms   ${till_cpu} ms"
echo "  minimal window  ${minimal_ms} ms   ${minimal_cpu} ms"
echo "  ratio           ${ratio}      ${cpu_ratio}   (goal: wall ratio <= ${goal}, ${verdict})"
echo "  machine load    $(cut -d' ' -f1-3 /proc/loadavg) (timings are only comparable on an idle machine)"

#!/usr/bin/env bash
# Tap benchmark: runs tap-bench (see TapBench.cpp) in a real X server (Xvfb)
# when there is one, else on Qt's offscreen platform, with a home folder of
# its own.
#   tap.sh TAP-BENCH [TAPS]
set -euo pipefail

bench=$1
taps=${2:-200}

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

if command -v Xvfb >/dev/null; then
    # The server picks a free display number itself.
    Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [[ -s $work/display ]] && break
        sleep 0.1
    done
    [[ -s $work/display ]] || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(tr -dc '0-9' <"$work/display")" QT_QPA_PLATFORM=xcb
else
    export QT_QPA_PLATFORM=offscreen
fi
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

"$bench" "$taps"
echo "  machine load $(cut -d' ' -f1-3 /proc/loadavg)"

#!/usr/bin/env bash
# Starts the till on a fresh data folder in a real X server (Xvfb), waits for
# its main window, keeps a screenshot, checks the title and that the keypad is
# drawn in its category colours, then closes the window with its close box and
# checks that the program ends.
#   main-window.sh VANTOR X11-CLOSE-REQUEST ARTEFACT-DIR
set -euo pipefail

vantor=$1
close_request=$2
artefacts=$3

if ! command -v Xvfb >/dev/null; then
    echo "SKIP: Xvfb is not installed"
    exit 77
fi
for tool in xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing"; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
vantor_pid=""
cleanup() {
    [[ -n $vantor_pid ]] && kill "$vantor_pid" 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    [[ -f $work/vantor.log ]] && sed 's/^/vantor: /' "$work/vantor.log"
    exit 1
}

# Runs the program to its end (at most 30 s); prints its exit status.
run_to_end() {
    local status=0
    timeout 30 "$vantor" "$@" >>"$work/vantor.log" 2>&1 || status=$?
    echo "$status"
}

# A display number nobody uses.
display=""
for n in $(seq 90 190); do
    if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then
        display=":$n"
        break
    fi
done
[[ -n $display ]] || fail "no free X display"

Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done
xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not start on $display"

# The user's own settings stay out of it.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
mkdir -p "$HOME"
"$vantor" --data-dir "$work/data" >"$work/vantor.log" 2>&1 &
vantor_pid=$!

window=$(timeout 30 xdotool search --sync --name '^Vantor pour Windows$' | head -n1) ||
    fail "no window titled \"Vantor pour Windows\""
title=$(xdotool getwindowname "$window")
[[ $title == "Vantor pour Windows" ]] || fail "window title is \"$title\""

# A second start on the same folder hands over to the running one and ends.
status=$(run_to_end --data-dir "$work/data")
((status == 0)) || fail "a second instance ended with status $status"
[[ $(xdotool search --name '^Vantor pour Windows$' | wc -l) -eq 1 ]] ||
    fail "a second instance opened a window"

# Pixels of one colour on the screenshot.
count() {
    convert "$artefacts/main-window.png" -fill black +opaque "$1" -fill white -opaque "$1" \
        -format '%[fx:round(mean*w*h)]' info:
}

mkdir -p "$artefacts"
cyan=0
orange=0
for _ in $(seq 50); do
    import -window root "$artefacts/main-window.png"
    cyan=$(count 'rgb(128,255,255)')
    orange=$(count 'rgb(255,192,128)')
    ((cyan > 20000 && orange > 20000)) && break
    sleep 0.2
done
echo "screenshot: $artefacts/main-window.png (category colour pixels: $cyan, $orange)"
((cyan > 20000 && orange > 20000)) || fail "the keypad is not drawn"

"$close_request" "$window"
for _ in $(seq 100); do
    kill -0 "$vantor_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$vantor_pid" 2>/dev/null; then
    fail "the program still runs after its window was closed"
fi
status=0
wait "$vantor_pid" || status=$?
vantor_pid=""
((status == 0)) || fail "the program ended with status $status"

# The start-up benchmark's mode ends by itself once the window is drawn.
status=$(run_to_end --data-dir "$work/data" --exit-when-shown)
((status == 0)) || fail "--exit-when-shown ended with status $status"

# A data folder that cannot be used: the reason in a message box, then exit 1.
touch "$work/not-a-folder"
"$vantor" --data-dir "$work/not-a-folder/data" >>"$work/vantor.log" 2>&1 &
vantor_pid=$!
box=$(timeout 30 xdotool search --sync --name '^Vantor' | head -n1) ||
    fail "no message box for an unusable data folder"
xdotool windowfocus --sync "$box" key Return
status=0
timeout 30 tail --pid="$vantor_pid" -f /dev/null || fail "the program waits after its message"
wait "$vantor_pid" || status=$?
vantor_pid=""
((status == 1)) || fail "an unusable data folder ended with status $status, not 1"

echo "PASS: main window shown, drawn and closed; second instance, benchmark mode, failed start"

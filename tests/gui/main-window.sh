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
source "$(dirname "${BASH_SOURCE[0]}")/x-session.sh"

# Runs the program to its end (at most 30 s); prints its exit status.
run_to_end() {
    local status=0
    timeout 30 "$vantor" "$@" >>"$work/vantor.log" 2>&1 || status=$?
    echo "$status"
}

# Pixels of one colour on the screenshot.
count() {
    convert "$artefacts/main-window.png" -fill black +opaque "$1" -fill white -opaque "$1" \
        -format '%[fx:round(mean*w*h)]' info:
}

start_display
start_till
title=$(xdotool getwindowname "$main")
[[ $title == "Vantor pour Windows" ]] || fail "window title is \"$title\""

# A second start on the same folder hands over to the running one and ends.
status=$(run_to_end --data-dir "$work/data")
((status == 0)) || fail "a second instance ended with status $status"
[[ $(xdotool search --name '^Vantor pour Windows$' | wc -l) -eq 1 ]] ||
    fail "a second instance opened a window"

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
close_till

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

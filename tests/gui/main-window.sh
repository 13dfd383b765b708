#!/usr/bin/env bash
# The till in a real X server (Xvfb) on a fresh data folder, used with the
# mouse: a second start hands over to the running one; "Café" twice and "Thé
# noir" once on the default keypad (drawn in its category colours), "Espèces",
# "Non" (the Escape key) to "Imprimer le ticket ?", then the close box: the
# program ends with status 0, tickets.csv holds the one record of the sale
# (10.50 in category 0, cash) and no receipt was printed. Then the benchmark's
# --exit-when-shown, and a data folder that cannot be used.
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

start_display
start_till

status=$(run_to_end --data-dir "$work/data")
((status == 0)) || fail "a second instance ended with status $status"
[[ $(xdotool search --name '^Vantor pour Windows$' | wc -l) -eq 1 ]] ||
    fail "a second instance opened a window"

# The first keypad column is the only light cyan on the screen: 13 buttons of
# 680 twips, which gives the scale (pixels per twip) and the client origin.
box=""
for _ in $(seq 20); do
    import -window root "$work/screen.png"
    box=$(colour_box "$work/screen.png" 'rgb(128,255,255)')
    [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] && ((BASH_REMATCH[2] > 13 * 20)) && break
    sleep 0.2
done
[[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || fail "no keypad column found ($box)"
column_x=$((BASH_REMATCH[3] + BASH_REMATCH[1] / 2))
column_top=${BASH_REMATCH[4]}
column_height=${BASH_REMATCH[2]}
orange=$(colour_box "$work/screen.png" 'rgb(255,192,128)')
[[ $orange =~ ^([0-9]+)x([0-9]+) ]] && ((BASH_REMATCH[2] > 13 * 20)) ||
    fail "the second category's column is not drawn ($orange)"

# Clicks the keypad button of row ROW (from 0) of the first column.
tap_row() {
    xdotool mousemove "$column_x" $((column_top + (2 * $1 + 1) * column_height / 26)) click 1
    sleep 0.3
}
tap_row 1 # Café
tap_row 1 # Café
tap_row 7 # Thé noir
shot main-window.png

# "Espèces": the first button of the ticket column, whose left edge is 5100
# twips from the window's right edge; its middle is 9087 twips below the
# client top (160 twips above the keypad).
width=$(geometry "$main" WIDTH)
espece_x=$((width - 4418 * column_height / 8840))
espece_y=$((column_top + (9087 - 160) * column_height / 8840))
xdotool mousemove "$espece_x" "$espece_y" click 1
wait_window '^Impression$'
xdotool windowfocus --sync "$window" key Escape
wait_gone '^Impression$'
close_till

journal=$work/data/tickets.csv
[[ $(wc -l <"$journal") -eq 1 ]] &&
    grep -qE $'^[0-9]{2}\\.[0-9]{2}\\.[0-9]{4};[0-9]{1,2}:[0-9]{2}:[0-9]{2};Nom;10\\.5;0;Esp;;0\r$' "$journal" ||
    fail "tickets.csv holds: $(cat "$journal")"
[[ -z $(find "$work/data" -name '*.pdf') ]] || fail "a receipt was printed although \"Non\" was answered"

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

echo "PASS: second instance, sale with the mouse recorded and not printed, close box, benchmark mode, failed start"

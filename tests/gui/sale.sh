#!/usr/bin/env bash
# A sale in the real window, with the mouse: "Café" twice and "Thé noir" once
# on the default keypad, a screenshot of the ticket, "Espèces", "Non" (the
# Escape key) to "Imprimer le ticket ?", then the close box. tickets.csv must
# hold the one record of the sale (10.50 in category 0, cash) and no receipt
# may have been printed.
#   sale.sh VANTOR X11-CLOSE-REQUEST ARTEFACT-DIR
set -euo pipefail
vantor=$1
close_request=$2
artefacts=$3
source "$(dirname "${BASH_SOURCE[0]}")/x-session.sh"

start_display
start_till

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

# Clicks the keypad button of row ROW (from 0) of the first column.
tap_row() {
    xdotool mousemove "$column_x" $((column_top + (2 * $1 + 1) * column_height / 26)) click 1
    sleep 0.3
}
tap_row 1 # Café
tap_row 1 # Café
tap_row 7 # Thé noir
shot sale-ticket.png

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
[[ -f $journal ]] || fail "no tickets.csv"
[[ $(wc -l <"$journal") -eq 1 ]] || fail "tickets.csv holds: $(cat "$journal")"
grep -qE $'^[0-9]{2}\\.[0-9]{2}\\.[0-9]{4};[0-9]{1,2}:[0-9]{2}:[0-9]{2};Nom;10\\.5;0;Esp;;0\r$' "$journal" ||
    fail "tickets.csv holds: $(cat "$journal")"
[[ -z $(find "$work/data" -name '*.pdf') ]] || fail "a receipt was printed although \"Non\" was answered"
echo "PASS: sale of 2 Café and 1 Thé noir with the mouse, recorded in tickets.csv, not printed"

#!/usr/bin/env bash
# The till in a real X server (Xvfb) on a fresh data folder, used with the
# mouse: a second start hands over to the running one; "Café" twice and "Thé
# noir" once on the default keypad (drawn in its category colours), "Espèces",
# "Non" (the Escape key) to "Imprimer le ticket ?". Then "Fichier" ›
# "Paramètres": the logo previewed at its fixed width, "Modifier" shows the
# image chooser over the dialog, a double click on a file loads it, and "OK"
# saves the name typed and the logo chosen in Infos.txt (its other lines:
# tests/admin). Then the close box: the program ends with status 0,
# tickets.csv holds the one record of the sale (10.50 in category 0, cash) and
# no receipt was printed. Then the benchmark's --exit-when-shown, and a data
# folder that cannot be used.
#   main-window.sh VANTOR X11-CLOSE-REQUEST ARTEFACT-DIR
set -euo pipefail
vantor=$1
close_request=$2
artefacts=$3
source "$(dirname "${BASH_SOURCE[0]}")/x-session.sh"

readonly settings_width=8115  # design width of the settings dialog, twips

start_display
mkdir -p "$work/data" "$work/home/Pictures"
logo=$work/home/Pictures/logo.bmp
convert -size 435x100 'xc:rgb(0,0,255)' "BMP3:$logo"
other=$work/home/Pictures/a-rouge.bmp
convert -size 60x60 'xc:rgb(255,0,0)' "BMP3:$other"
printf 'Caf\xe9\r\n\r\n\r\n\r\n\r\n8.1\r\n2.6\r\n%s\r\n\r\n\r\n\r\n\r\n\r\n\r\n0\r\nr\xe9serve\r\n\r\n' \
    "$logo" >"$work/data/Infos.txt"
start_till

timeout 30 "$vantor" --data-dir "$work/data" >>"$work/vantor.log" 2>&1 ||
    fail "a second instance ended with status $?"
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

# "Fichier" › "Paramètres", its first entry.
xdotool mousemove $(($(geometry "$main" X) + 29)) $(($(geometry "$main" Y) + 8)) click 1
sleep 0.4
xdotool key Down Return
wait_window '^Paramètres$'
dialog=$window
sleep 0.3

# The name field has the focus.
xdotool key End
xdotool type --delay 40 ' du Port'
sleep 0.3
shot settings-dialog.png
import -window "$dialog" "$work/dialog.png"
box=$(colour_box "$work/dialog.png" 'rgb(0,0,255)')
[[ $box =~ ^([0-9]+)x([0-9]+) ]] || fail "the logo is not previewed ($box)"
ratio=$((BASH_REMATCH[1] * 100 / BASH_REMATCH[2]))
((ratio >= 420 && ratio <= 450)) || fail "the logo preview is ${box}, not 4.35 times wider than high"

click_twips "$dialog" $settings_width 7225 285  # "Modifier" beside the logo
shot settings-chooser.png
import -window "$dialog" "$work/chooser.png"
[[ $(colour_box "$work/chooser.png" 'rgb(0,0,255)') != "$box" ]] ||
    fail "the image chooser does not cover the dialog"
# The chooser opens in the logo's folder; a double click on its first file
# ("a-rouge.bmp") loads it like the chooser's "OK".
click_twips "$dialog" $settings_width 5060 880
xdotool click --repeat 2 --delay 80 1
sleep 0.4
import -window "$dialog" "$work/chosen.png"
[[ $(colour_box "$work/chosen.png" 'rgb(255,0,0)') =~ ^([0-9]+)x([0-9]+) ]] &&
    ((BASH_REMATCH[1] == BASH_REMATCH[2])) || fail "the double-clicked picture is not previewed"
click_twips "$dialog" $settings_width 2090 6530  # "OK"
wait_gone '^Paramètres$'

head -c 14 "$work/data/Infos.txt" | cmp -s - <(printf 'Caf\xe9 du Port\r\n') ||
    fail "the shop name is not saved: $(head -n1 "$work/data/Infos.txt" | od -c | head -n2)"
grep -qxF "$other"$'\r' "$work/data/Infos.txt" || fail "the chosen logo is not saved"
close_till

journal=$work/data/tickets.csv
[[ $(wc -l <"$journal") -eq 1 ]] &&
    grep -qE $'^[0-9]{2}\\.[0-9]{2}\\.[0-9]{4};[0-9]{1,2}:[0-9]{2}:[0-9]{2};Nom;10\\.5;0;Esp;;0\r$' "$journal" ||
    fail "tickets.csv holds: $(cat "$journal")"
[[ -z $(find "$work/data" -name '*.pdf') ]] || fail "a receipt was printed although \"Non\" was answered"

# The start-up benchmark's mode ends by itself once the window is drawn.
timeout 30 "$vantor" --data-dir "$work/data" --exit-when-shown >>"$work/vantor.log" 2>&1 ||
    fail "--exit-when-shown ended with status $?"

# A data folder that cannot be used: the reason in a message box, then exit 1.
touch "$work/not-a-folder"
"$vantor" --data-dir "$work/not-a-folder/data" >>"$work/vantor.log" 2>&1 &
vantor_pid=$!
# Only a mapped window takes the focus: a box found before it is shown, on a
# loaded machine, refuses it (BadMatch).
box=$(timeout 30 xdotool search --sync --onlyvisible --name '^Vantor' | head -n1) ||
    fail "no message box for an unusable data folder"
for _ in 1 2 3 4 5; do
    xdotool windowfocus --sync "$box" key Return 2>/dev/null && break
    sleep 0.5
done
expect_end 1 "an unusable data folder"

echo "PASS: second instance, sale with the mouse recorded and not printed, settings dialog and image chooser, close box, benchmark mode, failed start"

#!/usr/bin/env bash
# The settings dialog in a real window: "Fichier" › "Paramètres" opens it with
# the logo previewed at its fixed width, "Modifier" shows the image chooser
# over the dialog, a double click on a file loads it, and "OK" saves the name
# typed and the logo chosen in Infos.txt (its other lines: tests/admin).
#   settings-dialog.sh VANTOR ARTEFACT-DIR
set -euo pipefail
vantor=$1
artefacts=$2
source "$(dirname "${BASH_SOURCE[0]}")/x-session.sh"

readonly width=5685  # design width of the dialog, twips

start_display
mkdir -p "$work/data" "$work/home/Pictures"
logo=$work/home/Pictures/logo.bmp
convert -size 435x100 'xc:rgb(0,0,255)' "BMP3:$logo"
other=$work/home/Pictures/a-rouge.bmp
convert -size 60x60 'xc:rgb(255,0,0)' "BMP3:$other"
printf 'Caf\xe9\r\n\r\n\r\n\r\n\r\n8.1\r\n2.6\r\n%s\r\n\r\n1\r\n\r\n\r\n\r\n\r\n0\r\nr\xe9serve\r\n\r\n' \
    "$logo" >"$work/data/Infos.txt"
start_till

menu_fichier 1
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

click_twips "$dialog" $width 770 5590  # "Modifier" under the logo
shot settings-chooser.png
import -window "$dialog" "$work/chooser.png"
[[ $(colour_box "$work/chooser.png" 'rgb(0,0,255)') != "$box" ]] ||
    fail "the image chooser does not cover the dialog"
# The chooser opens in the logo's folder; a double click on its first file
# ("a-rouge.bmp") loads it like the chooser's "OK".
click_twips "$dialog" $width 1000 3520
xdotool click --repeat 2 --delay 80 1
sleep 0.4
import -window "$dialog" "$work/chosen.png"
[[ $(colour_box "$work/chosen.png" 'rgb(255,0,0)') =~ ^([0-9]+)x([0-9]+) ]] &&
    ((BASH_REMATCH[1] == BASH_REMATCH[2])) || fail "the double-clicked picture is not previewed"
click_twips "$dialog" $width 2090 7910  # "OK"
wait_gone '^Paramètres$'

head -c 14 "$work/data/Infos.txt" | cmp -s - <(printf 'Caf\xe9 du Port\r\n') ||
    fail "the shop name is not saved: $(head -n1 "$work/data/Infos.txt" | od -c | head -n2)"
grep -qxF "$other"$'\r' "$work/data/Infos.txt" || fail "the chosen logo is not saved"
kill -0 "$vantor_pid" 2>/dev/null || fail "the program ended"
echo "PASS: settings dialog shown with its logo and image chooser, Infos.txt written"

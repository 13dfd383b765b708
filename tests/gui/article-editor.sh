#!/usr/bin/env bash
# The article editor in a real window: a right click on an article button
# opens the pop-up, "Modifier ..." opens the editor, a ";" typed into the name
# and the price is dropped, "OK" rewrites Articles.csv.
#   article-editor.sh VANTOR ARTEFACT-DIR
set -euo pipefail
vantor=$1
artefacts=$2
source "$(dirname "${BASH_SOURCE[0]}")/x-session.sh"

start_display
mkdir -p "$work/data"
printf 'Description;Prix;Categorie\r\nRhum;7;3\r\nEau;2;1\r\n' >"$work/data/Articles.csv"
start_till

# The only light red button on the screen is "Rhum".
import -window root "$work/screen.png"
box=$(colour_box "$work/screen.png" 'rgb(255,128,128)')
[[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || fail "no article button found ($box)"
x=$((BASH_REMATCH[3] + BASH_REMATCH[1] / 2))
y=$((BASH_REMATCH[4] + BASH_REMATCH[2] / 2))
xdotool mousemove "$x" "$y" click 3
sleep 0.5
xdotool key Down Return
wait_window '^Modifier un article$'
editor=$window

# The name field has the focus.
xdotool key ctrl+a
xdotool type --delay 40 'Rhum;vieux'
xdotool key Tab ctrl+a
xdotool type --delay 40 '8;5'
sleep 0.3
shot article-editor.png
click_twips "$editor" 4500 1875 1785
wait_gone '^Modifier un article$'

printf 'Description;Prix;0\r\nRhumvieux;85;3\r\nEau;2.00;1\r\n' >"$work/expected.csv"
cmp -s "$work/expected.csv" "$work/data/Articles.csv" ||
    fail "Articles.csv is: $(od -c "$work/data/Articles.csv" | head)"
kill -0 "$vantor_pid" 2>/dev/null || fail "the program ended"
echo "PASS: article edited in the real window, \";\" dropped, Articles.csv rewritten"

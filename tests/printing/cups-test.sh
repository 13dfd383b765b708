#!/usr/bin/env bash
# Printing through a private CUPS server, end to end: `vantor --headless
# --system-printers` sells two coffees in cash on a raw queue whose device is
# a listener standing for a receipt printer's port (the receipt and the drawer
# pulse reach it byte for byte as a scripted ESC/POS printer gets them), on a
# raw queue whose port refuses connections (a critical message, the ticket
# stays), on a queue stopped in CUPS, on a printer that never answers, with
# CUPS stopped while the till runs, and on a cups-pdf queue (the receipt read
# back from its PDF file).
# Usage: cups-test.sh VANTOR_EXECUTABLE RAW_LISTENER_EXECUTABLE
# Exit status 77 (skipped) when not root or cupsd is missing.
set -euo pipefail
source "$(dirname "$0")/private-cupsd.sh"

vantor=$1
needs_cupsd lpadmin lpinfo lpstat cmp pdftotext pdfinfo
make_work vantor-cups
two_coffees='clock 05.12.2026 12:04:09
show Printer
click Command1 2
click Command1 2
click cmdPrint 0
answer yes'

# sell_on QUEUE [SCRIPT LINES]: the sale on QUEUE; prints the transcript.
sell_on() {
    shop_settings "$1" "$work/data" 58 2
    timeout 60 "$vantor" --headless --system-printers --data-dir "$work/data" \
        <<<"$two_coffees${2:+
$2}" || fail "vantor failed on $1"
}
# expect TEXT LINE...: each LINE is a whole line of TEXT.
expect() {
    for line in "${@:2}"; do
        grep -qxF -- "$line" <<<"$1" || fail "no \"$line\" in: $1"
    done
}

# The printer's port (the listener stops by itself after 90 s), and a port
# nobody listens on.
start_listener "$work" "$2" 90
dead_port=$((port + 1))
(exec 3<>"/dev/tcp/127.0.0.1/$dead_port") 2>/dev/null && dead_port=$((port + 2))
start_private_cupsd "$work/cups" || fail "no private cupsd"
add_queue Raw -v "socket://127.0.0.1:$port" -m raw
add_queue Off -v "socket://127.0.0.1:$dead_port" -m raw

# The expected bytes: the same sale on a scripted ESC/POS printer.
shop_settings Raw "$work/scripted" 58 2
timeout 60 "$vantor" --headless --data-dir "$work/scripted" >/dev/null \
    <<<"escpos \"Raw\" \"$work/expected.bin\"
$two_coffees" || fail "the scripted run failed"
expect "$(sell_on Raw "show lstTicket.ListCount")" \
    'show Printer "Raw"' 'drawer "Raw"' "show lstTicket.ListCount 0"
for _ in $(seq 100); do
    cmp -s "$work/expected.bin" "$work/captured.bin" && break
    sleep 0.1
done
cmp "$work/expected.bin" "$work/captured.bin" || fail "the printer got other bytes than expected"

transcript=$(sell_on Off "answer ok
show lstTicket.ListCount")
grep -q '^msgbox critical ok "Vantor" "L.imprimante \\"Off\\" n.a pas pu imprimer' \
    <<<"$transcript" || fail "no critical message: $transcript"
expect "$transcript" "show lstTicket.ListCount 1"
[[ -z $(lpstat -o Off) ]] || fail "a job is still waiting: $(lpstat -o Off)"
log "raw queues passed"

# till_on QUEUE FOLDER SCRIPT: the till on its own data folder whose receipt
# printer is QUEUE; prints the transcript.
till_on() {
    shop_settings "$1" "$2" 58 2
    timeout 60 "$vantor" --headless --system-printers --data-dir "$2" <<<"$3" ||
        fail "vantor failed on $1"
}
# A coffee in cash, with the receipt ("yes") or without ("no").
cash() {
    printf '%s\n' 'clock 05.12.2026 12:04:09' 'click Command1 2' 'click cmdPrint 0' "answer $1"
}
# has TEXT EXPECTED: TEXT holds the lines of EXPECTED (a box's text on several lines).
has() { [[ $1 == *"$2"* ]] || fail "no \"$2\" in: $1"; }

# A queue stopped in CUPS is refused at once and nothing is sent, since CUPS
# would keep the job and print it whenever the queue starts again; the sale
# without a receipt is recorded and the drawer's message says why.
add_queue Stopped -v "socket://127.0.0.1:$port" -m raw
cupsdisable -r "En panne" Stopped
stopped="L'imprimante \\\"Stopped\\\" n'a pas pu imprimer le document : l'imprimante est arrêtée dans \
CUPS (« En panne ») ; remettez-la en marche dans les réglages d'impression de l'ordinateur."
transcript=$(till_on Stopped "$work/stopped-yes" "$(cash yes)
answer ok
show lstTicket.ListCount")
has "$transcript" "msgbox critical ok \"Vantor\" \"$stopped\""
expect "$transcript" "show lstTicket.ListCount 1"
transcript=$(till_on Stopped "$work/stopped-no" "$(cash no)
answer ok")
has "$transcript" "msgbox exclamation ok \"Vantor\" \"Le tiroir-caisse ne s'ouvre pas : $stopped
Ouvrez-le avec sa clé.\""
[[ -s $work/stopped-no/tickets.csv ]] || fail "the sale without receipt was not recorded"
[[ -z $(lpstat -W all -o Stopped) ]] || fail "jobs were sent to a stopped queue: $(lpstat -W all -o Stopped)"
log "stopped queue passed"

# A printer that never answers: the receipt waits its 10 seconds and the
# ticket stays; the drawer of the next sale, on the same printer, gets a
# short try only (the full wait would hold the till 10 seconds more). The
# transcript's lines are timed as they come.
start_listener "$work/mute" "$2" 90 mute
add_queue Mute -v "socket://127.0.0.1:$port" -m raw
timed=$(till_on Mute "$work/mute-data" "$(cash yes)
answer ok
show lstTicket.ListCount
click cmdPrint 0
answer no
answer ok" | while IFS= read -r line; do printf '%s %s\n' "$(date +%s%3N)" "$line"; done)
transcript=$(cut -d' ' -f2- <<<"$timed")
silent="L'imprimante \\\"Mute\\\" n'a pas pu imprimer le document : l'imprimante ne répond pas \
(l'imprimante ne confirme pas la fin de l'impression) ; vérifiez qu'elle est allumée, reliée et qu'elle \
a du papier."
has "$transcript" "msgbox critical ok \"Vantor\" \"$silent\""
has "$transcript" "show lstTicket.ListCount 1"
has "$transcript" "msgbox exclamation ok \"Vantor\" \"Le tiroir-caisse ne s'ouvre pas : $silent
Ouvrez-le avec sa clé.\""
asked=$(grep -F '"Imprimer le ticket ?"' <<<"$timed" | tail -1 | cut -d' ' -f1)
told=$(grep -F 'Le tiroir-caisse' <<<"$timed" | cut -d' ' -f1)
((told - asked < 6000)) || fail "the drawer waited $((told - asked)) ms after a silent receipt"
[[ -s $work/mute-data/tickets.csv ]] || fail "the sale without receipt was not recorded"
[[ -z $(lpstat -o Mute) ]] || fail "a job is still waiting: $(lpstat -o Mute)"
log "silent printer passed (the drawer told after $((told - asked)) ms)"

# CUPS stopped while the till runs: the sale without a receipt is recorded
# and the drawer's message says CUPS does not answer; a receipt says the same
# and the ticket stays.
shop_settings Raw "$work/down" 58 2
coproc till { timeout 60 "$vantor" --headless --system-printers --data-dir "$work/down" 2>&1; }
printf 'show Printer\n' >&"${till[1]}"
while IFS= read -r line <&"${till[0]}"; do
    [[ $line == 'show Printer "Raw"' ]] && break
done
kill "$cupsd_pid" && wait "$cupsd_pid" || true
{ cash no && echo "answer ok" && cash yes && echo "answer ok" && echo "show lstTicket.ListCount"; } >&"${till[1]}"
exec {till[1]}>&-
transcript=$(cat <&"${till[0]}")
down="L'imprimante \\\"Raw\\\" n'a pas pu imprimer le document : le service d'impression (CUPS) ne \
répond pas."
has "$transcript" "msgbox exclamation ok \"Vantor\" \"Le tiroir-caisse ne s'ouvre pas : $down
Ouvrez-le avec sa clé.\""
has "$transcript" "msgbox critical ok \"Vantor\" \"$down\""
expect "$transcript" "show lstTicket.ListCount 1"
[[ $(wc -l <"$work/down/tickets.csv") -eq 1 ]] || fail "the sale without receipt was not recorded"
log "CUPS stopped passed"
start_private_cupsd "$work/cups-again" || fail "no private cupsd"

[[ -x /usr/lib/cups/backend/cups-pdf ]] || skip "cups-pdf is missing (printer-driver-cups-pdf)"
# cups-pdf turns PostScript back into PDF; made by pdftocairo the PostScript
# keeps the fonts' text, so that the receipt can be read back.
ppd=$(lpinfo -m | awk 'tolower($1) ~ /cups-pdf/ {print $1; exit}')
add_queue Pdf -v cups-pdf:/ -m "$ppd" -o pdftops-renderer-default=pdftocairo
# Where cups-pdf writes the jobs of root: the "Out" folder of its settings.
out=$(awk '$1 == "Out" {print $2}' /etc/cups/cups-pdf.conf 2>/dev/null || true)
out=${out:-/var/spool/cups-pdf/\$\{USER\}}
out=${out//\$\{USER\}/root}
out=${out//\$\{HOME\}/$(getent passwd root | cut -d: -f6)}
touch "$work/before-printing"
sleep 1 # file times have one-second steps on some file systems
transcript=$(sell_on Pdf)
expect "$transcript" 'show Printer "Pdf"' 'print start "Pdf"' "print end"
# A page printer has no drawer: none is said to open.
! grep -q '^drawer' <<<"$transcript" || fail "a drawer on the PDF queue: $transcript"
for _ in $(seq 300); do
    printed=$(find "$out" -name '*.pdf' -newer "$work/before-printing" 2>/dev/null | head -1) || true
    [[ -n $printed ]] && break
    sleep 0.2
done
[[ -n $printed ]] || fail "no PDF in $out after 60 s: $(tail -20 "$work/cups/log/error_log")"
sleep 0.5 # the backend may still be closing the file
[[ $(pdfinfo "$printed" | awk '/^Pages:/ {print $2}') == 1 ]] || fail "not one page"
text=$(pdftotext -layout "$printed" -)
rm -f "$printed"
for expected in "Café CUPS" "05.12.2026   12:04:09" "Ticket n°" "2 Café" "Total" "7.00" \
    "dont TVA 10 %"; do
    grep -qF "$expected" <<<"$text" || fail "\"$expected\" is not on the receipt: $text"
done
log "passed"

#!/usr/bin/env bash
# Printing through a private CUPS server, end to end, with
# `vantor --headless --system-printers` selling two coffees in cash:
# - on a raw queue "VantorRaw" whose device is a listener on 127.0.0.1
#   standing for a receipt printer's network port: the receipt and the drawer
#   pulse must reach it byte for byte as the same sale gives them on a
#   scripted ESC/POS printer; a raw queue whose port refuses connections must
#   give the critical message and keep the ticket;
# - on a cups-pdf queue "VantorTest" (when cups-pdf is installed): the receipt
#   is printed through Qt and CUPS, and the PDF file cups-pdf writes is read
#   back.
# Usage: cups-test.sh VANTOR_EXECUTABLE RAW_LISTENER_EXECUTABLE
# Exit status 77 (skipped) when this machine cannot run it: not root, or cupsd
# or its socket back end missing.
set -euo pipefail
cups_test=cups-test
source "$(dirname "$0")/private-cupsd.sh"

vantor=$1
queue=VantorRaw
dead=VantorOff
needs_cupsd lpadmin lpinfo lpstat cmp pdftotext pdfinfo
[[ -x /usr/lib/cups/backend/socket ]] || skip "the CUPS socket back end is missing"
make_work vantor-cups
printed=
trap 'rm -f "$printed"; stop_servers' EXIT

# Runs the sale (and more script lines) on QUEUE; prints the transcript.
sell_on() {
    shop_settings "$1" "$work/data" 58 2
    timeout 60 "$vantor" --headless --system-printers --data-dir "$work/data" <<<"$two_coffees$2"
}

# The printer's port: a listener that stops by itself after 90 s at most; and
# a port nobody listens on: the listener's plus one, checked free.
start_listener "$work" "$2" 90 || fail "the listener did not start"
dead_port=$((port + 1))
if (exec 3<>"/dev/tcp/127.0.0.1/$dead_port") 2>/dev/null; then dead_port=$((port + 2)); fi
start_private_cupsd "$work/cups" || fail "no private cupsd"
lpadmin -p "$queue" -E -v "socket://127.0.0.1:$port" -m raw 2>/dev/null
lpadmin -p "$dead" -E -v "socket://127.0.0.1:$dead_port" -m raw 2>/dev/null
log "queues $queue (port $port) and $dead (port $dead_port) on $CUPS_SERVER"

# The same sale on a scripted ESC/POS printer gives the expected bytes
# (58 mm paper, drawer on pin 2).
shop_settings "$queue" "$work/scripted" 58 2
timeout 60 "$vantor" --headless --data-dir "$work/scripted" \
    <<<"escpos \"$queue\" \"$work/expected.bin\"
$two_coffees" >/dev/null || fail "the scripted run failed"

transcript=$(sell_on "$queue" "show lstTicket.ListCount") || fail "vantor failed: $transcript"
for line in "show Printer \"$queue\"" "drawer \"$queue\"" "show lstTicket.ListCount 0"; do
    grep -qxF "$line" <<<"$transcript" || fail "no \"$line\" in: $transcript"
done
expected_size=$(stat -c %s "$work/expected.bin")
for _ in $(seq 100); do
    [[ $(stat -c %s "$work/captured.bin" 2>/dev/null || echo 0) -ge $expected_size ]] && break
    sleep 0.1
done
cmp "$work/expected.bin" "$work/captured.bin" ||
    fail "the printer got other bytes than expected ($(od -c "$work/captured.bin" | head -5))"
log "receipt and drawer pulse: $expected_size bytes as expected"

# A printer that refuses the connection: the message, and the ticket stays.
transcript=$(sell_on "$dead" "answer ok
show lstTicket.ListCount") || fail "vantor failed: $transcript"
grep -q "^msgbox critical ok \"Vantor\" \"L'imprimante \\\\\"$dead\\\\\" n'a pas pu imprimer" \
    <<<"$transcript" || fail "no critical message: $transcript"
grep -qx "show lstTicket.ListCount 1" <<<"$transcript" || fail "the ticket left: $transcript"
[[ -z $(lpstat -o "$dead" 2>/dev/null) ]] || fail "a job is still waiting: $(lpstat -o "$dead")"
log "raw queues passed"

[[ -x /usr/lib/cups/backend/cups-pdf ]] ||
    skip "the cups-pdf backend is missing (package printer-driver-cups-pdf)"
pdf=VantorTest
# The queue, with the driver that comes with cups-pdf. cups-pdf turns
# PostScript back into PDF; made by pdftocairo (not by the default
# ghostscript) the PostScript keeps the fonts' text, so that the receipt can
# be read back from the file.
ppd=$(lpinfo -m | awk '$1 ~ /CUPS-PDF_noopt\.ppd$/ {print $1; exit}')
[[ -n $ppd ]] || ppd=$(lpinfo -m | awk 'tolower($1) ~ /cups-pdf/ {print $1; exit}')
[[ -n $ppd ]] || fail "no cups-pdf driver in: lpinfo -m"
lpadmin -p "$pdf" -E -v cups-pdf:/ -m "$ppd" -o pdftops-renderer-default=pdftocairo 2>/dev/null
# Where cups-pdf writes the jobs of root: the "Out" folder of its settings.
out=$(awk '$1 == "Out" {print $2}' /etc/cups/cups-pdf.conf 2>/dev/null | tail -1)
out=${out:-/var/spool/cups-pdf/\$\{USER\}}
out=${out//\$\{HOME\}/$(getent passwd root | cut -d: -f6)}
out=${out//\$\{USER\}/root}
touch "$work/before-printing"
sleep 1 # file times have one-second steps on some file systems

transcript=$(sell_on "$pdf" "") || fail "vantor failed: $transcript"
for line in "show Printer \"$pdf\"" "print start \"$pdf\"" "print end"; do
    grep -qxF "$line" <<<"$transcript" || fail "no \"$line\" in: $transcript"
done
# The PDF file of the job, waited for (the filters take a moment).
for _ in $(seq 300); do
    printed=$(find "$out" -maxdepth 1 -name '*.pdf' -newer "$work/before-printing" 2>/dev/null |
        head -1)
    [[ -n $printed ]] && break
    sleep 0.2
done
[[ -n $printed ]] || fail "no PDF in $out after 60 s; jobs: $(lpstat -W all -o 2>&1);
$(tail -20 "$work/cups/log/error_log")"
sleep 0.5 # the backend may still be closing the file
pages=$(pdfinfo "$printed" | awk '/^Pages:/ {print $2}')
[[ $pages == 1 ]] || fail "$pages pages instead of 1"
text=$(pdftotext -layout "$printed" -)
for expected in "Café CUPS" "05.12.2026   12:04:09" "Ticket n°" "2 Café" "Total" "7.00" \
    "TVA sur place (10%"; do
    grep -qF "$expected" <<<"$text" || fail "\"$expected\" is not on the receipt:
$text"
done
log "passed"

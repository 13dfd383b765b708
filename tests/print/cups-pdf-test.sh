#!/usr/bin/env bash
# A receipt printed by the program on a real printer queue: a private CUPS
# server with a cups-pdf queue "VantorTest"; `vantor --headless
# --system-printers` sells two coffees and prints the receipt through Qt and
# CUPS; the PDF file that cups-pdf writes is then read back.
# Usage: cups-pdf-test.sh VANTOR_EXECUTABLE
# Exit status 77 (skipped) when this machine cannot run it: not root, or
# cupsd or the cups-pdf backend missing.
set -euo pipefail
cups_test=cups-pdf-test
source "$(dirname "$0")/../printing/private-cupsd.sh"

vantor=$1
queue=VantorTest
needs_cupsd lpadmin lpinfo lpstat pdftotext pdfinfo
[[ -x /usr/lib/cups/backend/cups-pdf ]] ||
    skip "the cups-pdf backend is missing (package printer-driver-cups-pdf)"
make_work vantor-cups
printed=
trap 'rm -f "$printed"; stop_servers' EXIT
start_private_cupsd "$work/cups" || fail "no private cupsd"

# The queue, with the driver that comes with cups-pdf.
ppd=$(lpinfo -m | awk '$1 ~ /CUPS-PDF_noopt\.ppd$/ {print $1; exit}')
[[ -n $ppd ]] || ppd=$(lpinfo -m | awk 'tolower($1) ~ /cups-pdf/ {print $1; exit}')
[[ -n $ppd ]] || fail "no cups-pdf driver in: lpinfo -m"
# cups-pdf turns PostScript back into PDF; made by pdftocairo (not by the
# default ghostscript) the PostScript keeps the fonts' text, so that the
# receipt can be read back from the file.
lpadmin -p "$queue" -E -v cups-pdf:/ -m "$ppd" -o pdftops-renderer-default=pdftocairo 2>/dev/null
log "queue $queue ($ppd) on $CUPS_SERVER"

# Where cups-pdf writes the jobs of root: the "Out" folder of its settings.
out=$(awk '$1 == "Out" {print $2}' /etc/cups/cups-pdf.conf 2>/dev/null | tail -1)
out=${out:-/var/spool/cups-pdf/\$\{USER\}}
out=${out//\$\{HOME\}/$(getent passwd root | cut -d: -f6)}
out=${out//\$\{USER\}/root}
touch "$work/before-printing"
sleep 1  # file times have one-second steps on some file systems

shop_settings "$queue" "$work/data"
transcript=$(timeout 60 "$vantor" --headless --system-printers --data-dir "$work/data" \
    <<<"$two_coffees") || fail "vantor failed: $transcript"
for line in "show Printer \"$queue\"" "print start \"$queue\"" "print end"; do
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
sleep 0.5  # the backend may still be closing the file
log "printed: $printed"

pages=$(pdfinfo "$printed" | awk '/^Pages:/ {print $2}')
[[ $pages == 1 ]] || fail "$pages pages instead of 1"
text=$(pdftotext -layout "$printed" -)
for expected in "Café CUPS" "05.12.2026   12:04:09" "Ticket n°" "2 Café" "Total" "7.00" \
    "TVA sur place (10%"; do
    grep -qF "$expected" <<<"$text" || fail "\"$expected\" is not on the receipt:
$text"
done
log "passed"

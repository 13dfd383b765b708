#!/usr/bin/env bash
# A receipt printed by the program on a real printer queue: a private CUPS
# server (its own socket, configuration and spool in a temporary folder, so
# the system's printers are neither used nor changed) with a cups-pdf queue
# "VantorTest"; `vantor --headless --system-printers` sells two coffees and
# prints the receipt through Qt and CUPS; the PDF file that cups-pdf writes is
# then read back.
# Usage: cups-pdf-test.sh VANTOR_EXECUTABLE
# Exit status 77 (skipped) when this machine cannot run it: not root, or
# cupsd or the cups-pdf backend missing.
set -euo pipefail

vantor=$1
queue=VantorTest
backend=/usr/lib/cups/backend/cups-pdf
log() { echo "cups-pdf-test: $*"; }
skip() {
    log "SKIPPED: $*"
    exit 77
}
fail() {
    log "FAILED: $*"
    exit 1
}

[[ $(id -u) -eq 0 ]] || skip "needs root (cupsd and the cups-pdf backend run as root)"
PATH=$PATH:/usr/sbin:/sbin
command -v cupsd >/dev/null || skip "cupsd is missing (package cups)"
[[ -x $backend ]] || skip "the cups-pdf backend is missing (package printer-driver-cups-pdf)"
for tool in lpadmin lpinfo lpstat pdftotext pdfinfo; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/setup.sh"
done

work=$(mktemp -d /tmp/vantor-cups.XXXXXX)
chmod 755 "$work"  # the filters run as user lp
cupsd_pid=
cleanup() {
    if [[ -n $cupsd_pid ]]; then
        lpadmin -x "$queue" 2>/dev/null || true
        kill "$cupsd_pid" 2>/dev/null || true
        wait "$cupsd_pid" 2>/dev/null || true
    fi
    if [[ -n ${printed:-} ]]; then rm -f "$printed"; fi
    rm -rf "$work"
}
trap cleanup EXIT

# The private server.
mkdir -p "$work"/{conf,spool,tmp,cache,state,log,data}
chmod 755 "$work"/{conf,spool,cache,state,log}
chmod 1777 "$work/tmp"
cat >"$work/conf/cupsd.conf" <<CONF
Listen $work/cups.sock
Browsing No
WebInterface No
LogLevel info
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
cat >"$work/conf/cups-files.conf" <<CONF
ServerBin /usr/lib/cups
DataDir /usr/share/cups
RequestRoot $work/spool
TempDir $work/tmp
CacheDir $work/cache
StateDir $work/state
Printcap $work/printcap
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
SystemGroup root
CONF
export CUPS_SERVER=$work/cups.sock
cupsd -f -c "$work/conf/cupsd.conf" -s "$work/conf/cups-files.conf" &
cupsd_pid=$!
for _ in $(seq 100); do
    lpstat -r >/dev/null 2>&1 && break
    kill -0 "$cupsd_pid" 2>/dev/null || fail "cupsd stopped: $(tail -5 "$work/log/error_log")"
    sleep 0.1
done
lpstat -r >/dev/null 2>&1 || fail "cupsd does not answer on $CUPS_SERVER"

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
marker=$work/before-printing
touch "$marker"
sleep 1  # file times have one-second steps on some file systems

# The till: shop settings with the queue as receipt printer (line 13).
printf 'Caf\xe9 CUPS\r\nQuai 1\r\n1000 Lausanne\r\n021 000 00 00\r\nCHE-123\r\n10\r\n5.5\r\n\r\n\r\n1\r\n\r\n\r\n%s\r\n' \
    "$queue" >"$work/data/Infos.txt"
script='clock 05.12.2026 12:04:09
show Printer
click Command1 2
click Command1 2
click cmdPrint 0
answer yes
'
transcript=$(timeout 60 "$vantor" --headless --system-printers --data-dir "$work/data" \
    <<<"$script") || fail "vantor failed: $transcript"
grep -qx "show Printer \"$queue\"" <<<"$transcript" ||
    fail "the receipt printer is not $queue: $transcript"
grep -qx "print start \"$queue\"" <<<"$transcript" || fail "nothing printed: $transcript"
grep -qx "print end" <<<"$transcript" || fail "the document did not end: $transcript"

# The PDF file of the job, waited for (the filters and ghostscript take a moment).
printed=
for _ in $(seq 300); do
    printed=$(find "$out" -maxdepth 1 -name '*.pdf' -newer "$marker" 2>/dev/null | head -1)
    [[ -n $printed ]] && break
    sleep 0.2
done
[[ -n $printed ]] || fail "no PDF in $out after 60 s; jobs: $(lpstat -W all -o 2>&1);
$(tail -20 "$work/log/error_log")"
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

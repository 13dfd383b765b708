#!/usr/bin/env bash
# A receipt printer on a raw CUPS queue, end to end: a private CUPS server (its
# own socket, configuration and spool in a temporary folder) with the queue
# "VantorRaw" whose device is a listener on 127.0.0.1 standing for the
# printer's network port. `vantor --headless --system-printers` sells two
# coffees in cash: the receipt and the drawer pulse must reach the listener
# byte for byte as the same sale gives them on a scripted ESC/POS printer. A
# second queue whose port refuses connections must give the critical message
# and keep the ticket.
# Usage: cups-raw-test.sh VANTOR_EXECUTABLE RAW_LISTENER_EXECUTABLE
# Exit status 77 (skipped) when this machine cannot run it: not root, or cupsd
# or its socket back end missing.
set -euo pipefail

vantor=$1
listener=$2
queue=VantorRaw
dead=VantorOff
log() { echo "cups-raw-test: $*"; }
skip() {
    log "SKIPPED: $*"
    exit 77
}
fail() {
    log "FAILED: $*"
    exit 1
}

[[ $(id -u) -eq 0 ]] || skip "needs root (cupsd runs as root)"
PATH=$PATH:/usr/sbin:/sbin
command -v cupsd >/dev/null || skip "cupsd is missing (package cups)"
[[ -x /usr/lib/cups/backend/socket ]] || skip "the CUPS socket back end is missing"
for tool in lpadmin lpstat cmp; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/setup.sh"
done

work=$(mktemp -d /tmp/vantor-cups-raw.XXXXXX)
chmod 755 "$work"
cupsd_pid=
listener_pid=
cleanup() {
    if [[ -n $listener_pid ]]; then
        kill "$listener_pid" 2>/dev/null || true
        wait "$listener_pid" 2>/dev/null || true
    fi
    if [[ -n $cupsd_pid ]]; then
        kill "$cupsd_pid" 2>/dev/null || true
        wait "$cupsd_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# The printer's port: a listener that stops by itself after 90 s at most.
source "$(dirname "$0")/private-cupsd.sh"
start_listener "$work" "$listener" 90 || fail "the listener did not start"

# A port nobody listens on: the listener's, plus one, checked free below.
dead_port=$((port + 1))
if (exec 3<>"/dev/tcp/127.0.0.1/$dead_port") 2>/dev/null; then dead_port=$((port + 2)); fi

# The private server.
mkdir -p "$work"/{data,scripted}
start_private_cupsd "$work/cups" || fail "no private cupsd"

# The raw queues, as a shop sets up a network receipt printer.
lpadmin -p "$queue" -E -v "socket://127.0.0.1:$port" -m raw 2>/dev/null
lpadmin -p "$dead" -E -v "socket://127.0.0.1:$dead_port" -m raw 2>/dev/null
log "queues $queue (port $port) and $dead (port $dead_port) on $CUPS_SERVER"

# The till: shop settings with the queue as receipt printer (line 13), 58 mm
# paper, drawer on pin 2.
shop() {
    printf 'Caf\xe9 CUPS\r\nQuai 1\r\n1000 Lausanne\r\n021 000 00 00\r\nCHE-123\r\n10\r\n5.5\r\n\r\n\r\n1\r\n\r\n\r\n%s\r\n' \
        "$1" >"$2/Infos.txt"
    printf '58\r\n2\r\n' >"$2/ImprimanteTicket.txt"
}
sale='clock 05.12.2026 12:04:09
show Printer
click Command1 2
click Command1 2
click cmdPrint 0
answer yes
'

# The same sale on a scripted ESC/POS printer gives the expected bytes.
shop "$queue" "$work/scripted"
timeout 60 "$vantor" --headless --data-dir "$work/scripted" \
    <<<"escpos \"$queue\" \"$work/expected.bin\"
$sale" >/dev/null || fail "the scripted run failed"

shop "$queue" "$work/data"
transcript=$(timeout 60 "$vantor" --headless --system-printers --data-dir "$work/data" \
    <<<"${sale}show lstTicket.ListCount") || fail "vantor failed: $transcript"
grep -qx "show Printer \"$queue\"" <<<"$transcript" ||
    fail "the receipt printer is not $queue: $transcript"
grep -qx "drawer \"$queue\"" <<<"$transcript" || fail "no drawer pulse: $transcript"
grep -qx "show lstTicket.ListCount 0" <<<"$transcript" || fail "the sale did not end: $transcript"
expected_size=$(stat -c %s "$work/expected.bin")
for _ in $(seq 100); do
    [[ $(stat -c %s "$work/captured.bin" 2>/dev/null || echo 0) -ge $expected_size ]] && break
    sleep 0.1
done
cmp "$work/expected.bin" "$work/captured.bin" ||
    fail "the printer got other bytes than expected ($(od -c "$work/captured.bin" | head -5))"
log "receipt and drawer pulse: $expected_size bytes as expected"

# A printer that refuses the connection: the message, and the ticket stays.
shop "$dead" "$work/data"
transcript=$(timeout 60 "$vantor" --headless --system-printers --data-dir "$work/data" \
    <<<"${sale}answer ok
show lstTicket.ListCount") || fail "vantor failed: $transcript"
grep -q "^msgbox critical ok \"Vantor\" \"L'imprimante \\\\\"$dead\\\\\" n'a pas pu imprimer" \
    <<<"$transcript" || fail "no critical message: $transcript"
grep -qx "show lstTicket.ListCount 1" <<<"$transcript" || fail "the ticket left: $transcript"
[[ -z $(lpstat -o "$dead" 2>/dev/null) ]] || fail "a job is still waiting: $(lpstat -o "$dead")"
log "refused connection: $(grep '^msgbox critical' <<<"$transcript")"
log "passed"

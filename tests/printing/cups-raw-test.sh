#!/usr/bin/env bash
# A receipt printer on a raw CUPS queue, end to end: a private CUPS server with
# the queue "VantorRaw" whose device is a listener on 127.0.0.1 standing for
# the printer's network port. `vantor --headless --system-printers` sells two
# coffees in cash: the receipt and the drawer pulse must reach the listener
# byte for byte as the same sale gives them on a scripted ESC/POS printer. A
# second queue whose port refuses connections must give the critical message
# and keep the ticket.
# Usage: cups-raw-test.sh VANTOR_EXECUTABLE RAW_LISTENER_EXECUTABLE
# Exit status 77 (skipped) when this machine cannot run it: not root, or cupsd
# or its socket back end missing.
set -euo pipefail
cups_test=cups-raw-test
source "$(dirname "$0")/private-cupsd.sh"

vantor=$1
queue=VantorRaw
dead=VantorOff
needs_cupsd lpadmin lpstat cmp
[[ -x /usr/lib/cups/backend/socket ]] || skip "the CUPS socket back end is missing"
make_work vantor-cups-raw

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

shop_settings "$queue" "$work/data" 58 2
transcript=$(timeout 60 "$vantor" --headless --system-printers --data-dir "$work/data" \
    <<<"${two_coffees}show lstTicket.ListCount") || fail "vantor failed: $transcript"
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
shop_settings "$dead" "$work/data" 58 2
transcript=$(timeout 60 "$vantor" --headless --system-printers --data-dir "$work/data" \
    <<<"${two_coffees}answer ok
show lstTicket.ListCount") || fail "vantor failed: $transcript"
grep -q "^msgbox critical ok \"Vantor\" \"L'imprimante \\\\\"$dead\\\\\" n'a pas pu imprimer" \
    <<<"$transcript" || fail "no critical message: $transcript"
grep -qx "show lstTicket.ListCount 1" <<<"$transcript" || fail "the ticket left: $transcript"
[[ -z $(lpstat -o "$dead" 2>/dev/null) ]] || fail "a job is still waiting: $(lpstat -o "$dead")"
log "passed"

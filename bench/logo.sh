#!/usr/bin/env bash
# A receipt with a very tall logo: the real program (vantor --headless) sells
# one coffee by card with a 1 x 10,000-pixel BMP as its logo, printed on a
# scripted ESC/POS printer (80 mm paper), and with the same logo the sale
# without a receipt. Prints for each the time, the peak memory (the
# maximum resident size) and the bytes sent to the printer.
#   logo.sh VANTOR [WIDTH HEIGHT]   (the logo's size, 1 10000 by default)
set -euo pipefail

vantor=$1
width=${2:-1}
height=${3:-10000}
source "$(dirname "$0")/lib.sh"
work=$(mktemp -d /tmp/vantor-bench-logo.XXXXXX)
trap 'rm -rf "$work"' EXIT

# le BYTES VALUE: VALUE as BYTES little-endian bytes.
le() { for ((i = 0; i < $1; i++)); do printf "\\x$(printf %02x $((($2 >> (8 * i)) & 255)))"; done; }
# A 1-bit BMP, black and white rows in turn.
row=$(((width + 31) / 32 * 4))
{
    printf BM; le 4 $((62 + row * height)); le 4 0; le 4 62
    le 4 40; le 4 "$width"; le 4 "$height"; le 2 1; le 2 1; le 4 0; le 4 $((row * height))
    le 4 3780; le 4 3780; le 4 2; le 4 0; le 4 0; le 4 0xFFFFFF
    for ((y = 0; y < height; y += 2)); do
        head -c "$row" /dev/zero
        ((y + 1 < height)) && head -c "$row" /dev/zero | tr '\0' '\377'
    done
} >"$work/logo.bmp"

echo "logo ${width} x ${height} pixels ($(stat -c %s "$work/logo.bmp") bytes), load $(machine_load)"
for receipt in yes no; do
    data=$work/data-$receipt
    mkdir "$data"
    printf 'Caf\xe9\r\nQuai 1\r\n1000 Lausanne\r\n021 000 00 00\r\nCHE-123\r\n10\r\n5.5\r\n%s\r\n\r\n1\r\n\r\n\r\nTicket\r\n' \
        "$work/logo.bmp" >"$data/Infos.txt"
    printf '80\r\n2\r\n' >"$data/ImprimanteTicket.txt"
    /usr/bin/time -f "%e %M" -o "$work/time" "$vantor" --headless --data-dir "$data" \
        >"$data/transcript" 2>&1 <<SCRIPT
escpos "Ticket" "$data/printer.bin"
click Command1 2
click cmdPrint 1
answer $receipt
SCRIPT
    read -r seconds kib <"$work/time"
    sent=$(stat -c %s "$data/printer.bin" 2>/dev/null || echo 0)
    printf '%-18s %8s s %10s KiB peak %12s bytes sent\n' \
        "receipt $receipt:" "$seconds" "$kib" "$sent"
done
grep -m1 "n'est pas utilisée" "$work/data-yes/transcript" || echo "the logo is printed"

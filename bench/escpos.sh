#!/usr/bin/env bash
# Receipt printing benchmark: the real program (vantor --headless
# --system-printers) checks out SALES tickets of 20 lines paid by card (no
# drawer pulse), printing each receipt on a queue of a private CUPS server:
#   - raw:  a raw queue, the receipt as ESC/POS bytes (the till waits until
#           CUPS has passed them to the printer);
#   - page: a queue with a PostScript driver, the receipt drawn by Qt as today
#           and handed to CUPS as a PDF job;
# and, without CUPS, the receipt drawn into a PDF file (--pdf-dir). Both queues
# send to a listener on 127.0.0.1 standing for the printer. The same sales
# answered "Non" are subtracted, so that what remains is the time from "Oui"
# to the end of the printing, per receipt. Then escpos-handoff times the
# document alone on the same two queues: until the last byte is handed to CUPS.
#   escpos.sh VANTOR RAW-LISTENER ESCPOS-HANDOFF [RUNS] [SALES]
# Needs root (cupsd).
set -euo pipefail

vantor=$1
listener=$2
handoff=$3
runs=${4:-3}
sales=${5:-20}

[[ $(id -u) -eq 0 ]] || { echo "escpos.sh needs root (cupsd)" >&2; exit 1; }
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../tests/printing/private-cupsd.sh"
PATH=$PATH:/usr/sbin:/sbin
make_work vantor-bench-escpos
offscreen_home "$work"
start_listener "$work" "$listener" 3600
start_private_cupsd "$work/cups"
add_queue Raw -v "socket://127.0.0.1:$port" -m raw
add_queue Page -v "socket://127.0.0.1:$port" -m drv:///sample.drv/generic.ppd

# SALES card checkouts of 20 lines (two articles taken in turn, so that no
# line merges with the one before), answering "Imprimer le ticket ?" with $1.
sales_script() {
    echo "clock 05.12.2026 12:04:09"
    for ((i = 0; i < sales; i++)); do
        for ((line = 0; line < 10; line++)); do
            echo "click Command1 2"
            echo "click Command1 8"
        done
        echo "click cmdPrint 1"
        echo "answer $1"
    done
}
sales_script yes >"$work/yes.txt"
sales_script no >"$work/no.txt"

# Milliseconds of one run: printer $1, script $2, extra arguments after. Each
# run starts from a new data folder (the journal and its chain empty), the
# printer's name in line 13 of Infos.txt.
time_till() {
    local folder="$work/data-${1// /}" script=$2 start end
    rm -rf "$folder"
    shop_settings "$1" "$folder" 80 2
    shift 2
    start=$(date +%s%N)
    "$vantor" --headless --data-dir "$folder" --script "$script" "$@" >"$work/transcript" 2>&1 ||
        { echo "run failed: $script" >&2; tail "$work/transcript" >&2; exit 1; }
    end=$(date +%s%N)
    grep -q '^msgbox critical' "$work/transcript" && { echo "printing failed" >&2; grep '^msgbox' "$work/transcript" >&2; exit 1; }
    awk -v ns=$((end - start)) 'BEGIN { printf "%.1f\n", ns / 1e6 }'
}
# Per receipt: the median of the runs answering "Oui" less those answering "Non".
per_receipt() {
    local yes=$work/$1.yes no=$work/$1.no
    awk -v y="$(median <"$yes")" -v n="$(median <"$no")" -v s="$sales" 'BEGIN { printf "%.2f", (y - n) / s }'
}

time_till Raw "$work/yes.txt" --system-printers >/dev/null  # warm-up
for ((i = 0; i < runs; i++)); do
    time_till Raw "$work/yes.txt" --system-printers >>"$work/raw.yes"
    time_till Raw "$work/no.txt" --system-printers >>"$work/raw.no"
    time_till Page "$work/yes.txt" --system-printers >>"$work/page.yes"
    time_till Page "$work/no.txt" --system-printers >>"$work/page.no"
    time_till "Vantor PDF" "$work/yes.txt" --pdf-dir "$work/pdf" >>"$work/pdf.yes"
    time_till "Vantor PDF" "$work/no.txt" --pdf-dir "$work/pdf" >>"$work/pdf.no"
done
raw=$(per_receipt raw)
page=$(per_receipt page)
pdf=$(per_receipt pdf)

echo "receipt of 20 lines, from \"Oui\" to the end of printing, $sales sales per run, $runs runs (medians):"
echo "  ESC/POS on a raw CUPS queue (job passed on)  ${raw} ms per receipt"
echo "  page drawn by Qt, PDF job handed to CUPS     ${page} ms per receipt"
echo "  page drawn by Qt into a PDF file             ${pdf} ms per receipt"
echo "  ratio page job / ESC/POS                      $(ratio "$page" "$raw" 1)"
echo "  ratio PDF file / ESC/POS                      $(ratio "$pdf" "$raw" 1)"
"$handoff" Raw Page "$sales"
echo "  bytes received by the printer's port: $(stat -c %s "$work/captured.bin" 2>/dev/null || echo 0)"
echo "  machine load $(machine_load)"

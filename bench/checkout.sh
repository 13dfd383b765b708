#!/usr/bin/env bash
# Checkout benchmark: the real program (vantor --headless) sells SALES tickets
# of six lines over three categories, each paid in cash: once printing every
# receipt into a PDF file through the Qt page device ("answer yes"), once
# without printing ("answer no"). A run of the same program that only starts
# is subtracted, so that what remains is the checkouts themselves. The
# yardstick is plain-append, which appends the same journal bytes (one sale's
# records) with open() + write() + fsync() + close() as many times.
#   checkout.sh VANTOR PLAIN-APPEND [RUNS] [SALES]
# The journals are written under $TMPDIR (default /tmp): the fsync costs of
# that file system are the ones measured.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

vantor=$1
plain=$2
runs=${3:-5}
sales=${4:-100}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
offscreen_home "$work"

# The script of SALES checkouts answering "Imprimer le ticket ?" with $1.
sales_script() {
    for ((i = 0; i < sales; i++)); do
        # Café, Thé noir (0); Coca 2dl, Coca 3dl (1); Pression 3 dl, 5 dl (2).
        for article in 2 8 15 16 28 29; do
            echo "click Command1 $article"
        done
        echo "click cmdPrint 0"
        echo "answer $1"
    done
}
sales_script yes >"$work/print.txt"
sales_script no >"$work/noprint.txt"
echo "show NumTicket" >"$work/start.txt"

# A data folder as the first start leaves it, copied before each run so that
# every run starts from the same files.
"$vantor" --headless --data-dir "$work/template" --script "$work/start.txt" >/dev/null 2>&1

# Milliseconds (with a decimal) of one run of the till on a fresh copy of the
# template with script $1; the run must succeed.
time_till() {
    rm -rf "$work/data" "$work/pdf"
    cp -r "$work/template" "$work/data"
    local start end
    start=$(date +%s%N)
    "$vantor" --headless --data-dir "$work/data" --pdf-dir "$work/pdf" --script "$1" \
        >"$work/transcript" 2>&1 || { echo "run failed: $1" >&2; cat "$work/transcript" >&2; exit 1; }
    end=$(date +%s%N)
    awk -v ns=$((end - start)) 'BEGIN { printf "%.1f\n", ns / 1e6 }'
}

# The run of script $1 must leave 3 journal records per sale and $2 PDF files.
check_run() {
    time_till "$1" >/dev/null
    local records pdfs=0
    records=$(wc -l <"$work/data/tickets.csv")
    [[ -d $work/pdf ]] && pdfs=$(find "$work/pdf" -name '*.pdf' | wc -l)
    ((records == 3 * sales && pdfs == $2)) ||
        { echo "unexpected run of $1: $records records, $pdfs PDF files" >&2; exit 1; }
}

# Warm-up and checks; the journal of the run without printing gives the bytes
# of one sale to the yardstick.
check_run "$work/print.txt" "$sales"
check_run "$work/noprint.txt" 0
head -n 3 "$work/data/tickets.csv" >"$work/one-sale"
time_till "$work/start.txt" >/dev/null

: >"$work/start.ms"
: >"$work/print.ms"
: >"$work/noprint.ms"
: >"$work/plain.ms"
for ((i = 0; i < runs; i++)); do
    time_till "$work/start.txt" >>"$work/start.ms"
    time_till "$work/print.txt" >>"$work/print.ms"
    time_till "$work/noprint.txt" >>"$work/noprint.ms"
    rm -f "$work/plain.csv"
    "$plain" "$work/one-sale" "$work/plain.csv" "$sales" >>"$work/plain.ms"
done

start_ms=$(median <"$work/start.ms")
per_sale() { awk -v t="$(median <"$1")" -v s="$start_ms" -v n="$sales" 'BEGIN { printf "%.3f", (t - s) / n }'; }
print_ms=$(per_sale "$work/print.ms")
noprint_ms=$(per_sale "$work/noprint.ms")
plain_ms=$(median <"$work/plain.ms" | xargs printf "%.3f")

echo "checkout of a 6-line ticket over 3 categories, $sales sales per run, $runs runs (medians):"
echo "  vantor start alone (subtracted)          ${start_ms} ms"
echo "  checkout with receipt PDF                ${print_ms} ms per sale"
echo "  checkout without printing                ${noprint_ms} ms per sale"
echo "  plain open+write+fsync of the same bytes ${plain_ms} ms per sale"
echo "  ratio checkout with PDF / plain append   $(ratio "$print_ms" "$plain_ms" 1)"
echo "  ratio checkout without printing / plain  $(ratio "$noprint_ms" "$plain_ms" 1)"
echo "  journal file system: $(stat -f -c %T "$work"); machine load $(machine_load)"

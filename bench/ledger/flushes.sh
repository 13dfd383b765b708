#!/usr/bin/env bash
# Flushed writes of a day of sales: the real program (vantor --headless)
# sells SALES tickets of six lines over three categories, paid in cash, under
# strace, and every fsync and fdatasync is counted by the file it flushes. A
# run that only starts is subtracted, so that what remains is the sales
# themselves. Before the sales' lines were kept, a sale flushed the chain
# once (its entry) and the journal once (its records); the goal: the same,
# plus one flush of lignes.csv, whose entry goes into the chain in the same
# write as the sale's. The time per sale is shown beside the counts.
#   flushes.sh VANTOR [SALES]
set -euo pipefail
source "$(dirname "$0")/../lib.sh"

vantor=$1
sales=${2:-500}
command -v strace >/dev/null || { echo "strace is needed (apt-get install strace)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
offscreen_home "$work"

for ((i = 0; i < sales; i++)); do
    # Café, Thé noir (0); Coca 2dl, Coca 3dl (1); Pression 3 dl, 5 dl (2).
    for article in 2 8 15 16 28 29; do
        echo "click Command1 $article"
    done
    echo "click cmdPrint 0"
    echo "answer no"
done >"$work/sales.txt"
echo "show NumTicket" >"$work/start.txt"
"$vantor" --headless --data-dir "$work/template" --script "$work/start.txt" >/dev/null 2>&1

# Runs script $1 on a fresh copy of the template under strace; its flushes,
# one a line, as the name of the file flushed, in $2.
traced_run() {
    rm -rf "$work/data"
    cp -r "$work/template" "$work/data"
    strace -f -qq -y -e trace=fsync,fdatasync -o "$work/trace" \
        "$vantor" --headless --data-dir "$work/data" --script "$1" >"$work/transcript" 2>&1 ||
        { echo "run failed: $1" >&2; cat "$work/transcript" >&2; exit 1; }
    sed -n 's/.*f\(data\)\{0,1\}sync([0-9]*<\([^>]*\)>).*/\2/p' "$work/trace" |
        sed "s|^$work/data/||; s|^$work/data\$|(dossier)|" >"$2"
}

traced_run "$work/start.txt" "$work/start.flushes"
traced_run "$work/sales.txt" "$work/sales.flushes"
records=$(wc -l <"$work/data/tickets.csv")
lines=$(wc -l <"$work/data/lignes.csv")
((records == 3 * sales && lines == 6 * sales)) ||
    { echo "unexpected run: $records records, $lines lines for $sales sales" >&2; exit 1; }
start_ms=$(time_ms "$vantor" --headless --data-dir "$work/data" --script "$work/start.txt")
rm -rf "$work/data" && cp -r "$work/template" "$work/data"
sales_ms=$(time_ms "$vantor" --headless --data-dir "$work/data" --script "$work/sales.txt")

# Flushes of file $1 per sale, the start's subtracted.
per_sale() {
    local during before
    during=$(grep -cxF -- "$1" "$work/sales.flushes" || true)
    before=$(grep -cxF -- "$1" "$work/start.flushes" || true)
    awk -v a="$during" -v b="$before" -v n="$sales" 'BEGIN { printf "%.2f", (a - b) / n }'
}
echo "flushed writes of $sales sales of 6 lines over 3 categories, cash, no receipt printed:"
status=0
for file in $(sort -u "$work/sales.flushes" "$work/start.flushes"); do
    count=$(per_sale "$file")
    printf '  %-22s %s per sale\n' "$file" "$count"
    case $file in
        tickets.chain | tickets.csv | lignes.csv) goal=1 ;;
        *) goal=0 ;;
    esac
    awk -v c="$count" -v g="$goal" 'BEGIN { exit !(c > g) }' &&
        { echo "  more than $goal per sale: $file" >&2; status=1; }
done
total=$(( $(wc -l <"$work/sales.flushes") - $(wc -l <"$work/start.flushes") ))
echo "  all files              $(ratio "$total" "$sales") per sale (goal: 2 as before + 1 for lignes.csv)"
echo "  time per sale          $(awk -v t="$sales_ms" -v s="$start_ms" -v n="$sales" 'BEGIN { printf "%.3f", (t - s) / n }') ms (the start's $start_ms ms subtracted)"
echo "  file system: $(stat -f -c %T "$work"); machine load $(machine_load)"
exit $status

#!/usr/bin/env bash
# Report benchmark: on one generated journal of a million records over three
# years, times the totals report of its last year from the command line
# against `wc -l` on the same file (the floor: one scan of the bytes) and an
# awk script computing the same sums (what a manager would write instead).
# Goals: the report within 4 times `wc -l`, and at least 10 times faster than awk.
#   reports.sh VANTOR GENERATE-JOURNAL [RUNS] [RECORDS]
set -euo pipefail

vantor=$1
generate=$2
runs=${3:-11}
records=${4:-1000000}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../lib.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$generate" "$work" "$records"
journal=$work/tickets.csv

report=("$vantor" report totaux --du 01.01.2026 --au 31.12.2026 --today 31.12.2026
        --data-dir "$work")
count=(wc -l "$journal")
sums=(env LC_ALL=C awk -v debut=20260101 -v fin=20261231 -f "$here/sums.awk" "$journal")

# Warm-up: the file in the page cache and the programs loaded, for all three.
for run in report count sums; do
    declare -n command=$run
    time_ms "${command[@]}" >/dev/null
done

: >"$work/report.ms"
: >"$work/count.ms"
: >"$work/sums.ms"
for ((i = 0; i < runs; i++)); do
    time_ms "${report[@]}" >>"$work/report.ms"
    time_ms "${count[@]}" >>"$work/count.ms"
    time_ms "${sums[@]}" >>"$work/sums.ms"
done

report_ms=$(median <"$work/report.ms")
count_ms=$(median <"$work/count.ms")
sums_ms=$(median <"$work/sums.ms")
over_count=$(ratio "$report_ms" "$count_ms")
under_awk=$(ratio "$sums_ms" "$report_ms" 1)
verdict() { awk -v r="$1" -v g="$2" -v op="$3" 'BEGIN { ok = op == "<=" ? r <= g : r >= g; print ok ? "met" : "NOT MET" }'; }

size=$(du -m "$journal" | cut -f1)
lines=$("${count[@]}" | cut -d' ' -f1)
echo "journal: $lines records, $size MB; $(nproc) cores; median of $runs runs"
echo "  vantor report totaux (one year)  ${report_ms} ms"
echo "  wc -l                            ${count_ms} ms"
echo "  awk, the same sums               ${sums_ms} ms"
echo "  report / wc -l   ${over_count}  (goal <= 4: $(verdict "$over_count" 4 "<="))"
echo "  awk / report     ${under_awk}  (goal >= 10: $(verdict "$under_awk" 10 ">="))"
echo "  machine load     $(machine_load) (timings are only comparable on an idle machine)"

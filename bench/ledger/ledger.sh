#!/usr/bin/env bash
# Chain benchmark.
# 1. Checkout cost: COUNT sales appended as before (one write + fsync) and
#    with the chain (chain entry write + fsync, then the records): goal, at
#    most one extra flushed write per sale (a ratio near 2 on a disk where
#    fsync dominates, less where it is cheap).
# 2. `vantor verify` on a generated journal of RECORDS records chained as
#    two-record sales, and on the same journal adopted whole (one entry),
#    against `sha256sum` of the journal: goal, within 2 times.
#   ledger.sh VANTOR CHAIN-TOOL GENERATE-JOURNAL [RUNS] [RECORDS] [COUNT]
set -euo pipefail
source "$(dirname "$0")/../lib.sh"

vantor=$1
tool=$2
generate=$3
runs=${4:-7}
records=${5:-1000000}
count=${6:-200}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/append/plain" "$work/append/chain" "$work/sales" "$work/whole"
"$tool" append "$work/append" "$count"

"$generate" "$work/sales" "$records"
cp "$work/sales/tickets.csv" "$work/whole/tickets.csv"
"$tool" chain "$work/sales" 2
"$tool" chain "$work/whole" "$records"

sales=("$vantor" verify --data-dir "$work/sales")
whole=("$vantor" verify --data-dir "$work/whole")
sum=(sha256sum "$work/sales/tickets.csv")
"${sales[@]}"
for run in sales whole sum; do
    declare -n command=$run
    time_ms "${command[@]}" >/dev/null
    : >"$work/$run.ms"
done
for ((i = 0; i < runs; i++)); do
    for run in sales whole sum; do
        declare -n command=$run
        time_ms "${command[@]}" >>"$work/$run.ms"
    done
done
sales_ms=$(median <"$work/sales.ms")
whole_ms=$(median <"$work/whole.ms")
sum_ms=$(median <"$work/sum.ms")
size=$(stat -c %s "$work/sales/tickets.csv")
entries=$(wc -l <"$work/sales/tickets.chain")
echo "journal: $records records, $size bytes; chain of $entries sales"
echo "vantor verify (sales):  $sales_ms ms  ($(ratio "$sales_ms" "$sum_ms") x sha256sum)"
echo "vantor verify (whole):  $whole_ms ms  ($(ratio "$whole_ms" "$sum_ms") x sha256sum)"
echo "sha256sum:              $sum_ms ms"

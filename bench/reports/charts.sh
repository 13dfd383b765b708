#!/usr/bin/env bash
# Charts benchmark: on one generated journal of a million records, the charts'
# figures of its last year (per day, hour, category and waiter) against the
# totals report of the same year, both in the core, side by side in one run.
# Goal: the charts within 1.5 times the report.
#   charts.sh CHART-FIGURES GENERATE-JOURNAL [RUNS] [RECORDS]
set -euo pipefail

figures=$1
generate=$2
runs=${3:-11}
records=${4:-1000000}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$generate" "$work" "$records"

echo "charts: $("$figures" graphiques "$work")   report: $("$figures" totaux "$work")"
farm-bench -n "$runs" --timeout 600 --vs "$figures totaux $work" -- "$figures" graphiques "$work"

#!/usr/bin/env bash
# Backup benchmark: `vantor sauvegarder` of a data folder holding a journal
# of RECORDS records (chained as two-record sales), verification included,
# against `cp -r` of the same folder to the same destination, run in turn
# (A B A B ...) in one run. Goal: at most 2 times. Each run starts from an
# empty destination. Also shown: `cp -r` with its copy flushed to the disk
# (`sync`), the least a backup that survives a stick pulled out right after
# it pays, before any check (cp -r leaves its bytes in memory); and `vantor
# verify` of the last backup's copy, the chain check every backup makes of it.
#   backup.sh VANTOR CHAIN-TOOL GENERATE-JOURNAL [RUNS] [RECORDS] [DESTINATION-BASE]
set -euo pipefail
source "$(dirname "$0")/../lib.sh"

vantor=$1
tool=$2
generate=$3
runs=${4:-7}
records=${5:-1000000}
base=${6:-${TMPDIR:-/tmp}}

work=$(mktemp -d "$base/vantor-bench-backup.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/data"
"$generate" "$work/data" "$records"
"$tool" chain "$work/data" 2
"$vantor" verify --data-dir "$work/data"

backup=(sh -c "rm -rf '$work/stick' && mkdir '$work/stick' && exec '$vantor' sauvegarder --data-dir '$work/data' --vers '$work/stick'")
copy=(sh -c "rm -rf '$work/copy' && mkdir '$work/copy' && exec cp -r '$work/data' '$work/copy/'")
flushed=(sh -c "rm -rf '$work/flushed' && mkdir '$work/flushed' && cp -r '$work/data' '$work/flushed/' && find '$work/flushed' -type f -exec sync -d {} + && sync -f '$work/flushed/data'")
"${backup[@]}"
for run in backup copy flushed; do
    declare -n command=$run
    time_ms "${command[@]}" >/dev/null
    : >"$work/$run.ms"
done
for ((i = 0; i < runs; i++)); do
    for run in backup copy flushed; do
        declare -n command=$run
        time_ms "${command[@]}" >>"$work/$run.ms"
    done
done
copied="$work/stick/Vantor-sauvegardes/$(ls "$work/stick/Vantor-sauvegardes")"
verify=("$vantor" verify --data-dir "$copied")
: >"$work/verify.ms"
for ((i = 0; i < runs; i++)); do
    time_ms "${verify[@]}" >>"$work/verify.ms"
done
verify_ms=$(median <"$work/verify.ms")
backup_ms=$(median <"$work/backup.ms")
copy_ms=$(median <"$work/copy.ms")
flushed_ms=$(median <"$work/flushed.ms")
echo "data folder: $(du -sb "$work/data" | cut -f1) bytes, journal of $records records; load $(machine_load)"
echo "vantor sauvegarder:  $backup_ms ms  ($(ratio "$backup_ms" "$copy_ms") x cp -r)"
echo "cp -r:               $copy_ms ms"
echo "cp -r, then sync:    $flushed_ms ms  ($(ratio "$flushed_ms" "$copy_ms") x cp -r; the backup: $(ratio "$backup_ms" "$flushed_ms") x this)"
echo "its chain check alone (vantor verify of the copy): $verify_ms ms  ($(ratio "$verify_ms" "$copy_ms") x cp -r)"

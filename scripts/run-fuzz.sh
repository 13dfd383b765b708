#!/usr/bin/env bash
# Builds the fuzz targets (preset "fuzz": clang, ASan + UBSan, libFuzzer) and
# runs each one for a bounded time, starting from its seed corpus in
# fuzz/corpus/<target>. Exits non-zero when a target crashes; the input that
# made it crash is kept in build/fuzz/crashes/<target>/ (add it to the
# target's corpus with the fix, so that every later run replays it).
#   scripts/run-fuzz.sh [seconds per target]     default 10
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
seconds="${1:-10}"
started=$SECONDS

cmake --preset fuzz >/dev/null || exit 1
cmake --build --preset fuzz || exit 1
echo "run-fuzz: built in $((SECONDS - started)) s"

export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
failed=()
for corpus in fuzz/corpus/*/; do
    target="$(basename "$corpus")"
    crashes="build/fuzz/crashes/$target"
    found="$(mktemp -d)"  # what this run adds to the corpus, thrown away after
    mkdir -p "$crashes"
    log="build/fuzz/$target.log"
    dict=()  # pieces of text the target's inputs are made of, when listed
    [[ -f fuzz/$target.dict ]] && dict=(-dict="fuzz/$target.dict")
    build/fuzz/fuzz/fuzz-"$target" -max_total_time="$seconds" -timeout=10 "${dict[@]}" \
        -print_final_stats=1 -artifact_prefix="$crashes/" "$found" "$corpus" >"$log" 2>&1
    rc=$?
    rm -rf "$found"
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    if [[ $rc -ne 0 ]]; then
        failed+=("$target")
        echo "run-fuzz: $target CRASHED (input kept in $crashes/):"
        grep -E 'ERROR|runtime error|fuzz:|SUMMARY' "$log" | head -n 5
    else
        echo "run-fuzz: $target ${runs:-?} runs in ${seconds} s, no crash"
    fi
done
echo "run-fuzz: $((SECONDS - started)) s in all"
[[ ${#failed[@]} -eq 0 ]] || { echo "run-fuzz: crashed: ${failed[*]}"; exit 1; }

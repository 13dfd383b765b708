#!/usr/bin/env bash
# Builds the fuzz targets (preset "fuzz": clang, ASan + UBSan, libFuzzer) and
# runs each one for a bounded time, starting from its seed corpus in
# fuzz/corpus/<target>. Exits non-zero when a target crashes; the input that
# made it crash is kept in build/fuzz/crashes/<target>/ (add it to the
# target's corpus with the fix, so that every later run replays it). The
# targets run side by side, one per processor: each still gets its full time.
#   scripts/run-fuzz.sh [seconds per target [cmake -D options...]]   default 10
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
seconds="${1:-10}"
shift $(($# > 0 ? 1 : 0))
started=$SECONDS

VANTOR_PACKAGES_FILE=scripts/packages-fuzz.txt bash scripts/setup.sh >/dev/null || exit 1
cmake --preset fuzz "$@" >/dev/null || exit 1
cmake --build --preset fuzz || exit 1
echo "run-fuzz: built in $((SECONDS - started)) s"

export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# Fuzzes one target; its report goes to build/fuzz/<target>.result, and the
# file's first word is "crashed" when the target crashed.
fuzz_target() {
    local target=$1 corpus="fuzz/corpus/$1/"
    local crashes="build/fuzz/crashes/$target" log="build/fuzz/$target.log"
    local found
    found="$(mktemp -d)"  # what this run adds to the corpus, thrown away after
    mkdir -p "$crashes"
    local dict=()  # pieces of text the target's inputs are made of, when listed
    [[ -f fuzz/$target.dict ]] && dict=(-dict="fuzz/$target.dict")
    build/fuzz/fuzz/fuzz-"$target" -max_total_time="$seconds" -timeout=10 "${dict[@]}" \
        -print_final_stats=1 -artifact_prefix="$crashes/" "$found" "$corpus" >"$log" 2>&1
    local rc=$?
    rm -rf "$found"
    local runs
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    if [[ $rc -ne 0 ]]; then
        {
            echo "crashed: $target CRASHED (input kept in $crashes/):"
            grep -E 'ERROR|runtime error|fuzz:|SUMMARY' "$log" | head -n 5
        } >"build/fuzz/$target.result"
    else
        echo "ran: $target ${runs:-?} runs in ${seconds} s, no crash" >"build/fuzz/$target.result"
    fi
}

targets=()
for corpus in fuzz/corpus/*/; do
    targets+=("$(basename "$corpus")")
done
side_by_side="$(nproc)"
for target in "${targets[@]}"; do
    rm -f "build/fuzz/$target.result"
    while [[ $(jobs -rp | wc -l) -ge $side_by_side ]]; do
        wait -n
    done
    fuzz_target "$target" &
done
wait

failed=()
for target in "${targets[@]}"; do
    result="build/fuzz/$target.result"
    [[ -f $result ]] || echo "crashed: $target left no report" >"$result"
    sed -e '1s/^[a-z]*: /run-fuzz: /' "$result"
    [[ $(head -c 8 "$result") == "crashed:" ]] && failed+=("$target")
done
echo "run-fuzz: $((SECONDS - started)) s in all"
[[ ${#failed[@]} -eq 0 ]] || { echo "run-fuzz: crashed: ${failed[*]}"; exit 1; }

#!/usr/bin/env bash
# Runs a Windows program under wine for ctest: cmake/mingw-w64.cmake names it
# the cross build's emulator, with wine's path first.
#   wine-run.sh WINE PROGRAM.exe [ARGS...]
# Listing a program's tests (--gtest_list_tests, when ctest starts) is tried
# again when wine fails before the program prints anything: now and then the
# wineserver dies under a start, and one program that cannot be listed would
# otherwise stop the whole test run. A listing is harmless to repeat; a test
# run is never repeated here.
# Now and then wine never ends a process whose program has returned: a test
# program that has printed googletest's closing summary and is still there
# some seconds later is ended, and its status is the summary's.
set -uo pipefail
wine=$1
shift

listing=false
for arg in "$@"; do
    [[ $arg == --gtest_list_tests ]] && listing=true
done

if $listing; then
    for attempt in 1 2 3; do
        output=$("$wine" "$@")
        status=$?
        if [[ $status -eq 0 || -n $output ]]; then
            printf '%s\n' "$output"
            exit "$status"
        fi
        echo "wine-run: no list of tests from $1 (status $status, try $attempt)" >&2
        sleep 2
    done
    exit "$status"
fi

log=$(mktemp)
trap 'rm -f "$log"' EXIT
"$wine" "$@" >"$log" 2>&1 &
pid=$!
seen=""  # when the summary was first seen
while kill -0 "$pid" 2>/dev/null; do
    if [[ -z $seen ]] && grep -qE '^\[  PASSED  \] [0-9]+ tests?\.|^ *[0-9]+ FAILED TESTS?$' "$log"; then
        seen=$SECONDS
    fi
    if [[ -n $seen ]] && ((SECONDS - seen >= 15)); then
        kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        cat "$log"
        echo "wine-run: $1 had printed its summary 15 s before; its process was ended" >&2
        if grep -qE '^ *[0-9]+ FAILED TESTS?$' "$log"; then
            exit 1
        fi
        exit 0
    fi
    sleep 0.2
done
wait "$pid"
status=$?
cat "$log"
exit "$status"

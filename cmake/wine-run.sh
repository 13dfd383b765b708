#!/usr/bin/env bash
# Runs a Windows program under wine for ctest: cmake/mingw-w64.cmake names it
# the cross build's emulator, with wine's path first.
#   wine-run.sh WINE PROGRAM.exe [ARGS...]
# Listing a program's tests (--gtest_list_tests, when ctest starts) is tried
# again when wine fails before the program prints anything: now and then the
# wineserver dies under a start, and one program that cannot be listed would
# otherwise stop the whole test run. A listing is harmless to repeat; a test
# run is never repeated here.
set -uo pipefail
wine=$1
shift

listing=false
for arg in "$@"; do
    [[ $arg == --gtest_list_tests ]] && listing=true
done
$listing || exec "$wine" "$@"

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

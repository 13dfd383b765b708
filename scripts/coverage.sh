#!/usr/bin/env bash
# Line coverage of src/ (the Qt front end in src/gui apart) by the
# whole test suite: builds the `coverage` preset (gcc --coverage, Debug), runs
# its tests from fresh counters and prints gcovr's summary. The figures count
# what ran even when a test fails (the script then exits non-zero).
#   scripts/coverage.sh            summary only
#   scripts/coverage.sh FILE.txt   also the per-file table into FILE.txt
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
build=build/coverage

cmake --preset coverage >/dev/null && cmake --build --preset coverage || exit 1
find "$build" -name '*.gcda' -delete
ctest --preset coverage
tests=$?
gcovr --root "$root" --filter "$root/src/" --exclude "$root/src/gui/" \
    --gcov-ignore-parse-errors -j 2 --output "${1:-/dev/null}" --print-summary "$build"
exit $tests

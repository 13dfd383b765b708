#!/usr/bin/env bash
# Installs what is missing, checks formatting, then builds the program with the
# `ci` preset (optimized, warnings as errors), makes the Debian package of that
# build and checks it (scripts/check-package.sh), builds and runs every test
# with the `asan` preset (AddressSanitizer and UndefinedBehaviorSanitizer),
# then the Windows build (mingw-w64, built while the asan tests run) with its
# tests under wine. Exits non-zero
# when any step fails. Every test runs once on Linux, under the sanitizers,
# which see more than the optimized build: running them in both doubled the
# time of a run from scratch. The steps `ci` (the optimized
# build with its tests) and `fuzz` (each fuzz target for five seconds,
# scripts/run-fuzz.sh) run when named.
# The builds are made for a run from scratch (CI): each target's sources are
# compiled in batches (VANTOR_UNITY_BUILD), and the ci build carries no debug
# information. `cmake --preset ci` (or asan) turns these back off for
# day-to-day builds of the same folder.
#   scripts/run-tests.sh            package, asan, then windows
#   scripts/run-tests.sh ci fuzz    only the given steps (package builds the
#                                   program in build/ci unless ci built it)
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

presets=("$@")
[[ ${#presets[@]} -gt 0 ]] || presets=(package asan windows)

started=$SECONDS
failed_steps=()
tests_passed=0
tests_failed=0
# Failed steps not already counted as failed tests (format, configure, build,
# a test run that failed without a failing test): each counts as one failure,
# so the closing line never reads "0 failed" after a failure.
step_failures=0
fail_step() {
    failed_steps+=("$1")
    step_failures=$((step_failures + 1))
}

step() { printf '\n=== %s (%ds)\n' "$*" $((SECONDS - started)); }

# What each step adds to its preset for a build from scratch: sources compiled
# in batches, and no debug information in the ci build (asan and fuzz keep it
# for their error reports).
declare -A configure_options=(
    [ci]="-DVANTOR_UNITY_BUILD=ON -DVANTOR_DEBUG_INFO=OFF"
    [asan]="-DVANTOR_UNITY_BUILD=ON"
    [windows]="-DVANTOR_UNITY_BUILD=ON"
    [fuzz]="-DVANTOR_UNITY_BUILD=ON"
)

# The Windows programs run under wine, in a prefix of their own inside the
# build folder, without a display. A persistent wineserver started first
# keeps wine's own background processes from holding ctest's output pipes
# open; with the debugger disabled a crash fails its test instead of waiting.
# The prefix is made whole before the first test: wineboot runs alone and
# wine is waited for until it has quit, then the prefix is checked (a system
# program, the user's application data); a prefix left half made on a fresh
# machine once failed every test that reads the registry or the user's
# folders. Now and then a program a test starts under wine never returns or
# fails to start (a few runs of the whole set in ten, never on Linux): a part
# of a test program gets 150 s (tests/CMakeLists.txt) and one more run (the
# windows test preset), a program that has printed its summary but whose
# process wine does not end is ended (cmake/wine-run.sh); a part that fails
# twice fails, and every test also runs once on Linux, where nothing is retried.
wine_prefix_whole() {
    [[ -e $WINEPREFIX/drive_c/windows/system32/notepad.exe ]] &&
        compgen -G "$WINEPREFIX/drive_c/users/*/AppData/Roaming" >/dev/null
}
start_wine() {
    export WINEPREFIX="$root/build/windows/wine" WINEDEBUG=-all
    export WINEDLLOVERRIDES="winedbg.exe=d;mscoree=d;mshtml=d"
    unset DISPLAY WAYLAND_DISPLAY
    local try started=$SECONDS
    for try in 1 2 3; do
        wine_prefix_whole && break
        wineserver -k 2>/dev/null || true
        [[ $try -eq 1 ]] || rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1 || echo "run-tests: wineboot failed (try $try)" >&2
        wineserver -w 2>/dev/null || true
    done
    if wine_prefix_whole; then
        echo "run-tests: wine prefix ready in $((SECONDS - started)) s"
    else
        echo "run-tests: the wine prefix is still not whole after three tries" >&2
    fi
    # The persistent server, then wine's own background programs started here,
    # with no pipe of ctest's to hold open: started by the first test
    # program instead, they would keep its listing from ever ending.
    wineserver -p
    wineboot </dev/null >/dev/null 2>&1 || true
}
stop_wine() { wineserver -k 2>/dev/null || true; }

# The program of the ci preset without its tests, unless the ci step built
# it with them, then its Debian package checked.
package_build() {
    if [[ ! -f build/ci/CMakeCache.txt ]]; then
        # shellcheck disable=SC2086  # the options are words without spaces
        cmake --preset ci ${configure_options[ci]} -DVANTOR_BUILD_TESTS=OFF || return 1
    fi
    cmake --build --preset ci || return 1
    bash scripts/check-package.sh build/ci
}

step "setup"
if ! bash scripts/setup.sh; then
    echo "run-tests: setup failed" >&2
    exit 1
fi

step "format"
bash scripts/check-format.sh || fail_step format

# The next preset's configure and build, started while this one's tests run:
# most tests wait on processes, windows and timers more than they compute, so
# a build beside them (at low priority) costs the tests little and the run
# its whole build time. Its output is shown when its step comes.
early_builds=$(mktemp -d)
trap 'rm -rf "$early_builds"' EXIT
builds_early() { [[ $1 != package && $1 != fuzz && -n $1 ]]; }
start_early_build() {
    local preset=$1
    (
        # shellcheck disable=SC2086  # the options are words without spaces
        if ! nice -n 10 cmake --preset "$preset" ${configure_options[$preset]:-}; then
            echo configure >"$early_builds/$preset.failed"
        elif ! nice -n 10 cmake --build --preset "$preset"; then
            echo build >"$early_builds/$preset.failed"
        fi
    ) >"$early_builds/$preset.log" 2>&1 &
    echo $! >"$early_builds/$preset.pid"
}
# Waits for the preset's early build, shows its output; false when it failed
# (the failed part is fail_step'ed).
finish_early_build() {
    local preset=$1 waited=$SECONDS
    wait "$(cat "$early_builds/$preset.pid")"
    cat "$early_builds/$preset.log"
    echo "run-tests: $preset's build waited for $((SECONDS - waited)) s"
    if [[ -f $early_builds/$preset.failed ]]; then
        fail_step "$preset:$(cat "$early_builds/$preset.failed")"
        return 1
    fi
}

for index in "${!presets[@]}"; do
    preset=${presets[$index]}
    next=${presets[$((index + 1))]:-}
    if [[ $preset == package ]]; then
        step "package: the program of the ci build, its .deb, checked"
        package_build || fail_step package
        continue
    fi
    if [[ $preset == fuzz ]]; then
        step "fuzz: build and run each target"
        # 5 s a target: CI stays well under 20 min
        # shellcheck disable=SC2086  # the options are words without spaces
        bash scripts/run-fuzz.sh 5 ${configure_options[fuzz]} || fail_step fuzz
        continue
    fi
    if [[ -f $early_builds/$preset.pid ]]; then
        step "$preset: configured and built beside the tests before it"
        finish_early_build "$preset" || continue
    else
        step "$preset: configure"
        # shellcheck disable=SC2086  # the options are words without spaces
        if ! cmake --preset "$preset" ${configure_options[$preset]:-}; then
            fail_step "$preset:configure"
            continue
        fi
        step "$preset: build"
        if ! cmake --build --preset "$preset"; then
            fail_step "$preset:build"
            continue
        fi
    fi
    if builds_early "$next"; then
        start_early_build "$next"
    fi
    step "$preset: test"
    [[ $preset != windows ]] || start_wine
    log="$(mktemp)"
    ctest --preset "$preset" 2>&1 | tee "$log"
    rc=${PIPESTATUS[0]}
    [[ $preset != windows ]] || stop_wine
    summary="$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)"
    rm -f "$log"
    failed=0
    if [[ $summary =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
        failed=${BASH_REMATCH[1]}
        total=${BASH_REMATCH[2]}
        tests_failed=$((tests_failed + failed))
        tests_passed=$((tests_passed + total - failed))
    fi
    if [[ $rc -ne 0 || -z $summary ]]; then
        if [[ $failed -gt 0 ]]; then
            failed_steps+=("$preset:test")
        else
            fail_step "$preset:test"
        fi
    fi
done

step "summary"
if [[ ${#failed_steps[@]} -gt 0 ]]; then
    echo "run-tests: failed steps: ${failed_steps[*]}"
fi
echo "run-tests: $tests_passed passed, $((tests_failed + step_failures)) failed"
[[ ${#failed_steps[@]} -eq 0 ]]

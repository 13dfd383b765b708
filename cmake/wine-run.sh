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
# And now and then the wineserver itself dies (wine 8 on a busy machine), and
# every program of the prefix then waits for it forever with no CPU: a
# program whose prefix has lost its server, or whose output has not grown for
# VANTOR_WINE_STALL_SECONDS (no test of ours runs that long without
# printing), is stopped as failed, a new persistent server is started for
# the programs after it, and ctest runs the program once more (the windows
# test preset).
set -uo pipefail
stall=${VANTOR_WINE_STALL_SECONDS:-60}
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

# The wineserver of the prefix runs in a folder named after the prefix's
# device and inode ("server-fe00-554001").
prefix_id=$(stat -c '%d %i' "${WINEPREFIX:-$HOME/.wine}" 2>/dev/null)
# shellcheck disable=SC2086  # two numbers
server_folder=${prefix_id:+server-$(printf '%x-%x' $prefix_id)}
server_alive() {
    local server
    [[ -n $server_folder ]] || return 0  # no prefix yet: wine is making it
    for server in $(pgrep -f wineserver); do
        [[ $(readlink "/proc/$server/cwd" 2>/dev/null) == */"$server_folder" ]] && return 0
    done
    return 1
}
# Ends the program as failed, with what it printed and why.
stop_program() {
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    cat "$log"
    echo "wine-run: $1 $2; stopped" >&2
    if ! server_alive; then
        setsid wineserver -p </dev/null >/dev/null 2>&1
    fi
    exit 1
}

log=$(mktemp)
trap 'rm -f "$log"' EXIT
"$wine" "$@" >"$log" 2>&1 &
pid=$!
seen=""  # when the summary was first seen
size=0
grown=$SECONDS  # when the output last grew
while kill -0 "$pid" 2>/dev/null; do
    now_size=$(stat -c %s "$log")
    if ((now_size != size)); then
        size=$now_size
        grown=$SECONDS
    elif ((SECONDS - grown >= stall)); then
        stop_program "$1" "printed nothing for $stall s"
    elif ((SECONDS - grown >= 5)) && ! server_alive; then
        stop_program "$1" "lost its wineserver"
    fi
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
# A program of a prefix whose server died may be ended with status 0 by wine:
# a googletest program that ends without its summary has not passed.
if ((status == 0)) && grep -q '^\[==========\] Running' "$log" &&
    ! grep -qE '^\[  PASSED  \] [0-9]+ tests?\.|^ *[0-9]+ FAILED TESTS?$' "$log"; then
    echo "wine-run: $1 ended without googletest's summary" >&2
    exit 1
fi
exit "$status"

# The prelude of the real-window tests: an Xvfb display, a window manager, the
# till on it with a home of its own, and helpers that find windows, click and
# take screenshots. Sourced by a test script, which sets $vantor (the program,
# may be empty), $artefacts (where screenshots go) and, for the tests that close
# the till, $close_request (the x11-close-request tool) first.

if ! command -v Xvfb >/dev/null; then
    echo "SKIP: Xvfb is not installed"
    exit 77
fi
for tool in xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing"; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
vantor_pid=""
wm_pid=""
cleanup() {
    [[ -n $vantor_pid ]] && kill "$vantor_pid" 2>/dev/null || true
    [[ -n $wm_pid ]] && kill "$wm_pid" 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    [[ -f $work/vantor.log ]] && sed 's/^/vantor: /' "$work/vantor.log"
    exit 1
}

# Polls a command every tenth of a second, at most N times; true once it holds.
poll() {
    local tries=$1
    shift
    for _ in $(seq "$tries"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

start_display() {
    # The server picks a free display number itself, so that tests running
    # side by side never race for one.
    Xvfb -displayfd 3 -screen 0 "${screen_size:-1920x1080}x24" -nolisten tcp 3>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    poll 100 test -s "$work/display" || fail "Xvfb did not start"
    export DISPLAY=":$(tr -dc '0-9' <"$work/display")"
    poll 100 eval 'xdotool getdisplaygeometry >/dev/null 2>&1' || fail "Xvfb did not answer on $DISPLAY"
}

# A window manager on the display, as on a till's desktop (title bars, the
# maximized state, the focus); skipped when none is installed.
start_window_manager() {
    command -v openbox >/dev/null || { echo "note: no openbox, running without a window manager"; return; }
    openbox --sm-disable >"$work/wm.log" 2>&1 &
    wm_pid=$!
    poll 150 eval "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'" ||
        echo "note: the window manager did not come up"
}

# The user's own settings stay out of the test.
private_home() {
    export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
    mkdir -p "$HOME" "$work/data"
}

# Starts the till on $work/data and waits for the main window ($main).
start_till() {
    private_home
    "$vantor" --data-dir "$work/data" >"$work/vantor.log" 2>&1 &
    vantor_pid=$!
    main=$(timeout 30 xdotool search --sync --name '^Vantor pour Windows$' | head -n1) ||
        fail "no window titled \"Vantor pour Windows\""
    sleep 0.5
}

# Waits (at most 15 s) for the till started in the background to end, which
# must end with the status given.
expect_end() {
    timeout 15 tail --pid="$vantor_pid" -f /dev/null || fail "the program still runs: $2"
    local status=0
    wait "$vantor_pid" || status=$?
    vantor_pid=""
    ((status == $1)) || fail "the program ended with status $status, not $1: $2"
}

# Closes the main window with its close box; the program must end with status 0.
close_till() {
    "$close_request" "$main"
    expect_end 0 "after its window was closed"
}

# Waits for a window whose title matches; its id goes into $window.
wait_window() {
    # A search can die on a window that disappears while it looks (a closing
    # menu or tool tip gives BadWindow): look again until the deadline.
    local deadline=$((SECONDS + 15))
    window=""
    while [[ -z $window && $SECONDS -lt $deadline ]]; do
        window=$(xdotool search --name "$1" 2>/dev/null | head -n1) || true
        [[ -n $window ]] || sleep 0.2
    done
    [[ -n $window ]] || fail "no window titled \"$1\""
}

wait_gone() {
    poll 50 eval "! xdotool search --name '$1' >/dev/null 2>&1" || fail "the window \"$1\" is still open"
}

# Prints the value of one field (X, Y, WIDTH, ...) of a window's geometry.
geometry() {
    xdotool getwindowgeometry --shell "$1" | sed -n "s/^$2=//p"
}

# click_twips WINDOW FORM-WIDTH X Y: a left click at (X, Y) twips of a dialog
# whose design width is FORM-WIDTH twips (its client area is 120 twips narrower).
click_twips() {
    local window=$1 form_width=$2 x=$3 y=$4 ww
    ww=$(geometry "$window" WIDTH)
    xdotool mousemove $(($(geometry "$window" X) + x * ww / (form_width - 120))) \
        $(($(geometry "$window" Y) + y * ww / (form_width - 120))) click 1
    sleep 0.3
}

# The bounding box "WxH+X+Y" of the pixels of one colour in a screenshot.
colour_box() {
    convert "$1" -fill black +opaque "$2" -format '%@' info:
}

shot() {
    mkdir -p "$artefacts"
    import -window root "$artefacts/$1"
    echo "screenshot: $artefacts/$1"
}

# Helpers of the real-window tests of dialogs: an Xvfb display, the till on
# it, and clicks placed from a control's design position in twips.
# Sourced by a test script, which sets $vantor and $artefacts first.

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

start_display() {
    # The server picks a free display number itself, so that tests running
    # side by side never race for one.
    Xvfb -displayfd 3 -screen 0 "${screen_size:-1920x1080}x24" -nolisten tcp 3>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [[ -s $work/display ]] && break
        sleep 0.1
    done
    [[ -s $work/display ]] || fail "Xvfb did not start"
    export DISPLAY=":$(tr -dc '0-9' <"$work/display")"
    for _ in $(seq 100); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && return
        sleep 0.1
    done
    fail "Xvfb did not answer on $DISPLAY"
}

# A window manager on the display, as on a till's desktop (title bars, the
# maximized state, the focus); skipped when none is installed.
start_window_manager() {
    command -v openbox >/dev/null || { echo "note: no openbox, running without a window manager"; return; }
    openbox --sm-disable >"$work/wm.log" 2>&1 &
    wm_pid=$!
    for _ in $(seq 150); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return
        sleep 0.1
    done
    echo "note: the window manager did not come up"
}

# Starts the till on $work/data, with a home folder of its own, and waits
# for the main window ($main).
start_till() {
    export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
    mkdir -p "$HOME" "$work/data"
    "$vantor" --data-dir "$work/data" >"$work/vantor.log" 2>&1 &
    vantor_pid=$!
    main=$(timeout 30 xdotool search --sync --name '^Vantor pour Windows$' | head -n1) ||
        fail "no window titled \"Vantor pour Windows\""
    sleep 0.5
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

# Opens the main window's menu "Fichier" and chooses its entry number N (from 1).
menu_fichier() {
    local geometry x y
    geometry=$(xdotool getwindowgeometry --shell "$main")
    x=$(sed -n 's/^X=//p' <<<"$geometry")
    y=$(sed -n 's/^Y=//p' <<<"$geometry")
    xdotool mousemove $((x + 29)) $((y + 8)) click 1
    sleep 0.4
    for _ in $(seq "$1"); do
        xdotool key Down
    done
    xdotool key Return
}

wait_gone() {
    for _ in $(seq 50); do
        xdotool search --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "the window \"$1\" is still open"
}

# click_twips WINDOW FORM-WIDTH X Y: a left click at (X, Y) twips of a dialog
# whose design width is FORM-WIDTH twips (its client area is 120 twips narrower).
click_twips() {
    local window=$1 form_width=$2 x=$3 y=$4 geometry wx wy ww
    geometry=$(xdotool getwindowgeometry --shell "$window")
    wx=$(sed -n 's/^X=//p' <<<"$geometry")
    wy=$(sed -n 's/^Y=//p' <<<"$geometry")
    ww=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
    local px=$((wx + x * ww / (form_width - 120)))
    local py=$((wy + y * ww / (form_width - 120)))
    xdotool mousemove "$px" "$py" click 1
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

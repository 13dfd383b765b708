# Sourced by the CUPS printing test and the receipt benchmark: a CUPS server
# of their own in a temporary folder (the system's printers are neither used
# nor changed), a listener standing for a printer's network port, and the
# shop's settings. A test skipped here exits with 77.

log() { echo "cups-test: $*"; }
skip() { log "SKIPPED: $*" && exit 77; }
fail() { log "FAILED: $*" && exit 1; }
# A command that stops the script under `set -e` says which it was.
trap 'log "FAILED: line $LINENO: $BASH_COMMAND"' ERR

# needs_cupsd TOOL...: skips unless root with cupsd; fails when a tool is missing.
needs_cupsd() {
    [[ $(id -u) -eq 0 ]] || skip "needs root (cupsd runs as root)"
    PATH=$PATH:/usr/sbin:/sbin
    command -v cupsd >/dev/null || skip "cupsd is missing (package cups)"
    for tool in "$@"; do
        command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/setup.sh"
    done
}

# make_work NAME: the folder $work, removed at exit with the servers started in it.
make_work() {
    work=$(mktemp -d "/tmp/$1.XXXXXX")
    chmod 755 "$work" # the filters run as user lp
    trap stop_servers EXIT
}
stop_servers() {
    for pid in ${listener_pids[@]:-} ${cupsd_pid:-}; do
        { kill "$pid" && wait "$pid"; } 2>/dev/null || true
    done
    rm -rf "$work"
}

# start_private_cupsd DIR: the server's socket, settings, spool and logs in
# DIR; exports CUPS_SERVER and sets cupsd_pid.
start_private_cupsd() {
    mkdir -p "$1"/{spool,tmp,cache,state,log}
    chmod 1777 "$1/tmp"
    printf '%s\n' "Listen $1/cups.sock" "Browsing No" "WebInterface No" "LogLevel info" \
        "<Location />" "Order allow,deny" "Allow all" "</Location>" >"$1/cupsd.conf"
    printf '%s\n' "ServerBin /usr/lib/cups" "DataDir /usr/share/cups" "RequestRoot $1/spool" \
        "TempDir $1/tmp" "CacheDir $1/cache" "StateDir $1/state" "Printcap $1/printcap" \
        "ErrorLog $1/log/error_log" "AccessLog $1/log/access_log" "PageLog $1/log/page_log" \
        "SystemGroup root" >"$1/cups-files.conf"
    export CUPS_SERVER=$1/cups.sock
    cupsd -f -c "$1/cupsd.conf" -s "$1/cups-files.conf" &
    cupsd_pid=$!
    # `lpstat -r` exits with 0 whether or not the scheduler runs: its words tell.
    for _ in $(seq 100); do
        [[ $(lpstat -r 2>/dev/null) == "scheduler is running" ]] && return 0
        sleep 0.1
    done
    echo "cupsd does not answer on $CUPS_SERVER: $(tail -5 "$1/log/error_log")" >&2
    return 1
}

# add_queue NAME LPADMIN_OPTIONS...: a queue on the private server; lpadmin's
# warnings (raw queues are deprecated) are shown only when it fails.
add_queue() {
    local said
    said=$(lpadmin -p "$1" -E "${@:2}" 2>&1) || fail "lpadmin could not add $1: $said"
}

# start_listener WORK LISTENER SECONDS [mute]: the raw listener, which
# appends what it receives to WORK/captured.bin (or, mute, takes connections
# and never answers); sets port, and adds its process to listener_pids.
start_listener() {
    mkdir -p "$1"
    rm -f "$1/port"
    "$2" "$1/port" "$1/captured.bin" "$3" "${@:4}" &
    listener_pids+=($!)
    for _ in $(seq 50); do
        [[ -s $1/port ]] && break
        sleep 0.1
    done
    port=$(cat "$1/port")
}

# shop_settings QUEUE FOLDER [PAPER PIN]: the settings of a shop (VAT on the
# premises at 10) whose receipt printer is QUEUE (line 13 of Infos.txt), and
# when given the paper width and drawer pin of a receipt printer.
shop_settings() {
    mkdir -p "$2"
    printf 'Caf\xe9 CUPS\r\nQuai 1\r\n1000 Lausanne\r\n021 000 00 00\r\nCHE-123\r\n10\r\n5.5\r\n\r\n\r\n1\r\n\r\n\r\n%s\r\n' \
        "$1" >"$2/Infos.txt"
    [[ -z ${3:-} ]] || printf '%s\r\n%s\r\n' "$3" "$4" >"$2/ImprimanteTicket.txt"
}

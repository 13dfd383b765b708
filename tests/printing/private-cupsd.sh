# Sourced: start_private_cupsd WORK starts a CUPS server of its own in the
# folder WORK (socket, configuration, spool and logs there, so the system's
# printers are neither used nor changed), exports CUPS_SERVER and sets
# cupsd_pid; stop it with kill "$cupsd_pid". Needs root and cupsd.
start_private_cupsd() {
    local work=$1
    mkdir -p "$work"/{conf,spool,tmp,cache,state,log}
    chmod 755 "$work" "$work"/{conf,spool,cache,state,log}
    chmod 1777 "$work/tmp"
    cat >"$work/conf/cupsd.conf" <<CONF
Listen $work/cups.sock
Browsing No
WebInterface No
LogLevel info
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
    cat >"$work/conf/cups-files.conf" <<CONF
ServerBin /usr/lib/cups
DataDir /usr/share/cups
RequestRoot $work/spool
TempDir $work/tmp
CacheDir $work/cache
StateDir $work/state
Printcap $work/printcap
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
SystemGroup root
CONF
    export CUPS_SERVER=$work/cups.sock
    cupsd -f -c "$work/conf/cupsd.conf" -s "$work/conf/cups-files.conf" &
    cupsd_pid=$!
    for _ in $(seq 100); do
        lpstat -r >/dev/null 2>&1 && return 0
        kill -0 "$cupsd_pid" 2>/dev/null || {
            echo "cupsd stopped: $(tail -5 "$work/log/error_log")" >&2
            return 1
        }
        sleep 0.1
    done
    echo "cupsd does not answer on $CUPS_SERVER" >&2
    return 1
}

# Sourced: start_listener WORK LISTENER SECONDS starts the raw listener, which
# appends what it receives to WORK/captured.bin; sets listener_pid and port.
start_listener() {
    "$2" "$1/port" "$1/captured.bin" "$3" &
    listener_pid=$!
    for _ in $(seq 50); do
        [[ -s $1/port ]] && break
        sleep 0.1
    done
    port=$(cat "$1/port" 2>/dev/null) || {
        echo "the listener did not start" >&2
        return 1
    }
}

# Sourced by the benchmark scripts: timing a run, medians, ratios, the load
# of the machine and a home of the run's own for the Qt program.

# time_ms COMMAND...: the milliseconds (one decimal) of one run, which must succeed.
time_ms() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || { echo "run failed: $*" >&2; exit 1; }
    end=$(date +%s%N)
    awk -v ns=$((end - start)) 'BEGIN { printf "%.1f\n", ns / 1e6 }'
}

# median: the median of the numbers read, one a line.
median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# ratio A B [DECIMALS]: A / B, with two decimals unless told otherwise.
ratio() { awk -v a="$1" -v b="$2" -v d="${3:-2}" 'BEGIN { printf("%." d "f", a / b) }'; }

# machine_load: the load averages (timings are only comparable on an idle machine).
machine_load() { cut -d' ' -f1-3 /proc/loadavg; }

# offscreen_home WORK: the Qt program offscreen, with a home and runtime
# folder of its own in WORK.
offscreen_home() {
    export QT_QPA_PLATFORM=offscreen HOME=$1/home XDG_CONFIG_HOME=$1/home/.config
    export XDG_DATA_HOME=$1/home/.local/share XDG_RUNTIME_DIR=$1/runtime
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
}

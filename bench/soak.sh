#!/usr/bin/env bash
# Soak: one run of the real program (vantor --headless) taps TAPS articles and
# makes CHECKOUTS checkouts (five taps each, in cash or by card in turn, the
# receipt not printed), each sale at its own second of a scripted clock.
# Checks that the journal is byte for byte the records the same clock script
# gives, computed here by hand, and reports:
#   - the peak memory of the run (/usr/bin/time -v) and the memory in use
#     after each tenth of the checkouts, which must stay flat;
#   - the time of the first and of the last thousand checkouts, which must
#     be about the same (their ratio is printed).
#   soak.sh VANTOR [CHECKOUTS]        default 20000 (100,000 taps)
set -euo pipefail

vantor=$1
checkouts=${2:-20000}
block=$((checkouts / 20 < 1000 ? checkouts / 20 : 1000))  # checkouts per timed block

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$work/data"
chmod 700 "$XDG_RUNTIME_DIR"

# Rates 10 and 5.5, VAT take-away (5.5 on every sale); one waiter, Paul.
printf 'Bar\r\n\r\n\r\n\r\n\r\n10\r\n5.5\r\n\r\n\r\n2\r\n\r\n\r\n' >"$work/data/Infos.txt"
printf 'Paul\r\n' >"$work/data/Serveurs.txt"

# The clock of sale n (from 0): one second apart from 05.12.2026 6:00:00,
# written as the till writes its journal times (hour without a leading zero).
clock_awk='function clock(n,  s) { s = 6 * 3600 + n
    return sprintf("05.12.2026 %d:%02d:%02d", int(s / 3600), int(s % 3600 / 60), s % 60) }'

# Each sale: Café and Thé noir (category 0, 3.50 each), Coca 2dl and Coca 3dl
# (category 1, 2.80 and 3.50), Pression 3 dl (category 2, 3.80); even sales
# in cash, odd ones by card. A `show NumTicket` closes every timed block.
awk -v n="$checkouts" -v block="$block" "$clock_awk"'
BEGIN {
    for (i = 0; i < n; i++) {
        print "clock " clock(i)
        print "click Command1 2\nclick Command1 8\nclick Command1 15\nclick Command1 16\nclick Command1 28"
        print "click cmdPrint " (i % 2) "\nanswer no"
        if ((i + 1) % block == 0) print "show NumTicket"
    }
}' >"$work/script"

# The journal: per sale one record per category, the amount and its VAT at 5.5 %.
awk -v n="$checkouts" "$clock_awk"'
BEGIN {
    split("7;0;%s;2;0.385 6.3;1;%s;2;0.3465 3.8;2;%s;2;0.209", record, " ")
    for (i = 0; i < n; i++) {
        split(clock(i), when, " ")
        pay = i % 2 ? "Cart" : "Esp"
        for (r = 1; r <= 3; r++)
            printf "%s;%s;Paul;" record[r] "\r\n", when[1], when[2], pay
    }
}' >"$work/expected"

# Runs the till; the arrival time (ns) of each block's `show NumTicket` line
# is stamped beside it, and the memory in use sampled every half second.
start=$(date +%s%N)
/usr/bin/time -v -o "$work/time" "$vantor" --headless --data-dir "$work/data" --script "$work/script" \
    2>"$work/err" | grep --line-buffered '^show NumTicket' |
    while read -r line; do echo "$(date +%s%N) $line"; done >"$work/blocks" &
runner=$!
: >"$work/rss"
while kill -0 "$runner" 2>/dev/null; do
    pid=$(pgrep -n -f -- "--script $work/script" || true)
    [[ -n $pid ]] && awk '/^VmRSS/ { print $2 }' "/proc/$pid/status" 2>/dev/null >>"$work/rss" || true
    sleep 0.5
done
wait "$runner" || { echo "soak: the run failed" >&2; cat "$work/err" >&2; exit 1; }
end=$(date +%s%N)

cmp -s "$work/data/tickets.csv" "$work/expected" || {
    echo "soak: the journal differs from the expected records" >&2
    cmp "$work/data/tickets.csv" "$work/expected" >&2 || true
    exit 1
}
blocks=$(wc -l <"$work/blocks")
((blocks == checkouts / block)) || { echo "soak: $blocks of $((checkouts / block)) blocks seen" >&2; exit 1; }

echo "soak: $((checkouts * 5)) taps, $checkouts checkouts in $(((end - start) / 1000000)) ms;" \
    "journal of $(wc -l <"$work/expected") records byte-equal to the expected one"
awk '/Maximum resident/ { printf "soak: peak memory %.1f MB\n", $NF / 1024 }' "$work/time"
awk '{ v[NR] = $1 } END { printf "soak: memory in use (MB) at each tenth of the run:";
    for (k = 1; k <= 10; k++) printf " %.1f", v[int(NR * k / 10)] / 1024; print "" }' "$work/rss"
awk -v start="$start" -v block="$block" '{ t[NR] = $1 }
END { first = (t[1] - start) / 1e6; last = (t[NR] - t[NR - 1]) / 1e6
      printf "soak: first %d checkouts %.0f ms (with the start-up), last %d %.0f ms, ratio last/first %.2f\n",
             block, first, block, last, last / first
      second = (t[2] - t[1]) / 1e6
      printf "soak: second %d checkouts %.0f ms, ratio last/second %.2f\n", block, second, last / second }' \
    "$work/blocks"

#!/usr/bin/env bash
# Start-up and idle of Lumaro.exe against a minimal Win32 program that makes
# the same 208 atom and probe calls and adds a tray icon, in one run under
# Wine. Prints figures and ratios; never fails on a time.
BUILD=$(realpath "${1:?windows build folder}")
mkdir -p "${2:?scratch folder}"
WORK=$(realpath "$2")
HERE=$(cd "$(dirname "$0")/../wine" && pwd)
. "$HERE/lib.sh"
make_template
new_prefix bench
start_display || exit 1
trap 'stop_wine; stop_display' EXIT
ROUNDS=5

# Sums a process's CPU ticks and context switches over all its threads.
cpu_ticks() { cat /proc/"$1"/task/*/stat 2>/dev/null | awk '{t += $14 + $15} END {print t + 0}'; }
switches() {
    cat /proc/"$1"/task/*/status 2>/dev/null |
        awk '/ctxt_switches/ {s += $2} END {print s + 0}'
}

measure() { # label exe
    local label=$1 exe=$2 name sum_ms=0 sum_settled=0 ws=0 line pid
    name=$(basename "$exe")
    for round in $(seq $ROUNDS); do
        # To a file: the started program inherits the output and would
        # hold a pipe open until it ends.
        w "$BUILD/tests/bench_start.exe" "$(winepath_of "$exe")" >"$WORK/start.txt"
        line=$(tr -d '\r' <"$WORK/start.txt")
        ms=$(sed -n 's/.*ready_ms=\([0-9.]*\).*/\1/p' <<<"$line")
        settled=$(sed -n 's/.*settled_ms=\([0-9.]*\).*/\1/p' <<<"$line")
        sum_settled=$(awk -v a="${sum_settled:-0}" -v b="${settled:-0}" 'BEGIN {print a + b}')
        ws=$(sed -n 's/.*working_set_kb=\([0-9]*\).*/\1/p' <<<"$line")
        sum_ms=$(awk -v a="$sum_ms" -v b="${ms:-0}" 'BEGIN {print a + b}')
        # The Windows process itself: its command line begins with its path.
        pid=$(pgrep -f "^[A-Z]:.*$name" | head -1)
        if [ "$round" = "$ROUNDS" ] && [ -n "$pid" ]; then
            local t0 s0 t1 s1
            sleep 2 # past whatever the desktop still does about the new icon
            t0=$(cpu_ticks "$pid") s0=$(switches "$pid")
            sleep 10 # the measuring window, not a wait for a condition
            t1=$(cpu_ticks "$pid") s1=$(switches "$pid")
            eval "${label}_idle_ticks=$((t1 - t0)) ${label}_idle_switches=$((s1 - s0))"
        fi
        [ -n "$pid" ] && kill "$pid" 2>/dev/null
        wait_for 10 not_running "$name"
    done
    eval "${label}_ms=$(awk -v s="$sum_ms" -v n=$ROUNDS 'BEGIN {printf "%.1f", s / n}') ${label}_ws=$ws"
    eval "${label}_settled=$(awk -v s="$sum_settled" -v n=$ROUNDS 'BEGIN {printf "%.1f", s / n}')"
}
not_running() { ! pgrep -f "^[A-Z]:.*$1" >/dev/null; }

w wineboot >/dev/null 2>&1 # a warm server for both
measure lumaro "$BUILD/bin/Lumaro.exe"
measure minimal "$BUILD/tests/bench_minimal_tray.exe"

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (b > 0) printf "%.2f", a / b; else print "n/a"}'; }
echo "start-up, mean of $ROUNDS warm starts (ready: first waiting for input; settled: no CPU used for 300 ms after):"
echo "  ready:   Lumaro $lumaro_ms ms, minimal program $minimal_ms ms, ratio $(ratio "$lumaro_ms" "$minimal_ms")"
echo "  settled: Lumaro $lumaro_settled ms, minimal program $minimal_settled ms, ratio $(ratio "$lumaro_settled" "$minimal_settled")"
echo "working set when settled: Lumaro $lumaro_ws KB, minimal $minimal_ws KB, ratio $(ratio "$lumaro_ws" "$minimal_ws")"
echo "10 s idle: Lumaro $lumaro_idle_ticks CPU ticks and $lumaro_idle_switches context switches (all threads, Wine's included);"
echo "           minimal $minimal_idle_ticks CPU ticks and $minimal_idle_switches context switches"

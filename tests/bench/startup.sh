#!/usr/bin/env bash
# Start-up, memory and idle of Lumaro.exe against a hand-written Win32
# program that does the same start-up work with the system's own controls
# (tests/tools/bench_handmade.cpp), in one run under Wine. The two start in
# turn; each figure is the median of the pairs' ratios. Prints figures and
# ratios; never fails on a time.
. "$(dirname "$0")/../wine/lib.sh"
make_template
new_prefix bench
start_display || exit 1
trap 'stop_wine; stop_display' EXIT
PAIRS=${PAIRS:-9}

# Sums a process's CPU ticks and context switches over all its threads.
cpu_ticks() { cat /proc/"$1"/task/*/stat 2>/dev/null | awk '{t += $14 + $15} END {print t + 0}'; }
switches() {
    cat /proc/"$1"/task/*/status 2>/dev/null |
        awk '/ctxt_switches/ {s += $2} END {print s + 0}'
}
not_running() { ! pgrep -f "^[A-Z]:.*$1" >/dev/null; }
field() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p" <<<"$2"; }

# One start: appends "ready settled ws private" to $WORK/LABEL.txt; the last
# round also watches 10 s of idle.
start_once() { # label exe watch-idle
    local name line pid
    name=$(basename "$2")
    # To a file: the started program inherits the output and would hold a
    # pipe open until it ends.
    w "$BUILD/tests/bench_start.exe" "$(winepath_of "$2")" >"$WORK/start.txt"
    line=$(tr -d '\r' <"$WORK/start.txt")
    echo "$(field ready_ms "$line") $(field settled_ms "$line") $(field working_set_kb "$line")" \
        "$(field private_kb "$line")" >>"$WORK/$1.txt"
    echo "$(field modules "$line") $(field images_kb "$line")" >"$WORK/$1-modules.txt"
    sed -n 's/^loaded: //p' <<<"$line" | tr ' ' '\n' >>"$WORK/$1-modules.txt"
    # The Windows process itself: its command line begins with its path.
    pid=$(pgrep -f "^[A-Z]:.*$name" | head -1)
    if [ "$3" = yes ] && [ -n "$pid" ]; then
        local t0 s0
        sleep 2 # past whatever the desktop still does about the new icon
        t0=$(cpu_ticks "$pid") s0=$(switches "$pid")
        sleep 10 # the measuring window, not a wait for a condition
        echo "$(($(cpu_ticks "$pid") - t0)) $(($(switches "$pid") - s0))" >"$WORK/$1-idle.txt"
    fi
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    wait_for 10 not_running "$name"
}

w wineboot >/dev/null 2>&1 # a warm server for both
rm -f "$WORK"/lumaro*.txt "$WORK"/handmade*.txt
for pair in $(seq "$PAIRS"); do
    last=no
    [ "$pair" = "$PAIRS" ] && last=yes
    start_once lumaro "$BUILD/bin/Lumaro.exe" $last
    start_once handmade "$BUILD/tests/bench_handmade.exe" $last
done

echo "start-up against the hand-written program, $PAIRS interleaved pairs (medians; ratio = median of pair ratios):"
echo "  ready (first waiting for input), ms: $(pair_summary "$WORK" 1)"
echo "  settled (no CPU for 300 ms), ms:     $(pair_summary "$WORK" 2)"
echo "  working set when settled, KB:        $(pair_summary "$WORK" 3)"
echo "  private bytes when settled, KB:      $(pair_summary "$WORK" 4)"
read -r lt ls <"$WORK/lumaro-idle.txt"
read -r ht hs <"$WORK/handmade-idle.txt"
echo "  10 s idle: Lumaro $lt CPU ticks and $ls context switches; hand-written $ht ticks and $hs switches"
read -r lm li <"$WORK/lumaro-modules.txt"
read -r hm hi <"$WORK/handmade-modules.txt"
only() {
    comm -23 <(tail -n +2 "$WORK/$1-modules.txt") <(tail -n +2 "$WORK/$2-modules.txt") | grep -v '\.exe$' |
        tr '\n' ' '
}
echo "  modules when settled: Lumaro $lm ($li KB of images), hand-written $hm ($hi KB);" \
    "only Lumaro's: $(only lumaro handmade); only the hand-written one's: $(only handmade lumaro)"

#!/usr/bin/env bash
# The stored layout as reg.exe sees it, and values written by reg.exe as
# our classes load them.
. "$(dirname "$0")/lib.sh"
make_template
REGTOOL="$BUILD/tests/regtool.exe"

exported() { # the list key as exported, without the header
    w reg export "$KEY" "$(winepath_of "$WORK/export.reg")" /y >/dev/null 2>&1 || return 1
    iconv -f UTF-16LE -t UTF-8 "$WORK/export.reg" | tr -d '\r' | sed '1s/^\xEF\xBB\xBF//' | tail -n +2
}

same() { diff -u "$1" <("${@:2}"); }

new_prefix layout
w "$REGTOOL" save-sample
check "saved list has the stored layout" same "$HERE/expected/sample.reg" exported
w "$REGTOOL" save-sample
check "saving again changes nothing" same "$HERE/expected/sample.reg" exported
stop_wine

new_prefix seeded
add() { w reg add "$KEY$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1; }
add '' Count REG_DWORD 3
add '\HotKey_0' Key REG_SZ A
add '\HotKey_0' Ctrl REG_SZ 1
add '\HotKey_0' Alt REG_DWORD 1
add '\HotKey_0' Command REG_SZ 'x y.exe'
add '\HotKey_0' Extra REG_DWORD 4294967290
add '\HotKey_0' ShowCmd REG_DWORD 3
add '\HotKey_1' Ctrl REG_DWORD 1
add '\HotKey_1' Command REG_SZ z
add '\HotKey_1' ShowCmd REG_DWORD 3
add '\HotKey_2' Key REG_EXPAND_SZ '%Q%'
add '\HotKey_2' Extra REG_BINARY 01000000
dump() { w "$REGTOOL" dump | tr -d '\r'; }
check "values written by reg.exe load with their defaults" same "$HERE/expected/seeded.txt" dump
w reg query "$KEY\\HotKey_1" >/dev/null 2>&1
check "loading created nothing new" test "$(w reg query "$KEY" 2>/dev/null | grep -c 'HotKey_')" = 3
stop_wine

subkeys() { # the sub-keys of the list key, one a line, sorted
    w reg query "$KEY" 2>/dev/null | tr -d '\r' | grep -i '^HKEY_CURRENT_USER\\.*\\HotKeys\\' |
        sed 's/.*\\//' | sort -f
}
line() { # index letter command: a dump line of a launch with defaults
    printf '%s key=%s ctrl=0 alt=0 shift=0 command=%s directory= parameters= extra=0 showCmd=5\n' "$@"
}

new_prefix huge
add '' Count REG_DWORD 2147483647
add '\HotKey_0' Key REG_SZ A
add '\HotKey_0' Command REG_SZ a.exe
check "a huge count loads at once" same <(printf 'count 1\n'; line 0 A a.exe) dump
check "a huge count creates no key" same <(echo HotKey_0) subkeys
stop_wine

# A count that is not trusted (above 256 and above the sub-keys + 1): the
# existing item keys below it load in order, and the next save leaves the
# plain layout (other keys untouched).
new_prefix distrusted
add '' Count REG_DWORD 300
add '\HotKey_299' Key REG_SZ B
add '\HotKey_299' Command REG_SZ b.exe
add '\HotKey_0' Key REG_SZ A
add '\HotKey_0' Command REG_SZ a.exe
add '\HotKey_300' Key REG_SZ C
add '\HotKey_300' Command REG_SZ c.exe
add '\Other' Key REG_SZ D
check "count 300 with HotKey_0 and HotKey_299 loads both" \
    same <(printf 'count 2\n'; line 0 A a.exe; line 1 B b.exe) dump
check "loading them creates no key" same <(printf '%s\n' HotKey_0 HotKey_299 HotKey_300 Other) subkeys
w "$REGTOOL" resave
check "saving them keeps both" same <(printf 'count 2\n'; line 0 A a.exe; line 1 B b.exe) dump
check "saving leaves HotKey_0 and HotKey_1 of ours" same <(printf '%s\n' HotKey_0 HotKey_1 Other) subkeys
check "saving writes count 2" eval 'w reg query "$KEY" /v Count 2>/dev/null | tr -d "\r" | grep -q "REG_DWORD *0x2$"'
stop_wine

new_prefix distrusted-names
add '' Count REG_DWORD 1000
add '\HotKey_999' Key REG_SZ C
add '\HotKey_999' Command REG_SZ c.exe
add '\hotkey_7' Key REG_SZ B
add '\hotkey_7' Command REG_SZ b.exe
add '\HotKey_007' Key REG_SZ E
add '\HotKey_007' Command REG_SZ e.exe
add '\HotKey_1000' Key REG_SZ F
add '\HotKey_1000' Command REG_SZ f.exe
check "count 1000: the item names below it, in the order of their numbers" \
    same <(printf 'count 2\n'; line 0 B b.exe; line 1 C c.exe) dump
w "$REGTOOL" resave
check "count 1000: saving leaves HotKey_0 and HotKey_1, and what is not an item name" \
    same <(printf '%s\n' HotKey_0 HotKey_007 HotKey_1) subkeys
check "count 1000: saved back" same <(printf 'count 2\n'; line 0 B b.exe; line 1 C c.exe) dump
stop_wine

# Lumaro.exe itself with 208 definitions, OK pressed without edits, and the
# process terminated in the middle of the save, aimed in turn at each of its
# phases: what loads is always the old list or the new one, and a save by
# another instance goes ahead at once (the killed one's lock is abandoned).
start_display || { log "no display"; exit 1; }
setup_app
cp "$BUILD/tests/save_killer.exe" "$BUILD/tests/save_race.exe" "$TOOLS/"
KILLER="$TOOLS/save_killer.exe"
READY="$WORK/killer-ready"
lumaro_gone() { ! pgrep -f 'Lumaro.exe' >/dev/null; }
defs_shown() { [ "$(tool count-visible Lumaro $DEF_WIDTH)" = "$1" ]; }
# Starts Lumaro over 208 stored definitions and shows its definition window
# (a double click on a desktop just started is now and then lost).
start_over_full() {
    local _
    stop_wine
    w "$REGTOOL" save-full
    start_lumaro RUN
    wait_for 30 icons_are 1 || return 1
    for _ in 1 2 3; do
        sleep 0.5
        click_at "$(icon_x)" 758 1 2
        wait_for 5 def_visible && return 0
    done
    return 1
}
save_while() { # killer arguments: presses OK with the killer watching, prints its output
    local killer status
    rm -f "$READY"
    w "$KILLER" "$(winepath_of "$READY")" "$@" >"$WORK/killer.out" 2>/dev/null &
    killer=$!
    wait_for 20 test -f "$READY" && press_ok
    wait "$killer"
    status=$?
    tr -d '\r' <"$WORK/killer.out"
    return $status
}
installed() { w "$REGTOOL" installed | tr -d '\r'; }
count_now() { w reg query "$KEY" /v Count 2>/dev/null | tr -d '\r' | grep -o '0x[0-9a-f]*$'; }
new_prefix kills
w "$REGTOOL" save-full
installed >"$WORK/before.txt"
start_over_full
set -- $(save_while measure)
SWITCH_US=${1:-50000} BACK_US=${2:-100000} END_US=${3:-150000}
wait_for 10 not def_visible
installed >"$WORK/after.txt"
check "208 definitions: an OK without edits stores them with the plain page last" \
    eval '[ "$(head -1 "$WORK/after.txt")" = "count 208" ] && ! cmp -s "$WORK/before.txt" "$WORK/after.txt"'
check "208 definitions: at rest, Count and HotKey_0 .. HotKey_207" \
    test "$(subkeys | grep -c '^HotKey_')" = 208
log "save of 208 definitions: Count switched at $SWITCH_US us, back at $BACK_US us, last write at $END_US us"

PHASES=(before-commit commit-to-compaction compaction after-compaction)
declare -A CUT=()
below() { echo $((RANDOM * ($1 > 0 ? $1 : 1) / 32768)); }
aim_at() { # phase: the killer's aim for it
    case $1 in
    before-commit) echo start "$(below "$SWITCH_US")" ;;
    commit-to-compaction) echo switch 0 ;;
    compaction) echo switch "$(below $((BACK_US - SWITCH_US)))" ;;
    after-compaction) echo back "$(below $((END_US - BACK_US)))" ;;
    esac
}
next_aim() { # round: the phases no kill has cut yet first
    local i phase
    for i in 0 1 2 3; do
        phase=${PHASES[$(((round + i) % 4))]}
        [ -z "${CUT[$phase]:-}" ] && { echo "$phase"; return; }
    done
    echo "${PHASES[$((round % 4))]}"
}
# Told from what the kill left: "Count" 208 (0xd0) holds the old list before
# the commit and the new one once compacted; a switched "Count" with HotKey_0
# still the old first definition means the compaction had not begun.
phase_left() { # count
    if [ "$1" = 0xd0 ]; then
        cmp -s "$WORK/now.txt" "$WORK/after.txt" && echo after-compaction || echo before-commit
    elif w reg query "$KEY\\HotKey_0" /v Command 2>/dev/null | grep -q 'tool0\.exe'; then
        echo commit-to-compaction
    else
        echo compaction
    fi
}
KILLS=0 OLD=0 NEW=0 MIXED=0 NOWINDOW=0 MISSED=0 TAKEN=0
for round in $(seq 16); do
    start_over_full || { log "round $round: the definition window did not open"; NOWINDOW=$((NOWINDOW + 1)); continue; }
    aim=$(next_aim)
    args=$(aim_at "$aim")
    at=$(save_while $args) || { log "round $round: no kill (aimed at $aim)"; MISSED=$((MISSED + 1)); continue; }
    wait_for 10 lumaro_gone
    count=$(count_now)
    installed >"$WORK/now.txt"
    KILLS=$((KILLS + 1))
    phase=$(phase_left "$count")
    CUT[$phase]=$((${CUT[$phase]:-0} + 1))
    if cmp -s "$WORK/now.txt" "$WORK/before.txt"; then
        OLD=$((OLD + 1))
    elif cmp -s "$WORK/now.txt" "$WORK/after.txt"; then
        NEW=$((NEW + 1))
    else
        MIXED=$((MIXED + 1))
        cp "$WORK/now.txt" "$WORK/mixed-$round.txt"
    fi
    w "$REGTOOL" resave && installed | cmp -s - "$WORK/now.txt" && TAKEN=$((TAKEN + 1))
    log "kill $round aimed at $aim ($args us): cut $phase at ${at:-?} us, Count $count"
done
stop_wine
log "kills: $KILLS; old list $OLD, new list $NEW, neither $MIXED; rounds without a kill $MISSED," \
    "without a definition window $NOWINDOW"
cuts=
for phase in "${PHASES[@]}"; do cuts="$cuts $phase ${CUT[$phase]:-0}"; done
log "phases cut:$cuts"
check "every kill in the middle of a save leaves the old definitions or the new" \
    test "$MIXED" = 0 -a "$KILLS" -ge 12
check "the kills cut the save before its commit, between it and the compaction, during and after it" \
    test "${#CUT[@]}" = 4
check "after every kill another instance saves at once and keeps what loads" test "$TAKEN" = "$KILLS"

# Two instances, each with its definition window open, press OK together:
# the first over 208 definitions, the second over 26 others a moment later,
# so that the short save falls anywhere in the long one. One save waits for
# the other, and what loads is one of the two lists whole, each time.
RACE="$TOOLS/save_race.exe"
race_open() { # definition windows to be shown
    w "$RACE" open >/dev/null
    wait_for 2 defs_shown "$1"
}
race_round() {
    stop_wine
    w "$REGTOOL" save-full
    start_lumaro FIRST
    wait_for 30 icons_are 1 && wait_for 20 race_open 1 || return 1
    w "$REGTOOL" save-full B 26
    start_lumaro SECOND
    wait_for 30 icons_are 2 && wait_for 20 race_open 2 || return 1
    [ "$(w "$RACE" ok "$(below $((END_US / 1000)))" | tr -d '\r')" = 2 ] &&
        wait_for 30 defs_shown 0
}
new_prefix race
w "$REGTOOL" save-full B 26
installed >"$WORK/after-b.txt"
RACES=0 FIRST_WON=0 SECOND_WON=0 NEITHER=0 UNSAVED=0
for round in 1 2 3 4 5 6; do
    race_round || { log "race $round: not both saved"; UNSAVED=$((UNSAVED + 1)); }
    stop_wine
    installed >"$WORK/now.txt"
    RACES=$((RACES + 1))
    if cmp -s "$WORK/now.txt" "$WORK/after.txt"; then
        FIRST_WON=$((FIRST_WON + 1))
    elif cmp -s "$WORK/now.txt" "$WORK/after-b.txt"; then
        SECOND_WON=$((SECOND_WON + 1))
    else
        NEITHER=$((NEITHER + 1))
        cp "$WORK/now.txt" "$WORK/race-$round.txt"
    fi
done
log "two instances saving at once: $RACES times; the first's list loads $FIRST_WON," \
    "the second's $SECOND_WON, neither $NEITHER; not both saved $UNSAVED"
check "two instances saving at once: both save, and one of the two lists loads whole each time" \
    test "$NEITHER" = 0 -a "$UNSAVED" = 0
stop_wine
rm -rf "$WORK"/prefix-*
report

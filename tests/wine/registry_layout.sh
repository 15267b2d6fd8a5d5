#!/usr/bin/env bash
# The stored layout as reg.exe sees it, and values written by reg.exe as
# our classes load them.
BUILD=$(realpath "${1:?windows build folder}")
mkdir -p "${2:?scratch folder}"; WORK=$(realpath "$2")
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/lib.sh"
mkdir -p "$WORK"
make_template
KEY='HKCU\Software\QelApp\Lumaro\HotKeys'
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
# process terminated a random number of microseconds into the save: what
# loads is always the old list or the new one.
start_display || { log "no display"; exit 1; }
setup_app
cp "$BUILD/tests/save_killer.exe" "$TOOLS/"
KILLER="$TOOLS/save_killer.exe"
READY="$WORK/killer-ready"
lumaro_gone() { ! pgrep -f 'Lumaro.exe' >/dev/null; }
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
save_while() { # killer argument: presses OK with the killer watching, prints its output
    rm -f "$READY"
    w "$KILLER" "$(winepath_of "$READY")" "$1" >"$WORK/killer.out" 2>/dev/null &
    local killer=$!
    wait_for 20 test -f "$READY" && press_ok
    wait "$killer"
    tr -d '\r' <"$WORK/killer.out"
}
installed() { w "$REGTOOL" installed | tr -d '\r'; }
new_prefix kills
w "$REGTOOL" save-full
installed >"$WORK/before.txt"
start_over_full
SAVE_US=$(save_while measure)
wait_for 10 not def_visible
installed >"$WORK/after.txt"
check "208 definitions: an OK without edits stores them with the plain page last" \
    eval '[ "$(head -1 "$WORK/after.txt")" = "count 208" ] && ! cmp -s "$WORK/before.txt" "$WORK/after.txt"'
check "208 definitions: at rest, Count and HotKey_0 .. HotKey_207" \
    test "$(subkeys | grep -c '^HotKey_')" = 208
log "save of 208 definitions: writes for ${SAVE_US} us"
KILLS=0 OLD=0 NEW=0 MIXED=0 BETWEEN=0
for round in $(seq 16); do
    start_over_full || { log "round $round: no definition window"; MIXED=$((MIXED + 1)); continue; }
    delay=$((RANDOM * ${SAVE_US:-100000} / 32768))
    at=$(save_while "$delay")
    wait_for 10 lumaro_gone
    stop_wine
    count=$(w reg query "$KEY" /v Count 2>/dev/null | tr -d '\r' | grep -o '0x[0-9a-f]*$')
    installed >"$WORK/now.txt"
    KILLS=$((KILLS + 1))
    # A count other than 208 (0xd0): the save was cut short between its steps.
    [ "$count" != 0xd0 ] && BETWEEN=$((BETWEEN + 1))
    if cmp -s "$WORK/now.txt" "$WORK/before.txt"; then
        OLD=$((OLD + 1))
    elif cmp -s "$WORK/now.txt" "$WORK/after.txt"; then
        NEW=$((NEW + 1))
    else
        MIXED=$((MIXED + 1))
        cp "$WORK/now.txt" "$WORK/mixed-$round.txt"
    fi
    log "kill $round at ${at:-?} us (aimed at $delay): Count $count"
done
log "kills: $KILLS, old list $OLD, new list $NEW, neither $MIXED, cut between steps $BETWEEN"
check "every kill in the middle of a save leaves the old definitions or the new" \
    test "$MIXED" = 0 -a "$KILLS" -ge 12
stop_wine
rm -rf "$WORK"/prefix-*
report

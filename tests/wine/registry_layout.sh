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
# existing item keys below it load in order, and the next save deletes only
# what the loop over the count would have deleted.
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
check "saving deletes HotKey_299 only" same <(printf '%s\n' HotKey_0 HotKey_1 HotKey_300 Other) subkeys
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
check "count 1000: saving deletes the loaded ones beyond the new count only" \
    same <(printf '%s\n' HotKey_0 HotKey_007 HotKey_1 HotKey_1000) subkeys
check "count 1000: saved back" same <(printf 'count 2\n'; line 0 B b.exe; line 1 C c.exe) dump
stop_wine
rm -rf "$WORK"/prefix-*
report

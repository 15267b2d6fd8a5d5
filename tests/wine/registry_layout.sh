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

new_prefix huge
add '' Count REG_DWORD 2147483647
add '\HotKey_0' Key REG_SZ A
add '\HotKey_0' Command REG_SZ a.exe
check "a huge count loads at once" same <(printf 'count 2\n0 key=A ctrl=0 alt=0 shift=0 command=a.exe directory= parameters= extra=0 showCmd=5\n1 key= ctrl=0 alt=0 shift=0 command= directory= parameters= extra=0 showCmd=5\n') dump
stop_wine
rm -rf "$WORK"/prefix-*
report

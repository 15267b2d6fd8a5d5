#!/usr/bin/env bash
# Both release exes as Windows reads them, through pefile (pe_check.py): the
# 32-bit one of build/win and the 64-bit one of build/win64, found beside the
# build folder given. Machine, GUI subsystem and its version, ASLR, NX,
# high-entropy VA (64-bit), terminal-server awareness, no section both
# writable and executable, the DLLs imported, the version resource, the icon
# groups and the manifest. An exe that was not built fails. Runs no Wine.
. "$(dirname "$0")/lib.sh"
rm -f "$WORK/pe_check.txt"

BUILDS=$(dirname "$BUILD")
# Each exe's line is its check's name: what pe_check.py found, after the
# things that do not hold, if any. The system's Python has Debian's pefile.
for build in "win x86" "win64 x64"; do
    set -- $build
    out=$(/usr/bin/python3 "$HERE/pe_check.py" "$ROOT" "$BUILDS/$1/bin/Lumaro.exe" "$2")
    status=$?
    printf '%s\n' "$out" | tee -a "$WORK/pe_check.txt" | sed '$d' >&2
    check "$(tail -n 1 <<<"${out:-build/$1/bin/Lumaro.exe: pe_check.py ended without a word}")" \
        test "$status" = 0
done
report

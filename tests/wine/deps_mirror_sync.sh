#!/usr/bin/env bash
# tools/deps.sh while a package mirror is in the middle of a sync, or serves
# a broken i386 index: a local repository whose Packages index for one
# architecture is not the size its Release file says.
# apt works on a sources list, lists, cache and package status of its own in
# the scratch folder, never the system's. The update is tried again, the
# install tried anyway, and the package still missing is named with apt's
# reason, on one screen, with a failing status.
. "$(dirname "$0")/lib.sh"
. "$ROOT/tools/deps.sh"

REPO="$WORK/repo" APT="$WORK/apt"
rm -rf "$REPO" "$APT"
mkdir -p "$APT/lists/partial" "$APT/cache/archives/partial"
: >"$APT/status"
# A repository whose index for ARCH is not the size its Release file says
# (the others are as it says): a mirror in the middle of a sync, or one that
# has served a broken i386 index for days.
index_line() { # arch, bytes added to its size in the Release file
    local index="main/binary-$1/Packages"
    mkdir -p "$REPO/dists/sync/main/binary-$1"
    printf 'Package: lumaro-absent-probe\nVersion: 1.0\nArchitecture: %s\nFilename: pool/p.deb\nSize: 1\nDescription: p\n\n' \
        "$1" >"$REPO/dists/sync/$index"
    printf ' %s %d %s\n' "$(sha256sum <"$REPO/dists/sync/$index" | cut -d' ' -f1)" \
        "$(($(stat -c %s "$REPO/dists/sync/$index") + $2))" "$index"
}
broken_repository() { # arch whose index is broken
    local amd64=0 i386=0
    eval "$1=40"
    rm -rf "$REPO" "$APT/lists"
    mkdir -p "$APT/lists/partial"
    {
        printf 'Suite: sync\nCodename: sync\nDate: %s\nArchitectures: amd64 i386\nComponents: main\nSHA256:\n' "$(date -Ru)"
        index_line amd64 $amd64
        index_line i386 $i386
    } >"$WORK/Release"
    mv "$WORK/Release" "$REPO/dists/sync/Release"
}
echo "deb [trusted=yes] file:$REPO sync main" >"$APT/sources.list"

system_lists() { ls -la --time-style=full-iso /var/lib/apt/lists /var/lib/apt/lists/partial /var/cache/apt 2>&1; }
system_lists >"$WORK/lists-before"
# apt's dpkg here knows i386 already, as on a machine where an earlier set-up
# added it.
printf '#!/bin/sh\n[ "$1" = --print-foreign-architectures ] && echo i386 && exit 0\nexec dpkg "$@"\n' >"$WORK/dpkg"
chmod +x "$WORK/dpkg"
SANDBOX=(-o Dir::Etc::sourcelist="$APT/sources.list" -o Dir::Etc::sourceparts=- -o Dir::State="$APT"
    -o Dir::State::status="$APT/status" -o Dir::Cache="$APT/cache" -o Debug::NoLocking=true
    -o Dir::Bin::dpkg="$WORK/dpkg")
APT_PAUSE=1
APT_LOG="$WORK/apt.log"
# The system's dpkg is never told of another architecture here; apt in the
# sandbox is, and the call is recorded.
add_foreign_architectures() { APT_OPTIONS+=(-o "APT::Architectures::=amd64" -o "APT::Architectures::=i386"); echo i386 >"$WORK/added"; }
said() { grep -qF -- "$1" "$WORK/said.txt"; }
ensure() { # kernel runs 32-bit (true/false), required packages...
    local k32=$1
    shift
    kernel_runs_32bit() { $k32; }
    PACKAGES=("$@") PACKAGES_32=(lumaro-absent-probe:i386) APT_OPTIONS=("${SANDBOX[@]}")
    rm -f "$WORK/added"
    ensure_packages 2>"$WORK/said.txt"
    status=$?
    cat "$WORK/said.txt" >&2
}

# --- the amd64 index in the middle of a sync
broken_repository amd64
ensure false lumaro-absent-probe

check "ensure_packages fails while the package cannot be had" test $status != 0
check "after trying the update $APT_TRIES times" test "$(grep -c '^== apt-get update' "$APT_LOG")" = "$APT_TRIES"
check "and the install anyway" grep -q '^== apt-get install' "$APT_LOG"
check "it names what is missing, with apt's reason (the index not as its Release file says)" \
    eval 'said "Could not install: lumaro-absent-probe" && said "Hash Sum mismatch" && said "- Filesize:" &&
        said "Unable to locate package" &&
        said "mirror is in the middle of a sync"'
check "all on one screen" test "$(wc -l <"$WORK/said.txt")" -le 24

# --- a broken i386 index, on a kernel that runs no 32-bit program
broken_repository i386
ensure false lumaro-absent-probe
check "without 32-bit programs: no i386 architecture added, no i386 index read, nothing 32-bit asked for" \
    eval '[ ! -e "$WORK/added" ] && [ "$(grep -c "^== apt-get update" "$APT_LOG")" = 1 ] &&
        ! grep -q "i386" "$APT_LOG" && said "Could not install: lumaro-absent-probe" &&
        ! said ":i386"'

# --- and on one that does: the 32-bit Wine cannot be had, the rest is there
ensure true bash
check "with 32-bit programs but no 32-bit Wine to be had: no failure, one line saying why" \
    eval '[ $status = 0 ] && [ -e "$WORK/added" ] && grep -q "binary-i386" "$APT_LOG" &&
        [ "$(grep -vc "^apt-get update failed" "$WORK/said.txt")" = 2 ] &&
        said "lumaro-absent-probe:i386 cannot be had here: Wine runs the 64-bit build only"'
check "the system's own package lists were not touched" eval 'system_lists | cmp -s - "$WORK/lists-before"'
report

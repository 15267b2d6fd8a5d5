#!/usr/bin/env bash
# tools/deps.sh while a package mirror is in the middle of a sync: a local
# repository whose Packages index is not the size its Release file says.
# apt works on a sources list, lists, cache and package status of its own in
# the scratch folder, never the system's. The update is tried again, the
# install tried anyway, and the package still missing is named with apt's
# reason, on one screen, with a failing status.
mkdir -p "${2:?scratch folder}"
WORK=$(realpath "$2")
BUILD=$(realpath "${1:?windows build folder}")
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
. "$HERE/lib.sh"
. "$ROOT/tools/deps.sh"

REPO="$WORK/repo" APT="$WORK/apt"
rm -rf "$REPO" "$APT"
mkdir -p "$REPO/dists/sync/main/binary-amd64" "$APT/lists/partial" "$APT/cache/archives/partial"
: >"$APT/status"
INDEX="$REPO/dists/sync/main/binary-amd64/Packages"
printf 'Package: lumaro-absent-probe\nVersion: 1.0\nArchitecture: all\nFilename: pool/p.deb\nSize: 1\nDescription: p\n\n' >"$INDEX"
# The index as it was before the sync: its hash, the size it had then.
printf 'Suite: sync\nCodename: sync\nDate: %s\nArchitectures: amd64 i386\nComponents: main\nSHA256:\n %s %d main/binary-amd64/Packages\n' \
    "$(date -Ru)" "$(sha256sum <"$INDEX" | cut -d' ' -f1)" "$(($(stat -c %s "$INDEX") + 40))" \
    >"$REPO/dists/sync/Release"
echo "deb [trusted=yes] file:$REPO sync main" >"$APT/sources.list"

system_lists() { ls -la --time-style=full-iso /var/lib/apt/lists /var/lib/apt/lists/partial /var/cache/apt 2>&1; }
system_lists >"$WORK/lists-before"
PACKAGES=(lumaro-absent-probe)
APT_OPTIONS=(-o Dir::Etc::sourcelist="$APT/sources.list" -o Dir::Etc::sourceparts=- -o Dir::State="$APT"
    -o Dir::State::status="$APT/status" -o Dir::Cache="$APT/cache" -o Debug::NoLocking=true)
APT_PAUSE=1
APT_LOG="$WORK/apt.log"
ensure_packages 2>"$WORK/said.txt"
status=$?
cat "$WORK/said.txt" >&2

check "ensure_packages fails while the package cannot be had" test $status != 0
check "after trying the update $APT_TRIES times" test "$(grep -c '^== apt-get update' "$APT_LOG")" = "$APT_TRIES"
check "and the install anyway" grep -q '^== apt-get install' "$APT_LOG"
said() { grep -qF -- "$1" "$WORK/said.txt"; }
check "it names what is missing, with apt's reason (the index not as its Release file says)" \
    eval 'said "Could not install: lumaro-absent-probe" && said "Hash Sum mismatch" && said "- Filesize:" &&
        said "Unable to locate package" &&
        said "mirror is in the middle of a sync"'
check "all on one screen" test "$(wc -l <"$WORK/said.txt")" -le 24
check "the system's own package lists were not touched" eval 'system_lists | cmp -s - "$WORK/lists-before"'
report

#!/usr/bin/env bash
# The release rebuilt bit for bit: the same sources copied to another folder
# and built there, in a build folder of another name, give the same
# Lumaro.exe and the same zip (its SHA-256 too) as the build under test;
# the exe's header carries no build time and the zip's entries carry the
# commit's.
. "$(dirname "$0")/lib.sh"

SRC="$WORK/elsewhere/sources"
OTHER="$WORK/elsewhere/another-build"
rm -rf "$WORK/elsewhere" && mkdir -p "$SRC"
trap 'rm -rf "$WORK/elsewhere"' EXIT
# The sources as they are now, committed or not (as the build under test
# saw them), without a checkout around them: the commit's time comes in
# the way a release builder passes it.
(cd "$ROOT" && git ls-files -z --cached --others --exclude-standard |
    tar --null -T - --ignore-failed-read -cf - 2>/dev/null) | tar -xf - -C "$SRC"
EPOCH=$(git -C "$ROOT" log -1 --format=%ct)
# The build under test brought up to date first: its zip is dated with the
# commit it was last built at.
rebuild() {
    nice cmake --build "$BUILD" -j2 --target release >"$WORK/build-under-test.log" 2>&1 &&
        cmake -S "$SRC" -B "$OTHER" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$SRC/cmake/$(basename "$(toolchain_of "$BUILD")")" \
            -DCMAKE_BUILD_TYPE=MinSizeRel >"$WORK/configure.log" 2>&1 &&
        SOURCE_DATE_EPOCH=$EPOCH nice cmake --build "$OTHER" -j2 --target release >"$WORK/build.log" 2>&1 ||
        { tail -n 20 "$WORK"/*.log >&2; return 1; }
}
check "the release builds from a copy of the sources in another folder" rebuild
ZIP=$(basename "$(release_zip "$BUILD")")
check "the exe is the same, bit for bit" cmp "$BUILD/bin/Lumaro.exe" "$OTHER/bin/Lumaro.exe"
check "so is the zip, with the same SHA-256" \
    eval 'cmp "$BUILD/$ZIP" "$OTHER/$ZIP" && cmp "$BUILD/$ZIP.sha256" "$OTHER/$ZIP.sha256"'
check "the exe's header has no time stamp" \
    eval 'pe_objdump "$BUILD" -p "$BUILD/bin/Lumaro.exe" | grep -q "^Time/Date.*Jan  1 00:00:00 1970"'
# Zip's times go in two-second steps.
commit_time=$(TZ=UTC date -d "@$((EPOCH / 2 * 2))" +%Y%m%d.%H%M%S)
check "every entry of the zip is dated with the commit's time" \
    test "$(unzip -Z -T "$BUILD/$ZIP" | awk '/^-|^\?/ {print $7}' | sort -u)" = "$commit_time"
report

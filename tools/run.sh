#!/usr/bin/env bash
# Builds Lumaro.exe and both releases (64- and 32-bit zips) and starts the
# 64-bit one, as unpacked from its zip, in a Wine virtual
# desktop: on your X display when there is one; otherwise on a virtual one
# (Xvfb), served to your browser on this machine only (see
# serve-display.sh). Lumaro runs until you choose "Exit" from its tray icon's
# menu or press Ctrl+C (or the command gets TERM); then Lumaro is asked to
# close, and everything this command started ends.
# LUMARO_RUN_PREFIX names another Wine prefix to run in (the tests use it).
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
. tools/deps.sh
ensure_packages || exit 1

B="$ROOT/build"
mkdir -p "$B/logs"
. tools/wine-build.sh
: >"$B/logs/run-configure.log"
: >"$B/logs/run-build.log"
for tree in "${RELEASE_TREES[@]}"; do
    echo "Building $tree/Lumaro.exe and its release ..."
    if ! { cmake -S "$ROOT" -B "$B/$tree" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$(toolchain_of_tree "$ROOT" "$tree")" \
        -DCMAKE_BUILD_TYPE=MinSizeRel >>"$B/logs/run-configure.log" 2>&1 &&
        cmake --build "$B/$tree" -j2 --target release >>"$B/logs/run-build.log" 2>&1; }; then
        tail -n 40 "$B/logs/run-configure.log" "$B/logs/run-build.log"
        exit 1
    fi
done
echo "The releases (SHA-256 beside each): $(ls "$B"/win64/Lumaro-*-win64.zip) for 64-bit Windows," \
    "$(ls "$B"/win/Lumaro-*-win32.zip) for 32-bit Windows."
choose_run_builds "$B"
RUN_TREE=${RUN_TREES[0]}

BUILD="$B/$RUN_TREE" WORK="$B/$RUN_TREE/run"
mkdir -p "$WORK"
. tests/wine/lib.sh
. tools/serve-display.sh
make_template
# The prefix keeps your definitions from one run to the next.
export WINEPREFIX="${LUMARO_RUN_PREFIX:-$B/$RUN_TREE/lumaro-prefix}"
[ -d "$WINEPREFIX" ] || cp -a "$TEMPLATE" "$WINEPREFIX"
add_marlett "$WINEPREFIX"

LUMARO_PID=
lumaro_ended() { [ -z "$LUMARO_PID" ] || ! kill -0 "$LUMARO_PID" 2>/dev/null; }
# Asks Lumaro to close as its own Exit would (WM_CLOSE, so that a save in
# progress ends first), and ends it only when it has not closed in time.
close_lumaro() {
    lumaro_ended && return 0
    echo "Asking Lumaro to close ..."
    setsid env "${WINE_ENV[@]}" timeout 10 wine taskkill /im Lumaro.exe </dev/null >/dev/null 2>&1
    if serve_wait 5 lumaro_ended; then
        echo "Lumaro closed."
    else
        echo "Lumaro did not close within 5 seconds: ending it."
    fi
}
finish() {
    # Further Ctrl+C or TERM must not cut the clean-up short: the servers
    # would stay behind, listening.
    trap '' INT TERM HUP
    trap - EXIT
    close_lumaro
    wineserver -k 2>/dev/null
    # Polled, not waited for: after Ctrl+C has interrupted the wait below,
    # bash can wait again for a Lumaro that has already ended and then block
    # until some other child (the web server, which never ends by itself)
    # does.
    serve_wait 10 lumaro_ended
    stop_serving
    stop_display
}
trap finish EXIT
trap 'trap "" INT TERM HUP; echo; echo "Interrupted: ending Lumaro."; exit 130' INT TERM HUP

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    echo "Lumaro starts in the Wine desktop window on $DISPLAY."
else
    start_display || { echo "Could not start Xvfb" >&2; exit 1; }
    serve_display "$DISPLAY" "$B/logs/serve" || { echo "Could not serve the display" >&2; exit 1; }
    echo "No X display here: Lumaro runs on the virtual display $DISPLAY, which you can use"
    echo "from a browser on this machine (noVNC on 127.0.0.1:$WEB_PORT). The address holds this"
    echo "run's password: it opens the desktop for you only, until this command ends."
    echo
    echo "    $VIEW_URL"
    echo
fi
echo "The tray icon is at the bottom right of the Wine desktop: right-click it for the menu,"
echo "double-click it for the definition window. Choose Exit from its menu (or press Ctrl+C) to quit."

# The release unpacked, started from its own folder, so that "Help (html) ..."
# finds Lumaro.html. In the
# background, so that Ctrl+C reaches our trap at once; in a session of its
# own, so that Ctrl+C reaches only us and Lumaro is asked to close as above
# rather than cut off by the signal.
rm -rf "$WORK/release"
unpack_release "$BUILD" "$WORK/release" || exit 1
cd "$WORK/release"
setsid env "${WINE_ENV[@]}" wine Lumaro.exe &
LUMARO_PID=$!
wait "$LUMARO_PID"
status=$?
LUMARO_PID=
echo "Lumaro ended with exit code $status."
exit $status

#!/usr/bin/env bash
# Builds Lumaro.exe and starts it in a Wine virtual desktop: on your X
# display when there is one, otherwise on a virtual one (Xvfb). Lumaro runs
# until you choose "Exit" from its tray icon's menu.
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
. tools/deps.sh
ensure_packages || exit 1

B="$ROOT/build"
mkdir -p "$B/logs"
echo "Building Lumaro.exe ..."
if ! { cmake -S "$ROOT" -B "$B/win" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel >"$B/logs/run-configure.log" 2>&1 &&
    cmake --build "$B/win" -j2 --target Lumaro >"$B/logs/run-build.log" 2>&1; }; then
    tail -n 40 "$B/logs/run-configure.log" "$B/logs/run-build.log"
    exit 1
fi

BUILD="$B/win" WORK="$B/win/run"
mkdir -p "$WORK"
. tests/wine/lib.sh
make_template
# The prefix keeps your definitions from one run to the next.
export WINEPREFIX="$B/win/lumaro-prefix"
[ -d "$WINEPREFIX" ] || cp -a "$TEMPLATE" "$WINEPREFIX"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    echo "Lumaro starts in the Wine desktop window on $DISPLAY."
else
    start_display || { echo "Could not start Xvfb" >&2; exit 1; }
    trap stop_display EXIT
    echo "No X display here: Lumaro runs on the virtual display $DISPLAY."
    echo "To see it, take a picture:  DISPLAY=$DISPLAY import -window root lumaro.png"
    echo "or drive it with xdotool on DISPLAY=$DISPLAY (right-click the tray icon at 1014,758)."
fi
echo "The tray icon is at the bottom right of the Wine desktop; choose Exit from its menu to quit."

# From the exe's folder, so that "Help (html) ..." finds Lumaro.html.
cd "$B/win/bin"
env "${WINE_ENV[@]}" wine Lumaro.exe
status=$?
wineserver -k 2>/dev/null
echo "Lumaro ended with exit code $status."
exit $status

# Shared helpers for the scripts that run our programs under Wine.
# A script sources it first, and it takes the script's two arguments: the
# Windows build folder (BUILD) and a scratch folder (WORK). The test and run
# commands set BUILD and WORK themselves before they source it.
if [ -z "${BUILD:-}" ]; then
    BUILD=$(realpath "${1:?windows build folder}")
    mkdir -p "${2:?scratch folder}"
    WORK=$(realpath "$2")
    HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
    ROOT=$(cd "$HERE/../.." && pwd)
    KEY='HKCU\Software\QelApp\Lumaro\HotKeys'
fi
set -u
export LANG="${LANG:-C.UTF-8}"

WINE_ENV=(WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml=")
TEMPLATE="$BUILD/wine-template"

log() { printf '%s\n' "$*" >&2; }

# The template prefix: one shared virtual desktop, no crash dialog,
# Japanese fonts under the names the program asks for, and Marlett, without
# which every caption's close box draws as the letter "r".
MARLETT=/usr/share/wine/fonts/marlett.ttf
make_template() {
    [ -f "$TEMPLATE/.ready" ] && [ -f "$TEMPLATE/drive_c/windows/Fonts/marlett.ttf" ] && return 0
    rm -rf "$TEMPLATE"
    env "${WINE_ENV[@]}" WINEPREFIX="$TEMPLATE" DISPLAY= timeout 180 wine wineboot -i >/dev/null 2>&1
    add_marlett "$TEMPLATE"
    local reg="$BUILD/template-settings.reg"
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="1024x768"\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
        printf '"ＭＳ Ｐゴシック"="IPAPGothic"\r\n"MS PGothic"="IPAPGothic"\r\n"MS UI Gothic"="IPAPGothic"\r\n'
        printf '"ＭＳ ゴシック"="IPAGothic"\r\n"MS Gothic"="IPAGothic"\r\n\r\n'
    } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
    env "${WINE_ENV[@]}" WINEPREFIX="$TEMPLATE" DISPLAY= timeout 60 wine regedit /S "$(winepath_of "$reg")" >/dev/null 2>&1
    env WINEPREFIX="$TEMPLATE" wineserver -k 2>/dev/null
    env WINEPREFIX="$TEMPLATE" wineserver -w 2>/dev/null
    touch "$TEMPLATE/.ready"
}

add_marlett() { # prefix
    mkdir -p "$1/drive_c/windows/Fonts"
    [ -f "$1/drive_c/windows/Fonts/marlett.ttf" ] || cp "$MARLETT" "$1/drive_c/windows/Fonts/"
}

winepath_of() { printf 'Z:%s' "$(printf '%s' "$1" | sed 's#/#\\#g')"; }

# A fresh copy of the template for one scenario (never hard links: the
# server rewrites the .reg files in place).
new_prefix() {
    export WINEPREFIX="$WORK/prefix-$1"
    rm -rf "$WINEPREFIX"
    cp -a "$TEMPLATE" "$WINEPREFIX"
}

w() { env "${WINE_ENV[@]}" timeout 60 wine "$@"; }

stop_wine() {
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
    true
}

SCRIPT_PASSED=0
SCRIPT_FAILED=0
check() { # name, then a command that must succeed
    local name=$1
    shift
    if "$@"; then
        SCRIPT_PASSED=$((SCRIPT_PASSED + 1))
        log "PASS $name"
    else
        SCRIPT_FAILED=$((SCRIPT_FAILED + 1))
        log "FAIL $name"
    fi
}

report() { printf 'wine-script: %d passed, %d failed\n' "$SCRIPT_PASSED" "$SCRIPT_FAILED"; }

# Polls a condition until it holds or the deadline (seconds) passes.
wait_for() {
    local deadline=$(($(date +%s%N) / 1000000 + $1 * 1000))
    shift
    until "$@"; do
        [ $(($(date +%s%N) / 1000000)) -ge $deadline ] && return 1
        sleep 0.05
    done
}

# --- benchmarks
# Column $2 of $1/lumaro.txt and $1/handmade.txt (one line a pair): both
# medians and the median of the pairs' ratios.
pair_summary() { # folder column
    paste -d' ' <(cut -d' ' -f"$2" "$1/lumaro.txt") <(cut -d' ' -f"$2" "$1/handmade.txt") |
        awk 'function median(a, n,   i, j, t) {
                 for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] < a[i]) {t = a[i]; a[i] = a[j]; a[j] = t}
                 return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
             }
             $2 > 0 {n++; l[n] = $1; h[n] = $2; r[n] = $1 / $2}
             END {printf "Lumaro %s, hand-written %s, ratio %.2f", median(l, n), median(h, n), median(r, n)}'
}

# --- a virtual desktop on Xvfb
# Only our own processes may use it: Xvfb asks every client for a cookie that
# only our file (mode 600, named by XAUTHORITY) holds. Its entry is for any
# display number (family and number wild), since Xvfb picks the number; in
# "xauth nlist" form, the name MIT-MAGIC-COOKIE-1 in hex, the cookie to come.
XVFB_PID=
MIT_COOKIE_ENTRY="ffff 0000  0000  0012 4d49542d4d414749432d434f4f4b49452d31 0010"
start_display() {
    local file="$WORK/display"
    mkdir -p "$WORK"
    rm -f "$file"
    export XAUTHORITY="$WORK/display.xauth"
    rm -f "$XAUTHORITY"
    local cookie
    cookie=$(mcookie)
    (umask 077 && echo "$MIT_COOKIE_ENTRY $cookie" | xauth -q -f "$XAUTHORITY" nmerge - 2>/dev/null) || return 1
    # setsid: out of the terminal's process group, so that Ctrl+C does not end
    # the display under a program that is being asked to close.
    setsid Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp -auth "$XAUTHORITY" 9>"$file" >/dev/null 2>&1 &
    XVFB_PID=$!
    wait_for 10 test -s "$file" || return 1
    export DISPLAY=":$(cat "$file")"
    # python-xlib takes no wild entry: the same cookie for this host's
    # display. Through standard input, as above: any local user reads a
    # command line.
    echo "add $DISPLAY . $cookie" | xauth -q -f "$XAUTHORITY" source - 2>/dev/null
}

stop_display() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
    true
}

desktop_window() { xdotool search --name '^Default - Wine desktop$' 2>/dev/null | head -1; }

# Sends a key combination to the focused virtual desktop.
press() {
    local desk
    desk=$(desktop_window)
    [ -n "$desk" ] || return 1
    xdotool windowfocus --sync "$desk" 2>/dev/null
    xdotool key "$1"
}

# The first key a freshly started desktop gets is now and then lost: press
# again, at most twice more, until the condition holds.
press_until() { # keys, then a condition
    local keys=$1 attempt
    shift
    for attempt in 1 2 3; do
        press "$keys"
        wait_for 3 "$@" && return 0
    done
    return 1
}

click_at() { # x y button [repeat]
    local desk
    desk=$(desktop_window)
    xdotool mousemove --window "$desk" "$1" "$2" sleep 0.15 click --repeat "${4:-1}" --delay 80 "$3"
}

screenshot() { # name
    mkdir -p "$ARTIFACTS"
    import -window root "$ARTIFACTS/$1.png" 2>/dev/null
}

ARTIFACTS="${ARTIFACTS:-$BUILD/artifacts}"

# --- the release a user downloads
# The build's zip: Lumaro-<version>-win64.zip or -win32.zip.
release_zip() { # build
    ls "$1"/Lumaro-*-win64.zip "$1"/Lumaro-*-win32.zip 2>/dev/null | head -1
}
# Unpacks the zip's one folder (Lumaro.exe, its page, the readme) into a
# folder, so that what a test starts is the exe we ship.
unpack_release() { # build, folder
    local zip scratch
    zip=$(release_zip "$1")
    [ -n "$zip" ] || { log "no release zip in $1"; return 1; }
    scratch=$(mktemp -d) && unzip -q "$zip" -d "$scratch" && mkdir -p "$2" &&
        cp "$scratch"/Lumaro-*/* "$2/" && rm -rf "$scratch"
}

# --- Lumaro and its helpers in a scratch folder
# Unpacks the release (Lumaro.exe with its page) to $APP and copies the helper exes to $TOOLS;
# the recorder writes $LAUNCHES. Tears everything down on exit.
setup_app() {
    APP="$WORK/app"
    TOOLS="$WORK/tools"
    rm -rf "$APP" "$TOOLS" "$WORK"/held.txt "$WORK"/progman.txt* "$WORK"/exit-* "$WORK"/*.reg
    mkdir -p "$APP" "$TOOLS"
    unpack_release "$BUILD" "$APP" || return 1
    local t
    for t in launch_recorder progman_window e2e_tool hotkey_holder; do
        cp "$BUILD/tests/$t.exe" "$TOOLS/"
    done
    RECORDER="$(winepath_of "$TOOLS/launch_recorder.exe")"
    LAUNCHES="$TOOLS/launches.txt"
    PIDS=()
    trap teardown EXIT
}

teardown() {
    stop_wine
    local p
    for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null; done
    stop_display
}

# Runs e2e_tool; its output without CRs, and its exit status.
tool() {
    local out status
    out=$(w "$TOOLS/e2e_tool.exe" "$@" 2>/dev/null)
    status=$?
    out=${out//$'\r'/}
    [ -n "$out" ] && printf '%s\n' "$out"
    return $status
}
icons_are() { [ "$(tool icon-count)" = "$1" ]; }
lines_in() { [ -f "$1" ] && [ "$(grep -c . "$1")" -ge "$2" ]; }
launch_count() { [ -f "$LAUNCHES" ] && grep -c . "$LAUNCHES" || echo 0; }
add() { w reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1; }
add_default() { w reg add "$1" /ve /d "$2" /f >/dev/null 2>&1; }
menu_open() { tool menu-visible >/dev/null; }
not() { ! "$@"; }
registry_dump() { w reg export "$1" "$(winepath_of "$WORK/$2")" /y >/dev/null 2>&1; }

# The tray icon's centre on the taskbar, found in a picture of it.
icon_x() {
    local info
    info=$(import -window root -crop 512x18+512+749 +repage -trim -format '%w %X' info: 2>/dev/null)
    set -- $info
    echo $((512 + ${2#+} + 8))
}

# Chooses a tray menu item by keys once the menu is open.
choose_from_menu() { # keys...
    click_at "$(icon_x)" 758 3
    wait_for 10 menu_open || return 1
    tool menu-keys "$@" >/dev/null
}

# With TRACE_FILE set, Wine's keyboard trace (every hotkey registration with
# its modifiers) goes there.
start_lumaro() { # name of the variable to receive the pid
    if [ -n "${TRACE_FILE:-}" ]; then
        (cd "$APP" && env WINEDEBUG=trace+keyboard "${WINE_ENV[@]:1}" timeout 300 wine Lumaro.exe \
            2>"$TRACE_FILE"; echo $? >"$WORK/exit-$1") &
    else
        (cd "$APP" && env "${WINE_ENV[@]}" timeout 300 wine Lumaro.exe; echo $? >"$WORK/exit-$1") &
    fi
    PIDS+=($!)
    eval "$1=$!"
}

# The definition window, told from the other windows titled "Lumaro" by its
# client width.
DEF_WIDTH=585
def_visible() { [ "$(tool count-visible Lumaro $DEF_WIDTH)" = 1 ]; }

exit_code_is() { [ -f "$WORK/exit-$1" ] && [ "$(cat "$WORK/exit-$1")" = "$2" ]; }

# Where a control of the definition window is on the screen: A to M down
# the left column, N to Z down the right one.
PARAMS_WIDTH=453 # the parameters dialog's
def_origin() { tool client-origin Lumaro $DEF_WIDTH; }
row_x() { local i=$(($(printf '%d' "'$1") - 65)); echo $((i < 13 ? 8 : 296)); }
row_y() { local i=$(($(printf '%d' "'$1") - 65)); echo $((4 + 31 * (i % 13))); }
at_def() { # client x y -> screen x y
    local origin
    origin=$(def_origin)
    set -- ${origin:-0 0} "$1" "$2"
    echo $(($1 + $3)) $(($2 + $4))
}
edit_point() { at_def $(($(row_x "$1") + 20 + 115)) $(($(row_y "$1") + 14)); }
button_point() { at_def $(($(row_x "$1") + 256 + 10)) $(($(row_y "$1") + 14)); }
click_point() { click_at "$1" "$2" 1; }
params_visible() { [ "$(tool count-visible Lumaro $PARAMS_WIDTH)" = 1 ]; }
press_ok() { click_point $(at_def 397 428); }

# The Windows build's toolchain file, and its objdump (the 32-bit release
# build's or, where Wine runs the 64-bit build, that one's).
toolchain_of() { sed -n 's/^CMAKE_TOOLCHAIN_FILE:[A-Z]*=//p' "$1/CMakeCache.txt"; }
pe_objdump() { # build, objdump arguments...
    local prefix
    prefix=$(sed -n 's/^set(CMAKE_RC_COMPILER \(.*\)-windres)$/\1/p' "$(toolchain_of "$1")")
    shift
    "$prefix-objdump" "$@"
}

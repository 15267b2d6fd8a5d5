#!/usr/bin/env bash
# The release as a Windows user gets it: Lumaro-4.00-win64.zip (or -win32) with its
# SHA-256, one folder inside, nothing of the build machine in it (the exe's
# header, imports and resources: pe_check.sh). Unpacked into a fresh
# prefix's C:\Program Files and into a downloads-like folder whose name has
# a blank and a non-ASCII letter (with DLLs planted beside the exe),
# Lumaro.exe starts from there with its icon, a hotkey restored with "reg
# import" of a "reg export" backup launches, "Help (html) ..." opens that
# folder's Lumaro.html, and no planted DLL is ever loaded, the file-open
# dialog's included.
. "$(dirname "$0")/lib.sh"
make_template

ids() { sed -n "s/^#define $1 \"\(.*\)\"$/\1/p" "$ROOT/src/ui/ResourceIds.h"; }
VERSION=$(ids LUMARO_VERSION_TEXT)
NAME="Lumaro-$VERSION"
ZIP=$(release_zip "$BUILD")
DOWNLOADS_NAME="Téléchargements de Lumaro"
rm -rf "$WORK"/unpacked "$WORK"/prefix-* "$WORK"/*.reg "$WORK"/plants.txt "$WORK/$DOWNLOADS_NAME"

# --- the archive itself
check "the zip and its SHA-256 are there" test -s "$ZIP" -a -s "$ZIP.sha256"
check "the SHA-256 is the zip's" eval '(cd "$BUILD" && sha256sum --quiet -c "$(basename "$ZIP").sha256")'
check "inside is one folder $NAME with the exe, the help page and the readme" \
    test "$(unzip -Z1 "$ZIP" | sort | tr '\n' ' ')" = "$NAME/Lumaro.exe $NAME/Lumaro.html $NAME/readme.txt "
mkdir -p "$WORK/unpacked"
unzip -q "$ZIP" -d "$WORK/unpacked"
U="$WORK/unpacked/$NAME"
check "the exe is the one built" cmp -s "$U/Lumaro.exe" "$BUILD/bin/Lumaro.exe"
check "the help page is the one in res/" cmp -s "$U/Lumaro.html" "$ROOT/res/Lumaro.html"
readme_has() { local text; for text; do grep -qF -- "$text" "$U/readme.txt" || { log "  readme lacks: $text"; return 1; }; done; }
check "the readme tells which zip to take, how to start, start with Windows, back up, restore and remove, in English" \
    readme_has "How to start it" "Which download to take" "-win64.zip  64-bit Windows 10 and 11" "shell:startup" 'HKEY_CURRENT_USER\Software\QelApp\Lumaro\HotKeys' \
    'reg export "HKCU\Software\QelApp\Lumaro\HotKeys"' "reg import" 'reg delete "HKCU\Software\QelApp\Lumaro" /f'
check "and in Japanese" readme_has "起動のしかた" "どちらの zip を使うか" "Windows と一緒に起動するには" "定義の保存場所" \
    "定義のバックアップと復元" "削除のしかた"
check "the readme is UTF-8 with a byte-order mark and CRLF lines, as Notepad reads it everywhere" \
    eval '[ "$(head -c 3 "$U/readme.txt" | od -An -tx1 | tr -d " ")" = efbbbf ] &&
        iconv -f UTF-8 -t UTF-8 "$U/readme.txt" >/dev/null && ! grep -q $'"'"'[^\r]$'"'"' "$U/readme.txt"'
# Paths of this machine, in 8-bit and in UTF-16 text, in any file or name.
machine_paths() {
    local file
    { unzip -Z1 "$ZIP"; for file in "$U"/*; do strings -a "$file"; strings -a -el "$file"; done; } |
        grep -E "$ROOT|$BUILD|/work/|/root/|/home/|/usr/|/tmp/|[A-Z]:\\\\\\\\(work|root|home|usr|tmp)"
}
check "no path of the build machine inside" not machine_paths

# --- the test tools, and a fresh prefix
new_prefix release
TOOLS="$WORK/tools"
rm -rf "$TOOLS" && mkdir -p "$TOOLS"
for t in launch_recorder e2e_tool dll_probe; do cp "$BUILD/tests/$t.exe" "$TOOLS/"; done
RECORDER="$(winepath_of "$TOOLS/launch_recorder.exe")"
LAUNCHES="$TOOLS/launches.txt"
check "the prefix has Marlett, so caption buttons draw as on Windows" \
    test -s "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
stop_wine

# --- a backup made with reg export on the "old" machine
new_prefix old
add "$KEY" Count REG_DWORD 1
add "$KEY\\HotKey_0" Key REG_SZ A
add "$KEY\\HotKey_0" Command REG_SZ "$RECORDER"
add "$KEY\\HotKey_0" Parameters REG_SZ restored
w reg export "$KEY" "$(winepath_of "$WORK/backup.reg")" /y >/dev/null 2>&1
check "reg export writes the backup" test -s "$WORK/backup.reg"
stop_wine

start_display || { log "no display"; exit 1; }
trap 'stop_wine; stop_display' EXIT
# Lumaro.exe started from FOLDER (a Unix path inside the prefix).
run_from() { # label folder
    (cd "$2" && env "${WINE_ENV[@]}" LUMARO_PLANT_LOG="$(winepath_of "$WORK/plants.txt")" \
        timeout 300 wine Lumaro.exe; echo $? >"$WORK/exit-$1") &
}
recorded() { [ -f "$LAUNCHES" ] && tr -d "\r" <"$LAUNCHES" | LC_ALL=C grep -qF -- "$1"; }
# The folder's Windows name as a line of the recorder shows it: UTF-8 where
# the recorder records that, else the prefix's code page (1252 here).
recorded_in_any() { recorded "$1" || recorded "$(printf '%s' "$1" | iconv -f UTF-8 -t CP1252 2>/dev/null)"; }
# The page and the folder it was opened from, its name quoted or not.
help_opened_from() { # windows folder
    recorded_in_any "args=\"$1\\Lumaro.html\"|cwd=$1|show=5" ||
        recorded_in_any "args=$1\\Lumaro.html|cwd=$1|show=5"
}
# The icon comes before the hotkeys are registered: press again until the
# launch is there (each press waited for with a deadline).
press_until_recorded() { # keys, text
    for _ in 1 2 3 4 5 6 7 8; do
        press "$1"
        wait_for 2 recorded "$2" && return 0
    done
    return 1
}
exit_is() { [ -f "$WORK/exit-$1" ] && [ "$(cat "$WORK/exit-$1")" = "$2" ]; }

scenario() { # label, unix folder holding the unpacked folder, its Windows name
    local label=$1 parent=$2 windows="$3\\$NAME" folder="$2/$NAME"
    new_prefix "$label"
    mkdir -p "$parent"
    unzip -q -o "$ZIP" -d "$parent"
    w reg import "$(winepath_of "$WORK/backup.reg")" >/dev/null 2>&1
    check "$label: reg import restores the backup" \
        eval 'w reg query "$KEY\\HotKey_0" /v Parameters 2>/dev/null | grep -q restored'
    add_default 'HKCR\.html' LumaroTestPage
    add_default 'HKCR\LumaroTestPage\shell\open\command' "\"$RECORDER\" \"%1\""
    [ -n "${PLANT:-}" ] && plant "$folder"
    rm -f "$LAUNCHES"
    run_from "$label" "$folder"
    check "$label: Lumaro.exe started from $windows shows its icon" wait_for 30 icons_are 1
    screenshot "release-$label-tray"
    check "$label: the restored Win+A launches" press_until_recorded super+a 'args=restored|'
    choose_from_menu down down return
    check "$label: Help (html) opens Lumaro.html from $windows" \
        wait_for 10 help_opened_from "$windows"
    [ -n "${PLANT:-}" ] && about_and_file_dialog "$label"
    choose_from_menu up return
    check "$label: Exit ends it with code 0" wait_for 15 exit_is "$label" 0
    stop_wine
}

# DLLs that Wine's loader takes from the exe's folder when something asks for
# them by name (compstui and shcore), and others that the shell and the
# common dialogs use.
PLANTS="compstui.dll shcore.dll winspool.drv comdlg32.dll shell32.dll uxtheme.dll version.dll propsys.dll"
plant() { local n; for n in $PLANTS; do cp "$BUILD/tests/planted.dll" "$1/$n"; done; }
no_plant_loaded() { [ ! -s "$WORK/plants.txt" ] || { log "  loaded: $(tr '\r\n' '  ' <"$WORK/plants.txt")"; return 1; }; }

ABOUT="バージョン情報"
label_text() { # client x y of the about box -> the label's text
    local origin
    origin=$(tool client-origin "$ABOUT")
    set -- ${origin:-0 0} "$1" "$2"
    tool text-at $(($1 + $3)) $(($2 + $4))
}
about_says() {
    [ "$(label_text 114 29)" = "$(ids LUMARO_PRODUCT_NAME)" ] &&
        [ "$(label_text 130 45)" = "Version $VERSION" ] &&
        [ "$(label_text 159 78)" = "$(ids LUMARO_DESCRIPTION)" ] &&
        [ "$(label_text 156 99)" = "$(ids LUMARO_RELEASE_DATE)" ]
}
about_and_file_dialog() { # label
    local label=$1 origin
    choose_from_menu down down down return
    wait_for 10 tool window-visible "$ABOUT"
    check "$label: the about box says what the version resource says" wait_for 5 about_says
    screenshot "release-about-box"
    tool close-window "$ABOUT" >/dev/null
    # The file-open dialog: the definition window's row A, its "..." button,
    # then the folder button of the parameters dialog.
    click_at "$(icon_x)" 758 1 2
    wait_for 10 def_visible
    origin=$(tool client-origin Lumaro $DEF_WIDTH)
    set -- ${origin:-0 0}
    click_at $(($1 + 8 + 256 + 10)) $(($2 + 4 + 14)) 1
    wait_for 10 eval '[ "$(tool count-visible Lumaro 453)" = 1 ]'
    origin=$(tool client-origin Lumaro 453)
    set -- ${origin:-0 0}
    click_at $(($1 + 16 + 396 + 10)) $(($2 + 25 + 26 + 6 + 10)) 1
    check "$label: the folder button opens the file-open dialog" wait_for 15 tool window-visible Open
    screenshot "release-file-dialog"
    tool close-window Open >/dev/null
    wait_for 10 not tool window-visible Open
    press Escape
    wait_for 10 eval '[ "$(tool count-visible Lumaro 453)" = 0 ]'
    tool close-window Lumaro >/dev/null
    check "$label: no DLL planted beside the exe was loaded (start, launch, help, about, file dialog)" \
        no_plant_loaded
}

# Where Wine starts the other build too (test.sh names it in OTHER_BUILD):
# definitions that its Lumaro.exe saves, this one loads. Without "Count" the
# other loads the backup's definition from its sub-key, and its OK writes
# "Count" anew.
saved_by_other_loads_here() {
    new_prefix cross
    w reg import "$(winepath_of "$WORK/backup.reg")" >/dev/null 2>&1
    w reg delete "$KEY" /v Count /f >/dev/null 2>&1
    rm -rf "$WORK/other" "$LAUNCHES"
    unpack_release "$OTHER_BUILD" "$WORK/other" || return 1
    run_from cross-other "$WORK/other"
    wait_for 30 icons_are 1 && click_at "$(icon_x)" 758 1 2 && wait_for 10 def_visible || return 1
    press_ok
    wait_for 10 not def_visible && choose_from_menu up return && wait_for 15 exit_is cross-other 0 || return 1
    w reg query "$KEY" /v Count 2>/dev/null | tr -d '\r' | grep -q '0x1$' || { log "  the other build saved no Count"; return 1; }
    run_from cross "$U"
    wait_for 30 icons_are 1 && press_until_recorded super+a 'args=restored|' &&
        choose_from_menu up return && wait_for 15 exit_is cross 0
}
[ -n "${OTHER_BUILD:-}" ] && check "definitions saved by $(basename "$(release_zip "$OTHER_BUILD")") load in this build" \
    saved_by_other_loads_here
stop_wine

scenario program-files "$WORK/prefix-program-files/drive_c/Program Files" 'C:\Program Files'
PLANT=1 scenario downloads "$WORK/$DOWNLOADS_NAME" "$(winepath_of "$WORK/$DOWNLOADS_NAME")"

# The plants are real: Wine's loader takes them from the exe's folder when a
# program asks for comdlg32 by name, unless the start-up call limits it.
D="$WORK/$DOWNLOADS_NAME/$NAME"
cp "$TOOLS/dll_probe.exe" "$D/"
probe() { # mode
    rm -f "$WORK/plants.txt"
    (cd "$D" && env "${WINE_ENV[@]}" LUMARO_PLANT_LOG="$(winepath_of "$WORK/plants.txt")" \
        timeout 60 wine dll_probe.exe "$1" 2>/dev/null | tr -d '\r')
}
out=$(probe by-name)
check "without the start-up call, opening the file dialog loads the planted compstui.dll" \
    eval 'grep -q "dialog=shown" <<<"$out" && grep -qi "compstui.dll" "$WORK/plants.txt"'
out=$(probe limited)
check "after it (SetDefaultDllDirectories found and taken), nothing planted is loaded" \
    eval 'grep -q "limited=1" <<<"$out" && grep -q "dialog=shown" <<<"$out" && no_plant_loaded'
out=$(probe forwarder)
check "and the program's own loading of comdlg32 takes nothing planted either" \
    eval 'grep -q "dialog=shown" <<<"$out" && no_plant_loaded'
stop_wine
report

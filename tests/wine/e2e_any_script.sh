#!/usr/bin/env bash
# File names, folders and parameters in any script: a definition written by
# another program through the wide registry functions, one typed into a row,
# one dropped on a row, and one chosen in the file-open dialog all launch
# with their text intact, mixing accented Latin, CJK, an emoji and a symbol.
. "$(dirname "$0")/lib.sh"
make_template
setup_app

MIXED='Ünïcødé 漢字 😀 ✓'
PLACE="$WORK/$MIXED"
FOLDER="$WORK/Dossier é 中文 🎉 €"
rm -rf "$PLACE" "$FOLDER"
mkdir -p "$PLACE" "$FOLDER"
cp "$TOOLS/launch_recorder.exe" "$PLACE/rec 🚀.exe"
COMMAND=$(winepath_of "$PLACE/rec 🚀.exe")
DIRECTORY=$(winepath_of "$FOLDER")
PARAMETERS='"ä 日本 😀 ✓" x'
LAUNCHES="$PLACE/launches.txt"

new_prefix any-script
start_display || { log "no display"; exit 1; }

# A .reg file as regedit writes one: UTF-16 with a BOM, CRLF lines.
reg_escape() { sed 's/\\/\\\\/g; s/"/\\"/g' <<<"$1"; }
{
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\QelApp\\Lumaro\\HotKeys]\r\n"Count"=dword:00000001\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\QelApp\\Lumaro\\HotKeys\\HotKey_0]\r\n"Key"="U"\r\n'
    printf '"Command"="%s"\r\n"Directory"="%s"\r\n' "$(reg_escape "$COMMAND")" "$(reg_escape "$DIRECTORY")"
    printf '"Parameters"="%s"\r\n"Extra"=dword:00000000\r\n"ShowCmd"=dword:00000005\r\n\r\n' \
        "$(reg_escape "$PARAMETERS")"
} | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$WORK/mixed.reg"
w regedit /S "$(winepath_of "$WORK/mixed.reg")" >/dev/null 2>&1

exported() { # the definitions as regedit sees them, in UTF-8
    registry_dump "$KEY" export.reg && iconv -f UTF-16 -t UTF-8 "$WORK/export.reg" | tr -d '\r'
}
# The exported item of letter $1 has the line $2.
exported_has() {
    exported | awk -v k="\"Key\"=\"$1\"" 'BEGIN {RS = ""} index($0, k)' | grep -qxF "$2"
}
launched() { [ -f "$LAUNCHES" ] && tr -d '\r' <"$LAUNCHES" | grep -qxF "$1"; }

TRACE_FILE="$WORK/keyboard-trace.txt" start_lumaro FIRST
wait_for 30 icons_are 1
# Wine ignores MOD_NOREPEAT (a held key still repeats), so what is shown is
# what the program asks for: every registration carries the flag.
registrations() { grep -o 'NtUserRegisterHotKey ([^)]*)' "$WORK/keyboard-trace.txt"; }
flagged_registrations() { # at least $1, and none without the flag
    [ "$(registrations | wc -l)" -ge "$1" ] && ! registrations | grep -qv ',0x0000400[89a-f],'
}
check "the 208 probes and the stored definition's registration carry MOD_NOREPEAT" \
    wait_for 10 flagged_registrations 209
check "a definition stored through the wide API launches with command, folder and parameters intact" \
    press_until super+u launched "args=$PARAMETERS|cwd=$DIRECTORY|show=5"

# Points in the parameters dialog, and the definition window shown.
at_params() {
    set -- $(tool client-origin Lumaro $PARAMS_WIDTH) "$1" "$2"
    echo $(($1 + $3)) $(($2 + $4))
}
show_definitions() {
    click_at "$(icon_x)" 758 1 2
    wait_for 10 def_visible
}
# OK, again if a click that followed a closing dialog was lost.
confirm() {
    local attempt
    for attempt in 1 2 3; do
        press_ok
        wait_for 5 not def_visible && return 0
    done
    return 1
}

# xdotool types an upper-case letter outside ASCII as lower case: the typed
# path has none.
TYPED_PLACE="$WORK/saisie é 漢字 😀 ✓"
rm -rf "$TYPED_PLACE" && mkdir -p "$TYPED_PLACE"
cp "$TOOLS/launch_recorder.exe" "$TYPED_PLACE/rec ✈.exe"
TYPED=$(winepath_of "$TYPED_PLACE/rec ✈.exe")
show_definitions
# xdotool types a character outside the keymap by remapping a key for it, and
# Wine can miss a remapping on a busy machine: type again until the row
# shows the whole path.
type_exactly() { # letter text
    local attempt
    for attempt in 1 2 3; do
        click_point $(edit_point "$1")
        xdotool key End shift+Home BackSpace
        xdotool type --delay 100 "$2"
        [ "$(tool text-at $(edit_point "$1"))" = "$2" ] && return 0
    done
    return 1
}
type_exactly T "$TYPED"
confirm
check "a path typed into a row is stored exactly as typed" \
    wait_for 10 exported_has T "\"Command\"=\"$(reg_escape "$TYPED")\""
LAUNCHES="$TYPED_PLACE/launches.txt"
check "and launches" press_until super+t launched "args=|cwd=$(winepath_of "$APP")|show=5"

# The file-open dialog behind the command's ellipsis button: the name typed
# into the real dialog comes back whole.
CHOSEN="$FOLDER/chosen ✓ 日本.txt"
printf 'x' >"$CHOSEN"
show_definitions
click_point $(button_point V)
wait_for 10 params_visible
click_point $(at_params 422 67)
check "the ellipsis opens the file-open dialog" wait_for 10 tool window-visible Open
screenshot open-dialog-any-script
press ctrl+a
xdotool type --delay 100 "$(winepath_of "$CHOSEN")"
xdotool key Return
wait_for 10 not tool window-visible Open
click_point $(at_params 181 355)
wait_for 10 not params_visible
confirm
check "the file-open dialog's answer is stored exactly" \
    wait_for 10 exported_has V "\"Command\"=\"$(reg_escape "$(winepath_of "$CHOSEN")")\""

# A file dropped from outside Wine, as from a Linux file manager: Wine hands
# the row's edit a WM_DROPFILES with the names in UTF-16. The drop goes to
# the definition window's own X window, so that its process gets it.
DROPPED="$FOLDER/déposé 拖放 📦 ✓.txt"
printf 'x' >"$DROPPED"
show_definitions
set -- $(edit_point W)
/usr/bin/python3 "$HERE/../tools/xdnd_drop.py" \
    "$(xdotool search --onlyvisible --name '^Lumaro$' | head -1)" "$1" "$2" "$DROPPED"
check "a file dropped on a row opens the parameters dialog" wait_for 10 params_visible
screenshot params-dialog-dropped
click_point $(at_params 181 355)
wait_for 10 not params_visible
confirm
check "and once confirmed it is stored exactly" \
    wait_for 10 exported_has W "\"Command\"=\"$(reg_escape "$(winepath_of "$DROPPED")")\""

check "and so do the registrations after each OK" flagged_registrations 212
choose_from_menu up return
check "Exit ends Lumaro with code 0" wait_for 15 exit_code_is FIRST 0
report

#!/usr/bin/env bash
# The definition window, the parameters dialog and the about box as a user
# works them: rows typed and cleared, pages switched, a pop-up key chosen in
# the dialog, a held combination, Cancel, About, and Exit with windows open.
. "$(dirname "$0")/lib.sh"
make_template
setup_app

new_prefix define
start_display || { log "no display"; exit 1; }

row_text() { tool text-at $(edit_point "$1"); }
row_text_is() { [ "$(row_text "$1")" = "$2" ]; }
# What a screen reader hears of a window of Lumaro's, read from another process.
heard_is() { # x y NAME|ROLE|PRESSED, or only NAME
    local heard
    heard=$(tool heard-at "$1" "$2" | tr -d '\r')
    [ "$heard" = "$3" ] || [ "${heard%%|*}" = "$3" ]
}
about_count_is() { [ "$(tool count-visible "バージョン情報")" = "$1" ]; }
press_cancel() { click_point $(at_def 485 428); }
panel() { # CTRL ALT SHIFT
    case $1 in CTRL) x=158 ;; ALT) x=216 ;; SHIFT) x=274 ;; esac
    click_point $(at_def $x 424)
}
type_into() { # letter text
    click_point $(edit_point "$1")
    xdotool key End shift+Home BackSpace
    [ -n "$2" ] && xdotool type --delay 20 "$2"
}
stored() { w reg query "$KEY" /s 2>/dev/null | tr -d '\r'; }
stored_has() { stored | grep -qF "$1"; }
# The stored item whose command is $1 has the flags Ctrl $2, Alt $3, Shift $4.
stored_flags_are() {
    local item
    item=$(stored | awk -v c="    Command    REG_SZ    $1" 'BEGIN {RS = ""} index($0, c)')
    grep -q "Ctrl    REG_DWORD    0x$2" <<<"$item" && grep -q "Alt    REG_DWORD    0x$3" <<<"$item" &&
        grep -q "Shift    REG_DWORD    0x$4" <<<"$item"
}

# Win+P is stored as the pop-up key on the page without modifiers, Win+B as a
# binding, Win+H is held by another program, and Win+A launches.
add "$KEY" Count REG_DWORD 4
add "$KEY\\HotKey_0" Key REG_SZ A
add "$KEY\\HotKey_0" Command REG_SZ "$RECORDER"
add "$KEY\\HotKey_1" Key REG_SZ O
add "$KEY\\HotKey_1" Extra REG_DWORD 1
add "$KEY\\HotKey_2" Key REG_SZ B
add "$KEY\\HotKey_2" Extra REG_DWORD 42
add "$KEY\\HotKey_3" Key REG_SZ H
add "$KEY\\HotKey_3" Command REG_SZ "$RECORDER"
add "$KEY\\HotKey_3" Parameters REG_SZ held
(w "$TOOLS/hotkey_holder.exe" "$(winepath_of "$WORK/held.txt")" LumaroDefineHold hotkey:8:72 >/dev/null 2>&1) &
PIDS+=($!)
wait_for 20 test -f "$WORK/held.txt"

start_lumaro FIRST
wait_for 30 icons_are 1
click_at "$(icon_x)" 758 1 2
check "a double click shows the definition window" wait_for 10 def_visible
set -- $(def_origin) 0 0
check "the window is centred on the screen" \
    test $((($1 + $1 + DEF_WIDTH) / 2 - 512)) -ge -4 -a $((($1 + $1 + DEF_WIDTH) / 2 - 512)) -le 4
check "its rows show a launch, a pop-up key and a binding" \
    test "$(row_text A)|$(row_text O)|$(row_text B)" = \
    "$(winepath_of "$TOOLS/launch_recorder.exe")| <<< Lumaroポップアップ >>>| <<< Windows標準HotKeyへのバインド >>>"
check "a held combination is a disabled row" not tool enabled-at $(edit_point H)
check "a free one is enabled" tool enabled-at $(edit_point D)
screenshot define-window

type_into D "$RECORDER"
press_ok
check "OK hides the window" wait_for 10 not def_visible
check "OK stores row D" wait_for 10 stored_has "$RECORDER"
check "the held combination's definition is kept" stored_has held
press super+d
check "Win+D then launches it" wait_for 10 lines_in "$LAUNCHES" 1

click_at "$(icon_x)" 758 1 2
wait_for 10 def_visible
type_into D ""
press_ok
wait_for 10 not def_visible
check "a cleared row is removed from the registry" \
    test "$(stored | grep -c 'HotKey_')" = 4
press super+d
press super+a
wait_for 10 lines_in "$LAUNCHES" 2
check "and Win+D no longer fires" test "$(launch_count)" = 2

click_at "$(icon_x)" 758 1 2
wait_for 10 def_visible
type_into E "kept text"
check "a screen reader hears row E by its combination" heard_is $(edit_point E) "[Windows] + E"
check "and the ALT toggle as a toggle button, not pressed" heard_is $(at_def 216 424) "ALT|43|0"
panel ALT
check "a page switch shows the other page" wait_for 5 row_text_is E ""
check "row E is renamed with the page" \
    heard_is $(edit_point E) "[Windows] + [ALT] + E"
check "and ALT is heard pressed" heard_is $(at_def 216 424) "ALT|43|1"
panel ALT
check "text typed into a row survives a page switch" wait_for 5 row_text_is E "kept text"
type_into E ""
panel CTRL
panel SHIFT
type_into K "ctrl shift"
screenshot define-ctrl-shift-page
press_cancel
check "Cancel hides the window" wait_for 10 not def_visible
check "Cancel stores nothing" not stored_has "ctrl shift"
click_at "$(icon_x)" 758 1 2
wait_for 10 def_visible
check "edits are there when the window is shown again" wait_for 5 row_text_is K "ctrl shift"
press_ok
wait_for 10 not def_visible
check "the next OK installs them under Win+Ctrl+Shift" wait_for 10 stored_flags_are "ctrl shift" 1 0 1

click_at "$(icon_x)" 758 1 2
wait_for 10 def_visible
panel CTRL
click_point $(button_point P)
check "the ellipsis button opens the parameters dialog" wait_for 10 params_visible
screenshot params-dialog
set -- $(tool client-origin Lumaro $PARAMS_WIDTH) 0 0
click_point $(($1 + 16)) $(($2 + 25 + 160))
click_point $(($1 + 181)) $(($2 + 25 + 330))
check "choosing the pop-up key and OK shows the banner" \
    wait_for 10 row_text_is P " <<< Lumaroポップアップ >>>"
check "the banner is read-only" tool readonly-at $(edit_point P)
check "a launch row stays writable" not tool readonly-at $(edit_point Q)
screenshot define-popup-row
press_ok
wait_for 10 not def_visible
press super+ctrl+p
check "Win+Ctrl+P brings the window back" wait_for 10 def_visible

choose_from_menu down down down return
check "About ... shows the about box" wait_for 10 about_count_is 1
screenshot about-box
choose_from_menu down down down return
sleep 0.3
check "a second About ... shows the same box" about_count_is 1
choose_from_menu up return
check "Exit with both windows open ends with code 0" wait_for 15 exit_code_is FIRST 0
check "and removes the icon" icons_are 0

start_lumaro SECOND
wait_for 30 icons_are 1
click_at "$(icon_x)" 758 1 2
wait_for 10 def_visible
click_point $(button_point C)
wait_for 10 params_visible
choose_from_menu up return
check "Exit while the parameters dialog is open ends with code 0" wait_for 15 exit_code_is SECOND 0
check "and removes the icon too" icons_are 0

report

#!/usr/bin/env bash
# Lumaro.exe as a user meets it: the tray icon, hotkeys that launch and
# post, combinations held elsewhere, the menu, the help page, a restarted
# taskbar, a second instance, "Exit" and a polite kill.
. "$(dirname "$0")/lib.sh"
make_template

setup_app
PROGMAN_LOG="$WORK/progman.txt"

new_prefix e2e
start_display || { log "no display"; exit 1; }

# Definitions: Win+A launches the recorder, Win+Ctrl+B is a shell binding
# (identifier 5), Win+H is held by another program when Lumaro starts.
add "$KEY" Count REG_DWORD 3
add "$KEY\\HotKey_0" Key REG_SZ A
add "$KEY\\HotKey_0" Command REG_SZ "$RECORDER"
add "$KEY\\HotKey_0" Directory REG_SZ 'C:\windows'
add "$KEY\\HotKey_0" Parameters REG_SZ '"a b" c'
add "$KEY\\HotKey_0" Extra REG_DWORD 0
add "$KEY\\HotKey_0" ShowCmd REG_DWORD 3
add "$KEY\\HotKey_1" Key REG_SZ B
add "$KEY\\HotKey_1" Ctrl REG_DWORD 1
add "$KEY\\HotKey_1" Extra REG_DWORD 42
add "$KEY\\HotKey_2" Key REG_SZ H
add "$KEY\\HotKey_2" Command REG_SZ "$RECORDER"
add "$KEY\\HotKey_2" Parameters REG_SZ held
# The help page opens with the recorder instead of a browser.
add_default 'HKCR\.html' LumaroTestPage
add_default 'HKCR\LumaroTestPage\shell\open\command' "\"$RECORDER\" \"%1\""
registry_dump "$KEY" before.reg

(w "$TOOLS/hotkey_holder.exe" "$(winepath_of "$WORK/held.txt")" LumaroTestHold hotkey:8:72 >/dev/null 2>&1) &
HOLDER=$!
PIDS+=($HOLDER)
(w "$TOOLS/progman_window.exe" "$(winepath_of "$PROGMAN_LOG")" >/dev/null 2>&1) &
PIDS+=($!)
wait_for 20 test -f "$WORK/held.txt"
wait_for 20 test -f "$PROGMAN_LOG.ready"

start_lumaro FIRST
check "the tray icon appears" wait_for 30 icons_are 1
screenshot tray-icon

check "Win+A launches with the stored parameters, folder and show command" \
    press_until super+a lines_in "$LAUNCHES" 1
check "the launch got exactly what was stored" \
    grep -qxF 'args="a b" c|cwd=C:\windows|show=3' <(tr -d '\r' <"$LAUNCHES")

press super+ctrl+b
check "Win+Ctrl+B posts WM_HOTKEY 5 to the ProgMan window" \
    wait_for 10 grep -qx 'hotkey wParam=5 lParam=0' "$PROGMAN_LOG"

press super+h
press super+a
wait_for 10 lines_in "$LAUNCHES" 2
check "a combination held by another program never fires" \
    test "$(grep -c 'held' "$LAUNCHES")" = 0

tool post-hotkey 0 65 >/dev/null
tool post-hotkey 8 65 >/dev/null
wait_for 10 lines_in "$LAUNCHES" 3
sleep 0.3
check "WM_HOTKEY without the Windows modifier does nothing" test "$(launch_count)" = 3

tool icon-delete >/dev/null
wait_for 5 icons_are 0
tool taskbar-created >/dev/null
check "TaskbarCreated brings the icon back" wait_for 10 icons_are 1

click_at "$(icon_x)" 758 3
check "a right press opens the menu" wait_for 10 menu_open
screenshot tray-menu
tool menu-keys down return >/dev/null
check "the menu's first item, Define ..., shows the definition window" \
    wait_for 10 def_visible
tool close-window Lumaro >/dev/null
wait_for 10 not def_visible

click_at "$(icon_x)" 758 3
wait_for 10 menu_open
tool menu-keys down down down return >/dev/null
check "the third item, About ..., shows the about box" wait_for 10 tool window-visible "バージョン情報"
tool close-window "バージョン情報" >/dev/null

click_at "$(icon_x)" 758 1 2
check "a double click on the icon shows the definition window" \
    wait_for 10 def_visible
tool close-window Lumaro >/dev/null
wait_for 10 not def_visible

click_at "$(icon_x)" 758 3
wait_for 10 menu_open
tool menu-keys down down return >/dev/null
check "Help (html) opens Lumaro.html from the current folder, shown normally" \
    wait_for 10 grep -q 'app\\Lumaro.html"*|cwd=.*app|show=5' "$LAUNCHES"

# A second instance finds the first one's combinations unusable, and they
# stay unusable for it after the first has gone. Win+H is free by then.
tool set-event LumaroTestHold >/dev/null
wait "$HOLDER" 2>/dev/null
start_lumaro SECOND
check "a second Lumaro adds its own icon" wait_for 30 icons_are 2
click_at 1014 758 3
wait_for 10 menu_open
tool menu-keys up return >/dev/null
check "Exit ends the first Lumaro with code 0" wait_for 15 exit_code_is FIRST 0
wait_for 10 icons_are 1
before=$(launch_count)
press super+a
press super+h
wait_for 10 grep -q held "$LAUNCHES"
check "the second Lumaro launches Win+H but never the first one's Win+A" \
    test "$(grep -c held "$LAUNCHES")-$(launch_count)" = "1-$((before + 1))"

click_at "$(icon_x)" 758 3
wait_for 10 menu_open
tool menu-keys up return >/dev/null
check "Exit ends the second Lumaro with code 0" wait_for 15 exit_code_is SECOND 0
check "Exit removes the icon" icons_are 0
check "every hotkey is free after Exit" w "$TOOLS/e2e_tool.exe" register-all
registry_dump "$KEY" after.reg
check "Exit leaves the registry as it was" cmp -s "$WORK/before.reg" "$WORK/after.reg"

# WM_CLOSE to the hidden application window, and taskkill without /F (which
# posts it to every top-level window, hidden ones too), end Lumaro as closing
# its main form does: no process is left without its icon.
start_lumaro THIRD
wait_for 30 icons_are 1
check "WM_CLOSE reaches the hidden application window" tool close-window Lumaro TkApplication
check "closing the application window ends Lumaro with code 0" wait_for 15 exit_code_is THIRD 0
check "closing the application window removes the icon" icons_are 0
start_lumaro FOURTH
wait_for 30 icons_are 1
click_at "$(icon_x)" 758 1 2
wait_for 10 def_visible
w taskkill /im Lumaro.exe >/dev/null 2>&1
check "taskkill without /F ends Lumaro with code 0" wait_for 15 exit_code_is FOURTH 0
check "taskkill without /F removes the icon" icons_are 0

report

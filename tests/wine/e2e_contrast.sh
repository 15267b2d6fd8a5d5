#!/usr/bin/env bash
# A dark high-contrast scheme, set as a user sets it (the colours in the
# registry before Lumaro starts): the "..." glyphs stay visible on their
# buttons, and a pressed page button looks unlike itself released.
. "$(dirname "$0")/lib.sh"
make_template
setup_app

new_prefix contrast
COLORS='HKCU\Control Panel\Colors'
add "$COLORS" ButtonFace REG_SZ "0 0 0"
add "$COLORS" ButtonText REG_SZ "255 255 255"
add "$COLORS" ButtonHilight REG_SZ "255 255 255"
add "$COLORS" ButtonLight REG_SZ "255 255 255"
add "$COLORS" ButtonShadow REG_SZ "128 128 128"
add "$COLORS" Window REG_SZ "0 0 0"
add "$COLORS" WindowText REG_SZ "255 255 255"
add "$COLORS" GrayText REG_SZ "0 255 0"
# The server reads the scheme when it starts.
stop_wine
start_display || { log "no display"; exit 1; }

# A W x H box of the screen centred on x y.
box() { # x y w h, convert's output options...
    local x=$1 y=$2 w=$3 h=$4
    shift 4
    import -window root "$WORK/screen.png" 2>/dev/null &&
        convert "$WORK/screen.png" -crop "${w}x${h}+$((x - w / 2))+$((y - h / 2))" +repage "$@"
}
# More than a twentieth of the box is light.
some_light() { # x y w h
    local share
    share=$(box "$@" -colorspace Gray -threshold 50% -format '%[fx:mean]' info:)
    log "  light share at $1,$2: $share"
    awk -v s="$share" 'BEGIN { exit !(s > 0.05) }'
}

# Win+H is held by another program: its row is disabled.
(w "$TOOLS/hotkey_holder.exe" "$(winepath_of "$WORK/held.txt")" LumaroContrastHold hotkey:8:72 \
    >/dev/null 2>&1) &
PIDS+=($!)
wait_for 20 test -f "$WORK/held.txt"
start_lumaro FIRST
wait_for 30 icons_are 1
click_at "$(icon_x)" 758 1 2
check "the definition window opens under the dark scheme" wait_for 10 def_visible
sleep 0.5 # let the window paint before its pixels are read
screenshot contrast-define-window
# The dots of "..." sit in the middle of its button; bevels lie outside.
check "the ellipsis glyph is visible on its dark button" some_light $(button_point A) 9 5
check "so is a disabled row's" some_light $(button_point H) 9 5
released=$(box $(at_def 158 424) 57 21 txt:-)
click_point $(at_def 158 424)
pressed_differs() { [ "$(box $(at_def 158 424) 57 21 txt:-)" != "$released" ]; }
check "the pressed CTRL page button looks unlike itself released" wait_for 5 pressed_differs
screenshot contrast-ctrl-page
report
[ "$SCRIPT_FAILED" -eq 0 ]

#!/usr/bin/env bash
# The hotkey parameters dialog as a person sees it: pictures of it on a
# launch and on a shell binding, kept among the artefacts to be looked at
# (Japanese captions in the Japanese font, not boxes).
. "$(dirname "$0")/lib.sh"
make_template

new_prefix params
start_display || { log "no display"; exit 1; }
trap 'stop_wine; stop_display' EXIT
mkdir -p "$ARTIFACTS"

# At least the dialog's client area, and more than a handful of colours.
pictures_dialog() {
    local size colours
    size=$(identify -format '%w %h' "$1" 2>/dev/null) || return 1
    colours=$(convert "$1" -format '%k' info: 2>/dev/null)
    set -- $size
    [ "$1" -ge 453 ] && [ "$2" -ge 375 ] && [ "${colours:-0}" -gt 8 ]
}

for kind in launch bind; do
    bmp="$WORK/params-$kind.bmp"
    png="$ARTIFACTS/params-dialog-$kind.png"
    rm -f "$bmp" "$png"
    w "$BUILD/tests/params_dialog.exe" "$kind" "$(winepath_of "$bmp")" >/dev/null 2>&1
    check "the dialog on a $kind is pictured, then cancelled" test $? -eq 1 -a -s "$bmp"
    convert "$bmp" "$png" 2>/dev/null
    check "the picture of the $kind dialog shows the dialog" pictures_dialog "$png"
done

report

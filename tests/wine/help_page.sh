#!/usr/bin/env bash
# The help page as a reader gets it: valid HTML (Debian's tidy), nothing it
# needs from outside (no script, no other file), every caption of the menu,
# the dialogs and the shell choices in both the Japanese and the English
# part, and a picture of it in headless Chromium kept with the other ones.
. "$(dirname "$0")/lib.sh"
PAGE="$ROOT/res/Lumaro.html"
mkdir -p "$ARTIFACTS"

check "tidy finds no error and no warning" tidy -q -e "$PAGE"
check "the page has no script" not grep -qiE '<script|javascript:| on[a-z]+=' "$PAGE"
# Links go only to places in the page itself; nothing is loaded from elsewhere.
check "no external file or address" \
    not grep -qiE '(src|href)="[^#]|url\(|@import|<(img|link|iframe|object|embed)' "$PAGE"
check "the packed page is the page" cmp -s "$PAGE" "$BUILD/bin/Lumaro.html"

# The two parts, split at the English section.
sed -n '/<section id="ja">/,/<\/section>/p' "$PAGE" >"$WORK/ja.html"
sed -n '/<section id="en" lang="en">/,/<\/section>/p' "$PAGE" >"$WORK/en.html"
# Captions as the program's sources give them (the UTF-8 string literals).
captions() { # file, pattern of the lines
    grep -E "$2" "$ROOT/$1" | grep -oE '"[^"]+"' | tr -d '"' | sed 's/^ *//; s/ *$//'
}
{
    captions src/ui/TLmrTrayForm.cpp 'MainPopupMenu.add\("[A-Za-z]+MenuItem"' | grep -vx 'DefineMenuItem\|HelpMenuItem\|AboutMenuItem\|ExitMenuItem\|-'
    sed -n '/BindRadioGroup.setItems/,/});/p' "$ROOT/src/ui/TLmrDefParamsForm.cpp" | grep -oE '"[^"]+"' | tr -d '"'
    captions src/ui/TLmrDefParamsForm.cpp 'ExtraRadioButton[123].setCaption|WindowSizeRadioGroup.setItems'
    captions src/ui/TLmrDefRow.cpp 'kPopupBanner =|kBindBanner =|kUnknownBanner ='
    echo 'HKEY_CURRENT_USER\Software\QelApp\Lumaro\HotKeys'
    printf '%s\n' 'reg export' 'reg import' 'shell:startup' MOD_NOREPEAT UTF-8 CTRL ALT SHIFT OK Cancel
} | sed 's/</\&lt;/g; s/>/\&gt;/g' | sort -u >"$WORK/captions.txt"
missing() { # part
    local caption gone=0
    while IFS= read -r caption; do
        grep -qF -- "$caption" "$WORK/$1.html" || { log "  $1 lacks: $caption"; gone=1; }
    done <"$WORK/captions.txt"
    return $gone
}
check "the Japanese part names every menu item, kind, shell choice and banner ($(grep -c . "$WORK/captions.txt"))" \
    missing ja
check "the English part names them all too" missing en
keyboard_section() {
    local part
    for part in ja en; do
        grep -q "id=\"$part-keyboard\"" "$WORK/$part.html" &&
            grep -qF 'Shift</kbd>+<kbd>F10' "$WORK/$part.html" &&
            grep -qF '<kbd>Space</kbd>' "$WORK/$part.html" || return 1
    done
}
check "both have a keyboard section: Space for the pages, the tray from the keyboard" keyboard_section
check "both say that what the shell does depends on the Windows version" \
    eval 'grep -q "Windows のバージョンによって異なります" "$WORK/ja.html" &&
        grep -q "depends on the version of Windows" "$WORK/en.html"'

# Pictures: the top of the page (Japanese) and the English part.
shot() { # name, url
    /usr/bin/python3 "$HERE/browser_shot.py" "$2" "$ARTIFACTS/$1.png" "$WORK/profile-$1" \
        --size 1000,1600 --deadline 60 >/dev/null
}
colours_in() { [ "$(convert "$1" -format '%k' info: 2>/dev/null)" -gt 16 ]; }
check "headless Chromium renders the page" shot help-page "file://$PAGE"
check "its picture holds text, not a blank page" colours_in "$ARTIFACTS/help-page.png"
check "and renders its English part" shot help-page-english "file://$PAGE#en"
check "whose picture holds text too" colours_in "$ARTIFACTS/help-page-english.png"
rm -rf "$WORK"/profile-*
report

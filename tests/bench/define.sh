#!/usr/bin/env bash
# The definition window's first show, a show again, a page switch of 26
# filled rows and a move to a monitor of 144 DPI and back (each control
# placed again and given the font for that DPI) against the same window
# written by hand (bench_handmade with "define": the same start-up, then the
# same calls per row), in one run under Wine. The two run in turn; each
# figure is the median of the pairs' ratios. Prints figures and ratios; never
# fails on a time.
. "$(dirname "$0")/../wine/lib.sh"
make_template
new_prefix bench-define
start_display || exit 1
trap 'stop_wine; stop_display' EXIT
PAIRS=${PAIRS:-9}

# "first again page dpi" from a program's line of figures.
figures() {
    tr -d '\r' | sed -n 's/.*first show \([0-9.]*\) ms, shown again \([0-9.]*\) ms, page switch with 26 filled rows \([0-9.]*\) ms.*DPI change \([0-9.]*\) ms.*/\1 \2 \3 \4/p'
}

w wineboot >/dev/null 2>&1 # a warm server for both
rm -f "$WORK"/lumaro.txt "$WORK"/handmade.txt
for pair in $(seq "$PAIRS"); do
    lumaro=$(w "$BUILD/tests/bench_define.exe" 2>/dev/null | figures)
    handmade=$(w "$BUILD/tests/bench_handmade.exe" define 2>/dev/null | figures)
    [ -n "$lumaro" ] && [ -n "$handmade" ] || continue
    echo "$lumaro" >>"$WORK/lumaro.txt"
    echo "$handmade" >>"$WORK/handmade.txt"
done

echo "definition window against the same window written by hand, $(wc -l <"$WORK/lumaro.txt") interleaved pairs (medians; ratio = median of pair ratios):"
echo "  first show, ms:                      $(pair_summary "$WORK" 1)"
echo "  shown again, ms:                     $(pair_summary "$WORK" 2)"
echo "  page switch, 26 filled rows, ms:     $(pair_summary "$WORK" 3)"
echo "  DPI change (to 144 and back), ms:    $(pair_summary "$WORK" 4)"

#!/bin/sh
# Starts velkarin.exe under wine on a generated file, lets it render row 0 and
# save a picture of its window, then checks the picture: the window's size,
# the list's black background with yellow rows, the panel's green background
# with text on it.
#   smoke_test.sh VELKARIN_EXE SAMPLE_FILE_EXE WORK_DIR
# Needs wine, a display (DISPLAY, e.g. from xvfb-run) and ImageMagick; exits
# 77 (skipped) when one is missing. WINEPREFIX is used as it is given.
set -eu
exe=$1
sampler=$2
work=$3

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }
command -v wine >/dev/null 2>&1 || skip "wine is not installed"
command -v convert >/dev/null 2>&1 || skip "ImageMagick is not installed"
[ -n "${DISPLAY:-}" ] || skip "no display (run under xvfb-run)"

rm -rf "$work"
mkdir -p "$work"
cd "$work"
wine "$sampler" sample.data || fail "the sample file could not be written"

status=0
wine "$exe" --screenshot shot.bmp sample.data || status=$?
[ "$status" -eq 0 ] || fail "velkarin.exe exited with status $status"
[ -s shot.bmp ] || fail "no screenshot was saved"
convert shot.bmp shot.png

size=$(identify -format '%wx%h' shot.bmp)
[ "$size" = "640x480" ] || fail "the window picture is $size, not 640x480"

# share COLOUR X Y W H: the share (0..1) of the region's pixels in COLOUR (#RRGGBB).
share() {
  convert shot.bmp -crop "$4x$5+$2+$3" +repage -depth 8 -format %c histogram:info:- |
    awk -v colour="$1" '{ n = $1 + 0; total += n; if (index($0, colour " ")) hit += n }
                        END { printf "%.4f\n", total ? hit / total : 0 }'
}
# at_least VALUE MINIMUM
at_least() { awk -v v="$1" -v m="$2" 'BEGIN { exit !(v >= m) }'; }

# The list: rows below the first (which is selected), left of its scroll bar.
list_black=$(share '#000000' 20 120 170 280)
list_yellow=$(share '#FFFF00' 20 120 170 280)
# The equipment panel, inside its border.
panel_green=$(share '#008000' 240 100 360 280)
panel_white=$(share '#FFFFFF' 240 100 360 280)
echo "list: black $list_black, yellow $list_yellow; panel: green $panel_green, white $panel_white"
# Small anti-aliased text: only its cores have the exact colour.
at_least "$list_black" 0.4 || fail "the list is not black"
at_least "$list_yellow" 0.003 || fail "the list shows no yellow rows"
at_least "$panel_green" 0.5 || fail "the panel is not green (0, 128, 0)"
at_least 0.98 "$panel_green" || fail "the panel shows no text of row 0"
at_least "$panel_white" 0.0002 || fail "the panel shows no white line"
echo "PASSED: $work/shot.png"

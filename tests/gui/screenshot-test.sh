#!/usr/bin/env bash
# tests/gui/screenshot-test.sh: runs scripts/screenshot (Beamset used from end to end with the real pointer) on a
# private Xvfb, at 96 DPI and again at 120, then checks its pictures: both page shots are the 500 x 338 window with
# known pixels of the background, page, tab and button bitmaps where they should land, the same at 120 DPI but for
# the radio buttons' circles, and the prompt is its own window, as large as the system's DPI makes it.
# Usage: screenshot-test.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
res="$root/beamset/res"
shots=$(mktemp -d /tmp/beamset-shots.XXXXXX)
trap 'rm -rf "$shots"' EXIT

unset DISPLAY  # its own display, so the pixels are ours alone
timeout 150 "$root/scripts/screenshot" "$shots"
timeout 150 "$root/scripts/screenshot" "$shots/120" 120

failures=0
pixel() { convert "$1" -format "%[hex:u.p{$2,$3}]" info: | cut -c1-6; }

# Each DPI's shots, and the width of a dialog unit in pixels there: the prompt is 304 units wide, with a frame of
# its own.
while read -r dir unit; do
  for shot in beamset beamset-output; do
    size=$(identify -format '%wx%h' "$dir/$shot.png")
    [ "$size" = "500x338" ] || { echo "FAIL $dir/$shot.png is $size, want 500x338"; failures=$((failures + 1)); }
  done
  width=$(identify -format '%w' "$dir/beamset-restart.png") least=$((304 * unit / 4))
  [ "$width" -ge "$least" ] && [ "$width" -lt $((least + 44)) ] ||
    { echo "FAIL the prompt in $dir is $width wide, want $least and a frame"; failures=$((failures + 1)); }
done <<ROWS
$shots 6
$shots/120 8
ROWS

# At 120 DPI each page is the 96-DPI picture, pointer and description included, but for its radio buttons, whose
# circles the system draws to its DPI, the label after them: outside their rectangles every pixel is the same.
radios=(-draw 'rectangle 44,144 136,159' -draw 'rectangle 44,170 136,185')
for shot in beamset beamset-output; do
  convert "$shots/$shot.png" -fill black "${radios[@]}" "$shots/masked-96.png"
  convert "$shots/120/$shot.png" -fill black "${radios[@]}" "$shots/masked-120.png"
  differ=$(compare -metric AE "$shots/masked-96.png" "$shots/masked-120.png" null: 2>&1 || true)
  [ "$differ" = 0 ] || { echo "FAIL $shot.png at 120 DPI: $differ pixels differ from 96 DPI"; failures=$((failures + 1)); }
done

# Where each bitmap's top-left corner lands in the window: the page at the page's place, the OK face inside its
# button, each tab's two pictures on the tab.
declare -A origin=([background.bmp]="0 0" [page.bmp]="6 89" [ok_up.bmp]="210 305" [close.bmp]="482 0"
  [input_on.bmp]="9 64" [input_off.bmp]="9 64" [output_on.bmp]="87 64" [output_off.bmp]="87 64")

# The pixel of the bitmap at (x, y) is the shot's at the bitmap's origin plus (x, y): each tab shows the picture of
# the page shown, and inside the rectangles of the texts the page's bitmap shows beside them: no control fills a
# background.
while read -r shot file x y what; do
  read -r ox oy <<<"${origin[$file]}"
  got=$(pixel "$shots/$shot.png" $((ox + x)) $((oy + y)))
  want=$(pixel "$res/$file" "$x" "$y")
  if [ "$got" != "$want" ]; then
    echo "FAIL $shot.png, $what: pixel ($((ox + x)),$((oy + y))) is $got, want $want from $file ($x,$y)"
    failures=$((failures + 1))
  fi
done <<'TABLE'
beamset background.bmp 1 1 the top left corner
beamset background.bmp 0 200 the left edge
beamset background.bmp 60 30 above the tabs
beamset background.bmp 300 40 right of the tabs
beamset background.bmp 250 335 the bottom edge
beamset background.bmp 5 200 left of the page
beamset background.bmp 494 200 right of the page
beamset background.bmp 150 300 left of the buttons
beamset page.bmp 400 150 the page right of the descriptions
beamset page.bmp 487 100 the page's right edge
beamset page.bmp 10 195 the page's bottom left corner
beamset page.bmp 100 0 the page's top edge
beamset page.bmp 124 57 inside a radio button
beamset page.bmp 324 29 inside the heading
beamset page.bmp 394 141 inside the shown description
beamset ok_up.bmp 30 5 the OK button
beamset close.bmp 8 9 the close glyph
beamset input_on.bmp 8 8 the input tab, its page shown
beamset output_off.bmp 8 8 the output tab, its page hidden
beamset-output page.bmp 400 150 the output page
beamset-output input_off.bmp 8 8 the input tab, its page hidden
beamset-output output_on.bmp 8 8 the output tab, its page shown
TABLE

[ "$failures" -eq 0 ] && echo "screenshot pixels: ok"
exit "$failures"

#!/usr/bin/env bash
# tests/gui/screenshot-test.sh: runs scripts/screenshot (Beamset used from end to end with the real pointer) on a
# private Xvfb, then checks its pictures: both page shots are the 500 x 338 window with known pixels of the
# background, page, tab and button bitmaps where they should land, and the prompt is its own window.
# Usage: screenshot-test.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
res="$root/beamset/res"
shots=$(mktemp -d /tmp/beamset-shots.XXXXXX)
trap 'rm -rf "$shots"' EXIT

unset DISPLAY  # its own display, so the pixels are ours alone
timeout 150 "$root/scripts/screenshot" "$shots"

failures=0
pixel() { convert "$1" -format "%[hex:u.p{$2,$3}]" info: | cut -c1-6; }

for shot in beamset beamset-output; do
  size=$(identify -format '%wx%h' "$shots/$shot.png")
  [ "$size" = "500x338" ] || { echo "FAIL $shot.png is $size, want 500x338"; failures=$((failures + 1)); }
done
# The prompt: 304 dialog units wide, with a frame of its own.
width=$(identify -format '%w' "$shots/beamset-restart.png")
[ "$width" -ge 456 ] && [ "$width" -lt 500 ] || { echo "FAIL the prompt is $width wide"; failures=$((failures + 1)); }

# shot x y = bitmap file, bitmap x y: background at (0,0), the page bitmap at the page's (6,89), the OK face
# inside its button, each tab showing the picture of the page shown, and the page bitmap inside the rectangles
# of a radio button, the heading and the shown description, beside their text: no control fills a background.
while read -r shot x y file bx by; do
  got=$(pixel "$shots/$shot.png" "$x" "$y")
  want=$(pixel "$res/$file" "$bx" "$by")
  if [ "$got" != "$want" ]; then
    echo "FAIL $shot.png pixel ($x,$y) is $got, want $want from $file ($bx,$by)"
    failures=$((failures + 1))
  fi
done <<'TABLE'
beamset 1 1 background.bmp 1 1
beamset 0 200 background.bmp 0 200
beamset 60 30 background.bmp 60 30
beamset 300 40 background.bmp 300 40
beamset 250 335 background.bmp 250 335
beamset 5 200 background.bmp 5 200
beamset 494 200 background.bmp 494 200
beamset 150 300 background.bmp 150 300
beamset 406 239 page.bmp 400 150
beamset 493 189 page.bmp 487 100
beamset 16 284 page.bmp 10 195
beamset 106 89 page.bmp 100 0
beamset 240 310 ok_up.bmp 30 5
beamset 490 9 close.bmp 8 9
beamset 17 72 input_on.bmp 8 8
beamset 130 146 page.bmp 124 57
beamset 330 118 page.bmp 324 29
beamset 400 230 page.bmp 394 141
beamset 95 72 output_off.bmp 8 8
beamset-output 406 239 page.bmp 400 150
beamset-output 17 72 input_off.bmp 8 8
beamset-output 95 72 output_on.bmp 8 8
TABLE

[ "$failures" -eq 0 ] && echo "screenshot pixels: ok"
exit "$failures"

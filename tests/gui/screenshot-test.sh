#!/usr/bin/env bash
# tests/gui/screenshot-test.sh: shoots Beamset.exe with scripts/screenshot on a private Xvfb and checks that the
# window is 500 x 338 and that known pixels of the background, page and button bitmaps land where they should.
# Usage: screenshot-test.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
res="$root/beamset/res"
shot=$(mktemp /tmp/beamset-shot.XXXXXX.png)
trap 'rm -f "$shot"' EXIT

unset DISPLAY  # its own display, so the pixels are ours alone
timeout 120 "$root/scripts/screenshot" "$shot"

failures=0
pixel() { convert "$1" -format "%[hex:u.p{$2,$3}]" info: | cut -c1-6; }

size=$(identify -format '%wx%h' "$shot")
[ "$size" = "500x338" ] || { echo "FAIL window is $size, want 500x338"; failures=$((failures + 1)); }

# window x y = bitmap file, bitmap x y: background at (0,0), the page bitmap at the page's (6,89),
# the OK face inside its button.
while read -r x y file bx by; do
  got=$(pixel "$shot" "$x" "$y")
  want=$(pixel "$res/$file" "$bx" "$by")
  if [ "$got" != "$want" ]; then
    echo "FAIL pixel ($x,$y) is $got, want $want from $file ($bx,$by)"
    failures=$((failures + 1))
  fi
done <<'TABLE'
1 1 background.bmp 1 1
0 200 background.bmp 0 200
60 30 background.bmp 60 30
300 40 background.bmp 300 40
250 335 background.bmp 250 335
5 200 background.bmp 5 200
494 200 background.bmp 494 200
150 300 background.bmp 150 300
406 239 page.bmp 400 150
493 189 page.bmp 487 100
16 284 page.bmp 10 195
106 89 page.bmp 100 0
240 310 ok_up.bmp 30 5
490 9 close.bmp 8 9
TABLE

[ "$failures" -eq 0 ] && echo "screenshot pixels: ok"
exit "$failures"

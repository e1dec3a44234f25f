#!/usr/bin/env bash
# tests/gui/run-gui-tests.sh: runs the GUI test program under Wine on a private Xvfb, once per Windows family
# (NT, Windows 98, and Win32s for a platform that switches nothing), beside the simulated card's winmm.dll; then
# the NT family's tests again at 120 and 144 DPI and with "MS Sans Serif" substituted by another font.
# Usage: run-gui-tests.sh [NAME_FILTER]
set -euo pipefail

. "$(dirname "$0")/../lib/wineprefix.sh"
wine_arch_select
wine_arch_need tests/gui/win32/beamset_gui_tests.exe cardsim/winmm.dll
wine_prefix_start --display
# The program with the card's winmm.dll beside it.
dir="$WINEPREFIX/drive_c/gui"
mkdir -p "$dir"
cp "$BEAMSET_WINE_BUILD/tests/gui/win32/beamset_gui_tests.exe" "$BEAMSET_WINE_BUILD/cardsim/winmm.dll" "$dir/"
export WINEDLLOVERRIDES=winmm=n
cd "$dir"

# Each row: the Windows version the program sees, the screen's DPI, the dialog font (the packaged bitmap MS Sans
# Serif, or a substitute), and the dialog units 8-point MS Sans Serif gets there, which the program must report:
# a setting that did not take fails its row rather than passing it at 96 DPI. The substitution stays: it comes last.
failed=0 shown_dpi=96
while read -r version dpi font units; do
  echo "# $version at $dpi DPI, $font MS Sans Serif"
  [ "$dpi" = "$shown_dpi" ] || { wine_prefix_dpi "$dpi"; shown_dpi=$dpi; }
  [ "$font" = bitmap ] || wine_prefix_substitute_dialog_font
  wine_app_version beamset_gui_tests.exe "$version"
  out=$(timeout 150 wine beamset_gui_tests.exe ${1:+"$1"} | tr -d '\r') || failed=1
  echo "$out"
  if [ -z "${1:-}" ] && [ "$version" = win7 ] && ! grep -qxF "# $dpi DPI, dialog units $units" <<<"$out"; then
    echo "not ok: expected $dpi DPI and dialog units of $units"
    failed=1
  fi
done <<'ROWS'
win7 96 bitmap 6x13
win98 96 bitmap 6x13
win31 96 bitmap 6x13
win7 120 bitmap 8x15
win7 144 bitmap 9x17
win7 96 substituted 6x12
ROWS
exit "$failed"

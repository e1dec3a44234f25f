#!/usr/bin/env bash
# tests/gui/run-gui-tests.sh: runs the GUI test program under Wine on a private Xvfb, once per Windows family
# (NT, Windows 98, and Win32s for a platform that switches nothing), beside the simulated card's winmm.dll.
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

failed=0
for version in win7 win98 win31; do
  echo "# $version"
  wine_app_version beamset_gui_tests.exe "$version"
  timeout 150 wine beamset_gui_tests.exe ${1:+"$1"} || failed=1
done
exit "$failed"

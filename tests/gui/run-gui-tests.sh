#!/usr/bin/env bash
# tests/gui/run-gui-tests.sh: runs the GUI test program under Wine on a private Xvfb.
# Usage: run-gui-tests.sh [NAME_FILTER]
set -euo pipefail

. "$(dirname "$0")/../lib/wineprefix.sh"
wine_arch_select
wine_arch_need tests/gui/win32/beamset_gui_tests.exe
exe="$BEAMSET_WINE_BUILD/tests/gui/win32/beamset_gui_tests.exe"
wine_prefix_start --display
cd "$(dirname "$exe")"
timeout 150 wine "$(basename "$exe")" ${1:+"$1"}

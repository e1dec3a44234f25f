#!/usr/bin/env bash
# tests/gui/run-gui-tests.sh: runs the GUI test program under Wine on a private Xvfb.
# Usage: run-gui-tests.sh BUILD_DIR [NAME_FILTER]
set -euo pipefail
build=$1
exe="$build/tests/gui/win32/beamset_gui_tests.exe"
[ -f "$exe" ] || { echo "not built: $exe (build the win32 preset first)" >&2; exit 1; }

. "$(dirname "$0")/../lib/wineprefix.sh"
wine_prefix_start --display
cd "$(dirname "$exe")"
timeout 150 wine "$(basename "$exe")" ${2:+"$2"}

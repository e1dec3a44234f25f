#!/usr/bin/env bash
# tests/gui/keyboard-test.sh: Beamset driven by the keyboard alone, xdotool typing into the focused window, on the
# NT family over custom on-values: Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown and Ctrl+PageUp switch the page shown;
# Tab to OK and Enter close it having written nothing, both tabs seen; Alt+Space opens the window menu, whose last
# item is the About box, as the README tells; Escape closes it without writing.
# Usage: keyboard-test.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

. "$here/../lib/wineprefix.sh"
. "$here/../lib/beamsetui.sh"
ui_session

input='Optical-Input Configuration' output='Optical-Output Configuration'
seed=(set:drv:SPDIFEnableInput:bin:05000000 set:drv:SPDIFOutputSource:bin:03010000
  set:patch:OLD_SDPIF_VALUE_IN:bin:07000000)
want=(drv:SPDIFEnableInput=bin:4:05000000 drv:SPDIFOutputSource=bin:4:03010000
  patch:OLD_SDPIF_VALUE_IN=bin:4:07000000)

# The heading of the page shown, once it is WANT (the page switch paints after the key).
expect_page() {
  local got=""
  for _ in $(seq 1 30); do
    got=$(ui_probe "text:Corvane Beamset:1005" 2>/dev/null | tr -d '\r' || true)
    [ "$got" = "$2" ] && return 0
    sleep 0.1
  done
  fail "after $1 the page shown is \"$got\", not \"$2\""
}

# start: Beamset as Windows XP over the seeded values, with the keyboard focus in it.
start() {
  ui_probe reset "${seed[@]}" >/dev/null
  ui_start winxp || { fail "Beamset did not start"; return 1; }
  local wid
  wid=$(ui_window 'Corvane Beamset')
  xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || xdotool windowfocus --sync "$wid"
  expect_page start "$input"
}

# Nothing written: the values as seeded.
expect_unchanged() {
  local dump v
  dump=$(ui_probe dump | tr -d '\r')
  for v in "${want[@]}"; do grep -qxF "$v" <<<"$dump" || fail "$1: expected $v"; done
}

if start; then
  while read -r keys page <&3; do
    xdotool key "$keys"
    expect_page "$keys" "${!page}"
  done 3<<'KEYS'
ctrl+Tab output
ctrl+shift+Tab input
ctrl+Next output
ctrl+Prior input
ctrl+Tab output
KEYS
  # The focus is still on the first tab button: Tab, Tab reaches OK, Enter presses it.
  xdotool key Tab Tab Return
  ui_wait_exit 10 || { fail "Enter on OK did not close Beamset"; ui_stop; }
  expect_unchanged "OK over custom on-values"
fi

if start; then
  xdotool key alt+space Up Return
  ui_window 'About Beamset' >/dev/null || fail "Alt+Space, Up, Enter opened no About box"
  xdotool key Escape
  xdotool key ctrl+Tab Escape
  ui_wait_exit 10 || { fail "Escape did not close Beamset"; ui_stop; }
  expect_unchanged "Escape"
fi

[ "$failures" -eq 0 ] && echo "keyboard: ok"
exit "$failures"

# tests/lib/beamsetui.sh: Beamset.exe under Wine, driven with the real X pointer as a user would drive it.
# Source after wineprefix.sh, wine_arch_select and wine_prefix_start --display, then ui_install.
# Without a window manager Wine windows sit at their Win32 screen coordinates, so the e2e probe's
# "at:TITLE:ID" tells where a control is and xdotool moves the pointer there.

ui_dir="" ui_app_pid=""

# ui_install: the chosen build's Beamset.exe and e2e probe in the prefix, beside the simulated card's winmm.dll.
ui_install() {
  local files=(beamset/Beamset.exe tests/e2e/win32/e2eprobe.exe cardsim/winmm.dll) f
  wine_arch_need "${files[@]}" || return 2
  ui_dir="$WINEPREFIX/drive_c/Program Files/Beamset"
  mkdir -p "$ui_dir"
  for f in "${files[@]}"; do cp "$BEAMSET_WINE_BUILD/$f" "$ui_dir/"; done
  export WINEDLLOVERRIDES=winmm=n
}

ui_probe() { timeout 60 wine "$ui_dir/e2eprobe.exe" "$@"; }

# ui_session: a test's own prefix and display with Beamset installed, all of it stopped on exit; `fail MESSAGE`
# reports a failure and counts it in $failures.
ui_session() {
  wine_arch_select || exit 2
  wine_prefix_start --display || exit 2
  trap 'ui_stop; wine_prefix_cleanup' EXIT
  ui_install || exit 2
  failures=0
}
fail() {
  echo "FAIL $*"
  failures=$((failures + 1))
}

# ui_start [VERSION]: starts Beamset.exe (as Windows VERSION when given) and waits for its main window.
ui_start() {
  [ -z "${1:-}" ] || wine_app_version Beamset.exe "$1"
  (cd "$ui_dir" && exec wine Beamset.exe) >/dev/null 2>&1 &
  ui_app_pid=$!
  ui_window 'Corvane Beamset' >/dev/null
}

# ui_window NAME: prints the X window id of the Wine window titled NAME once it exists; fails after 15 s.
ui_window() {
  local wid
  for _ in $(seq 1 150); do
    wid=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1 || true)
    [ -n "$wid" ] && { echo "$wid"; return 0; }
    sleep 0.1
  done
  echo "the window \"$1\" did not appear" >&2
  return 1
}

# ui_point TITLE ID [DX]: moves the pointer onto control ID of window TITLE, or DX pixels left of its
# left edge, at mid height (over the page beside a radio button, where its description shows).
ui_point() {
  local place x y
  place=($(ui_probe "at:$1:$2")) || { echo "no control $2 in \"$1\"" >&2; return 1; }
  x=${place[0]} y=${place[1]}
  [ -z "${3:-}" ] || x=$((place[2] - $3))
  xdotool mousemove --sync "$x" "$y"
}

# ui_click TITLE ID: a left click on the control.
ui_click() { ui_point "$1" "$2" && xdotool click 1; }

# ui_shot WID OUT.png: the window once two shots in a row agree (painting ends shortly after a change).
ui_shot() {
  local prev="" sum tmp
  tmp=$(mktemp /tmp/beamset-ui.XXXXXX.png)
  for _ in $(seq 1 40); do
    sleep 0.15
    import -window "$1" "$tmp" 2>/dev/null || continue
    sum=$(convert "$tmp" rgb:- | md5sum | cut -d' ' -f1)
    if [ "$sum" = "$prev" ]; then
      mv "$tmp" "$2"
      chmod 644 "$2"
      return 0
    fi
    prev=$sum
  done
  rm -f "$tmp"
  echo "the window never settled for $2" >&2
  return 1
}

# ui_wait_exit [SECONDS]: true once Beamset has ended.
ui_wait_exit() {
  for _ in $(seq 1 $((${1:-10} * 10))); do
    kill -0 "$ui_app_pid" 2>/dev/null || { wait "$ui_app_pid" 2>/dev/null || true; ui_app_pid=""; return 0; }
    sleep 0.1
  done
  return 1
}

# ui_stop: ends a Beamset still running (by its PID), e.g. after a failed step.
ui_stop() {
  if [ -n "$ui_app_pid" ] && kill -0 "$ui_app_pid" 2>/dev/null; then kill "$ui_app_pid" 2>/dev/null || true; fi
  ui_app_pid=""
}

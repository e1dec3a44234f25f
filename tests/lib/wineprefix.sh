# tests/lib/wineprefix.sh: a throwaway Wine prefix (and, on request, an X display) for one test run.
# Source it, call wine_prefix_start [--display]; everything it started is stopped on exit, by PID.
# Which Windows build runs, and under which Wine, is winearch.sh's choice.

# shellcheck source=winearch.sh
source "$(dirname "${BASH_SOURCE[0]}")/winearch.sh"

export WINEDEBUG=-all

_wp_xvfb_pid=""
_wp_started_server=""

wine_prefix_cleanup() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    case "$WINEPREFIX" in /tmp/*) rm -rf "$WINEPREFIX" ;; esac
  fi
  if [ -n "$_wp_xvfb_pid" ]; then kill "$_wp_xvfb_pid" 2>/dev/null || true; wait "$_wp_xvfb_pid" 2>/dev/null || true; fi
}

# Starts Xvfb on a free display number and exports DISPLAY.
wine_start_display() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    _wp_xvfb_pid=$!
    for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    export DISPLAY=":$n"
    return 0
  done
  echo "no free X display" >&2
  return 1
}

# wine_prefix_start [--display]: new prefix in /tmp, booted, with a warm wineserver.
wine_prefix_start() {
  wine_arch_select || return 1
  trap wine_prefix_cleanup EXIT
  if [ "${1:-}" = "--display" ]; then wine_start_display || return 1; else unset DISPLAY; fi
  WINEPREFIX=$(mktemp -d /tmp/beamset-wine.XXXXXX)
  export WINEPREFIX
  wine wineboot -i >/dev/null 2>&1 || { echo "wineboot failed in $WINEPREFIX" >&2; return 1; }
  wineserver -p >/dev/null 2>&1 || true  # stays until wine_prefix_cleanup
  # Without a window manager, hiding a top-level window stalls for seconds unless Wine manages none.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  # Wine does not find its packaged fonts on its own: without "MS Sans Serif" dialog units are 7 pixels
  # wide, without Marlett a caption's close box shows an "r".
  cp /usr/share/wine/fonts/sserife.fon /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" \
    2>/dev/null || true
  # comctl32 sizes property pages in its own dialog font; on Windows that is MS Sans Serif too.
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v 'MS Shell Dlg' /d 'MS Sans Serif' /f >/dev/null 2>&1
}

# wine_prefix_dpi DPI: the programs started from now on see a screen of DPI dots per inch (96 unless set).
wine_prefix_dpi() {
  local key
  for key in 'HKCU\Control Panel\Desktop' 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
    wine reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  done
  _wp_restart_server
}

# wine_prefix_substitute_dialog_font: without the bitmap font Wine draws "MS Sans Serif" and "MS Shell Dlg" in
# another (Liberation Sans), as Windows editions without it (East Asian ones) do: dialog units of 6 x 12 pixels.
wine_prefix_substitute_dialog_font() {
  rm -f "$WINEPREFIX/drive_c/windows/Fonts/sserife.fon"
  wine reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' /v 'MS Shell Dlg' /f \
    >/dev/null 2>&1
  _wp_restart_server
}

# Wine reads the display and font settings as its server starts.
_wp_restart_server() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  wineserver -p >/dev/null 2>&1 || true
}

# wine_app_version NAME.exe VERSION: the Windows version one program sees (win98, winxp, win31, ...).
wine_app_version() {
  wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$1" /v Version /d "$2" /f >/dev/null 2>&1
}

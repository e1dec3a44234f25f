# tests/gui/wineguiprefix.sh: a Wine prefix on its own Xvfb for the GUI tests, with the dialog font installed.
# Source it and call gui_prefix_start; everything is stopped on exit (see tests/lib/wineprefix.sh).

. "$(dirname "${BASH_SOURCE[0]}")/../lib/wineprefix.sh"

gui_prefix_start() {
  wine_prefix_start --display || return 1
  # Wine does not pick up the packaged "MS Sans Serif" by itself; without it dialog units are 7 pixels wide.
  cp /usr/share/wine/fonts/sserife.fon "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  # comctl32 sizes property pages in its own dialog font; on Windows that is MS Sans Serif too.
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v 'MS Shell Dlg' /d 'MS Sans Serif' /f >/dev/null 2>&1
}

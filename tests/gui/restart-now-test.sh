#!/usr/bin/env bash
# tests/gui/restart-now-test.sh: "Restart now" really restarts, on the NT family and on Windows 98, and as the oldest
# of each family, NT 4.0 (through the token functions bound at run time) and Windows 95, and it lets other programs
# keep their unsaved work. Under Wine the restart ends every process of the prefix, so this throwaway prefix is
# driven from the Linux side with the real pointer: change the output, Apply, "Restart now"; Beamset must end, the
# simulated boot must run the prefix's RunOnce entry (a marker the probe writes), and the output must be written as
# chosen. On the XP and 98 rows Notepad holds typed, unsaved text: it asks whether to save and the restart waits;
# "Cancel" calls the restart off with Beamset's prompt still open, and after a second "Restart now", "No" lets it go on.
# Usage: restart-now-test.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

. "$here/../lib/wineprefix.sh"
. "$here/../lib/beamsetui.sh"
ui_session

restarted() { ui_probe dump | grep -qxF patch:Restarted=bin:1:01; }

# notepad_with_unsaved_text: Notepad started (its PID in notepad_pid), its text typed with the real keyboard.
notepad_with_unsaved_text() {
  local wid v
  # Clear of Beamset and its prompt, which stay in reach of the pointer when Notepad comes to the front.
  for v in iWindowPosX:560 iWindowPosY:400 iWindowPosDX:400 iWindowPosDY:300; do
    wine reg add 'HKCU\Software\Microsoft\Notepad' /v "${v%:*}" /t REG_DWORD /d "${v#*:}" /f >/dev/null 2>&1
  done
  (cd "$ui_dir" && exec wine notepad) >/dev/null 2>&1 &
  notepad_pid=$!
  wid=$(ui_window 'Untitled - Notepad') || return 1
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  xdotool mousemove --sync $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
  sleep 0.3
  xdotool type --delay 20 'unsaved words'
}

# still_asking VERSION WHEN: after "Restart now" Notepad asks about its text and nothing has restarted.
still_asking() {
  ui_window Notepad >/dev/null || { fail "$1: Notepad did not ask about its unsaved text $2"; return 1; }
  sleep 1
  kill -0 "$ui_app_pid" 2>/dev/null || fail "$1: Beamset ended while Notepad was asking $2"
  ! restarted || fail "$1: the restart did not wait for Notepad $2"
}

# version, the output's value before, the value to find after, where the output lives, whether Notepad holds text
while read -r version seed want notepad <&3; do
  ui_probe reset "$seed" set:drv:SPDIFEnableInput:bin:01000000 >/dev/null
  wine reg add 'HKLM\Software\Microsoft\Windows\CurrentVersion\RunOnce' /v BeamsetRestarted \
    /d "\"$(winepath -w "$ui_dir/e2eprobe.exe")\" set:patch:Restarted:bin:01" /f >/dev/null 2>&1
  notepad_pid="" before=$failures
  if [ "$notepad" = notepad ]; then
    notepad_with_unsaved_text || { fail "$version: Notepad did not start"; continue; }
  fi
  ui_start "$version" || { fail "$version: Beamset did not start"; continue; }
  ui_click 'Corvane Beamset' 5
  ui_click 'Corvane Beamset' 1002
  ui_click 'Corvane Beamset' 3
  if ! ui_window 'Restart computer' >/dev/null; then
    fail "$version: no restart prompt after Apply"
    ui_stop
    continue
  fi
  ui_click 'Restart computer' 1
  if [ -n "$notepad_pid" ] && still_asking "$version" "after the first Restart now"; then
    ui_click Notepad 2  # Cancel
    sleep 2
    # Wine's restart, like Windows', returns before any program is asked: Beamset has nothing to say.
    [ "$(xdotool search --name '^Restart computer$' | wc -l)" = 1 ] ||
      fail "$version: after Notepad's Cancel Beamset showed more than its prompt"
    kill -0 "$notepad_pid" 2>/dev/null || fail "$version: Notepad ended after its Cancel"
    if ui_window 'Restart computer' >/dev/null; then
      ui_click 'Restart computer' 1
      still_asking "$version" "after the second Restart now" && ui_click Notepad 7  # No
    else
      fail "$version: Beamset's prompt went with Notepad's Cancel"
    fi
  fi
  ui_wait_exit 20 || { fail "$version: Beamset still runs after \"Restart now\""; ui_stop; }
  # The simulated boot runs after every process has gone; give it the time a boot takes.
  for _ in $(seq 1 30); do restarted && break; sleep 0.5; done
  restarted || fail "$version: no restart ran the prefix's RunOnce entry"
  ui_probe dump | grep -qxF "$want" || fail "$version: expected $want after the apply"
  [ "$failures" -eq "$before" ] && echo "# $version: Restart now${notepad_pid:+, Notepad asked and was answered Cancel, then No,} ended Beamset and restarted; $want"
done 3<<'CASES'
winxp set:drv:SPDIFOutputSource:bin:02000000 drv:SPDIFOutputSource=bin:4:00000000 notepad
win98 set:cpl:SourceSelection:bin:02000000 cpl:SourceSelection=bin:4:FF000000 notepad
nt40 set:drv:SPDIFOutputSource:bin:02000000 drv:SPDIFOutputSource=bin:4:00000000 -
win95 set:cpl:SourceSelection:bin:02000000 cpl:SourceSelection=bin:4:FF000000 -
CASES

[ "$failures" -eq 0 ] && echo "restart now: ok"
exit "$failures"

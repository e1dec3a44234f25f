#!/usr/bin/env bash
# tests/gui/restart-now-test.sh: "Restart now" really restarts, on the NT family and on Windows 98, and as the oldest
# of each family, NT 4.0 (through the token functions bound at run time) and Windows 95. Under Wine the forced
# restart ends every process of the prefix, so this throwaway prefix is driven from the Linux side with the real
# pointer: change the output, Apply, "Restart now"; Beamset must end, the simulated boot must
# run the prefix's RunOnce entry (a marker the probe writes), and the output must be written as chosen.
# Usage: restart-now-test.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

. "$here/../lib/wineprefix.sh"
. "$here/../lib/beamsetui.sh"
ui_session

# version, the output's value before, the value to find after, where the output lives
while read -r version seed want <&3; do
  ui_probe reset "$seed" set:drv:SPDIFEnableInput:bin:01000000 >/dev/null
  wine reg add 'HKLM\Software\Microsoft\Windows\CurrentVersion\RunOnce' /v BeamsetRestarted \
    /d "\"$(winepath -w "$ui_dir/e2eprobe.exe")\" set:patch:Restarted:bin:01" /f >/dev/null 2>&1
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
  ui_wait_exit 20 || { fail "$version: Beamset still runs after \"Restart now\""; ui_stop; }
  # The simulated boot runs after every process has gone; give it the time a boot takes.
  dump=""
  for _ in $(seq 1 30); do
    dump=$(ui_probe dump)
    grep -qxF patch:Restarted=bin:1:01 <<<"$dump" && break
    sleep 0.5
  done
  grep -qxF patch:Restarted=bin:1:01 <<<"$dump" || fail "$version: no restart ran the prefix's RunOnce entry"
  grep -qxF "$want" <<<"$dump" || fail "$version: expected $want after the apply"
  echo "# $version: Restart now ended Beamset and restarted; $want"
done 3<<'CASES'
winxp set:drv:SPDIFOutputSource:bin:02000000 drv:SPDIFOutputSource=bin:4:00000000
win98 set:cpl:SourceSelection:bin:02000000 cpl:SourceSelection=bin:4:FF000000
nt40 set:drv:SPDIFOutputSource:bin:02000000 drv:SPDIFOutputSource=bin:4:00000000
win95 set:cpl:SourceSelection:bin:02000000 cpl:SourceSelection=bin:4:FF000000
CASES

[ "$failures" -eq 0 ] && echo "restart now: ok"
exit "$failures"

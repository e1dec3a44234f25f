@echo off
rem optundo.bat: undoes what Beamset and its tools changed. Both optical directions go back on with their saved
rem values, optstatus must then read both as on, and only then is the patch key holding those values deleted.
rem Windows XP and later (2000 with its Support Tools), run as an administrator. Shipped beside the programs.
if not "%OS%"=="Windows_NT" goto oldwindows
setlocal
reg query "HKLM\Software" >nul 2>&1
if errorlevel 1 goto noreg
set "STATUS=%TEMP%\optundo.txt"
"%~dp0optswitch.exe"
set "SWITCHED=%errorlevel%"
"%~dp0optstatus.exe" > "%STATUS%"
set "INPUT="
set "OUTPUT="
for /f "usebackq tokens=1,* delims=: " %%a in ("%STATUS%") do (
  if "%%a"=="input" set "INPUT=%%b"
  if "%%a"=="output" set "OUTPUT=%%b"
)
if not "%SWITCHED%"=="0" goto notrestored
if not "%INPUT%"=="on" goto notrestored
if not "%OUTPUT%"=="on" goto notrestored

rem The programs are 32-bit: on 64-bit Windows their key is under WOW6432Node, where a 64-bit reg finds it.
rem A 32-bit reg finds it under the plain name.
set "KEY=HKLM\Software\VESK_SPDIF_PATCH"
reg query "HKLM\Software\WOW6432Node\VESK_SPDIF_PATCH" >nul 2>&1
if not errorlevel 1 set "KEY=HKLM\Software\WOW6432Node\VESK_SPDIF_PATCH"
reg delete "%KEY%" /f >nul 2>&1
reg query "%KEY%" >nul 2>&1
if not errorlevel 1 goto notdeleted
echo Done: the optical input and output are back on with their saved values, and
echo the saved values are deleted. Restart the computer to finish.
exit /b 0

:notrestored
echo Not done: optswitch could not switch both optical directions back on, so the
echo values saved for them are kept. Run this as an administrator, with the sound
echo card's driver installed. optstatus reads:
type "%STATUS%"
exit /b 1

:notdeleted
echo The optical input and output are back on with their saved values, but the
echo saved values could not be deleted: delete %KEY% with regedit.
exit /b 1

:noreg
echo Nothing changed: this needs reg.exe, which Windows XP and later include. See
echo "Undoing everything" in README.TXT.
exit /b 1

:oldwindows
echo Nothing changed: this needs Windows XP or later. See "Undoing everything" in
echo README.TXT.

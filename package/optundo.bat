@echo off
rem optundo.bat: undoes what Beamset and its tools changed. With an on-value saved, both optical directions go back
rem on with their saved values, optstatus must then read both as on, and only then is the patch key holding those
rem values deleted. With none saved there is nothing to bring back, and the key, holding at most optbackup's
rem records, is deleted at once. Windows XP and later (2000 with its Support Tools), run as an administrator.
rem Shipped beside the programs.
if not "%OS%"=="Windows_NT" goto oldwindows
setlocal
rem Started from Explorer, the window closes with the batch file: wait for a key there, so that the answer can be
rem read. Explorer's cmd names this file on its command line; a prompt's, or a calling batch file's, does not. A
rem cmd that tells no command line may be Explorer's: waiting costs a key, not waiting loses the answer.
set "WAIT=1"
set "RESULT=1"
if defined CMDCMDLINE set "CALLER=%CMDCMDLINE:"=%"
if defined CALLER if "%CALLER:optundo.bat=%"=="%CALLER%" set "WAIT="
set "HERE=%~dp0"
reg query "HKLM\Software" >nul 2>&1
if errorlevel 1 goto noreg
set "STATUS=%TEMP%\optundo.txt"
call :status
rem No on-value saved ("none saved" twice; "not read" is no such answer): nothing was switched off from on, so
rem nothing needs switching back on.
if "%INPUTSAVED%|%OUTPUTSAVED%"=="none saved|none saved" goto delete
"%HERE%optswitch.exe"
set "SWITCHED=%errorlevel%"
call :status
if not "%SWITCHED%"=="0" goto notrestored
if not "%INPUT%"=="on" goto notrestored
if not "%OUTPUT%"=="on" goto notrestored

:delete
rem The programs are 32-bit: on 64-bit Windows their key is under WOW6432Node, where a 64-bit reg finds it.
rem A 32-bit reg finds it under the plain name.
set "KEY=HKLM\Software\VESK_SPDIF_PATCH"
reg query "HKLM\Software\WOW6432Node\VESK_SPDIF_PATCH" >nul 2>&1
if not errorlevel 1 set "KEY=HKLM\Software\WOW6432Node\VESK_SPDIF_PATCH"
reg delete "%KEY%" /f >nul 2>&1
reg query "%KEY%" >nul 2>&1
if not errorlevel 1 goto notdeleted
set "RESULT=0"
if defined SWITCHED goto restored
echo Done: no values were saved, so neither direction is switched, and the patch
echo key, with any records of optbackup, is gone.
goto end

:restored
echo Done: the optical input and output are back on with their saved values, and
echo the saved values are deleted. Restart the computer to finish.
goto end

:notrestored
echo Not done: optswitch could not switch both optical directions back on, so the
echo values saved for them are kept. Run this as an administrator, with the sound
echo card's driver installed. optstatus reads:
type "%STATUS%"
goto end

:notdeleted
if not defined SWITCHED goto nothingdeleted
echo The optical input and output are back on with their saved values, but the
echo saved values could not be deleted: delete %KEY% with regedit.
goto end

:nothingdeleted
echo Not done: no values were saved, but the patch key could not be deleted. Run
echo this as an administrator, or delete %KEY% with regedit.
goto end

:noreg
echo Nothing changed: this needs reg.exe, which Windows XP and later include. See
echo "Undoing everything" in README.TXT.

:end
if defined WAIT pause
exit /b %RESULT%

:status
"%HERE%optstatus.exe" > "%STATUS%"
set "INPUT="
set "OUTPUT="
set "INPUTSAVED="
set "OUTPUTSAVED="
for /f "usebackq tokens=1,* delims=: " %%a in ("%STATUS%") do (
  if "%%a"=="input" set "INPUT=%%b"
  if "%%a"=="output" set "OUTPUT=%%b"
  if "%%a"=="input-saved" set "INPUTSAVED=%%b"
  if "%%a"=="output-saved" set "OUTPUTSAVED=%%b"
)
goto :eof

:oldwindows
echo Nothing changed: this needs Windows XP or later. See "Undoing everything" in
echo README.TXT.
pause

; package/beamset.nsi: the setup program for Beamset.exe, optswitch.exe, optbackup.exe, optstatus.exe, the undo
; batch file optundo.bat and README.TXT, with its uninstaller.
; makensis -DVERSION=1.0.0.1 -DTARGET=x86-ansi|amd64-unicode -DPROGRAMS=DIR -DICON=FILE -DOUTFILE=FILE
;   [-DSIGN=SCRIPT] [-DUNINSTALLER=FILE] beamset.nsi
; x86-ansi is what ships: its stubs run on Windows 95 as well as on 11, but Debian builds them for the Pentium Pro
; and later (cmov), so the setup program and its uninstaller need one; the zip is for older PCs. amd64-unicode
; wraps the x86-64 test build, for machines that run no 32-bit code. UNINSTALLER copies the uninstaller this
; script makes to FILE, for the CPU check; it makes the setup program carry the whole uninstaller, so the
; shipped one is built without it, unless signed. SIGN signs the uninstaller, before it is stored or copied, and
; the setup program: SCRIPT FILE signs FILE in place.

Target ${TARGET}
Name "Beamset"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
SetCompressor /SOLID lzma
RequestExecutionLevel admin
!ifdef SIGN
  !uninstfinalize '"${SIGN}" "%1"'
  !finalize '"${SIGN}" "%1"'
!endif
!ifdef UNINSTALLER
  !uninstfinalize 'cp "%1" "${UNINSTALLER}"'
!endif

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Beamset"
!if ${TARGET} == amd64-unicode
  InstallDir "$PROGRAMFILES64\Beamset"
!else
  InstallDir "$PROGRAMFILES\Beamset"
!endif
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}"
VIAddVersionKey "ProductName" "Beamset Application"
VIAddVersionKey "FileDescription" "Beamset Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "Corvane"
VIAddVersionKey "LegalCopyright" "Copyright (C) 2002"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
  SetOutPath "$INSTDIR"
  File "${PROGRAMS}\Beamset.exe"
  File "${PROGRAMS}\optswitch.exe"
  File "${PROGRAMS}\optbackup.exe"
  File "${PROGRAMS}\optstatus.exe"  ; a console tool: no shortcut
  File "${PROGRAMS}\optundo.bat"
  File "${PROGRAMS}\README.TXT"  ; optundo.bat points to it
  WriteUninstaller "$INSTDIR\uninstall.exe"

  SetShellVarContext all  ; Windows 98 without user profiles falls back to its one Start menu
  CreateShortCut "$SMPROGRAMS\Beamset.lnk" "$INSTDIR\Beamset.exe"
  CreateShortCut "$SMPROGRAMS\Beamset README.lnk" "$INSTDIR\README.TXT"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Beamset"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Corvane"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Beamset.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The driver's values and the patch key stay as they are: they hold the user's saved on-values.
Section Uninstall
  SetShellVarContext all
  Delete "$SMPROGRAMS\Beamset.lnk"
  Delete "$SMPROGRAMS\Beamset README.lnk"
  Delete "$INSTDIR\Beamset.exe"
  Delete "$INSTDIR\optswitch.exe"
  Delete "$INSTDIR\optbackup.exe"
  Delete "$INSTDIR\optstatus.exe"
  Delete "$INSTDIR\optundo.bat"
  Delete "$INSTDIR\README.TXT"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"  ; only when empty: nothing of the user's is removed
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

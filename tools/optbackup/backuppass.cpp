// tools/optbackup/backuppass.cpp: reads both directions' state and records it as one-character texts.
#include "backuppass.h"

#include <windows.h>

#include "cardmixer.h"
#include "commandline.h"
#include "opticalregistry.h"
#include "opticalstore.h"
#include "toolexit.h"
#include "usagebox.h"

namespace {

const char kUsage[] =
    "Usage: optbackup\n\n"
    "Records whether the sound card's optical input and output are on, as BkupInput and BkupOutput (1 on, "
    "0 off) in the suite's patch key in the registry. It changes no setting.\n\n"
    "On Windows 2000 and later, run it as an administrator. Exit code 0: done; 1: something could not be read "
    "or recorded. optstatus shows the record.";

// One character, given with a length of 1. The system reads past that length for a text: NT adds
// the next byte when it is zero, and the 95 family stores up to the terminator whatever the length.
// So the byte after is ours: the character again on NT (one byte stored), a zero on the 95 family.
bool RecordState(HKEY hPatch, DWORD dwFamily, const char* pszName, bool bOn) {
  const BYTE ch = bOn ? '1' : '0';
  const BYTE text[2] = {ch, dwFamily == VER_PLATFORM_WIN32_WINDOWS ? BYTE{0} : ch};
  return hPatch && RegSetValueExA(hPatch, pszName, 0, REG_SZ, text, 1) == ERROR_SUCCESS;
}

// What could not be read is recorded as off, and the run reports it.
bool RecordBoth(const OpticalStore& store) {
  bool bDone = true;
  bool bOn;
  bDone &= ReadOpticalState(store, OpticalInput, &bOn);
  bDone &= RecordState(store.hPatch, store.dwFamily, kValueStateInput, bOn);
  bDone &= ReadOpticalState(store, OpticalOutput, &bOn);
  bDone &= RecordState(store.hPatch, store.dwFamily, kValueStateOutput, bOn);
  return bDone;
}

}  // namespace

int RunOptBackup(const char* pszCommandLine) {
  if (IsHelpRequest(ArgumentString(pszCommandLine))) return ShowUsageBox("optbackup", kUsage) ? kExitDone : kExitFailed;
  OpticalStore store = {GetPlatformFamily(), &kOptBackupVariant, nullptr, nullptr, nullptr};
  // Created before the family is looked at, so it exists on every family.
  bool bDone = RegCreateKeyA(HKEY_LOCAL_MACHINE, store.pVariant->pszPatchKey, &store.hPatch) == ERROR_SUCCESS;

  if (store.dwFamily == VER_PLATFORM_WIN32_NT) {
    bDone &= RegOpenKeyExA(HKEY_LOCAL_MACHINE, kDriverServiceKey, 0, KEY_ALL_ACCESS, &store.hSettings) == ERROR_SUCCESS;
    bDone &= RecordBoth(store);
  } else if (store.dwFamily == VER_PLATFORM_WIN32_WINDOWS) {
    bDone &= RegOpenKeyExA(HKEY_LOCAL_MACHINE, kControlPanelKey, 0, KEY_ALL_ACCESS, &store.hSettings) == ERROR_SUCCESS;
    CCardMixer mixer;
    // Of the card only entry 7's mute is needed: if it was not read, the input is recorded as off
    // and the run reports it, whatever became of the other lines.
    mixer.Open(nullptr);
    mixer.Refresh(0);
    store.pMixer = &mixer;
    bDone &= RecordBoth(store);
  }
  if (store.hSettings) RegCloseKey(store.hSettings);
  if (store.hPatch) RegCloseKey(store.hPatch);
  return bDone ? kExitDone : kExitFailed;
}

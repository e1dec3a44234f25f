// tools/optswitch/switchpass.cpp: one pass over both optical directions, input first.
#include "switchpass.h"

#include <windows.h>

#include "cardmixer.h"
#include "opticalregistry.h"
#include "opticalstore.h"
#include "toolexit.h"
#include "usagebox.h"

namespace {

const char kUsage[] =
    "Usage: optswitch [BOTH | IN | OUT]\n\n"
    "Switches the sound card's optical input and output off, or back on with the value saved when each was "
    "switched off. Only the first character of the argument counts, in upper case:\n\n"
    "B (BOTH): both off\n"
    "I (IN): the input off, the output back on\n"
    "O (OUT): the output off, the input back on\n"
    "anything else, or nothing: both back on\n\n"
    "On Windows 2000 and later, run it as an administrator. The change takes effect when the computer restarts "
    "(on Windows 95/98/Me the input at once). Exit code 0: done; 1: something could not be switched. optstatus "
    "shows the result.";

// Saves the direction's on-value, then switches it off or back to its saved value.
bool SwitchDirection(const OpticalStore& store, OpticalDirection direction, bool bDisable) {
  if (bDisable) return DisableOptical(store, direction);
  const RestoreOptions& options = store.pVariant->RestoreFor(store.dwFamily, direction);
  if (!OpticalValueName(store, direction)) return RestoreOptical(store, direction, options);
  OpticalValue current;
  // An on-value that could not be saved is already on: leave it rather than overwrite it.
  if (!ReadOpticalValue(store, direction, &current) || !BackupOpticalValue(store, direction, current)) return false;
  return RestoreOptical(store, direction, options);
}

void CloseIfOpen(HKEY hKey) {
  if (hKey) RegCloseKey(hKey);
}

}  // namespace

SwitchRequest ParseSwitchRequest(const char* pszArguments) {
  const char ch = pszArguments[0];
  return SwitchRequest{ch == 'B' || ch == 'I', ch == 'B' || ch == 'O'};
}

int RunOptSwitch(const char* pszCommandLine) {
  const char* pszArguments = ArgumentString(pszCommandLine);
  if (IsHelpRequest(pszArguments)) return ShowUsageBox("optswitch", kUsage) ? kExitDone : kExitFailed;
  const SwitchRequest request = ParseSwitchRequest(pszArguments);
  OpticalStore store = {GetPlatformFamily(), &kOptSwitchVariant, nullptr, nullptr, nullptr};
  bool bDone = true;

  if (store.dwFamily == VER_PLATFORM_WIN32_NT) {
    bDone &= RegOpenKeyExA(HKEY_LOCAL_MACHINE, kDriverServiceKey, 0, KEY_ALL_ACCESS, &store.hSettings) == ERROR_SUCCESS;
    bDone &= RegCreateKeyA(HKEY_LOCAL_MACHINE, kPatchKey, &store.hPatch) == ERROR_SUCCESS;
    bDone &= SwitchDirection(store, OpticalInput, request.bDisableInput);
    bDone &= SwitchDirection(store, OpticalOutput, request.bDisableOutput);
    CloseIfOpen(store.hPatch);
    CloseIfOpen(store.hSettings);
  } else if (store.dwFamily == VER_PLATFORM_WIN32_WINDOWS) {
    bDone &= RegOpenKeyExA(HKEY_LOCAL_MACHINE, kControlPanelKey, 0, KEY_ALL_ACCESS, &store.hSettings) == ERROR_SUCCESS;
    CCardMixer mixer;
    // Of the card only the write of entry 7's mute is needed, and the input's switch reports it.
    mixer.Open(nullptr);
    mixer.Refresh(0);
    store.pMixer = &mixer;
    bDone &= SwitchDirection(store, OpticalInput, request.bDisableInput);
    bDone &= RegCreateKeyA(HKEY_LOCAL_MACHINE, kPatchKey, &store.hPatch) == ERROR_SUCCESS;
    bDone &= SwitchDirection(store, OpticalOutput, request.bDisableOutput);
    CloseIfOpen(store.hPatch);
    CloseIfOpen(store.hSettings);
  }
  return bDone ? kExitDone : kExitFailed;
}

// cardaccess/opticalchoice.cpp: Beamset's read and apply sequences over the store, and what stopped a direction.
#include "opticalchoice.h"

#include "cardmixer.h"
#include "opticalregistry.h"

namespace {

// What the sequence managed to open, for telling why a direction failed.
struct OpenResults {
  LONG lSettings;
  LONG lPatch;
  bool bMixerOpen;
};

LONG OpenSettingsKey(const char* pszPath, REGSAM samDesired, HKEY* phKey) {
  const LONG lResult = RegOpenKeyExA(HKEY_LOCAL_MACHINE, pszPath, 0, samDesired, phKey);
  if (lResult != ERROR_SUCCESS) *phKey = nullptr;
  return lResult;
}

LONG CreatePatchKey(HKEY* phKey) {
  const LONG lResult = RegCreateKeyA(HKEY_LOCAL_MACHINE, kPatchKey, phKey);
  if (lResult != ERROR_SUCCESS) *phKey = nullptr;
  return lResult;
}

void CloseIfOpen(HKEY hKey) {
  if (hKey) RegCloseKey(hKey);
}

const char* SettingsKeyPath(DWORD dwFamily) {
  return dwFamily == VER_PLATFORM_WIN32_NT ? kDriverServiceKey : kControlPanelKey;
}

// What stopped a direction, the likeliest cause first: what could not be opened at all.
ApplyFault FaultOf(const OpticalStore& store, OpticalDirection direction, const OpenResults& opened, ApplyFault last) {
  if (!OpticalValueName(store, direction)) return opened.bMixerOpen ? ApplyFaultMixerRefused : ApplyFaultMixerMissing;
  if (opened.lSettings == ERROR_FILE_NOT_FOUND) return ApplyFaultKeyMissing;
  // Only the NT family keeps rights on its keys.
  if (store.dwFamily == VER_PLATFORM_WIN32_NT &&
      (opened.lSettings == ERROR_ACCESS_DENIED || opened.lPatch == ERROR_ACCESS_DENIED))
    return ApplyFaultAccessDenied;
  if (opened.lSettings != ERROR_SUCCESS || opened.lPatch != ERROR_SUCCESS) return ApplyFaultWriteFailed;
  return last;
}

bool IsChoice(int nChoice) { return nChoice == kChoiceEnabled || nChoice == kChoiceDisabled; }

ApplyFault ApplyChoice(const OpticalStore& store, OpticalDirection direction, int nChoice, const OpenResults& opened,
                       bool* pbWritten) {
  *pbWritten = false;
  if (!IsChoice(nChoice)) return ApplyFaultNone;
  bool bOn;
  if (ReadOpticalState(store, direction, &bOn)) {
    // The user's on-value (for the output, the source it selects) stays as it is.
    if (bOn == (nChoice == kChoiceEnabled)) return ApplyFaultNone;
  } else if (OpticalValueName(store, direction)) {
    return FaultOf(store, direction, opened, ApplyFaultUnreadable);  // it may hold an on-value of its own
  }
  bool bSavedUnreadable = false;
  if (nChoice == kChoiceDisabled)
    *pbWritten = DisableOptical(store, direction);
  else
    *pbWritten =
        RestoreOptical(store, direction, store.pVariant->RestoreFor(store.dwFamily, direction), &bSavedUnreadable);
  if (*pbWritten) return ApplyFaultNone;
  return FaultOf(store, direction, opened, bSavedUnreadable ? ApplyFaultSavedUnreadable : ApplyFaultWriteFailed);
}

}  // namespace

int ReadOpticalChoice(OpticalDirection direction) {
  OpticalStore store = {GetPlatformFamily(), &kBeamsetVariant, nullptr, nullptr, nullptr};
  if (!IsSupportedFamily(store.dwFamily)) return kNoChoice;
  bool bOn, bRead;
  if (OpticalValueName(store, direction)) {
    // Read access is enough to read: a user without the right to change the value still sees it as it is.
    OpenSettingsKey(SettingsKeyPath(store.dwFamily), KEY_READ, &store.hSettings);
    bRead = ReadOpticalState(store, direction, &bOn);
    CloseIfOpen(store.hSettings);
  } else {
    CCardMixer mixer;
    mixer.Open(nullptr);
    mixer.Refresh(0);
    store.pMixer = &mixer;
    bRead = ReadOpticalState(store, direction, &bOn);
  }
  // A state not read is not guessed: a guess would be applied as if the user had chosen it.
  if (!bRead) return kNoChoice;
  return bOn ? kChoiceEnabled : kChoiceDisabled;
}

OpticalApplyResult ApplyOpticalChoices(int nInputChoice, int nOutputChoice, CCardMixer& mixer) {
  OpticalStore store = {GetPlatformFamily(), &kBeamsetVariant, nullptr, nullptr, nullptr};
  OpticalApplyResult result = {store.dwFamily, ApplyFaultNone, ApplyFaultNone, false, false};
  // Nothing chosen: not even the patch key is created.
  if (!IsSupportedFamily(store.dwFamily) || (!IsChoice(nInputChoice) && !IsChoice(nOutputChoice))) return result;

  OpenResults opened = {ERROR_SUCCESS, ERROR_SUCCESS, false};
  opened.lSettings = OpenSettingsKey(SettingsKeyPath(store.dwFamily), KEY_ALL_ACCESS, &store.hSettings);
  if (store.dwFamily == VER_PLATFORM_WIN32_NT) {
    opened.lPatch = CreatePatchKey(&store.hPatch);
  } else {
    opened.bMixerOpen = mixer.Open(nullptr);
    mixer.Refresh(0);
    store.pMixer = &mixer;
  }
  result.input = ApplyChoice(store, OpticalInput, nInputChoice, opened, &result.bInputWritten);
  if (store.dwFamily == VER_PLATFORM_WIN32_WINDOWS) opened.lPatch = CreatePatchKey(&store.hPatch);
  result.output = ApplyChoice(store, OpticalOutput, nOutputChoice, opened, &result.bOutputWritten);
  CloseIfOpen(store.hPatch);
  CloseIfOpen(store.hSettings);
  return result;
}

bool NeedsRestart(const OpticalApplyResult& result, int nInputToggles, int nOutputToggles) {
  // A direction not written now was either left as it was or announced by the apply that wrote it.
  const bool bOutputChanged = result.bOutputWritten && nOutputToggles % 2 != 0;
  if (result.dwFamily == VER_PLATFORM_WIN32_NT)
    return bOutputChanged || (result.bInputWritten && nInputToggles % 2 != 0);
  // The 95 family's input is the mixer's mute, which takes effect at once.
  return result.dwFamily == VER_PLATFORM_WIN32_WINDOWS && bOutputChanged;
}

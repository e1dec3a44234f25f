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

ApplyFault ApplyChoice(const OpticalStore& store, OpticalDirection direction, int nChoice, const OpenResults& opened) {
  bool bDone;
  if (nChoice == kChoiceDisabled)
    bDone = DisableOptical(store, direction);
  else if (nChoice == kChoiceEnabled)
    bDone = RestoreOptical(store, direction, store.pVariant->RestoreFor(store.dwFamily, direction));
  else
    return ApplyFaultNone;
  if (bDone) return ApplyFaultNone;
  // The likeliest cause first: what could not be opened at all.
  if (!OpticalValueName(store, direction)) return opened.bMixerOpen ? ApplyFaultWriteFailed : ApplyFaultMixerMissing;
  if (opened.lSettings == ERROR_FILE_NOT_FOUND) return ApplyFaultKeyMissing;
  if (opened.lSettings != ERROR_SUCCESS || opened.lPatch != ERROR_SUCCESS) return ApplyFaultKeyDenied;
  return ApplyFaultWriteFailed;
}

}  // namespace

int ReadOpticalChoice(OpticalDirection direction) {
  OpticalStore store = {GetPlatformFamily(), &kBeamsetVariant, nullptr, nullptr, nullptr};
  if (!IsSupportedFamily(store.dwFamily)) return kNoChoice;
  bool bOn;
  if (OpticalValueName(store, direction)) {
    // Read access is enough to read: a user without the right to change the value still sees it as it is.
    OpenSettingsKey(SettingsKeyPath(store.dwFamily), KEY_READ, &store.hSettings);
    bOn = QueryOpticalState(store, direction);
    CloseIfOpen(store.hSettings);
  } else {
    CCardMixer mixer;
    mixer.Open(nullptr);
    mixer.Refresh(0);
    store.pMixer = &mixer;
    bOn = QueryOpticalState(store, direction);
  }
  return bOn ? kChoiceEnabled : kChoiceDisabled;
}

OpticalApplyResult ApplyOpticalChoices(int nInputChoice, int nOutputChoice, CCardMixer& mixer) {
  OpticalStore store = {GetPlatformFamily(), &kBeamsetVariant, nullptr, nullptr, nullptr};
  OpticalApplyResult result = {store.dwFamily, ApplyFaultNone, ApplyFaultNone};
  if (!IsSupportedFamily(store.dwFamily)) return result;

  OpenResults opened = {ERROR_SUCCESS, ERROR_SUCCESS, false};
  opened.lSettings = OpenSettingsKey(SettingsKeyPath(store.dwFamily), KEY_ALL_ACCESS, &store.hSettings);
  if (store.dwFamily == VER_PLATFORM_WIN32_NT) {
    opened.lPatch = CreatePatchKey(&store.hPatch);
  } else {
    opened.bMixerOpen = mixer.Open(nullptr);
    mixer.Refresh(0);
    store.pMixer = &mixer;
  }
  result.input = ApplyChoice(store, OpticalInput, nInputChoice, opened);
  if (store.dwFamily == VER_PLATFORM_WIN32_WINDOWS) opened.lPatch = CreatePatchKey(&store.hPatch);
  result.output = ApplyChoice(store, OpticalOutput, nOutputChoice, opened);
  CloseIfOpen(store.hPatch);
  CloseIfOpen(store.hSettings);
  return result;
}

bool NeedsRestart(DWORD dwFamily, int nInputToggles, int nOutputToggles) {
  const bool bOutputChanged = nOutputToggles % 2 != 0;
  if (dwFamily == VER_PLATFORM_WIN32_NT) return bOutputChanged || nInputToggles % 2 != 0;
  // The 95 family's input is the mixer's mute, which takes effect at once.
  return dwFamily == VER_PLATFORM_WIN32_WINDOWS && bOutputChanged;
}

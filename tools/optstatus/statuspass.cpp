// tools/optstatus/statuspass.cpp: reads what the suite reads, as it reads it, through keys opened for reading
// only: nothing is created or written, and no administrator rights are needed.
#include "statuspass.h"

#include <windows.h>

#include "cardmixer.h"
#include "commandline.h"
#include "opticalregistry.h"
#include "opticalstore.h"
#include "statustext.h"
#include "toolexit.h"

namespace {

const char kUsage[] =
    "Usage: optstatus\r\n\r\n"
    "Shows whether the sound card's optical input and output are on, the driver's values,\r\n"
    "the values saved for switching them back on, and optbackup's record, as lines of the\r\n"
    "form \"name: value\". It changes nothing and needs no administrator rights.\r\n\r\n"
    "Exit code 0: everything there could be read; 1: the driver is not installed, or\r\n"
    "something could not be read.\r\n";

const char kNotRead[] = "not read";
const DWORD kRecordCapacity = 4;  // optbackup writes one character

struct DirectionNames {
  const char* pszState;
  const char* pszValue;
  const char* pszMixer;
  const char* pszSaved;
  const char* pszSavedValue;
};

const DirectionNames kInputNames = {"input", "input-value", "input-mixer", "input-saved", kValueSavedInput};
const DirectionNames kOutputNames = {"output", "output-value", nullptr, "output-saved", kValueSavedOutput};

// Read, or simply absent: an absent key or value is no failure (nothing saved, nothing recorded).
bool IsReadOrAbsent(LONG lResult) { return lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND; }

DWORD Shown(DWORD cbStored, DWORD cbBuffer) { return cbStored < cbBuffer ? cbStored : cbBuffer; }

// The direction's state and what it is read from: the driver's value, or on the 95 family the input's mute.
bool ReportState(StatusText& text, const OpticalStore& store, OpticalDirection direction, const DirectionNames& names) {
  const char* pszValueName = OpticalValueName(store, direction);
  if (!pszValueName) {
    bool bOn;
    const bool bRead = ReadOpticalState(store, direction, &bOn);
    text.AddLine(names.pszState, bRead ? (bOn ? "on" : "off") : kNotRead);
    text.AddLine(names.pszMixer, bRead ? (bOn ? "not muted" : "muted") : kNotRead);
    return bRead;
  }
  OpticalValue value;
  DWORD cbStored = 0;
  const LONG lResult = QueryFirstBytes(store.hSettings, pszValueName, value.ab, sizeof value.ab, &cbStored);
  if (!IsReadOrAbsent(lResult)) {
    text.AddLine(names.pszState, kNotRead);
    text.AddLine(names.pszValue, kNotRead);
    return false;
  }
  // A missing value reads as off, as the other programs read it.
  text.AddLine(names.pszState, IsOpticalOn(store, direction, value) ? "on" : "off");
  if (lResult == ERROR_FILE_NOT_FOUND)
    text.AddLine(names.pszValue, "missing");
  else
    text.AddBytes(names.pszValue, value.ab, Shown(cbStored, kSavedLength));
  return true;
}

// The on-value saved for the direction, where the suite saves one.
bool ReportSaved(StatusText& text, const OpticalStore& store, LONG lPatch, OpticalDirection direction,
                 const DirectionNames& names) {
  if (!OpticalValueName(store, direction)) return true;
  BYTE saved[kSavedLength];
  DWORD cbStored = 0;
  const LONG lResult = lPatch == ERROR_SUCCESS
                           ? QueryFirstBytes(store.hPatch, names.pszSavedValue, saved, sizeof saved, &cbStored)
                           : lPatch;
  if (lResult == ERROR_SUCCESS)
    text.AddBytes(names.pszSaved, saved, Shown(cbStored, sizeof saved));
  else
    text.AddLine(names.pszSaved, lResult == ERROR_FILE_NOT_FOUND ? "none saved" : kNotRead);
  return IsReadOrAbsent(lResult);
}

// The state is left out where there is nothing to read it from.
bool ReportDirection(StatusText& text, const OpticalStore& store, bool bStateThere, LONG lPatch,
                     OpticalDirection direction) {
  const DirectionNames& names = direction == OpticalInput ? kInputNames : kOutputNames;
  bool bRead = !bStateThere || ReportState(text, store, direction, names);
  bRead &= ReportSaved(text, store, lPatch, direction, names);
  return bRead;
}

// optbackup's record, where there is one.
bool ReportRecord(StatusText& text, HKEY hPatch, LONG lPatch, const char* pszLine, const char* pszValueName) {
  BYTE record[kRecordCapacity];
  DWORD cbStored = 0;
  const LONG lResult =
      lPatch == ERROR_SUCCESS ? QueryFirstBytes(hPatch, pszValueName, record, sizeof record, &cbStored) : lPatch;
  if (lResult == ERROR_SUCCESS)
    text.AddText(pszLine, record, Shown(cbStored, sizeof record));
  else if (lResult != ERROR_FILE_NOT_FOUND)
    text.AddLine(pszLine, kNotRead);
  return IsReadOrAbsent(lResult);
}

bool Report(StatusText& text) {
  OpticalStore store = {GetPlatformFamily(), &kOptStatusVariant, nullptr, nullptr, nullptr};
  if (!IsSupportedFamily(store.dwFamily)) {
    text.AddLine("platform", "other");  // where the suite switches nothing
    return true;
  }
  const bool bNt = store.dwFamily == VER_PLATFORM_WIN32_NT;
  text.AddLine("platform", bNt ? "NT family" : "95 family");
  const LONG lDriver =
      RegOpenKeyExA(HKEY_LOCAL_MACHINE, bNt ? kDriverServiceKey : kControlPanelKey, 0, KEY_READ, &store.hSettings);
  const bool bInstalled = lDriver == ERROR_SUCCESS;
  text.AddLine("driver", bInstalled ? "installed" : lDriver == ERROR_FILE_NOT_FOUND ? "not installed" : kNotRead);
  const LONG lPatch = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kPatchKey, 0, KEY_READ, &store.hPatch);

  CCardMixer mixer;
  bool bMixerFound = false;
  // The 95 family's input is the card's mute, which the other programs switch with or without the control
  // panel key; only the mute of entry 7 is read of the card.
  if (!bNt) {
    bMixerFound = mixer.Open(nullptr);
    mixer.Refresh(0);
    store.pMixer = &mixer;
  }
  bool bRead = bInstalled;
  bRead &= ReportDirection(text, store, bInstalled || bMixerFound, lPatch, OpticalInput);
  bRead &= ReportDirection(text, store, bInstalled, lPatch, OpticalOutput);
  bRead &= ReportRecord(text, store.hPatch, lPatch, "backup-input", kValueStateInput);
  bRead &= ReportRecord(text, store.hPatch, lPatch, "backup-output", kValueStateOutput);
  if (store.hPatch) RegCloseKey(store.hPatch);
  if (store.hSettings) RegCloseKey(store.hSettings);
  return bRead;
}

}  // namespace

int RunOptStatus(const char* pszCommandLine) {
  if (IsHelpRequest(ArgumentString(pszCommandLine)))
    return WriteText(GetStdHandle(STD_OUTPUT_HANDLE), kUsage, sizeof kUsage - 1) ? kExitDone : kExitFailed;
  StatusText text;
  const bool bRead = Report(text);
  const bool bWritten = text.Write(GetStdHandle(STD_OUTPUT_HANDLE));
  return bRead && bWritten ? kExitDone : kExitFailed;
}

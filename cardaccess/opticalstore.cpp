// cardaccess/opticalstore.cpp: the switching rules over the driver's registry values and the card mixer.
#include "opticalstore.h"

#include <stdlib.h>
#include <string.h>

#include "cardmixer.h"
#include "opticalregistry.h"

const ProgramVariant kOptBackupVariant = {kPatchKeyUpper, kValueEnableOutput, {false}, {false}, {false}};
const ProgramVariant kOptSwitchVariant = {kPatchKey, kValueOutputSource, {false}, {false}, {true}};
const ProgramVariant kBeamsetVariant = {kPatchKey, kValueOutputSource, {true}, {false}, {false}};
const ProgramVariant kOptStatusVariant = {kPatchKey, kValueOutputSource, {false}, {false}, {false}};

const RestoreOptions& ProgramVariant::RestoreFor(DWORD dwFamily, OpticalDirection direction) const {
  if (dwFamily == VER_PLATFORM_WIN32_WINDOWS) return win9xOutput;
  return direction == OpticalInput ? ntInput : ntOutput;
}

namespace {

bool IsWin9xOutput(const OpticalStore& store, OpticalDirection direction) {
  return store.dwFamily == VER_PLATFORM_WIN32_WINDOWS && direction == OpticalOutput;
}

bool IsOffByte(const OpticalStore& store, OpticalDirection direction, BYTE b) {
  return b == 0 || (IsWin9xOutput(store, direction) && b == kWin9xOffByte);
}

const char* SavedValueName(OpticalDirection direction) {
  return direction == OpticalInput ? kValueSavedInput : kValueSavedOutput;
}

bool WriteBinary(HKEY hKey, const char* pszName, const BYTE* pData, DWORD cbData) {
  return hKey && RegSetValueExA(hKey, pszName, 0, REG_BINARY, pData, cbData) == ERROR_SUCCESS;
}

}  // namespace

LONG QueryFirstBytes(HKEY hKey, const char* pszName, BYTE* pBuffer, DWORD cbBuffer, DWORD* pcbStored) {
  memset(pBuffer, 0, cbBuffer);
  DWORD dwType = 0;
  DWORD cb = cbBuffer;
  LONG lResult = RegQueryValueExA(hKey, pszName, nullptr, &dwType, pBuffer, &cb);
  if (lResult == ERROR_SUCCESS) {
    *pcbStored = cb;
    return lResult;
  }
  if (lResult != ERROR_MORE_DATA) return lResult;

  // Longer than asked for: read it whole, keep the start. Whatever the short query left is discarded.
  memset(pBuffer, 0, cbBuffer);
  DWORD cbWhole = 0;
  lResult = RegQueryValueExA(hKey, pszName, nullptr, &dwType, nullptr, &cbWhole);
  if (lResult != ERROR_SUCCESS) return lResult;
  if (cbWhole <= cbBuffer) return ERROR_MORE_DATA;  // changed under us: not a value we can trust
  BYTE* pWhole = static_cast<BYTE*>(malloc(cbWhole));
  if (!pWhole) return ERROR_NOT_ENOUGH_MEMORY;
  DWORD cbRead = cbWhole;
  lResult = RegQueryValueExA(hKey, pszName, nullptr, &dwType, pWhole, &cbRead);
  if (lResult == ERROR_SUCCESS && cbRead >= cbBuffer) {
    memcpy(pBuffer, pWhole, cbBuffer);
    *pcbStored = cbRead;
  } else if (lResult == ERROR_SUCCESS) {
    lResult = ERROR_MORE_DATA;
  }
  free(pWhole);
  return lResult;
}

DWORD GetPlatformFamily() {
  OSVERSIONINFOA info;
  memset(&info, 0, sizeof info);  // a failed call leaves platform 0: nothing is switched
  info.dwOSVersionInfoSize = sizeof info;
  GetVersionExA(&info);
  return info.dwPlatformId;
}

bool IsSupportedFamily(DWORD dwFamily) {
  return dwFamily == VER_PLATFORM_WIN32_NT || dwFamily == VER_PLATFORM_WIN32_WINDOWS;
}

const char* OpticalValueName(const OpticalStore& store, OpticalDirection direction) {
  if (store.dwFamily == VER_PLATFORM_WIN32_NT)
    return direction == OpticalInput ? kValueEnableInput : store.pVariant->pszNtOutputValue;
  if (IsWin9xOutput(store, direction)) return kValueSourceSelection;
  return nullptr;
}

bool ReadOpticalValue(const OpticalStore& store, OpticalDirection direction, OpticalValue* pValue) {
  memset(pValue->ab, 0, sizeof pValue->ab);
  const char* pszName = OpticalValueName(store, direction);
  if (!pszName || !store.hSettings) return false;
  DWORD cbStored = 0;
  const LONG lResult = QueryFirstBytes(store.hSettings, pszName, pValue->ab, sizeof pValue->ab, &cbStored);
  return lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND;
}

bool IsOpticalOn(const OpticalStore& store, OpticalDirection direction, const OpticalValue& value) {
  return !IsOffByte(store, direction, value.ab[0]);
}

bool ReadOpticalState(const OpticalStore& store, OpticalDirection direction, bool* pbOn) {
  *pbOn = false;
  if (!IsSupportedFamily(store.dwFamily)) return false;
  if (!OpticalValueName(store, direction)) {
    const bool bRead = store.pMixer && store.pMixer->IsMuteRead(kOpticalInputEntry);
    *pbOn = bRead && !store.pMixer->GetMute(kOpticalInputEntry);
    return bRead;
  }
  OpticalValue value;
  const bool bRead = ReadOpticalValue(store, direction, &value);
  *pbOn = bRead && IsOpticalOn(store, direction, value);
  return bRead;
}

bool QueryOpticalState(const OpticalStore& store, OpticalDirection direction) {
  bool bOn;
  ReadOpticalState(store, direction, &bOn);
  return bOn;
}

bool BackupOpticalValue(const OpticalStore& store, OpticalDirection direction, const OpticalValue& current) {
  if (!OpticalValueName(store, direction) || !IsOpticalOn(store, direction, current)) return true;
  return WriteBinary(store.hPatch, SavedValueName(direction), current.ab, kSavedLength);
}

bool DisableOptical(const OpticalStore& store, OpticalDirection direction) {
  if (!IsSupportedFamily(store.dwFamily)) return true;
  if (!OpticalValueName(store, direction)) return store.pMixer && store.pMixer->SetMute(kOpticalInputEntry, true);
  OpticalValue current;
  // An on-value that could not be read or saved is left in place rather than lost.
  if (!ReadOpticalValue(store, direction, &current) || !BackupOpticalValue(store, direction, current)) return false;
  const BYTE* pOff = IsWin9xOutput(store, direction) ? kWin9xOff : kNtOff;
  return WriteBinary(store.hSettings, OpticalValueName(store, direction), pOff, kSavedLength);
}

bool RestoreOptical(const OpticalStore& store, OpticalDirection direction, const RestoreOptions& options,
                    bool* pbSavedUnreadable) {
  if (pbSavedUnreadable) *pbSavedUnreadable = false;
  if (!IsSupportedFamily(store.dwFamily)) return true;
  if (!OpticalValueName(store, direction)) return store.pMixer && store.pMixer->SetMute(kOpticalInputEntry, false);
  // A backup that cannot be read may hold the only copy of an on-value: the default must not
  // replace the driver's value, or the next run would save it over that backup.
  if (!store.hPatch) return false;
  BYTE saved[kSavedLength];
  DWORD cbSaved = 0;
  const LONG lSaved = QueryFirstBytes(store.hPatch, SavedValueName(direction), saved, sizeof saved, &cbSaved);
  if (lSaved == ERROR_FILE_NOT_FOUND)
    cbSaved = kSavedLength;  // never saved: the default, written whole
  else if (lSaved != ERROR_SUCCESS) {
    if (pbSavedUnreadable) *pbSavedUnreadable = true;
    return false;
  }
  if (IsOffByte(store, direction, saved[0])) saved[0] = kDefaultOnByte;
  // Never more than the buffer, and never less than the byte that makes it on.
  const DWORD cbWrite = options.bReportedLength && cbSaved >= 1 && cbSaved <= kSavedLength ? cbSaved : kSavedLength;
  return WriteBinary(store.hSettings, OpticalValueName(store, direction), saved, cbWrite);
}

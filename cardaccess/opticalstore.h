// cardaccess/opticalstore.h: reading, disabling and restoring each optical direction on each Windows family.
#pragma once

#include <windows.h>

class CCardMixer;

enum OpticalDirection { OpticalInput, OpticalOutput };

struct RestoreOptions {
  bool bReportedLength;  // write the length the backup query reported instead of 4
};

// Where the three programs differ in applying the rules.
struct ProgramVariant {
  const char* pszPatchKey;
  const char* pszNtOutputValue;  // the value read as the output's state on the NT family
  RestoreOptions ntInput;
  RestoreOptions ntOutput;
  RestoreOptions win9xOutput;

  const RestoreOptions& RestoreFor(DWORD dwFamily, OpticalDirection direction) const;
};

extern const ProgramVariant kOptBackupVariant;
extern const ProgramVariant kOptSwitchVariant;
extern const ProgramVariant kBeamsetVariant;
extern const ProgramVariant kOptStatusVariant;  // reads as the switching programs do; writes nothing

// The keys and mixer one sequence works through; the caller opens and closes them.
struct OpticalStore {
  DWORD dwFamily;  // from GetPlatformFamily
  const ProgramVariant* pVariant;
  HKEY hSettings;      // driver service key (NT) or control panel key (95 family); null if not opened
  HKEY hPatch;         // null if not opened
  CCardMixer* pMixer;  // 95 family input: opened and refreshed by the caller; may be null
};

// A driver value's first bytes as read with the capacity of 10, zero-filled.
struct OpticalValue {
  BYTE ab[10];
};

DWORD GetPlatformFamily();
bool IsSupportedFamily(DWORD dwFamily);

// Reads a value's first cbBuffer bytes into a zero-filled buffer, however long the value is; the registry's
// result (ERROR_FILE_NOT_FOUND: no such value). *pcbStored receives the value's full length on success.
LONG QueryFirstBytes(HKEY hKey, const char* pszName, BYTE* pBuffer, DWORD cbBuffer, DWORD* pcbStored);

// The registry value holding the direction's state, or null where the mixer holds it (95 family input).
const char* OpticalValueName(const OpticalStore& store, OpticalDirection direction);

// Reads the direction's current value; a missing value reads as off (zeros).
// False when it exists but could not be read: nothing may then be written over it.
bool ReadOpticalValue(const OpticalStore& store, OpticalDirection direction, OpticalValue* pValue);
bool IsOpticalOn(const OpticalStore& store, OpticalDirection direction, const OpticalValue& value);

// True when the direction is on; anything unreadable is off.
bool QueryOpticalState(const OpticalStore& store, OpticalDirection direction);
// The same, answering whether the state could be read (a missing value is read, as off).
bool ReadOpticalState(const OpticalStore& store, OpticalDirection direction, bool* pbOn);

// The operations below answer whether what they had to write was written.
// Saves the first four bytes of an on-value; an off value leaves the backup as it was.
bool BackupOpticalValue(const OpticalStore& store, OpticalDirection direction, const OpticalValue& current);
// Writes nothing over an on-value it could not read or save.
bool DisableOptical(const OpticalStore& store, OpticalDirection direction);
// Writes the backup back, or the default when there is none. A backup that exists but cannot be
// read, or a patch key that is not open, leaves the driver value as it is and answers false;
// *pbSavedUnreadable, when given, tells the first case.
bool RestoreOptical(const OpticalStore& store, OpticalDirection direction, const RestoreOptions& options,
                    bool* pbSavedUnreadable = nullptr);

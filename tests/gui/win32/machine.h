// tests/gui/win32/machine.h: the registry and simulated card the GUI tests start from, seed and read back.
#pragma once

#include <string.h>
#include <windows.h>

#include "check.h"

// Every test starts from this: the driver installed with both directions on (input 01 00 00 00,
// output 02 00 00 00), no patch key, and one simulated card with its optical line unmuted.
void ResetMachine();

// Keys by the short names the e2e probe uses: "drv" (driver service key), "cpl" (control panel key),
// "patch". A null hex deletes the value; DeleteKeyOf removes the whole key.
void SetValueHex(const char* pszKey, const char* pszName, const char* pszHex);
void DeleteKeyOf(const char* pszKey);
// Everyone may read the key but not change it (an account without administrator rights), or anything again.
void SetKeyReadOnly(const char* pszKey, bool bReadOnly);
// The value's bytes in upper-case hex, "absent" when there is none.
const char* ValueHex(const char* pszKey, const char* pszName, char* pszBuffer, int cchBuffer);

// The simulated card: its mixer devices ("" for none) and the mute of the optical line, through winmm.
void SetCardNames(const char* pszNames);
bool SetOpticalMute(bool bMuted);
bool IsOpticalMuted();

#define CHECK_VALUE(key, name, hex)                                                                       \
  do {                                                                                                    \
    char check_sz_[64];                                                                                   \
    const char* check_got_ = ValueHex(key, name, check_sz_, sizeof check_sz_);                            \
    if (strcmp(check_got_, hex) != 0) CheckFailedText(__FILE__, __LINE__, key ":" name, check_got_, hex); \
  } while (0)

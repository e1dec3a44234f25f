// tests/gui/win32/machine.h: the registry and simulated card the GUI tests start from, seed and read back.
#pragma once

// Every test starts from this: the driver installed with both directions on (input 01 00 00 00,
// output 02 00 00 00), no patch key, and one simulated card with its optical line unmuted.
void ResetMachine();

// Keys by the short names the e2e probe uses: "drv" (driver service key), "cpl" (control panel key),
// "patch". A null hex deletes the value; DeleteKeyOf removes the whole key.
void SetValueHex(const char* pszKey, const char* pszName, const char* pszHex);
void DeleteKeyOf(const char* pszKey);
bool KeyPresent(const char* pszKey);
// Everyone may read the key but not change it (an account without administrator rights), or anything again.
void SetKeyReadOnly(const char* pszKey, bool bReadOnly);
// The value's bytes in upper-case hex, "absent" when there is none; valid until the next call.
const char* ValueHex(const char* pszKey, const char* pszName);

// The simulated card, or a machine without its mixer; the mute of its optical line, through winmm.
void ConnectCard(bool bConnected);
bool SetOpticalMute(bool bMuted);
bool IsOpticalMuted();

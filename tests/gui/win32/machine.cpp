// tests/gui/win32/machine.cpp: seeding and reading the keys Beamset works on, and the simulated card's mixer.
#include "machine.h"

#include <stdio.h>
#include <string.h>
#include <windows.h>

#include "cardmixer.h"
#include "opticalregistry.h"
#include "simconfig.h"

namespace {

const char* KeyPath(const char* pszKey) {
  if (strcmp(pszKey, "drv") == 0) return kDriverServiceKey;
  if (strcmp(pszKey, "cpl") == 0) return kControlPanelKey;
  return kPatchKey;
}

// An opened and refreshed mixer of the card, or false when the card has none.
bool OpenCard(CCardMixer& mixer) { return mixer.Open(NULL) && mixer.Refresh(0); }

}  // namespace

void ResetMachine() {
  DeleteKeyOf("drv");
  DeleteKeyOf("cpl");
  DeleteKeyOf("patch");
  ConnectCard(true);
  SetValueHex("drv", kValueEnableInput, "01000000");
  SetValueHex("drv", kValueOutputSource, "02000000");
  SetValueHex("cpl", kValueSourceSelection, "02000000");
}

void SetValueHex(const char* pszKey, const char* pszName, const char* pszHex) {
  HKEY hKey = NULL;
  if (::RegCreateKeyA(HKEY_LOCAL_MACHINE, KeyPath(pszKey), &hKey) != ERROR_SUCCESS) return;
  if (pszHex == NULL) {
    ::RegDeleteValueA(hKey, pszName);
  } else {
    BYTE data[32];
    DWORD cb = 0;
    for (; pszHex[0] != '\0' && pszHex[1] != '\0' && cb < sizeof data; pszHex += 2) {
      unsigned int b = 0;
      sscanf(pszHex, "%2x", &b);
      data[cb++] = static_cast<BYTE>(b);
    }
    ::RegSetValueExA(hKey, pszName, 0, REG_BINARY, data, cb);
  }
  ::RegCloseKey(hKey);
}

void DeleteKeyOf(const char* pszKey) { ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, KeyPath(pszKey)); }

bool KeyPresent(const char* pszKey) {
  HKEY hKey = NULL;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, KeyPath(pszKey), 0, KEY_READ, &hKey) != ERROR_SUCCESS) return false;
  ::RegCloseKey(hKey);
  return true;
}

void SetKeyReadOnly(const char* pszKey, bool bReadOnly) {
  HKEY hKey = NULL;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, KeyPath(pszKey), 0, WRITE_DAC, &hKey) != ERROR_SUCCESS) return;
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID pEveryone = NULL;
  ::AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &pEveryone);
  DWORD acl[32];
  PACL pAcl = reinterpret_cast<PACL>(acl);
  ::InitializeAcl(pAcl, sizeof acl, ACL_REVISION);
  ::AddAccessAllowedAce(pAcl, ACL_REVISION, KEY_READ | WRITE_DAC | DELETE, pEveryone);
  SECURITY_DESCRIPTOR sd;
  ::InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
  ::SetSecurityDescriptorDacl(&sd, TRUE, bReadOnly ? pAcl : NULL, FALSE);  // no DACL: full access
  ::RegSetKeySecurity(hKey, DACL_SECURITY_INFORMATION, &sd);
  ::FreeSid(pEveryone);
  ::RegCloseKey(hKey);
}

const char* ValueHex(const char* pszKey, const char* pszName) {
  static char szHex[65];
  HKEY hKey = NULL;
  BYTE data[32];
  DWORD cb = sizeof data;
  bool bRead = ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, KeyPath(pszKey), 0, KEY_READ, &hKey) == ERROR_SUCCESS &&
               ::RegQueryValueExA(hKey, pszName, NULL, NULL, data, &cb) == ERROR_SUCCESS;
  if (hKey != NULL) ::RegCloseKey(hKey);
  if (!bRead) return "absent";
  szHex[0] = '\0';
  for (DWORD i = 0; i < cb; ++i) sprintf(szHex + 2 * i, "%02X", data[i]);
  return szHex;
}

void ConnectCard(bool bConnected) {
  ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kCardSimKey);
  if (bConnected) return;  // no key is one card
  HKEY hKey = NULL;
  if (::RegCreateKeyA(HKEY_LOCAL_MACHINE, kCardSimKey, &hKey) != ERROR_SUCCESS) return;
  // An empty multi-string: no mixer device.
  ::RegSetValueExA(hKey, kCardSimDevices, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>("\0"), 2);
  ::RegCloseKey(hKey);
}

bool SetOpticalMute(bool bMuted) {
  CCardMixer mixer;
  return OpenCard(mixer) && mixer.SetMute(kOpticalInputEntry, bMuted);
}

bool IsOpticalMuted() {
  CCardMixer mixer;
  return OpenCard(mixer) && mixer.GetMute(kOpticalInputEntry);
}

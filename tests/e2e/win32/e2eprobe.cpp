// tests/e2e/win32/e2eprobe.cpp: seeds and reads the registry and the simulated card for the Wine tests and the demo.
// Every argument is one operation, run in order:
//   reset                      delete the driver, control panel, patch and simulated-card keys
//   set:K:NAME:TYPE:HEX        store exactly the given bytes (TYPE bin, sz, dword or a number)
//   card:NAME|NAME...          the simulated mixer devices in ID order; "card:" for none
//   mute:N:0|1                 entry 7's mute on mixer device N, through the mixer calls
//   ver:EXE:VERSION            the Windows version Wine reports to EXE (win98, winxp, win31, ...)
//   dump                       print every value of the three keys and each mixer's entry-7 mute
//   at:TITLE:ID                print "X Y LEFT TOP RIGHT BOTTOM" on screen: the centre and rectangle of the
//                              visible control ID anywhere inside the top-level window titled TITLE
//   text:TITLE:ID              print the text of that visible control (which page shows: its heading)
//   run:COMMAND LINE           start a program, wait until it and every process it started have ended, and
//                              print "exit=N ms=T tree_ms=T" (an NSIS uninstaller goes on in a copy of itself)
//   lock:K:RIGHTS              let everyone have only RIGHTS (SDDL: KR read, SD delete, ...) on key K
#include <windows.h>
#include <mmsystem.h>
#include <sddl.h>
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <hostwin32/mixermodel.h>

#include "opticalregistry.h"
#include "simconfig.h"

namespace {

struct KeyAlias {
  const char* pszAlias;
  const char* pszPath;
};

const KeyAlias kKeys[] = {{"drv", kDriverServiceKey}, {"cpl", kControlPanelKey}, {"patch", kPatchKey},
                          {"decoy", "Software\\Beamset\\Decoy"}};

const char* KeyPath(const char* pszAlias) {
  for (const KeyAlias& key : kKeys)
    if (strcmp(key.pszAlias, pszAlias) == 0) return key.pszPath;
  return nullptr;
}

bool Fail(const char* pszOp, const char* pszWhy) {
  fprintf(stderr, "e2eprobe: %s: %s\n", pszOp, pszWhy);
  return false;
}

// The types the scripts name; any other is given and printed as its number.
const struct {
  DWORD dwType;
  const char* pszName;
} kTypes[] = {{REG_BINARY, "bin"}, {REG_SZ, "sz"}, {REG_DWORD, "dword"}, {REG_NONE, "none"}, {REG_MULTI_SZ, "multi"}};

const char* TypeName(DWORD dwType) {
  for (const auto& t : kTypes)
    if (t.dwType == dwType) return t.pszName;
  return nullptr;
}

bool ParseType(const char* psz, DWORD* pdwType) {
  for (const auto& t : kTypes)
    if (strcmp(t.pszName, psz) == 0) return *pdwType = t.dwType, true;
  char* pEnd = nullptr;
  *pdwType = strtoul(psz, &pEnd, 0);
  return *psz && !*pEnd;
}

bool ParseHex(const char* psz, BYTE* pData, DWORD cbMax, DWORD* pcb) {
  DWORD cb = 0;
  for (; psz[0] && psz[1]; psz += 2) {
    char sz[3] = {psz[0], psz[1], 0};
    char* pEnd = nullptr;
    const unsigned long b = strtoul(sz, &pEnd, 16);
    if (*pEnd || cb == cbMax) return false;
    pData[cb++] = static_cast<BYTE>(b);
  }
  *pcb = cb;
  return !*psz;
}

// Splits "a:b:c" in place into at most nMax fields.
int Split(char* psz, char** ppFields, int nMax) {
  int n = 0;
  ppFields[n++] = psz;
  for (char* p = psz; *p && n < nMax; ++p)
    if (*p == ':') *p = 0, ppFields[n++] = p + 1;
  return n;
}

// Creates the key as needed and stores the value; false (having said why) when either fails.
bool WriteValue(const char* pszOp, HKEY hRoot, const char* pszPath, const char* pszName, DWORD dwType,
                const void* pData, DWORD cb) {
  HKEY hKey = nullptr;
  if (RegCreateKeyA(hRoot, pszPath, &hKey) != ERROR_SUCCESS) return Fail(pszOp, "cannot create key");
  const LONG lResult = RegSetValueExA(hKey, pszName, 0, dwType, static_cast<const BYTE*>(pData), cb);
  RegCloseKey(hKey);
  return lResult == ERROR_SUCCESS || Fail(pszOp, "RegSetValueExA failed");
}

bool SetValue(char** f, int n) {
  const char* pszPath = n == 5 ? KeyPath(f[1]) : nullptr;
  BYTE data[256];
  DWORD dwType = 0, cb = 0;
  if (!pszPath || !ParseType(f[3], &dwType) || !ParseHex(f[4], data, sizeof data - 1, &cb))
    return Fail("set", "expected set:drv|cpl|patch:NAME:TYPE:HEX");
  // A non-zero byte after the data, so NT's look-ahead for a forgotten terminator adds none.
  data[cb] = 0xEE;
  return WriteValue("set", HKEY_LOCAL_MACHINE, pszPath, f[2], dwType, data, cb);
}

bool SetCards(const char* pszNames) {
  char list[1024];
  const size_t cch = strlen(pszNames);
  if (cch + 2 > sizeof list) return Fail("card", "names too long");
  memcpy(list, pszNames, cch + 1);
  for (char* p = list; *p; ++p)
    if (*p == '|') *p = 0;
  list[cch + 1] = 0;  // the list's own terminator; an empty list is two zeros
  return WriteValue("card", HKEY_LOCAL_MACHINE, kCardSimKey, kCardSimDevices, REG_MULTI_SZ, list,
                    static_cast<DWORD>(cch + 2));
}

// Finds entry 7's mute control (the optical line's) on an open mixer.
bool FindOpticalMute(HMIXER hMixer, DWORD* pdwControlID) {
  MIXERCONTROLA controls[2];
  MIXERLINECONTROLSA query;
  memset(&query, 0, sizeof query);
  query.cbStruct = sizeof query;
  query.dwLineID = mixermodel::kArpeggioOpticalLine;
  query.cControls = 2;  // volume and mute
  query.cbmxctrl = sizeof controls[0];
  query.pamxctrl = controls;
  if (mixerGetLineControlsA(reinterpret_cast<HMIXEROBJ>(hMixer), &query,
                            MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ALL) != MMSYSERR_NOERROR)
    return false;
  for (const MIXERCONTROLA& c : controls)
    if (c.dwControlType == MIXERCONTROL_CONTROLTYPE_MUTE) return *pdwControlID = c.dwControlID, true;
  return false;
}

// Reads (pValue null: prints) or writes entry 7's mute of device nDevice.
bool OpticalMute(UINT nDevice, const LONG* pValue, LONG* pRead) {
  HMIXER hMixer = nullptr;
  if (mixerOpen(&hMixer, nDevice, 0, 0, 0) != MMSYSERR_NOERROR) return false;
  DWORD dwControlID = 0;
  bool bDone = FindOpticalMute(hMixer, &dwControlID);
  if (bDone) {
    MIXERCONTROLDETAILS_BOOLEAN value = {pValue ? *pValue : 0};
    MIXERCONTROLDETAILS details;
    memset(&details, 0, sizeof details);
    details.cbStruct = sizeof details;
    details.dwControlID = dwControlID;
    details.cChannels = 1;
    details.cbDetails = sizeof value;
    details.paDetails = &value;
    const HMIXEROBJ hObj = reinterpret_cast<HMIXEROBJ>(hMixer);
    bDone = pValue ? mixerSetControlDetails(hObj, &details, MIXER_OBJECTF_HMIXER) == MMSYSERR_NOERROR
                   : mixerGetControlDetailsA(hObj, &details, MIXER_OBJECTF_HMIXER) == MMSYSERR_NOERROR;
    if (pRead) *pRead = value.fValue;
  }
  mixerClose(hMixer);
  return bDone;
}

struct ControlSearch {
  int nID;
  HWND hFound;
};

BOOL CALLBACK FindControl(HWND hWnd, LPARAM lParam) {
  ControlSearch* pSearch = reinterpret_cast<ControlSearch*>(lParam);
  if (GetDlgCtrlID(hWnd) != pSearch->nID || !IsWindowVisible(hWnd)) return TRUE;
  pSearch->hFound = hWnd;
  return FALSE;
}

// text: the control's text (which page shows: its heading); at: its centre and rectangle on screen.
bool PrintControl(char** f, int n) {
  const HWND hTop = n == 3 ? FindWindowA(nullptr, f[1]) : nullptr;
  ControlSearch search = {n == 3 ? atoi(f[2]) : 0, nullptr};
  if (hTop) EnumChildWindows(hTop, FindControl, reinterpret_cast<LPARAM>(&search));  // every descendant
  RECT rc;
  char sz[256] = "";
  if (!search.hFound || !GetWindowRect(search.hFound, &rc)) return Fail(f[0], "no such visible control");
  if (strcmp(f[0], "text") == 0) return GetWindowTextA(search.hFound, sz, sizeof sz), printf("%s\n", sz), true;
  printf("%ld %ld %ld %ld %ld %ld\n", (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2, rc.left, rc.top, rc.right,
         rc.bottom);
  return true;
}

bool SetVersion(char** f, int n) {
  if (n != 3) return Fail("ver", "expected ver:EXE:VERSION");
  char path[MAX_PATH];
  snprintf(path, sizeof path, "Software\\Wine\\AppDefaults\\%s", f[1]);
  return WriteValue("ver", HKEY_CURRENT_USER, path, "Version", REG_SZ, f[2], static_cast<DWORD>(strlen(f[2]) + 1));
}

int CompareNames(const void* a, const void* b) {
  return strcmp(static_cast<const char*>(a), static_cast<const char*>(b));
}

void DumpKey(const KeyAlias& key) {
  HKEY hKey = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.pszPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS) {
    printf("%s=absent\n", key.pszAlias);
    return;
  }
  printf("%s=present\n", key.pszAlias);
  char names[64][64];
  DWORD nNames = 0;
  for (DWORD i = 0; nNames < 64; ++i) {
    DWORD cch = sizeof names[0];
    if (RegEnumValueA(hKey, i, names[nNames], &cch, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    ++nNames;
  }
  qsort(names, nNames, sizeof names[0], CompareNames);
  for (DWORD i = 0; i < nNames; ++i) {
    BYTE data[256];
    DWORD dwType = 0, cb = sizeof data;
    if (RegQueryValueExA(hKey, names[i], nullptr, &dwType, data, &cb) != ERROR_SUCCESS) {
      printf("%s:%s=unreadable\n", key.pszAlias, names[i]);
      continue;
    }
    const char* pszType = TypeName(dwType);
    if (pszType)
      printf("%s:%s=%s:%lu:", key.pszAlias, names[i], pszType, cb);
    else
      printf("%s:%s=%lu:%lu:", key.pszAlias, names[i], dwType, cb);
    for (DWORD k = 0; k < cb; ++k) printf("%02X", data[k]);
    printf("\n");
  }
  RegCloseKey(hKey);
}

void DumpMixers() {
  const UINT nDevices = mixerGetNumDevs();
  printf("mixers=%u\n", nDevices);
  for (UINT n = 0; n < nDevices; ++n) {
    MIXERCAPSA caps;
    memset(&caps, 0, sizeof caps);
    mixerGetDevCapsA(n, &caps, sizeof caps);
    LONG fMuted = 0;
    if (OpticalMute(n, nullptr, &fMuted))
      printf("mixer%u=%.*s:mute=%ld\n", n, MAXPNAMELEN, caps.szPname, fMuted);
    else
      printf("mixer%u=%.*s:mute=?\n", n, MAXPNAMELEN, caps.szPname);
  }
}

bool RunTree(const char* pszCommandLine) {
  char cmd[1024];
  if (strlen(pszCommandLine) >= sizeof cmd) return Fail("run", "command line too long");
  strcpy(cmd, pszCommandLine);
  // Children join their parent's job: the job empties only when the whole tree has ended.
  const HANDLE hJob = CreateJobObjectA(nullptr, nullptr);
  STARTUPINFOA si;
  memset(&si, 0, sizeof si);
  si.cb = sizeof si;
  PROCESS_INFORMATION pi;
  if (!hJob || !CreateProcessA(nullptr, cmd, nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr, &si, &pi)) {
    if (hJob) CloseHandle(hJob);
    return Fail("run", "cannot start the program");
  }
  const bool bInJob = AssignProcessToJobObject(hJob, pi.hProcess);
  const DWORD dwStart = GetTickCount();
  ResumeThread(pi.hThread);
  WaitForSingleObject(pi.hProcess, INFINITE);
  const DWORD dwProcessMs = GetTickCount() - dwStart;
  DWORD dwExit = 0;
  GetExitCodeProcess(pi.hProcess, &dwExit);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info;
  bool bEnded = false;
  while (bInJob && !bEnded && GetTickCount() - dwStart < 120000) {
    bEnded = QueryInformationJobObject(hJob, JobObjectBasicAccountingInformation, &info, sizeof info, nullptr) &&
             info.ActiveProcesses == 0;
    if (!bEnded) Sleep(10);
  }
  const DWORD dwTreeMs = GetTickCount() - dwStart;
  CloseHandle(hJob);
  if (!bEnded) return Fail("run", bInJob ? "processes still running after 120 s" : "cannot watch the process tree");
  printf("exit=%lu ms=%lu tree_ms=%lu\n", dwExit, dwProcessMs, dwTreeMs);
  return true;
}

bool RunOp(char* pszOp) {
  if (strncmp(pszOp, "run:", 4) == 0) return RunTree(pszOp + 4);
  char* f[6];
  const int n = Split(pszOp, f, 6);
  if (strcmp(f[0], "reset") == 0) {
    for (const KeyAlias& key : kKeys) RegDeleteKeyA(HKEY_LOCAL_MACHINE, key.pszPath);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kCardSimKey);
    return true;
  }
  if (strcmp(f[0], "set") == 0) return SetValue(f, n);
  if (strcmp(f[0], "card") == 0) return n == 2 ? SetCards(f[1]) : Fail("card", "expected card:NAME|NAME...");
  if (strcmp(f[0], "mute") == 0) {
    const LONG fValue = n == 3 ? atol(f[2]) : 0;
    return (n == 3 && OpticalMute(static_cast<UINT>(atoi(f[1])), &fValue, nullptr)) ||
           Fail("mute", "no such mixer line");
  }
  if (strcmp(f[0], "ver") == 0) return SetVersion(f, n);
  if (strcmp(f[0], "lock") == 0) {
    HKEY hKey = nullptr;
    PSECURITY_DESCRIPTOR pSD = nullptr;  // freed with the process
    char szSddl[64];
    snprintf(szSddl, sizeof szSddl, "D:P(A;;%s;;;WD)", n == 3 ? f[2] : "");
    return (n == 3 && KeyPath(f[1]) &&
            RegOpenKeyExA(HKEY_LOCAL_MACHINE, KeyPath(f[1]), 0, WRITE_DAC, &hKey) == ERROR_SUCCESS &&
            ConvertStringSecurityDescriptorToSecurityDescriptorA(szSddl, SDDL_REVISION_1, &pSD, nullptr) &&
            RegSetKeySecurity(hKey, DACL_SECURITY_INFORMATION, pSD) == ERROR_SUCCESS) ||
           Fail("lock", "expected lock:drv|cpl|patch:RIGHTS on an existing key");
  }
  if (strcmp(f[0], "at") == 0 || strcmp(f[0], "text") == 0) return PrintControl(f, n);
  if (strcmp(f[0], "dump") == 0) {
    for (const KeyAlias& key : kKeys) DumpKey(key);
    DumpMixers();
    return true;
  }
  return Fail(f[0], "unknown operation");
}

}  // namespace

int main(int argc, char** argv) {
  _setmode(_fileno(stdout), _O_BINARY);  // the scripts compare lines, without carriage returns
  if (!strstr(GetCommandLineA(), "e2eprobe.exe"))  // a decoy, copied under another name: records its command line
    return WriteValue("decoy", HKEY_LOCAL_MACHINE, KeyPath("decoy"), GetCommandLineA(), REG_SZ, "", 1) ? 0 : 2;
  for (int i = 1; i < argc; ++i)
    if (!RunOp(argv[i])) return 2;
  return 0;
}

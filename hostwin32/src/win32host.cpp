// hostwin32/src/win32host.cpp: the registry, version and mixer calls in memory, logged and faultable.
#include <hostwin32/testhost.h>

#include <ctype.h>
#include <string.h>

#include <map>
#include <sstream>

namespace hostwin32 {
namespace {

struct Key {
  std::map<std::string, RegValue> values;  // by lower-case name
};

struct Fault {
  std::string function;
  int remaining;
  long error;
};

const UINT_PTR kFirstHandle = 0x1000;

struct State {
  DWORD dwPlatformId = VER_PLATFORM_WIN32_NT;
  std::map<std::string, Key> keys;          // by lower-case path, HKLM-relative
  std::map<UINT_PTR, std::string> handles;  // open key handle -> path
  UINT_PTR nextHandle = kFirstHandle;
  mixermodel::Mixer mixer;
  std::vector<Call> calls;
  std::vector<Fault> faults;
  int nWinmmRefs = 0;
  int nUser32Refs = 0;
  std::string console;  // standard output
};

State& S() {
  static State s;
  return s;
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string Join(const std::string& base, const char* sub) {
  std::string path = base;
  if (sub && *sub) path += (path.empty() ? "" : "\\") + std::string(sub);
  return Lower(path);
}

// The path a key handle stands for; false for an unknown handle.
bool PathOf(HKEY hKey, std::string* path) {
  if (hKey == HKEY_LOCAL_MACHINE) {
    path->clear();
    return true;
  }
  auto it = S().handles.find(reinterpret_cast<UINT_PTR>(hKey));
  if (it == S().handles.end()) return false;
  *path = it->second;
  return true;
}

bool Is9x() { return S().dwPlatformId == VER_PLATFORM_WIN32_WINDOWS; }

// The registry's rules by family, from Wine's tests as run on real Windows 95/98 and NT
// (dlls/advapi32/tests/registry.c, around 2008) and Microsoft's RegQueryValueEx reference:
// - 95 family: a key already open gives its handle again, so one close closes it for every holder
//   (test_reg_close_key: "win98 doesn't give a new handle when the same key is opened"); a second
//   close succeeds ("Windows 95 doesn't mind").
// - A bad handle gives ERROR_BADKEY on the 95 family ("Windows 95 returns BADKEY", test_reg_open_key and
//   test_reg_close_key; "Windows 98 returns BADKEY" for any bad handle, test_reg_query_value).
// - A failed open leaves the caller's handle on the 95 family; NT clears it unless the parent handle is
//   bad (test_reg_open_key).
// - A missing value: the 95 family sets the type to 0 and keeps the size; NT sets the size to 0 when no
//   buffer is given, else keeps it, and the type to "a random value" (test_query_value_ex).
// - A short buffer: ERROR_MORE_DATA, the size needed, and the buffer's contents undefined (the reference).
//   Here the 95 family's buffer gets the first bytes, so that a caller taking them for the value shows.
const DWORD kNoSuchType = 0xDEADBEEF;  // what NT may leave as a missing value's type

LONG BadKeyError() { return Is9x() ? ERROR_BADKEY : ERROR_INVALID_HANDLE; }

// Handed out before and closed since.
bool IsClosedHandle(HKEY hKey) {
  const UINT_PTR h = reinterpret_cast<UINT_PTR>(hKey);
  return h >= kFirstHandle && h < S().nextHandle && !S().handles.count(h);
}

HKEY HandleFor(const std::string& path) {
  if (Is9x())
    for (const auto& [h, open] : S().handles)
      if (open == path) return reinterpret_cast<HKEY>(h);
  const UINT_PTR h = S().nextHandle++;
  S().handles[h] = path;
  return reinterpret_cast<HKEY>(h);
}

// Counts the call against planned faults; true and the error when this call is to fail.
bool Injected(const char* function, long* error) {
  for (auto it = S().faults.begin(); it != S().faults.end(); ++it)
    if (it->function == function && --it->remaining == 0) {
      *error = it->error;
      S().faults.erase(it);
      return true;
    }
  return false;
}

long AsLong(long v) { return v; }
template <typename T>
long AsLong(T* p) {
  return static_cast<long>(reinterpret_cast<intptr_t>(p));
}
template <typename R, typename... A>
long AsLong(R (*p)(A...)) {
  return p != nullptr;
}

template <typename T>
T Log(const char* function, const std::ostringstream& args, T result) {
  S().calls.push_back({function, args.str(), AsLong(result)});
  return result;
}

template <typename Fn>
FARPROC Proc(Fn* pfn) {
  return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)(void)>(pfn));
}

std::string Str(const char* s) { return s ? std::string("\"") + s + "\"" : "null"; }

std::string Hex(const void* p) {
  std::ostringstream o;
  o << std::hex << "0x" << reinterpret_cast<UINT_PTR>(p);
  return o.str();
}

const HMODULE kWinmmModule = reinterpret_cast<HMODULE>(0x70000000);
const HMODULE kUser32Module = reinterpret_cast<HMODULE>(0x71000000);
const HANDLE kStdOutput = reinterpret_cast<HANDLE>(0x5011);

}  // namespace

void Reset() { S() = State(); }

void SetPlatformId(DWORD dwPlatformId) { S().dwPlatformId = dwPlatformId; }

void CreateKey(const std::string& path) {
  std::string lower = Lower(path);
  for (size_t pos = 0; (pos = lower.find('\\', pos)) != std::string::npos; ++pos) S().keys[lower.substr(0, pos)];
  S().keys[lower];
}

bool KeyExists(const std::string& path) { return S().keys.count(Lower(path)) != 0; }

void DeleteKey(const std::string& path) {
  const std::string lower = Lower(path);
  for (auto it = S().keys.begin(); it != S().keys.end();) {
    const bool under = it->first == lower || it->first.compare(0, lower.size() + 1, lower + "\\") == 0;
    it = under ? S().keys.erase(it) : std::next(it);
  }
}

void SetValue(const std::string& path, const std::string& name, DWORD dwType, const std::vector<BYTE>& data) {
  CreateKey(path);
  S().keys[Lower(path)].values[Lower(name)] = {dwType, data};
}

bool GetValue(const std::string& path, const std::string& name, RegValue* pValue) {
  auto key = S().keys.find(Lower(path));
  if (key == S().keys.end()) return false;
  auto value = key->second.values.find(Lower(name));
  if (value == key->second.values.end()) return false;
  *pValue = value->second;
  return true;
}

size_t OpenKeyCount() { return S().handles.size(); }

int LoadedLibraryCount() { return S().nWinmmRefs + S().nUser32Refs; }

mixermodel::Mixer& Mixer() { return S().mixer; }

const std::string& ConsoleOutput() { return S().console; }

void ClearConsoleOutput() { S().console.clear(); }

const std::vector<Call>& Calls() { return S().calls; }

size_t CountCalls(const std::string& function) {
  size_t n = 0;
  for (const Call& c : S().calls) n += c.function == function;
  return n;
}

void ClearCalls() { S().calls.clear(); }

void FailCall(const std::string& function, int nth, long error) { S().faults.push_back({function, nth, error}); }

void ClearFaults() { S().faults.clear(); }

}  // namespace hostwin32

using namespace hostwin32;

extern "C" {

BOOL WINAPI GetVersionExA(LPOSVERSIONINFOA lpVersionInformation) {
  std::ostringstream args;
  args << Hex(lpVersionInformation);
  long error;
  if (Injected("GetVersionExA", &error)) return Log("GetVersionExA", args, FALSE);
  if (!lpVersionInformation || lpVersionInformation->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA))
    return Log("GetVersionExA", args, FALSE);
  args << ", size " << lpVersionInformation->dwOSVersionInfoSize;
  lpVersionInformation->dwPlatformId = S().dwPlatformId;
  lpVersionInformation->dwMajorVersion = S().dwPlatformId == VER_PLATFORM_WIN32_NT ? 5 : 4;
  return Log("GetVersionExA", args, TRUE);
}

// The reference count of a module the programs load by name; null for any other handle.
int* RefsOf(HMODULE hModule) {
  if (hModule == kWinmmModule) return &S().nWinmmRefs;
  return hModule == kUser32Module ? &S().nUser32Refs : nullptr;
}

HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName) {
  std::ostringstream args;
  args << Str(lpLibFileName);
  long error;
  const std::string name = lpLibFileName ? Lower(lpLibFileName) : "";
  const HMODULE hModule = name == "winmm.dll" ? kWinmmModule : name == "user32.dll" ? kUser32Module : nullptr;
  if (Injected("LoadLibraryA", &error) || !hModule) return Log("LoadLibraryA", args, static_cast<HMODULE>(nullptr));
  ++*RefsOf(hModule);
  return Log("LoadLibraryA", args, hModule);
}

FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
  static const struct {
    HMODULE hModule;
    const char* name;
    FARPROC proc;
  } kExports[] = {
      {kWinmmModule, "mixerGetNumDevs", Proc(&mixerGetNumDevs)},
      {kWinmmModule, "mixerGetDevCapsA", Proc(&mixerGetDevCapsA)},
      {kWinmmModule, "mixerOpen", Proc(&mixerOpen)},
      {kWinmmModule, "mixerClose", Proc(&mixerClose)},
      {kWinmmModule, "mixerGetLineControlsA", Proc(&mixerGetLineControlsA)},
      {kWinmmModule, "mixerGetControlDetailsA", Proc(&mixerGetControlDetailsA)},
      {kWinmmModule, "mixerSetControlDetails", Proc(&mixerSetControlDetails)},
      {kUser32Module, "MessageBoxA", Proc(&MessageBoxA)},
  };
  std::ostringstream args;
  args << Hex(hModule) << ", " << Str(lpProcName);
  long error;
  const int* pRefs = RefsOf(hModule);
  if (Injected("GetProcAddress", &error) || !pRefs || *pRefs <= 0 || !lpProcName)
    return Log("GetProcAddress", args, static_cast<FARPROC>(nullptr));
  for (const auto& e : kExports)
    if (e.hModule == hModule && strcmp(e.name, lpProcName) == 0) return Log("GetProcAddress", args, e.proc);
  return Log("GetProcAddress", args, static_cast<FARPROC>(nullptr));
}

BOOL WINAPI FreeLibrary(HMODULE hLibModule) {
  std::ostringstream args;
  args << Hex(hLibModule);
  int* pRefs = RefsOf(hLibModule);
  if (!pRefs || *pRefs <= 0) return Log("FreeLibrary", args, FALSE);
  --*pRefs;
  return Log("FreeLibrary", args, TRUE);
}

// Shown to nobody: the text and caption are logged, and the box is answered with OK.
int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  std::ostringstream args;
  args << Hex(hWnd) << ", " << Str(lpText) << ", " << Str(lpCaption) << ", 0x" << std::hex << uType;
  long error;
  if (Injected("MessageBoxA", &error)) return Log("MessageBoxA", args, 0);
  return Log("MessageBoxA", args, IDOK);
}

// Standard output only: a console program's one way to report.
HANDLE WINAPI GetStdHandle(DWORD nStdHandle) {
  std::ostringstream args;
  args << static_cast<LONG>(nStdHandle);
  long error;
  if (Injected("GetStdHandle", &error)) return Log("GetStdHandle", args, INVALID_HANDLE_VALUE);
  return Log("GetStdHandle", args, nStdHandle == STD_OUTPUT_HANDLE ? kStdOutput : INVALID_HANDLE_VALUE);
}

// Windows 95/98 need the count of bytes written even without overlapped output.
BOOL WINAPI WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite, LPDWORD lpNumberOfBytesWritten,
                      LPOVERLAPPED lpOverlapped) {
  std::ostringstream args;
  args << Hex(hFile) << ", length " << nNumberOfBytesToWrite;
  if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = 0;
  long error;
  if (Injected("WriteFile", &error)) return Log("WriteFile", args, FALSE);
  if (hFile != kStdOutput || !lpNumberOfBytesWritten || lpOverlapped || (nNumberOfBytesToWrite && !lpBuffer))
    return Log("WriteFile", args, FALSE);
  S().console.append(static_cast<const char*>(lpBuffer), nNumberOfBytesToWrite);
  *lpNumberOfBytesWritten = nNumberOfBytesToWrite;
  return Log("WriteFile", args, TRUE);
}

// RegOpenKeyExA and RegCreateKeyA, which creates what is missing.
static LONG OpenKey(const char* function, const std::ostringstream& args, HKEY hKey, LPCSTR lpSubKey, bool bCreate,
                    PHKEY phkResult) {
  std::string base;
  const bool bParent = PathOf(hKey, &base);
  if (phkResult && bParent && !Is9x()) *phkResult = nullptr;
  long error;
  if (Injected(function, &error)) return Log(function, args, static_cast<LONG>(error));
  if (!bParent) return Log(function, args, BadKeyError());
  if (!phkResult) return Log(function, args, ERROR_INVALID_PARAMETER);
  const std::string path = Join(base, lpSubKey);
  if (bCreate) CreateKey(path);
  if (!S().keys.count(path)) return Log(function, args, ERROR_FILE_NOT_FOUND);
  *phkResult = HandleFor(path);
  return Log(function, args, ERROR_SUCCESS);
}

LONG WINAPI RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult) {
  std::ostringstream args;
  args << Hex(hKey) << ", " << Str(lpSubKey) << ", " << ulOptions << ", 0x" << std::hex << samDesired;
  return OpenKey("RegOpenKeyExA", args, hKey, lpSubKey, false, phkResult);
}

LONG WINAPI RegCreateKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult) {
  std::ostringstream args;
  args << Hex(hKey) << ", " << Str(lpSubKey);
  return OpenKey("RegCreateKeyA", args, hKey, lpSubKey, true, phkResult);
}

LONG WINAPI RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                             LPDWORD lpcbData) {
  std::ostringstream args;
  args << Hex(hKey) << ", " << Str(lpValueName) << ", capacity " << (lpcbData ? static_cast<long>(*lpcbData) : -1);
  long error;
  if (Injected("RegQueryValueExA", &error)) return Log("RegQueryValueExA", args, static_cast<LONG>(error));
  std::string path;
  if (!PathOf(hKey, &path) || hKey == HKEY_LOCAL_MACHINE) return Log("RegQueryValueExA", args, BadKeyError());
  if (lpReserved || (lpData && !lpcbData)) return Log("RegQueryValueExA", args, ERROR_INVALID_PARAMETER);
  RegValue value;
  if (!GetValue(path, lpValueName ? lpValueName : "", &value)) {
    if (lpType) *lpType = Is9x() ? REG_NONE : kNoSuchType;
    if (lpcbData && !lpData && !Is9x()) *lpcbData = 0;
    return Log("RegQueryValueExA", args, ERROR_FILE_NOT_FOUND);
  }
  if (lpType) *lpType = value.dwType;
  const DWORD size = static_cast<DWORD>(value.data.size());
  if (!lpcbData) return Log("RegQueryValueExA", args, ERROR_SUCCESS);
  const DWORD capacity = *lpcbData;
  *lpcbData = size;
  if (!lpData) return Log("RegQueryValueExA", args, ERROR_SUCCESS);
  if (capacity < size) {
    if (Is9x()) memcpy(lpData, value.data.data(), capacity);
    return Log("RegQueryValueExA", args, ERROR_MORE_DATA);
  }
  if (size) memcpy(lpData, value.data.data(), size);
  return Log("RegQueryValueExA", args, ERROR_SUCCESS);
}

LONG WINAPI RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData,
                           DWORD cbData) {
  std::ostringstream args;
  args << Hex(hKey) << ", " << Str(lpValueName) << ", " << Reserved << ", type " << dwType << ", length " << cbData;
  long error;
  if (Injected("RegSetValueExA", &error)) return Log("RegSetValueExA", args, static_cast<LONG>(error));
  std::string path;
  if (!PathOf(hKey, &path) || hKey == HKEY_LOCAL_MACHINE) return Log("RegSetValueExA", args, BadKeyError());
  if (cbData && !lpData) return Log("RegSetValueExA", args, ERROR_INVALID_PARAMETER);
  if (!S().keys.count(path)) return Log("RegSetValueExA", args, ERROR_FILE_NOT_FOUND);  // deleted under the handle
  // Texts are stored as the system does: NT takes the next byte too when it is the terminator, the
  // 95 family stores up to the terminator whatever the length. Both read the caller's bytes past cbData.
  DWORD cbStored = cbData;
  if (lpData && (dwType == REG_SZ || dwType == REG_EXPAND_SZ)) {
    if (S().dwPlatformId == VER_PLATFORM_WIN32_WINDOWS)
      cbStored = static_cast<DWORD>(strlen(reinterpret_cast<const char*>(lpData)) + 1);
    else if (cbData && lpData[cbData - 1] && !lpData[cbData])
      ++cbStored;
  }
  S().keys[path].values[Lower(lpValueName ? lpValueName : "")] = {dwType, std::vector<BYTE>(lpData, lpData + cbStored)};
  return Log("RegSetValueExA", args, ERROR_SUCCESS);
}

LONG WINAPI RegCloseKey(HKEY hKey) {
  std::ostringstream args;
  args << Hex(hKey);
  long error;
  if (Injected("RegCloseKey", &error)) return Log("RegCloseKey", args, static_cast<LONG>(error));
  if (S().handles.erase(reinterpret_cast<UINT_PTR>(hKey)) || (Is9x() && IsClosedHandle(hKey)))
    return Log("RegCloseKey", args, ERROR_SUCCESS);
  return Log("RegCloseKey", args, BadKeyError());
}

UINT WINAPI mixerGetNumDevs(void) {
  std::ostringstream args;
  long error;
  if (Injected("mixerGetNumDevs", &error)) return Log("mixerGetNumDevs", args, 0u);
  return Log("mixerGetNumDevs", args, S().mixer.GetNumDevs());
}

MMRESULT WINAPI mixerGetDevCapsA(UINT_PTR uMxId, LPMIXERCAPSA pmxcaps, UINT cbmxcaps) {
  std::ostringstream args;
  args << uMxId << ", size " << cbmxcaps;
  long error;
  if (Injected("mixerGetDevCapsA", &error)) return Log("mixerGetDevCapsA", args, static_cast<MMRESULT>(error));
  return Log("mixerGetDevCapsA", args, S().mixer.GetDevCaps(uMxId, pmxcaps, cbmxcaps));
}

MMRESULT WINAPI mixerOpen(LPHMIXER phmx, UINT uMxId, DWORD_PTR dwCallback, DWORD_PTR dwInstance, DWORD fdwOpen) {
  std::ostringstream args;
  args << uMxId << ", " << dwCallback << ", " << dwInstance << ", 0x" << std::hex << fdwOpen;
  long error;
  if (Injected("mixerOpen", &error)) return Log("mixerOpen", args, static_cast<MMRESULT>(error));
  return Log("mixerOpen", args, S().mixer.Open(phmx, uMxId, fdwOpen));
}

MMRESULT WINAPI mixerClose(HMIXER hmx) {
  std::ostringstream args;
  args << Hex(hmx);
  long error;
  if (Injected("mixerClose", &error)) return Log("mixerClose", args, static_cast<MMRESULT>(error));
  return Log("mixerClose", args, S().mixer.Close(hmx));
}

MMRESULT WINAPI mixerGetLineControlsA(HMIXEROBJ hmxobj, LPMIXERLINECONTROLSA pmxlc, DWORD fdwControls) {
  std::ostringstream args;
  args << Hex(hmxobj) << std::hex << ", line 0x" << (pmxlc ? pmxlc->dwLineID : 0) << std::dec << ", controls "
       << (pmxlc ? pmxlc->cControls : 0) << ", flags " << fdwControls;
  long error;
  if (Injected("mixerGetLineControlsA", &error))
    return Log("mixerGetLineControlsA", args, static_cast<MMRESULT>(error));
  return Log("mixerGetLineControlsA", args, S().mixer.GetLineControls(hmxobj, pmxlc, fdwControls));
}

static std::string DetailArgs(HMIXEROBJ hmxobj, const MIXERCONTROLDETAILS* p, DWORD fdw) {
  std::ostringstream o;
  o << Hex(hmxobj);
  if (p)
    o << ", control " << p->dwControlID << ", channels " << p->cChannels << ", items " << p->cMultipleItems << ", cb "
      << p->cbDetails;
  o << ", flags " << fdw;
  return o.str();
}

MMRESULT WINAPI mixerGetControlDetailsA(HMIXEROBJ hmxobj, LPMIXERCONTROLDETAILS pmxcd, DWORD fdwDetails) {
  std::ostringstream args;
  args << DetailArgs(hmxobj, pmxcd, fdwDetails);
  long error;
  if (Injected("mixerGetControlDetailsA", &error))
    return Log("mixerGetControlDetailsA", args, static_cast<MMRESULT>(error));
  return Log("mixerGetControlDetailsA", args, S().mixer.GetControlDetails(hmxobj, pmxcd, fdwDetails));
}

MMRESULT WINAPI mixerSetControlDetails(HMIXEROBJ hmxobj, LPMIXERCONTROLDETAILS pmxcd, DWORD fdwDetails) {
  std::ostringstream args;
  args << DetailArgs(hmxobj, pmxcd, fdwDetails);
  if (pmxcd && pmxcd->paDetails && pmxcd->cbDetails == sizeof(DWORD))
    args << ", value " << *static_cast<const DWORD*>(pmxcd->paDetails);
  long error;
  if (Injected("mixerSetControlDetails", &error))
    return Log("mixerSetControlDetails", args, static_cast<MMRESULT>(error));
  return Log("mixerSetControlDetails", args, S().mixer.SetControlDetails(hmxobj, pmxcd, fdwDetails));
}

}  // extern "C"

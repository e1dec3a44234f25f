// hostwin32/include/hostwin32/testhost.h: what tests see and steer of the in-memory Win32 stand-in.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <hostwin32/mixermodel.h>

#include <string>
#include <vector>

namespace hostwin32 {

struct RegValue {
  DWORD dwType;
  std::vector<BYTE> data;
};

struct Call {
  std::string function;
  std::string args;  // arguments as the function saw them, comma-separated
  long result;
};

// Forgets every key, value, device, handle, console output, logged call and planned fault; the platform is NT
// again.
void Reset();

// The registry calls keep the family's rules (win32host.cpp), NT's or the 95 family's.
void SetPlatformId(DWORD dwPlatformId);

// Registry under HKEY_LOCAL_MACHINE, by path as the programs spell it (case does not matter).
void CreateKey(const std::string& path);
bool KeyExists(const std::string& path);
void DeleteKey(const std::string& path);  // with its subkeys
void SetValue(const std::string& path, const std::string& name, DWORD dwType, const std::vector<BYTE>& data);
bool GetValue(const std::string& path, const std::string& name, RegValue* pValue);
size_t OpenKeyCount();     // handles handed out and not yet closed; the 95 family's one per key
int LoadedLibraryCount();  // winmm and user32 loads not yet freed

mixermodel::Mixer& Mixer();

// What the programs wrote to their standard output since the last Reset or ClearConsoleOutput.
const std::string& ConsoleOutput();
void ClearConsoleOutput();

const std::vector<Call>& Calls();
size_t CountCalls(const std::string& function);
void ClearCalls();

// The nth call of the function from now on (1 = the next) fails with the error, once.
// Functions that answer a count or a BOOL fail with 0 or FALSE.
void FailCall(const std::string& function, int nth, long error);
void ClearFaults();  // drops the planned faults that have not struck

}  // namespace hostwin32

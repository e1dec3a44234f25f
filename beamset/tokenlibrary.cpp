// beamset/tokenlibrary.cpp: binds advapi32's token functions by name.
#include "tokenlibrary.h"

#include "boundfunction.h"

CTokenLibrary::CTokenLibrary()
    : pfnOpenProcessToken(NULL), pfnLookupPrivilegeValue(NULL), pfnAdjustTokenPrivileges(NULL) {}

bool CTokenLibrary::Load() {
  // Loaded with the program, which imports its registry functions, and never unloaded.
  HMODULE hModule = ::GetModuleHandleA("advapi32.dll");
  return hModule != NULL && BindFunction(hModule, "OpenProcessToken", &pfnOpenProcessToken) &&
         BindFunction(hModule, "LookupPrivilegeValueA", &pfnLookupPrivilegeValue) &&
         BindFunction(hModule, "AdjustTokenPrivileges", &pfnAdjustTokenPrivileges);
}

// beamset/tokenlibrary.h: CTokenLibrary, advapi32's token functions, bound when the restart needs them.
// They belong to the NT family: a Windows 95 advapi32 may lack them, and an import of one would keep Beamset
// from starting there at all.
#pragma once

#include <windows.h>

class CTokenLibrary {
 public:
  CTokenLibrary();

  // True when every function below is bound.
  bool Load();

  BOOL(WINAPI* pfnOpenProcessToken)(HANDLE, DWORD, PHANDLE);
  BOOL(WINAPI* pfnLookupPrivilegeValue)(LPCSTR, LPCSTR, PLUID);
  BOOL(WINAPI* pfnAdjustTokenPrivileges)(HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES, PDWORD);
};

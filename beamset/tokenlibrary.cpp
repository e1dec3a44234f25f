// beamset/tokenlibrary.cpp: binds advapi32's token functions by name.
#include "tokenlibrary.h"

#include "boundfunction.h"

CTokenLibrary::CTokenLibrary()
    : pfnOpenProcessToken(NULL), pfnLookupPrivilegeValue(NULL), pfnAdjustTokenPrivileges(NULL), m_hModule(NULL) {}

CTokenLibrary::~CTokenLibrary() {
  if (m_hModule) ::FreeLibrary(m_hModule);
}

bool CTokenLibrary::Load() {
  if (!m_hModule) m_hModule = ::LoadLibraryA("advapi32.dll");
  if (!m_hModule) return false;
  return BindFunction(m_hModule, "OpenProcessToken", &pfnOpenProcessToken) &&
         BindFunction(m_hModule, "LookupPrivilegeValueA", &pfnLookupPrivilegeValue) &&
         BindFunction(m_hModule, "AdjustTokenPrivileges", &pfnAdjustTokenPrivileges);
}

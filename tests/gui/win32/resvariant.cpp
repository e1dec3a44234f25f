// tests/gui/win32/resvariant.cpp: rebuilds a program's resources in a copy, with one of them left out.
#include "resvariant.h"

#include <stdio.h>

namespace {

void CopyPath(const char* pszName, char* pszPath, DWORD cch) {
  char szTemp[MAX_PATH];
  ::GetTempPathA(sizeof szTemp, szTemp);
  snprintf(pszPath, cch, "%s%s.exe", szTemp, pszName);
}

struct ResourceCopyJob {
  HANDLE hUpdate;
  LPCSTR lpSkipType;  // the resource left out
  LPCSTR lpSkipName;
};

BOOL CALLBACK CopyLanguage(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, WORD wLang, LONG_PTR lParam) {
  ResourceCopyJob* pCtx = reinterpret_cast<ResourceCopyJob*>(lParam);
  if (lpType == pCtx->lpSkipType && lpName == pCtx->lpSkipName) return TRUE;
  HRSRC hRes = ::FindResourceExA(hModule, lpType, lpName, wLang);
  HGLOBAL hData = hRes != NULL ? ::LoadResource(hModule, hRes) : NULL;
  if (hData != NULL) {
    ::UpdateResourceA(pCtx->hUpdate, lpType, lpName, wLang, ::LockResource(hData), ::SizeofResource(hModule, hRes));
  }
  return TRUE;
}

BOOL CALLBACK CopyName(HMODULE hModule, LPCSTR lpType, LPSTR lpName, LONG_PTR lParam) {
  ::EnumResourceLanguagesA(hModule, lpType, lpName, CopyLanguage, lParam);
  return TRUE;
}

BOOL CALLBACK CopyType(HMODULE hModule, LPSTR lpType, LONG_PTR lParam) {
  ::EnumResourceNamesA(hModule, lpType, CopyName, lParam);
  return TRUE;
}

}  // namespace

bool WriteResourceVariant(const char* pszSource, const char* pszName, LPCSTR lpType, LPCSTR lpName, char* pszPath) {
  CopyPath(pszName, pszPath, MAX_PATH);
  HMODULE hSource = ::LoadLibraryExA(pszSource, NULL, LOAD_LIBRARY_AS_DATAFILE);
  if (hSource == NULL) return false;
  bool bWritten = false;
  // Rebuilt from scratch: deleting a single resource is not supported everywhere.
  HANDLE hUpdate = ::CopyFileA(pszSource, pszPath, FALSE) ? ::BeginUpdateResourceA(pszPath, TRUE) : NULL;
  if (hUpdate != NULL) {
    ResourceCopyJob ctx = {hUpdate, lpType, lpName};
    ::EnumResourceTypesA(hSource, CopyType, reinterpret_cast<LONG_PTR>(&ctx));
    bWritten = ::EndUpdateResourceA(hUpdate, FALSE) != FALSE;
  }
  ::FreeLibrary(hSource);
  return bWritten;
}


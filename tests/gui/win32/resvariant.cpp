// tests/gui/win32/resvariant.cpp: rebuilds a program's resources in a copy, with one of them left out or replaced.
#include "resvariant.h"

#include <stdio.h>
#include <string.h>

#include "resource.h"

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

bool WriteResourceVariant(const char* pszSource, const char* pszName, LPCSTR lpType, LPCSTR lpName, const void* pData,
                          DWORD cbData, char* pszPath) {
  CopyPath(pszName, pszPath, MAX_PATH);
  HMODULE hSource = ::LoadLibraryExA(pszSource, NULL, LOAD_LIBRARY_AS_DATAFILE);
  if (hSource == NULL) return false;
  bool bWritten = false;
  // Rebuilt from scratch: deleting a single resource is not supported everywhere.
  HANDLE hUpdate = ::CopyFileA(pszSource, pszPath, FALSE) ? ::BeginUpdateResourceA(pszPath, TRUE) : NULL;
  if (hUpdate != NULL) {
    ResourceCopyJob ctx = {hUpdate, lpType, lpName};
    ::EnumResourceTypesA(hSource, CopyType, reinterpret_cast<LONG_PTR>(&ctx));
    if (pData != NULL) {
      ::UpdateResourceA(hUpdate, lpType, lpName, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), const_cast<void*>(pData),
                        cbData);
    }
    bWritten = ::EndUpdateResourceA(hUpdate, FALSE) != FALSE;
  }
  ::FreeLibrary(hSource);
  return bWritten;
}

HMODULE LoadResourceVariant(const char* pszName, const char* pszText) {
  char szSelf[MAX_PATH], szCopy[MAX_PATH];
  ::GetModuleFileNameA(NULL, szSelf, sizeof szSelf);
  // A string block holds 16 counted UTF-16 strings; block n + 1 holds IDs 16n to 16n + 15.
  const WORD wBlock = IDS_ABOUTBOX / 16 + 1;
  WORD block[16 + 64] = {};
  WORD* p = block;
  for (int i = 0; pszText != NULL && i < 16; ++i) {
    size_t n = i == IDS_ABOUTBOX % 16 ? strlen(pszText) : 0;
    *p++ = static_cast<WORD>(n);
    for (size_t k = 0; k < n; ++k) *p++ = static_cast<BYTE>(pszText[k]);
  }
  if (!WriteResourceVariant(szSelf, pszName, reinterpret_cast<LPCSTR>(RT_STRING), MAKEINTRESOURCEA(wBlock),
                            pszText != NULL ? block : NULL, static_cast<DWORD>((p - block) * sizeof(WORD)), szCopy))
    return NULL;
  return ::LoadLibraryExA(szCopy, NULL, LOAD_LIBRARY_AS_DATAFILE);
}

void FreeResourceVariant(HMODULE hModule, const char* pszName) {
  if (hModule != NULL) ::FreeLibrary(hModule);
  char szCopy[MAX_PATH];
  CopyPath(pszName, szCopy, sizeof szCopy);
  ::DeleteFileA(szCopy);
}

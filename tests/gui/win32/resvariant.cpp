// tests/gui/win32/resvariant.cpp: rewrites the string-table block of ID 101 in a copy of the running program.
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

}  // namespace

namespace {

struct ResourceCopyJob {
  HANDLE hUpdate;
  WORD wSkipBlock;  // the string block left out, 0 for none
};

BOOL CALLBACK CopyLanguage(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, WORD wLang, LONG_PTR lParam) {
  ResourceCopyJob* pCtx = reinterpret_cast<ResourceCopyJob*>(lParam);
  if (lpType == reinterpret_cast<LPCSTR>(RT_STRING) && lpName == MAKEINTRESOURCEA(pCtx->wSkipBlock)) return TRUE;
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

HMODULE LoadResourceVariant(const char* pszName, const char* pszText) {
  char szSelf[MAX_PATH], szCopy[MAX_PATH];
  ::GetModuleFileNameA(NULL, szSelf, sizeof szSelf);
  CopyPath(pszName, szCopy, sizeof szCopy);
  if (!::CopyFileA(szSelf, szCopy, FALSE)) return NULL;
  // Rebuilt from scratch: deleting a single resource is not supported everywhere.
  HANDLE hUpdate = ::BeginUpdateResourceA(szCopy, TRUE);
  if (hUpdate == NULL) return NULL;
  // A string block holds 16 counted UTF-16 strings; block n + 1 holds IDs 16n to 16n + 15.
  const WORD wBlock = IDS_ABOUTBOX / 16 + 1;
  ResourceCopyJob ctx = {hUpdate, wBlock};
  ::EnumResourceTypesA(::GetModuleHandleA(NULL), CopyType, reinterpret_cast<LONG_PTR>(&ctx));
  if (pszText != NULL) {
    WORD block[16 + 64] = {};
    WORD* p = block;
    for (int i = 0; i < 16; ++i) {
      size_t n = i == IDS_ABOUTBOX % 16 ? strlen(pszText) : 0;
      *p++ = static_cast<WORD>(n);
      for (size_t k = 0; k < n; ++k) *p++ = static_cast<BYTE>(pszText[k]);
    }
    ::UpdateResourceA(hUpdate, reinterpret_cast<LPCSTR>(RT_STRING), MAKEINTRESOURCEA(wBlock),
                      MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), block,
                      static_cast<DWORD>((p - block) * sizeof(WORD)));
  }
  if (!::EndUpdateResourceA(hUpdate, FALSE)) return NULL;
  return ::LoadLibraryExA(szCopy, NULL, LOAD_LIBRARY_AS_DATAFILE);
}

void FreeResourceVariant(HMODULE hModule, const char* pszName) {
  if (hModule != NULL) ::FreeLibrary(hModule);
  char szCopy[MAX_PATH];
  CopyPath(pszName, szCopy, sizeof szCopy);
  ::DeleteFileA(szCopy);
}

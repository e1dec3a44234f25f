// tests/gui/win32/startup_test.cpp: Beamset.exe whose main dialog cannot start ends at once and cleanly.
#include <string.h>

#include "check.h"
#include "guitest.h"
#include "resource.h"
#include "resvariant.h"

namespace {

// Beamset.exe of the same build tree as this program.
void BeamsetPath(char* pszPath, DWORD cch) {
  ::GetModuleFileNameA(NULL, pszPath, cch);
  char* pszSlash = strrchr(pszPath, '\\');
  if (pszSlash != NULL) lstrcpynA(pszSlash + 1, "..\\..\\..\\beamset\\Beamset.exe", cch - (pszSlash + 1 - pszPath));
}

}  // namespace

GUI_TEST(MissingMainTemplateEndsCleanly) {
  char szBeamset[MAX_PATH], szCopy[MAX_PATH];
  BeamsetPath(szBeamset, sizeof szBeamset);
  bool bWritten = WriteResourceVariant(szBeamset, "beamset-no-main", reinterpret_cast<LPCSTR>(RT_DIALOG),
                                       MAKEINTRESOURCEA(IDD_BEAMSET_DIALOG), NULL, 0, szCopy);
  CHECK(bWritten);
  if (!bWritten) return;
  HMODULE hCopy = ::LoadLibraryExA(szCopy, NULL, LOAD_LIBRARY_AS_DATAFILE);
  CHECK(hCopy != NULL && ::FindResourceA(hCopy, MAKEINTRESOURCEA(IDD_BEAMSET_DIALOG), RT_DIALOG) == NULL);
  CHECK(hCopy != NULL && ::FindResourceA(hCopy, MAKEINTRESOURCEA(IDD_ABOUTBOX), RT_DIALOG) != NULL);
  if (hCopy != NULL) ::FreeLibrary(hCopy);

  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  BOOL bStarted = ::CreateProcessA(szCopy, NULL, NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi);
  CHECK(bStarted);
  if (bStarted) {
    DWORD dwWait = ::WaitForSingleObject(pi.hProcess, 10000);
    CHECK_EQ(dwWait, WAIT_OBJECT_0);
    if (dwWait != WAIT_OBJECT_0) ::TerminateProcess(pi.hProcess, 99);
    DWORD dwExit = 0;
    ::GetExitCodeProcess(pi.hProcess, &dwExit);
    CHECK_EQ(dwExit, 0);  // a crash ends with its exception code, or hangs in the debugger Wine starts
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
  }
  ::DeleteFileA(szCopy);
}

// tools/usagebox.cpp: user32 is bound here, when asked for: importing it would load it at every start.
#include "usagebox.h"

#include <windows.h>

#include "boundfunction.h"

namespace {

typedef int(WINAPI* MessageBoxFn)(HWND, LPCSTR, LPCSTR, UINT);

}  // namespace

bool ShowUsageBox(const char* pszTool, const char* pszUsage) {
  const HMODULE hUser32 = LoadLibraryA("user32.dll");
  if (!hUser32) return false;
  MessageBoxFn pfnMessageBox = nullptr;
  const bool bShown = BindFunction(hUser32, "MessageBoxA", &pfnMessageBox) &&
                      pfnMessageBox(nullptr, pszUsage, pszTool, MB_OK | MB_ICONINFORMATION) != 0;
  FreeLibrary(hUser32);
  return bShown;
}

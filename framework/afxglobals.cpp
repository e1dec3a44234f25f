// framework/afxglobals.cpp: the process-wide framework state; one thread, so plain globals.
#include "afxglobals.h"

#include "bitmap.h"
#include "dc.h"
#include "menu.h"
#include "winapp.h"
#include "wnd.h"

namespace {
HINSTANCE g_hInstance = NULL;
HINSTANCE g_hInstResource = NULL;
CWinApp* g_pApp = NULL;
int g_nTempMapLock = 0;
}  // namespace

HINSTANCE AfxGetInstanceHandle() { return g_hInstance != NULL ? g_hInstance : ::GetModuleHandleA(NULL); }

HINSTANCE AfxGetResourceHandle() { return g_hInstResource != NULL ? g_hInstResource : AfxGetInstanceHandle(); }

void AfxSetResourceHandle(HINSTANCE hInstResource) { g_hInstResource = hInstResource; }

void AfxSetModule(HINSTANCE hInstance) { g_hInstance = hInstance; }

void AfxSetCurrentApp(CWinApp* pApp) { g_pApp = pApp; }

CWinApp* AfxGetApp() { return g_pApp; }

CWinThread* AfxGetThread() { return g_pApp; }

CWnd* AfxGetMainWnd() {
  CWinThread* pThread = AfxGetThread();
  return pThread != NULL ? pThread->GetMainWnd() : NULL;
}

void AfxLockTempMaps() { ++g_nTempMapLock; }

BOOL AfxUnlockTempMaps(BOOL bDeleteTemps) {
  if (g_nTempMapLock > 0 && --g_nTempMapLock == 0 && bDeleteTemps) {
    CWnd::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    CMenu::DeleteTempMap();
    return TRUE;
  }
  return FALSE;
}

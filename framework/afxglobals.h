// framework/afxglobals.h: the process-wide framework state (module handles, the running application, temporary maps).
#pragma once

#include <windows.h>

class CWinApp;
class CWinThread;
class CWnd;

HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);

CWinApp* AfxGetApp();
CWinThread* AfxGetThread();
CWnd* AfxGetMainWnd();

// Temporary wrapper objects (CWnd::FromHandle and the like) live until the message loop is idle
// outside every window procedure; these calls bracket the regions that may still hold them.
// Unlocking to zero deletes them only when asked to.
void AfxLockTempMaps();
BOOL AfxUnlockTempMaps(BOOL bDeleteTemps = TRUE);

// Internal: set once by AfxWinMain and the application constructor.
void AfxSetModule(HINSTANCE hInstance);
void AfxSetCurrentApp(CWinApp* pApp);

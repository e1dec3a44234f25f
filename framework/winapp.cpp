// framework/winapp.cpp: the application object registers itself at construction; AfxWinMain runs it.
#include "winapp.h"

#include "afxglobals.h"
#include "wnd.h"

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_pszAppName(lpszAppName), m_hInstance(NULL), m_lpCmdLine(NULL), m_nCmdShow(SW_SHOWNORMAL) {
  AfxSetCurrentApp(this);
}

CWinApp::~CWinApp() {
  if (AfxGetApp() == this) AfxSetCurrentApp(NULL);
}

BOOL CWinApp::InitApplication() { return TRUE; }

BOOL CWinApp::Enable3dControls() { return TRUE; }

// The programs ship no help file, so there is nothing to open.
void CWinApp::OnHelp() {}

void AfxEnableControlContainer(COccManager*) {}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow) {
  AfxSetModule(hInstance);
  CWinApp* pApp = AfxGetApp();
  if (pApp == NULL) return -1;
  pApp->m_hInstance = hInstance;
  pApp->m_lpCmdLine = lpCmdLine;
  pApp->m_nCmdShow = nCmdShow;
  if (!pApp->InitApplication()) return pApp->ExitInstance();
  if (!pApp->InitInstance()) {
    if (pApp->m_pMainWnd != NULL) pApp->m_pMainWnd->DestroyWindow();
    return pApp->ExitInstance();
  }
  return pApp->Run();
}

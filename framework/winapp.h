// framework/winapp.h: CWinApp, the one application object, and the framework's entry AfxWinMain.
#pragma once

#include "winthread.h"

class COccManager;

class CWinApp : public CWinThread {
  DECLARE_DYNAMIC(CWinApp)
 public:
  explicit CWinApp(LPCSTR lpszAppName = NULL);
  virtual ~CWinApp();

  LPCSTR m_pszAppName;
  HINSTANCE m_hInstance;
  LPSTR m_lpCmdLine;
  int m_nCmdShow;

  virtual BOOL InitApplication();

  afx_msg void OnHelp();

 protected:
  // Kept for the programs written against 16-bit-era controls; today's controls draw in 3D themselves.
  BOOL Enable3dControls();

  DECLARE_MESSAGE_MAP()
};

// Nothing to set up: the programs host no ActiveX controls.
void AfxEnableControlContainer(COccManager* pOccManager = NULL);

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);

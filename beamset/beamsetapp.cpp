// beamset/beamsetapp.cpp: the application object and start-up.
#include "beamsetapp.h"

#include "beamsetdlg.h"

BEGIN_MESSAGE_MAP(CBeamsetApp, CWinApp)
ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

CBeamsetApp::CBeamsetApp() : CWinApp(NULL) {}

CBeamsetApp::~CBeamsetApp() {}

CBeamsetApp theApp;

BOOL CBeamsetApp::InitInstance() {
  AfxEnableControlContainer();
  Enable3dControls();

  CBeamsetDlg dlg;
  m_pMainWnd = &dlg;  // the image buttons find the dialog's bitmaps through it
  dlg.DoModal();
  // A dialog that never got its window (no template) did not clear this as its window went; the
  // object dies with this frame, and the framework would destroy it again.
  m_pMainWnd = NULL;
  return FALSE;
}

// beamset/beamsetapp.h: CBeamsetApp, the application object; the whole run is one modal dialog.
#pragma once

#include <afxwin.h>

class CBeamsetApp : public CWinApp {
 public:
  CBeamsetApp();
  virtual ~CBeamsetApp();

  // Runs the main dialog and answers FALSE, so the process ends when it closes.
  virtual BOOL InitInstance();

  DECLARE_MESSAGE_MAP()
};

extern CBeamsetApp theApp;

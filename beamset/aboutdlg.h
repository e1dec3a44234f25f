// beamset/aboutdlg.h: CAboutDlg, the About box opened from the system menu.
#pragma once

#include <afxwin.h>

class CAboutDlg : public CDialog {
 public:
  CAboutDlg();
  virtual ~CAboutDlg();

 protected:
  virtual void DoDataExchange(CDataExchange* pDX);

  DECLARE_MESSAGE_MAP()
};

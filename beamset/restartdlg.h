// beamset/restartdlg.h: CRestartDlg, the prompt that the changes take a restart, offering one at once.
#pragma once

#include <afxwin.h>

class CRestartDlg : public CDialog {
 public:
  explicit CRestartDlg(CWnd* pParent = NULL);
  virtual ~CRestartDlg();

 protected:
  virtual void DoDataExchange(CDataExchange* pDX);
  // "Restart now": asks Windows for a restart in which every program may save its work first. The prompt stays
  // open: a program may refuse, and a restart that did not start is said.
  virtual void OnOK();

  afx_msg void OnEndSession(BOOL bEnding);

  DECLARE_MESSAGE_MAP()
};

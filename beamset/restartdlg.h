// beamset/restartdlg.h: CRestartDlg, the prompt that the changes take a restart, offering one at once.
#pragma once

#include <afxwin.h>

class CRestartDlg : public CDialog {
 public:
  explicit CRestartDlg(CWnd* pParent = NULL);
  virtual ~CRestartDlg();

 protected:
  virtual void DoDataExchange(CDataExchange* pDX);
  // "Restart now": starts a forced restart; the prompt stays open when none starts.
  virtual void OnOK();

  DECLARE_MESSAGE_MAP()
};

// framework/dialog.h: CDialog, a dialog template run modally by the framework's own loop.
#pragma once

#include "wnd.h"

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)
 public:
  CDialog();
  explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = NULL);
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
  virtual ~CDialog();

  // Creates the window, runs the loop until EndDialog, hides and destroys the window; -1 if it cannot start.
  virtual int DoModal();
  void EndDialog(int nResult);

  virtual BOOL OnInitDialog();
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

 protected:
  LPCSTR m_lpszTemplateName;
  UINT m_nIDHelp;
  CWnd* m_pParentWnd;

  virtual void OnOK();
  virtual void OnCancel();

  // The dialog procedure behind every framework dialog: WM_INITDIALOG runs OnInitDialog.
  static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()
};

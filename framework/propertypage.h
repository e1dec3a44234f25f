// framework/propertypage.h: CPropertyPage, a dialog template shown as one page of a CPropertySheet.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include "dialog.h"

class CPropertyPage : public CDialog {
  DECLARE_DYNAMIC(CPropertyPage)
 public:
  explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
  explicit CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption = 0);
  virtual ~CPropertyPage();

  // The page as comctl32 sees it; CPropertySheet copies it when the sheet is created.
  PROPSHEETPAGEA_V1 m_psp;

  virtual BOOL OnSetActive();
  virtual BOOL OnKillActive();
  // Leaves Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown and Ctrl+PageUp to the sheet and the windows above it.
  virtual BOOL PreTranslateMessage(MSG* pMsg);

 protected:
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

  // A page's window is created by comctl32; it is attached and subclassed at WM_INITDIALOG.
  static INT_PTR CALLBACK PageDialogProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()

 private:
  void CommonConstruct(LPCSTR lpszTemplateName, UINT nIDCaption);
  char m_szCaption[128];
};

// framework/propertysheet.h: CPropertySheet, comctl32's property sheet; created modeless, as a popup or a child.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include "afxstring.h"
#include "wnd.h"

class CPropertyPage;

// The sheet's tab strip, as comctl32 numbers it.
#define AFX_IDC_TAB_CONTROL 0x3020

class CPropertySheet : public CWnd {
  DECLARE_DYNAMIC(CPropertySheet)
 public:
  CPropertySheet();
  explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
  explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
  virtual ~CPropertySheet();

  PROPSHEETHEADERA m_psh;

  // Modeless, without OK, Cancel, Apply or Help buttons. A WS_CHILD style embeds the sheet in the
  // parent dialog. Only the first page's window is created here; the others when first shown.
  BOOL Create(CWnd* pParentWnd = NULL, DWORD dwStyle = static_cast<DWORD>(-1), DWORD dwExStyle = 0);

  void AddPage(CPropertyPage* pPage);
  int GetPageCount() const;
  CPropertyPage* GetPage(int nPage) const;
  int GetPageIndex(CPropertyPage* pPage) const;
  int GetActiveIndex() const;
  CPropertyPage* GetActivePage() const;
  BOOL SetActivePage(int nPage);
  BOOL SetActivePage(CPropertyPage* pPage);

  virtual BOOL PreTranslateMessage(MSG* pMsg);

 protected:
  CString m_strCaption;
  CWnd* m_pParentWnd;

  DECLARE_MESSAGE_MAP()

 private:
  void CommonConstruct(CWnd* pParentWnd, UINT iSelectPage);
  void RemoveButtons();

  CPropertyPage** m_ppPages;
  int m_nPages;
  int m_nCapacity;
};

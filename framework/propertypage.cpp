// framework/propertypage.cpp: property pages: creation through comctl32 and the activation notifications.
#include "propertypage.h"

#include <string.h>

#include "afxglobals.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

BEGIN_MESSAGE_MAP(CPropertyPage, CDialog)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CDialog(nIDTemplate) {
  CommonConstruct(MAKEINTRESOURCEA(nIDTemplate), nIDCaption);
}

CPropertyPage::CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption) : CDialog(lpszTemplateName) {
  CommonConstruct(lpszTemplateName, nIDCaption);
}

void CPropertyPage::CommonConstruct(LPCSTR lpszTemplateName, UINT nIDCaption) {
  memset(&m_psp, 0, sizeof m_psp);
  m_szCaption[0] = '\0';
  m_psp.dwSize = sizeof m_psp;
  m_psp.dwFlags = PSP_DEFAULT;
  m_psp.pszTemplate = lpszTemplateName;
  m_psp.pfnDlgProc = PageDialogProc;
  m_psp.lParam = reinterpret_cast<LPARAM>(this);
  // Caption 0: the tab takes the template's own caption.
  if (nIDCaption != 0 && ::LoadStringA(AfxGetResourceHandle(), nIDCaption, m_szCaption, sizeof m_szCaption) > 0) {
    m_psp.dwFlags |= PSP_USETITLE;
    m_psp.pszTitle = m_szCaption;
  }
}

CPropertyPage::~CPropertyPage() {}

INT_PTR CALLBACK CPropertyPage::PageDialogProc(HWND hWnd, UINT nMsg, WPARAM, LPARAM lParam) {
  if (nMsg != WM_INITDIALOG) return FALSE;
  CPropertyPage* pPage = reinterpret_cast<CPropertyPage*>(reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
  if (pPage->m_hWnd == NULL) pPage->SubclassWindow(hWnd);
  return pPage->OnInitDialog();
}

BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg) {
  // The page's IsDialogMessage would take Ctrl+Tab for a plain Tab.
  if (pMsg->message == WM_KEYDOWN && ::GetKeyState(VK_CONTROL) < 0 &&
      (pMsg->wParam == VK_TAB || pMsg->wParam == VK_PRIOR || pMsg->wParam == VK_NEXT))
    return FALSE;
  return CDialog::PreTranslateMessage(pMsg);
}

BOOL CPropertyPage::OnSetActive() { return TRUE; }

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

HBRUSH CPropertyPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

BOOL CPropertyPage::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_NOTIFY && OnNotify(wParam, lParam, pResult)) return TRUE;
  return CDialog::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CPropertyPage::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
  const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
  LRESULT lResult;
  switch (pHdr->code) {
    case PSN_SETACTIVE:
      lResult = OnSetActive() ? 0 : -1;  // -1 refuses the page
      break;
    case PSN_KILLACTIVE:
      lResult = OnKillActive() ? FALSE : TRUE;  // TRUE keeps this page shown
      break;
    default:
      return FALSE;
  }
  // Our window procedure answers directly; DWLP_MSGRESULT is for callers that go through DefDlgProc.
  ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, lResult);
  *pResult = lResult;
  return TRUE;
}

// framework/propertysheet.cpp: modeless property sheets through PropertySheetA.
#include "propertysheet.h"

#include <stdlib.h>
#include <string.h>

#include "afxglobals.h"
#include "propertypage.h"

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
END_MESSAGE_MAP()

namespace {

// The style Create asks for; comctl32's callback has no context pointer.
DWORD g_dwCreateStyle = 0;
DWORD g_dwCreateExStyle = 0;

struct DlgTemplateExHead {
  WORD dlgVer;
  WORD signature;
  DWORD helpID;
  DWORD exStyle;
  DWORD style;
};

// Writes the two style words where they differ. Some comctl32 versions hand over their own copy of the
// template, which is read-only: the words are made writable for the write, then given their protection back.
void SetTemplateStyles(DWORD* pStyles, DWORD dwStyle, DWORD dwExStyle, bool bExStyleFirst) {
  DWORD* pStyle = bExStyleFirst ? pStyles + 1 : pStyles;
  DWORD* pExStyle = bExStyleFirst ? pStyles : pStyles + 1;
  if (*pStyle == dwStyle && *pExStyle == dwExStyle) return;
  DWORD dwOldProtect = 0;
  const bool bUnprotected = ::VirtualProtect(pStyles, 2 * sizeof(DWORD), PAGE_READWRITE, &dwOldProtect) != FALSE;
  // Where the protection cannot change (Windows 95 keeps it for shared memory), write only what takes a write.
  if (!bUnprotected && ::IsBadWritePtr(pStyles, 2 * sizeof(DWORD))) return;
  *pStyle = dwStyle;
  *pExStyle = dwExStyle;
  if (bUnprotected) ::VirtualProtect(pStyles, 2 * sizeof(DWORD), dwOldProtect, &dwOldProtect);
}

int CALLBACK SheetCallback(HWND, UINT uMsg, LPARAM lParam) {
  if (uMsg != PSCB_PRECREATE || lParam == 0) return 0;
  DWORD dwStyle = g_dwCreateStyle;
  DWORD dwExStyle = g_dwCreateExStyle;
  // An embedded sheet is a nested dialog; it must not paint over the parent's controls above it.
  if (dwStyle & WS_CHILD) {
    dwStyle |= DS_CONTROL | DS_3DLOOK | WS_CLIPSIBLINGS;
    dwExStyle |= WS_EX_CONTROLPARENT;
  }
  DlgTemplateExHead* pEx = reinterpret_cast<DlgTemplateExHead*>(lParam);
  if (pEx->signature == 0xFFFF) {
    SetTemplateStyles(&pEx->exStyle, dwStyle | (pEx->style & DS_SETFONT), dwExStyle, true);
  } else {
    DLGTEMPLATE* p = reinterpret_cast<DLGTEMPLATE*>(lParam);
    SetTemplateStyles(&p->style, dwStyle | (p->style & DS_SETFONT), dwExStyle, false);
  }
  return 0;
}

}  // namespace

CPropertySheet::CPropertySheet() { CommonConstruct(NULL, 0); }

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage) {
  CommonConstruct(pParentWnd, iSelectPage);
  m_strCaption.LoadString(nIDCaption);
}

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage) {
  CommonConstruct(pParentWnd, iSelectPage);
  m_strCaption = pszCaption;
}

void CPropertySheet::CommonConstruct(CWnd* pParentWnd, UINT iSelectPage) {
  memset(&m_psh, 0, sizeof m_psh);
  m_psh.dwSize = PROPSHEETHEADERA_V1_SIZE;
  m_psh.dwFlags = PSH_PROPSHEETPAGE;
  m_psh.nStartPage = iSelectPage;
  m_pParentWnd = pParentWnd;
  m_ppPages = NULL;
  m_nPages = 0;
  m_nCapacity = 0;
}

CPropertySheet::~CPropertySheet() { free(m_ppPages); }

void CPropertySheet::AddPage(CPropertyPage* pPage) {
  if (pPage == NULL) return;
  if (m_nPages == m_nCapacity) {
    int nNew = m_nCapacity == 0 ? 4 : m_nCapacity * 2;
    CPropertyPage** pp =
        static_cast<CPropertyPage**>(realloc(m_ppPages, sizeof(CPropertyPage*) * static_cast<size_t>(nNew)));
    if (pp == NULL) return;
    m_ppPages = pp;
    m_nCapacity = nNew;
  }
  m_ppPages[m_nPages++] = pPage;
  if (m_hWnd != NULL) {
    HPROPSHEETPAGE hPage = ::CreatePropertySheetPageA(reinterpret_cast<LPCPROPSHEETPAGEA>(&pPage->m_psp));
    if (hPage != NULL) ::SendMessageA(m_hWnd, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(hPage));
  }
}

int CPropertySheet::GetPageCount() const { return m_nPages; }

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
  return nPage >= 0 && nPage < m_nPages ? m_ppPages[nPage] : NULL;
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const {
  for (int i = 0; i < m_nPages; ++i) {
    if (m_ppPages[i] == pPage) return i;
  }
  return -1;
}

int CPropertySheet::GetActiveIndex() const {
  if (m_hWnd == NULL) return static_cast<int>(m_psh.nStartPage);
  HWND hWndPage = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
  for (int i = 0; i < m_nPages; ++i) {
    if (hWndPage != NULL && m_ppPages[i]->m_hWnd == hWndPage) return i;
  }
  return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const { return GetPage(GetActiveIndex()); }

BOOL CPropertySheet::SetActivePage(int nPage) {
  if (nPage < 0 || nPage >= m_nPages) return FALSE;
  if (m_hWnd == NULL) {
    m_psh.nStartPage = static_cast<UINT>(nPage);
    return TRUE;
  }
  return static_cast<BOOL>(::SendMessageA(m_hWnd, PSM_SETCURSEL, static_cast<WPARAM>(nPage), 0));
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle) {
  if (m_hWnd != NULL || m_nPages == 0) return FALSE;
  if (dwStyle == static_cast<DWORD>(-1)) {
    dwStyle = DS_MODALFRAME | DS_3DLOOK | DS_CONTEXTHELP | DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
  }
  if (pParentWnd != NULL) m_pParentWnd = pParentWnd;

  // comctl32 walks the array by each element's dwSize, so the elements must be exactly that size.
  PROPSHEETPAGEA_V1* pPages =
      static_cast<PROPSHEETPAGEA_V1*>(malloc(sizeof(PROPSHEETPAGEA_V1) * static_cast<size_t>(m_nPages)));
  if (pPages == NULL) return FALSE;
  for (int i = 0; i < m_nPages; ++i) {
    pPages[i] = m_ppPages[i]->m_psp;
    pPages[i].dwSize = sizeof(PROPSHEETPAGEA_V1);
    pPages[i].hInstance = AfxGetResourceHandle();
  }

  PROPSHEETHEADERA psh = m_psh;
  psh.dwSize = PROPSHEETHEADERA_V1_SIZE;
  psh.dwFlags = (m_psh.dwFlags | PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_USECALLBACK) & ~PSH_USEPSTARTPAGE;
  psh.hwndParent = m_pParentWnd != NULL ? m_pParentWnd->m_hWnd : NULL;
  psh.hInstance = AfxGetResourceHandle();
  psh.pszCaption = m_strCaption;
  psh.nPages = static_cast<UINT>(m_nPages);
  if (psh.nStartPage >= psh.nPages) psh.nStartPage = 0;
  psh.ppsp = reinterpret_cast<LPCPROPSHEETPAGEA>(pPages);
  psh.pfnCallback = SheetCallback;

  g_dwCreateStyle = dwStyle;
  g_dwCreateExStyle = dwExStyle;
  AfxHookWindowCreate(this);
  INT_PTR nResult = ::PropertySheetA(&psh);
  AfxUnhookWindowCreate();
  free(pPages);

  HWND hWnd = reinterpret_cast<HWND>(nResult);
  if (nResult == 0 || nResult == -1 || !::IsWindow(hWnd)) {
    if (m_hWnd != NULL) UnsubclassWindow();
    return FALSE;
  }
  if (m_hWnd == NULL) Attach(hWnd);
  RemoveButtons();
  return TRUE;
}

void CPropertySheet::RemoveButtons() {
  static const int kButtons[] = {IDOK, IDCANCEL, 0x3021 /* Apply */, IDHELP};
  HWND hWndOk = ::GetDlgItem(m_hWnd, IDOK);
  RECT rcOk = {};
  if (hWndOk != NULL) {
    ::GetWindowRect(hWndOk, &rcOk);
    ::MapWindowPoints(NULL, m_hWnd, reinterpret_cast<LPPOINT>(&rcOk), 2);
  }
  for (int id : kButtons) {
    HWND hWndButton = ::GetDlgItem(m_hWnd, id);
    if (hWndButton != NULL) {
      ::ShowWindow(hWndButton, SW_HIDE);
      ::EnableWindow(hWndButton, FALSE);
    }
  }
  if (hWndOk == NULL) return;
  // The sheet ends where the button row began.
  RECT rcWindow, rcClient;
  ::GetWindowRect(m_hWnd, &rcWindow);
  ::GetClientRect(m_hWnd, &rcClient);
  int cyFrame = (rcWindow.bottom - rcWindow.top) - rcClient.bottom;
  ::SetWindowPos(m_hWnd, NULL, 0, 0, rcWindow.right - rcWindow.left, rcOk.top + cyFrame,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg) {
  // An embedded sheet is one more nested dialog: its parent's IsDialogMessage handles the keys,
  // and Escape or Enter must reach that parent rather than the sheet's hidden buttons.
  if (GetStyle() & WS_CHILD) return FALSE;
  return static_cast<BOOL>(::SendMessageA(m_hWnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(pMsg)));
}

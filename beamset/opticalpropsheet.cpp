// beamset/opticalpropsheet.cpp: the sheet draws nothing itself and keeps its tab strip hidden;
// the main window's image tabs choose the page.
#include "opticalpropsheet.h"

IMPLEMENT_DYNAMIC(COpticalPropSheet, CPropertySheet)

BEGIN_MESSAGE_MAP(COpticalPropSheet, CPropertySheet)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

COpticalPropSheet::COpticalPropSheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage) {
  AddPage(&m_pageIn);
  AddPage(&m_pageOut);
}

COpticalPropSheet::~COpticalPropSheet() {}

void COpticalPropSheet::PlaceInPixels(const CRect& rcSheet, const CRect& rcPages) {
  MoveWindow(rcSheet);
  // comctl32 fits a page it creates, such as the output page on its first showing, into the tab
  // control's display area: the hidden tab control is made to hold exactly rcPages.
  CWnd* pTab = GetDlgItem(AFX_IDC_TAB_CONTROL);
  if (pTab != NULL) {
    CRect rcTab = rcPages;
    pTab->SendMessage(TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&rcTab));
    pTab->MoveWindow(rcTab);
  }
  for (int i = 0; i < GetPageCount(); ++i) {
    if (GetPage(i)->m_hWnd != NULL) GetPage(i)->MoveWindow(rcPages);
  }
}

void COpticalPropSheet::OnPaint() {
  CPaintDC dc(this);
  HWND hWndTab = ::GetDlgItem(m_hWnd, AFX_IDC_TAB_CONTROL);
  if (hWndTab != NULL) ::ShowWindow(hWndTab, SW_HIDE);
}

BOOL COpticalPropSheet::OnEraseBkgnd(CDC*) { return FALSE; }

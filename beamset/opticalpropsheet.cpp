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

void COpticalPropSheet::OnPaint() {
  CPaintDC dc(this);
  HWND hWndTab = ::GetDlgItem(m_hWnd, AFX_IDC_TAB_CONTROL);
  if (hWndTab != NULL) ::ShowWindow(hWndTab, SW_HIDE);
}

BOOL COpticalPropSheet::OnEraseBkgnd(CDC*) { return FALSE; }

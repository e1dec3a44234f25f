// framework/dataexchange.cpp: control binding and radio-group exchange.
#include "dataexchange.h"

#include "wnd.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_bFailed(FALSE) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
  HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
  if (hWndCtrl == NULL) Fail();
  return hWndCtrl;
}

void CDataExchange::Fail() { m_bFailed = TRUE; }

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd != NULL) return;
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (hWndCtrl != NULL && !rControl.SubclassWindow(hWndCtrl)) pDX->Fail();
}

namespace {

BOOL IsRadioButton(HWND hWnd) {
  if (::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) return TRUE;
  LONG lType = ::GetWindowLongA(hWnd, GWL_STYLE) & BS_TYPEMASK;
  return lType == BS_RADIOBUTTON || lType == BS_AUTORADIOBUTTON;
}

}  // namespace

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (hWndCtrl == NULL) return;
  if (pDX->m_bSaveAndValidate) value = -1;
  int iButton = 0;
  // The group runs from nIDC up to, not including, the next control with WS_GROUP.
  do {
    if (IsRadioButton(hWndCtrl)) {
      if (pDX->m_bSaveAndValidate) {
        if (::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0) == BST_CHECKED) value = iButton;
      } else {
        ::SendMessageA(hWndCtrl, BM_SETCHECK, iButton == value ? BST_CHECKED : BST_UNCHECKED, 0);
      }
      ++iButton;
    }
    hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
  } while (hWndCtrl != NULL && !(::GetWindowLongA(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

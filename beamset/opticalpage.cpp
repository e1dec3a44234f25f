// beamset/opticalpage.cpp: the pages' state, font, click counting, hover descriptions and control colours.
#include "opticalpage.h"

#include "opticalchoice.h"
#include "resource.h"

namespace {

// The radio button's rectangle widened 10 pixels left and up and 5 down, not right; bounds included.
bool InHoverZone(CWnd& page, int nID, CPoint point) {
  CWnd* pButton = page.GetDlgItem(nID);
  WINDOWPLACEMENT wp;
  if (pButton == NULL || !pButton->GetWindowPlacement(&wp)) return false;
  const RECT& rc = wp.rcNormalPosition;  // in the page's client coordinates
  return point.x >= rc.left - 10 && point.x <= rc.right && point.y >= rc.top - 10 && point.y <= rc.bottom + 5;
}

void ShowItem(CWnd& page, int nID, int nCmdShow) {
  CWnd* pItem = page.GetDlgItem(nID);
  if (pItem != NULL) pItem->ShowWindow(nCmdShow);
}

}  // namespace

void ShowOpticalState(CWnd& page, OpticalDirection direction, int& nState) {
  const int nChoice = ReadOpticalChoice(direction);
  if (nChoice == kNoChoice) return;
  page.CheckRadioButton(IDC_ENABLED, IDC_DISABLED, nChoice == kChoiceEnabled ? IDC_ENABLED : IDC_DISABLED);
  nState = nChoice;
}

void SetPageFont(CWnd& page, CFont& font) {
  // As at 96 DPI, 15 pixels, whatever the screen's: the page's texts stand on a bitmap of fixed pixels.
  font.CreateFont(-::MulDiv(11, 96, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0,
                  "Arial");
  static const int kControls[] = {IDC_DESC_ENABLED, IDC_DESC_DISABLED, IDC_ENABLED, IDC_DISABLED, IDC_HEADING};
  for (int nID : kControls) {
    page.SendDlgItemMessage(nID, WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
  }
}

void CountRadioClick(CWnd& page, CButton& btnEnabled, int& nState, int& nToggleCount) {
  // The automatic buttons have moved the check already: "Enabled" checked (1) while nState says
  // Disabled (1), or unchecked (0) while it says Enabled (0), is a new selection.
  const int nEnabledChecked = static_cast<int>(btnEnabled.SendMessage(BM_GETCHECK));
  if (nState == kNoChoice) {
    // A first choice where none could be read: whatever it writes is a change to announce.
    page.UpdateData(TRUE);
    if (nState != kNoChoice) ++nToggleCount;
    return;
  }
  if (nEnabledChecked == nState) {
    nState = nState == kChoiceEnabled ? kChoiceDisabled : kChoiceEnabled;
    ++nToggleCount;
  }
  page.UpdateData(TRUE);
}

void ShowHoverDescription(CWnd& page, CPoint point) {
  // Where the zones overlap, "Enabled" wins: its zone is tested first.
  if (InHoverZone(page, IDC_ENABLED, point)) {
    ShowItem(page, IDC_DESC_ENABLED, SW_SHOWNORMAL);
    ShowItem(page, IDC_DESC_DISABLED, SW_HIDE);
  } else if (InHoverZone(page, IDC_DISABLED, point)) {
    ShowItem(page, IDC_DESC_DISABLED, SW_SHOWNORMAL);
    ShowItem(page, IDC_DESC_ENABLED, SW_HIDE);
  } else {
    ShowItem(page, IDC_DESC_DISABLED, SW_HIDE);
    ShowItem(page, IDC_DESC_ENABLED, SW_HIDE);
  }
}

void HideHoverDescriptions(CWnd& page) {
  if (page.m_hWnd == NULL) return;
  ShowItem(page, IDC_DESC_DISABLED, SW_HIDE);
  ShowItem(page, IDC_DESC_ENABLED, SW_HIDE);
}

HBRUSH PageCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor, HBRUSH hbrBase) {
  HBRUSH hbr = hbrBase;
  const int nID = pWnd != NULL ? pWnd->GetDlgCtrlID() : 0;
  if (nID == IDC_ENABLED || nID == IDC_DISABLED) {
    pDC->SetBkMode(TRANSPARENT);
    hbr = static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
  }
  if (nCtlColor == CTLCOLOR_STATIC) {
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(RGB(255, 255, 255));
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
  }
  return hbr;
}

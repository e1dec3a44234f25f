// beamset/applybutton.cpp: the Apply button swaps its picture, then lets the button procedure press and click.
#include "applybutton.h"

#include "beamsetdlg.h"
#include "buttonimage.h"

BEGIN_MESSAGE_MAP(CApplyButton, CButton)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CApplyButton::CApplyButton() {}

CApplyButton::~CApplyButton() {}

void CApplyButton::OnLButtonDown(UINT, CPoint) {
  ShowMainDialogBitmap(*this, &CBeamsetDlg::m_bmpApplyDown);
  Default();
}

void CApplyButton::OnLButtonUp(UINT, CPoint) {
  // In place before the button procedure sends the click.
  ShowMainDialogBitmap(*this, &CBeamsetDlg::m_bmpApplyUp);
  Default();
}

// beamset/okbutton.cpp: the OK button swaps its picture, then lets the button procedure press and click.
#include "okbutton.h"

#include "beamsetdlg.h"
#include "buttonimage.h"

BEGIN_MESSAGE_MAP(COkButton, CButton)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

COkButton::COkButton() {}

COkButton::~COkButton() {}

void COkButton::OnLButtonDown(UINT, CPoint) {
  ShowMainDialogBitmap(*this, &CBeamsetDlg::m_bmpOkDown);
  Default();
}

void COkButton::OnLButtonUp(UINT, CPoint) {
  // In place before the button procedure sends the click.
  ShowMainDialogBitmap(*this, &CBeamsetDlg::m_bmpOkUp);
  Default();
}

// beamset/cancelbutton.cpp: the Cancel button swaps its picture, then lets the button procedure press and click.
#include "cancelbutton.h"

#include "beamsetdlg.h"
#include "buttonimage.h"

BEGIN_MESSAGE_MAP(CCancelButton, CButton)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CCancelButton::CCancelButton() {}

CCancelButton::~CCancelButton() {}

void CCancelButton::OnLButtonDown(UINT, CPoint) {
  ShowMainDialogBitmap(*this, &CBeamsetDlg::m_bmpCancelDown);
  Default();
}

void CCancelButton::OnLButtonUp(UINT, CPoint) {
  // In place before the button procedure sends the click.
  ShowMainDialogBitmap(*this, &CBeamsetDlg::m_bmpCancelUp);
  Default();
}

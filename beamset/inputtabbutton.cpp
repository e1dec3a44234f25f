// beamset/inputtabbutton.cpp: the Optical-Input tab, a plain button procedure underneath.
#include "inputtabbutton.h"

BEGIN_MESSAGE_MAP(CInputTabButton, CButton)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CInputTabButton::CInputTabButton() {}

CInputTabButton::~CInputTabButton() {}

void CInputTabButton::OnLButtonDown(UINT, CPoint) { Default(); }

void CInputTabButton::OnLButtonUp(UINT, CPoint) { Default(); }

// beamset/outputtabbutton.cpp: the Optical-Output tab, a plain button procedure underneath.
#include "outputtabbutton.h"

BEGIN_MESSAGE_MAP(COutputTabButton, CButton)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

COutputTabButton::COutputTabButton() {}

COutputTabButton::~COutputTabButton() {}

void COutputTabButton::OnLButtonDown(UINT, CPoint) { Default(); }

void COutputTabButton::OnLButtonUp(UINT, CPoint) { Default(); }

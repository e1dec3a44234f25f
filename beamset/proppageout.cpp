// beamset/proppageout.cpp: the optical output page: its state read once per window, white texts over the page
// bitmap, and the description of the choice under the pointer.
#include "proppageout.h"

#include "opticalpage.h"
#include "resource.h"
#include "skinbitmap.h"
#include "skinlayout.h"

IMPLEMENT_DYNCREATE(CPropPageOut, CPropertyPage)

BEGIN_MESSAGE_MAP(CPropPageOut, CPropertyPage)
ON_WM_PAINT()
ON_WM_CTLCOLOR()
ON_BN_CLICKED(IDC_DISABLED, OnRadioClicked)
ON_BN_CLICKED(IDC_ENABLED, OnRadioClicked)
ON_WM_MOUSEMOVE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CPropPageOut::CPropPageOut() : CPropertyPage(IDD_PROPPAGE_OUT, 0), m_nToggleCount(0), m_nState(-1) {}

CPropPageOut::~CPropPageOut() {}

void CPropPageOut::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, IDC_ENABLED, m_btnEnabled);
  DDX_Radio(pDX, IDC_ENABLED, m_nState);
}

BOOL CPropPageOut::OnInitDialog() {
  CPropertyPage::OnInitDialog();  // -1 leaves both buttons unchecked
  LayOutInSkinPixels(*this, IDD_PROPPAGE_OUT);
  ReadCurrentState();
  SetPageFont(*this, m_font);
  return TRUE;
}

void CPropPageOut::ReadCurrentState() { ShowOpticalState(*this, OpticalOutput, m_nState); }

void CPropPageOut::OnPaint() { PaintPageBackground(*this); }

HBRUSH CPropPageOut::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  return PageCtlColor(pDC, pWnd, nCtlColor, CPropertyPage::OnCtlColor(pDC, pWnd, nCtlColor));
}

void CPropPageOut::OnRadioClicked() { CountRadioClick(*this, m_btnEnabled, m_nState, m_nToggleCount); }

void CPropPageOut::OnMouseMove(UINT, CPoint point) {
  ShowHoverDescription(*this, point);
  Default();
}

BOOL CPropPageOut::OnEraseBkgnd(CDC*) { return FALSE; }

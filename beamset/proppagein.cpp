// beamset/proppagein.cpp: the optical input page: its state read once per window, white texts over the page
// bitmap, and the description of the choice under the pointer.
#include "proppagein.h"

#include "opticalpage.h"
#include "resource.h"
#include "skinbitmap.h"
#include "skinlayout.h"

IMPLEMENT_DYNCREATE(CPropPageIn, CPropertyPage)

BEGIN_MESSAGE_MAP(CPropPageIn, CPropertyPage)
ON_WM_PAINT()
ON_WM_CTLCOLOR()
ON_BN_CLICKED(IDC_DISABLED, OnRadioClicked)
ON_BN_CLICKED(IDC_ENABLED, OnRadioClicked)
ON_WM_MOUSEMOVE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CPropPageIn::CPropPageIn() : CPropertyPage(IDD_PROPPAGE_IN, 0), m_nToggleCount(0), m_nState(-1) {}

CPropPageIn::~CPropPageIn() {}

void CPropPageIn::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, IDC_ENABLED, m_btnEnabled);
  DDX_Radio(pDX, IDC_ENABLED, m_nState);
}

BOOL CPropPageIn::OnInitDialog() {
  CPropertyPage::OnInitDialog();  // -1 leaves both buttons unchecked
  LayOutInSkinPixels(*this, IDD_PROPPAGE_IN);
  ReadCurrentState();
  SetPageFont(*this, m_font);
  return TRUE;
}

void CPropPageIn::ReadCurrentState() { ShowOpticalState(*this, OpticalInput, m_nState); }

void CPropPageIn::OnPaint() { PaintPageBackground(*this); }

HBRUSH CPropPageIn::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  return PageCtlColor(pDC, pWnd, nCtlColor, CPropertyPage::OnCtlColor(pDC, pWnd, nCtlColor));
}

void CPropPageIn::OnRadioClicked() { CountRadioClick(*this, m_btnEnabled, m_nState, m_nToggleCount); }

void CPropPageIn::OnMouseMove(UINT, CPoint point) {
  ShowHoverDescription(*this, point);
  Default();
}

BOOL CPropPageIn::OnEraseBkgnd(CDC*) { return FALSE; }

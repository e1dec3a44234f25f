// beamset/proppageout.cpp: the optical output page on its dialog template, painted with the page bitmap.
#include "proppageout.h"

#include "skinbitmap.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(CPropPageOut, CPropertyPage)

BEGIN_MESSAGE_MAP(CPropPageOut, CPropertyPage)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CPropPageOut::CPropPageOut() : CPropertyPage(IDD_PROPPAGE_OUT, 0) {}

CPropPageOut::~CPropPageOut() {}

void CPropPageOut::OnPaint() { PaintPageBackground(*this); }

BOOL CPropPageOut::OnEraseBkgnd(CDC*) { return FALSE; }

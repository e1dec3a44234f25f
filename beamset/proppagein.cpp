// beamset/proppagein.cpp: the optical input page on its dialog template, painted with the page bitmap.
#include "proppagein.h"

#include "skinbitmap.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(CPropPageIn, CPropertyPage)

BEGIN_MESSAGE_MAP(CPropPageIn, CPropertyPage)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CPropPageIn::CPropPageIn() : CPropertyPage(IDD_PROPPAGE_IN, 0) {}

CPropPageIn::~CPropPageIn() {}

void CPropPageIn::OnPaint() { PaintPageBackground(*this); }

BOOL CPropPageIn::OnEraseBkgnd(CDC*) { return FALSE; }

// beamset/opticalpropsheet.h: COpticalPropSheet, the child property sheet holding the input and output pages.
#pragma once

#include <afxdlgs.h>

#include "proppagein.h"
#include "proppageout.h"

class COpticalPropSheet : public CPropertySheet {
  DECLARE_DYNAMIC(COpticalPropSheet)
 public:
  COpticalPropSheet(LPCSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
  virtual ~COpticalPropSheet();

  CPropPageIn m_pageIn;    // page 0
  CPropPageOut m_pageOut;  // page 1

  // Moves the sheet to rcSheet (in its parent's client area) and its pages, created or still to come, to
  // rcPages (in its own), wherever comctl32 put them in its dialog font.
  void PlaceInPixels(const CRect& rcSheet, const CRect& rcPages);

 protected:
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);

  DECLARE_MESSAGE_MAP()
};

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

 protected:
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);

  DECLARE_MESSAGE_MAP()
};

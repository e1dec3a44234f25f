// beamset/proppageout.h: CPropPageOut, the optical output page of the property sheet.
#pragma once

#include <afxdlgs.h>

class CPropPageOut : public CPropertyPage {
  DECLARE_DYNCREATE(CPropPageOut)
 public:
  CPropPageOut();
  virtual ~CPropPageOut();

 protected:
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);

  DECLARE_MESSAGE_MAP()
};

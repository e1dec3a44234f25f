// beamset/proppagein.h: CPropPageIn, the optical input page of the property sheet.
#pragma once

#include <afxdlgs.h>

class CPropPageIn : public CPropertyPage {
  DECLARE_DYNCREATE(CPropPageIn)
 public:
  CPropPageIn();
  virtual ~CPropPageIn();

 protected:
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);

  DECLARE_MESSAGE_MAP()
};

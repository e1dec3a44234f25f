// beamset/outputtabbutton.h: COutputTabButton, the Optical-Output tab; its pictures change only when the main dialog
// switches pages.
#pragma once

#include <afxwin.h>

class COutputTabButton : public CButton {
 public:
  COutputTabButton();
  virtual ~COutputTabButton();

 protected:
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);

  DECLARE_MESSAGE_MAP()
};

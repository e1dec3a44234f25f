// beamset/inputtabbutton.h: CInputTabButton, the Optical-Input tab; its pictures change only when the main dialog
// switches pages.
#pragma once

#include <afxwin.h>

class CInputTabButton : public CButton {
 public:
  CInputTabButton();
  virtual ~CInputTabButton();

 protected:
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);

  DECLARE_MESSAGE_MAP()
};

// beamset/cancelbutton.h: CCancelButton, the Cancel button: its pressed picture while the mouse button is held on it.
#pragma once

#include <afxwin.h>

class CCancelButton : public CButton {
 public:
  CCancelButton();
  virtual ~CCancelButton();

 protected:
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);

  DECLARE_MESSAGE_MAP()
};

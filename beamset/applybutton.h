// beamset/applybutton.h: CApplyButton, the Apply button: its pressed picture while the mouse button is held on it.
#pragma once

#include <afxwin.h>

class CApplyButton : public CButton {
 public:
  CApplyButton();
  virtual ~CApplyButton();

 protected:
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);

  DECLARE_MESSAGE_MAP()
};

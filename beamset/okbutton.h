// beamset/okbutton.h: COkButton, the OK button: its pressed picture while the mouse button is held on it.
#pragma once

#include <afxwin.h>

class COkButton : public CButton {
 public:
  COkButton();
  virtual ~COkButton();

 protected:
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);

  DECLARE_MESSAGE_MAP()
};

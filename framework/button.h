// framework/button.h: CButton, a BUTTON control.
#pragma once

#include "wnd.h"

class CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)
 public:
  CButton();
  virtual ~CButton();

  int GetCheck() const;
  void SetCheck(int nCheck);
  UINT GetState() const;
  // The previous image is returned, not deleted: the caller owns both.
  HBITMAP SetBitmap(HBITMAP hBitmap);
  HBITMAP GetBitmap() const;
};

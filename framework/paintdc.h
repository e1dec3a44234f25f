// framework/paintdc.h: CPaintDC, BeginPaint for the object's lifetime.
#pragma once

#include "dc.h"

class CWnd;

class CPaintDC : public CDC {
  DECLARE_DYNAMIC(CPaintDC)
 public:
  explicit CPaintDC(CWnd* pWnd);
  virtual ~CPaintDC();

  PAINTSTRUCT m_ps;

 protected:
  HWND m_hWnd;
};

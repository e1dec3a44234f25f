// framework/rect.h: CRect, a RECT with size queries.
#pragma once

#include <windows.h>

class CRect : public tagRECT {
 public:
  CRect() { left = top = right = bottom = 0; }
  CRect(int l, int t, int r, int b) {
    left = l;
    top = t;
    right = r;
    bottom = b;
  }
  CRect(const RECT& src) { ::CopyRect(this, &src); }

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  BOOL IsRectEmpty() const { return ::IsRectEmpty(this); }
  BOOL PtInRect(POINT pt) const { return ::PtInRect(this, pt); }
  operator LPRECT() { return this; }
  operator LPCRECT() const { return this; }
  BOOL operator==(const RECT& rect) const { return ::EqualRect(this, &rect); }
};

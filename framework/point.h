// framework/point.h: CPoint, a POINT with constructors.
#pragma once

#include <windows.h>

class CPoint : public tagPOINT {
 public:
  CPoint() { x = 0; y = 0; }
  CPoint(int initX, int initY) { x = initX; y = initY; }
  CPoint(POINT initPt) { x = initPt.x; y = initPt.y; }
  // Packed coordinates as mouse messages carry them: signed 16-bit halves.
  explicit CPoint(LPARAM dwPoint) {
    x = static_cast<short>(LOWORD(dwPoint));
    y = static_cast<short>(HIWORD(dwPoint));
  }

  BOOL operator==(POINT pt) const { return x == pt.x && y == pt.y; }
  BOOL operator!=(POINT pt) const { return !(*this == pt); }
};

// framework/bitmap.h: CBitmap, a bitmap handle owned by the object.
#pragma once

#include "gdiobject.h"

class CDC;

class CBitmap : public CGdiObject {
  DECLARE_DYNAMIC(CBitmap)
 public:
  CBitmap();
  virtual ~CBitmap();

  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }

  // From the resource module; FALSE, holding nothing, when the bitmap cannot be loaded.
  BOOL LoadBitmap(UINT nIDResource);
  BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
  int GetBitmap(BITMAP* pBitMap) const;
};

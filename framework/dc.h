// framework/dc.h: CDC, a device context; the object deletes a DC it created.
#pragma once

#include "object.h"

class CGdiObject;
class CBitmap;
class CFont;

class CDC : public CObject {
  DECLARE_DYNCREATE(CDC)
 public:
  CDC();
  virtual ~CDC();

  HDC m_hDC;

  operator HDC() const { return m_hDC; }
  HDC GetSafeHdc() const { return m_hDC; }

  static CDC* FromHandle(HDC hDC);
  static void DeleteTempMap();

  BOOL Attach(HDC hDC);
  HDC Detach();
  BOOL CreateCompatibleDC(CDC* pDC);
  BOOL DeleteDC();

  // The previous object comes back as a temporary wrapper, valid until the message loop is idle.
  CGdiObject* SelectObject(CGdiObject* pObject);
  CBitmap* SelectObject(CBitmap* pBitmap);
  CFont* SelectObject(CFont* pFont);
  CGdiObject* SelectStockObject(int nIndex);

  BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
  BOOL DrawIcon(int x, int y, HICON hIcon);
  int SetBkMode(int nBkMode);
  COLORREF SetTextColor(COLORREF crColor);
  int GetDeviceCaps(int nIndex) const;
};

// beamset/skinbitmap.cpp: the skin's bitmaps, copied pixel for pixel.
#include "skinbitmap.h"

#include "resource.h"

void BlitResourceBitmap(CDC& dc, UINT nIDBitmap, int cx, int cy) {
  CBitmap bitmap;
  bitmap.LoadBitmap(nIDBitmap);
  CDC dcMem;
  dcMem.CreateCompatibleDC(&dc);
  CBitmap* pOldBitmap = dcMem.SelectObject(&bitmap);
  dc.BitBlt(0, 0, cx, cy, &dcMem, 0, 0, SRCCOPY);
  if (pOldBitmap != NULL) dcMem.SelectObject(pOldBitmap);
  dcMem.DeleteDC();
  bitmap.DeleteObject();
}

void PaintPageBackground(CWnd& page) {
  CPaintDC dc(&page);
  CRect rcWindow;
  page.GetWindowRect(&rcWindow);
  BlitResourceBitmap(dc, IDB_PAGE_BACKGROUND, rcWindow.Width(), rcWindow.Height());
}

// beamset/pagebackground.cpp: the bitmap is loaded for each paint and released again.
#include "pagebackground.h"

#include "resource.h"

void PaintPageBackground(CWnd& page) {
  CPaintDC dc(&page);
  CBitmap bmpBackground;
  bmpBackground.LoadBitmap(IDB_PAGE_BACKGROUND);
  CDC dcMem;
  dcMem.CreateCompatibleDC(&dc);
  CBitmap* pOldBitmap = dcMem.SelectObject(&bmpBackground);
  CRect rcWindow;
  page.GetWindowRect(&rcWindow);
  dc.BitBlt(0, 0, rcWindow.Width(), rcWindow.Height(), &dcMem, 0, 0, SRCCOPY);
  if (pOldBitmap != NULL) dcMem.SelectObject(pOldBitmap);
  dcMem.DeleteDC();
  bmpBackground.DeleteObject();
}

// beamset/skinbitmap.h: painting a skinned window's resource bitmap.
#pragma once

#include <afxwin.h>

// Copies the bitmap unscaled from its top-left corner to the context's, over cx by cy pixels.
// Loaded for each paint and released again: nothing is cached.
void BlitResourceBitmap(CDC& dc, UINT nIDBitmap, int cx, int cy);

// A page's WM_PAINT: the page bitmap over the page window's size; whatever lies beyond it is left alone.
void PaintPageBackground(CWnd& page);

// beamset/pagebackground.h: paints the pages' background bitmap.
#pragma once

#include <afxwin.h>

// Copies bitmap 163 unscaled to the window's top-left corner; whatever lies beyond it is left alone.
void PaintPageBackground(CWnd& page);

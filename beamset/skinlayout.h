// beamset/skinlayout.h: Beamset's skinned windows laid out in the pixels their bitmaps were drawn for.
#pragma once

#include <afxwin.h>

// Sizes the window (a frameless one: the skin is all of it) and places each control of dialog template
// nIDTemplate (an extended template) as Windows does with 8-point MS Sans Serif at 96 DPI, 6 x 13 pixels
// to 4 x 8 dialog units, whatever the system's DPI and dialog font: the skin's bitmaps are fixed pixels,
// so the controls over them must be too.
void LayOutInSkinPixels(CWnd& dlg, UINT nIDTemplate);

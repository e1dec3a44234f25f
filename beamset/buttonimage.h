// beamset/buttonimage.h: puts one of the main dialog's bitmaps on an image button.
#pragma once

#include <afxwin.h>

class CBeamsetDlg;

// The dialog is the thread's main window; without one the button keeps its image.
void ShowMainDialogBitmap(CButton& button, CBitmap CBeamsetDlg::*pmBitmap);

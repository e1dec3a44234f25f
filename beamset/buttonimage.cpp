// beamset/buttonimage.cpp: the buttons own no bitmaps; they borrow the main dialog's.
#include "buttonimage.h"

#include "beamsetdlg.h"

void ShowMainDialogBitmap(CButton& button, CBitmap CBeamsetDlg::*pmBitmap) {
  CWinThread* pThread = AfxGetThread();
  CBeamsetDlg* pDlg = pThread != NULL ? static_cast<CBeamsetDlg*>(pThread->GetMainWnd()) : NULL;
  if (pDlg == NULL) return;
  // The image the button showed before stays owned by the dialog.
  button.SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(static_cast<HBITMAP>(pDlg->*pmBitmap)));
}

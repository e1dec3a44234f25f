// framework/dataexchange.h: CDataExchange and the DDX_ routines that move data between members and controls.
#pragma once

#include <windows.h>

class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
  // Set when a control named in the exchange does not exist; UpdateData then answers FALSE.
  BOOL m_bFailed;

  HWND PrepareCtrl(int nIDC);
  void Fail();
};

// Subclasses the dialog's control nIDC into rControl the first time; later exchanges leave it alone.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// The index of the checked button in the radio group starting at nIDC; -1 when none is checked.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);

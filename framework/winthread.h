// framework/winthread.h: CWinThread, the message pump and the owner of the main window pointer.
#pragma once

#include "cmdtarget.h"

class CWnd;

class CWinThread : public CCmdTarget {
  DECLARE_DYNAMIC(CWinThread)
 public:
  CWinThread();
  virtual ~CWinThread();

  CWnd* m_pMainWnd;
  MSG m_msgCur;

  virtual CWnd* GetMainWnd();
  virtual BOOL InitInstance();
  virtual int Run();
  virtual int ExitInstance();
  // Deletes the temporary wrapper objects; TRUE while more idle work remains (never, here).
  virtual BOOL OnIdle(LONG lCount);
  virtual BOOL PreTranslateMessage(MSG* pMsg);

  // Fetches and dispatches one message; FALSE on WM_QUIT.
  BOOL PumpMessage();
};

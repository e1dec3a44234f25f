// framework/winthread.cpp: the thread's message loop, pre-translation through the window tree, idle clean-up.
#include "winthread.h"

#include "afxglobals.h"
#include "bitmap.h"
#include "dc.h"
#include "menu.h"
#include "wnd.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread() : m_pMainWnd(NULL), m_msgCur() {}

CWinThread::~CWinThread() {}

CWnd* CWinThread::GetMainWnd() { return m_pMainWnd; }

BOOL CWinThread::InitInstance() { return FALSE; }

int CWinThread::ExitInstance() { return static_cast<int>(m_msgCur.wParam); }

BOOL CWinThread::OnIdle(LONG) {
  // Only at the outermost level: a handler lower on the stack may still hold a temporary object.
  AfxLockTempMaps();
  AfxUnlockTempMaps();
  return FALSE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
  CWnd* pMainWnd = GetMainWnd();
  HWND hWndStop = pMainWnd != NULL ? pMainWnd->GetSafeHwnd() : NULL;
  return CWnd::WalkPreTranslateTree(hWndStop, pMsg);
}

BOOL CWinThread::PumpMessage() {
  if (!::GetMessageA(&m_msgCur, NULL, 0, 0)) return FALSE;
  if (!PreTranslateMessage(&m_msgCur)) {
    ::TranslateMessage(&m_msgCur);
    ::DispatchMessageA(&m_msgCur);
  }
  return TRUE;
}

int CWinThread::Run() {
  for (;;) {
    MSG msg;
    if (!::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE)) OnIdle(0);
    if (!PumpMessage()) return ExitInstance();
  }
}

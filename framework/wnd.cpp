// framework/wnd.cpp: CWnd's handle map, window procedure, message dispatch and thin wrappers over user32.
#include "wnd.h"

#include "afxglobals.h"
#include "dataexchange.h"
#include "dc.h"
#include "handlemap.h"
#include "menu.h"
#include "winthread.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_NCDESTROY()
END_MESSAGE_MAP()

namespace {

CTypedHandleMap<CWnd, HWND, &CWnd::m_hWnd> g_wndMap;

// The message being handled, for Default(); saved and restored around nested dispatch.
MSG g_lastSentMsg = {};

CWnd* g_pWndInit = NULL;
HHOOK g_hHookCbt = NULL;

LRESULT CALLBACK AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam) {
  if (nCode == HCBT_CREATEWND && g_pWndInit != NULL) {
    CWnd* pWnd = g_pWndInit;
    g_pWndInit = NULL;
    pWnd->SubclassWindow(reinterpret_cast<HWND>(wParam));
  }
  return ::CallNextHookEx(g_hHookCbt, nCode, wParam, lParam);
}

}  // namespace

void AfxHookWindowCreate(CWnd* pWnd) {
  if (g_hHookCbt == NULL) g_hHookCbt = ::SetWindowsHookExA(WH_CBT, AfxCbtFilterHook, NULL, ::GetCurrentThreadId());
  g_pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate() {
  if (g_hHookCbt != NULL) {
    ::UnhookWindowsHookEx(g_hHookCbt);
    g_hHookCbt = NULL;
  }
  BOOL bCreated = g_pWndInit == NULL;
  g_pWndInit = NULL;
  return bCreated;
}

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  MSG oldState = g_lastSentMsg;
  g_lastSentMsg.hwnd = hWnd;
  g_lastSentMsg.message = nMsg;
  g_lastSentMsg.wParam = wParam;
  g_lastSentMsg.lParam = lParam;
  AfxLockTempMaps();
  LRESULT lResult = pWnd->WindowProc(nMsg, wParam, lParam);
  AfxUnlockTempMaps(FALSE);
  g_lastSentMsg = oldState;
  return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  if (pWnd == NULL) return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
  return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

CWnd::CWnd() : m_hWnd(NULL), m_pfnSuper(NULL), m_nFlags(0), m_nModalResult(0) {}

CWnd::~CWnd() {
  if (m_hWnd != NULL && FromHandlePermanent(m_hWnd) == this) DestroyWindow();
}

CWnd* CWnd::FromHandle(HWND hWnd) { return g_wndMap.FromHandle(hWnd); }

CWnd* CWnd::FromHandlePermanent(HWND hWnd) { return g_wndMap.LookupPermanent(hWnd); }

void CWnd::DeleteTempMap() { g_wndMap.DeleteTemp(); }

BOOL CWnd::Attach(HWND hWndNew) { return g_wndMap.Attach(this, hWndNew); }

HWND CWnd::Detach() { return g_wndMap.Detach(this); }

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!Attach(hWnd)) return FALSE;
  WNDPROC oldProc =
      reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc)));
  if (oldProc != AfxWndProc) m_pfnSuper = oldProc;
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
  return hWndControl != NULL && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow() {
  if (m_pfnSuper != NULL) {
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = NULL;
  }
  return Detach();
}

BOOL CWnd::DestroyWindow() {
  if (m_hWnd == NULL) return FALSE;
  BOOL bResult = ::DestroyWindow(m_hWnd);
  // A window that was attached but not subclassed never shows us its WM_NCDESTROY.
  if (m_hWnd != NULL && !::IsWindow(m_hWnd)) Detach();
  return bResult;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendDlgItemMessageA(m_hWnd, nID, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }

DWORD CWnd::GetExStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)); }

void CWnd::SetWindowText(LPCSTR lpszString) { ::SetWindowTextA(m_hWnd, lpszString); }

int CWnd::GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const {
  return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
}

int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert)); }

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
  return reinterpret_cast<HICON>(
      SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

void CWnd::GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }

void CWnd::GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const {
  lpwndpl->length = sizeof(WINDOWPLACEMENT);
  return ::GetWindowPlacement(m_hWnd, lpwndpl);
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }

void CWnd::ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }

void CWnd::ScreenToClient(LPRECT lpRect) const {
  ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
  ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
  ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
  MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
  return ::SetWindowPos(m_hWnd, pWndInsertAfter != NULL ? pWndInsertAfter->m_hWnd : NULL, x, y, cx, cy, nFlags);
}

BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }

BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }

BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }

BOOL CWnd::EnableWindow(BOOL bEnable) { return ::EnableWindow(m_hWnd, bEnable); }

void CWnd::Invalidate(BOOL bErase) { ::InvalidateRect(m_hWnd, NULL, bErase); }

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase) { ::InvalidateRect(m_hWnd, lpRect, bErase); }

void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }

int CWnd::ReleaseDC(CDC* pDC) { return pDC != NULL ? ::ReleaseDC(m_hWnd, pDC->m_hDC) : 0; }

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType) {
  char szTitle[256] = "";
  if (lpszCaption == NULL) {
    ::GetWindowTextA(m_hWnd, szTitle, sizeof szTitle);
    lpszCaption = szTitle;
  }
  return ::MessageBoxA(m_hWnd, lpszText, lpszCaption, nType);
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
  ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
}

int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) {
  for (int nID = nIDFirstButton; nID <= nIDLastButton; ++nID) {
    if (::IsDlgButtonChecked(m_hWnd, nID)) return nID;
  }
  return 0;
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  DoDataExchange(&dx);
  return !dx.m_bFailed;
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::ContinueModal() { return (m_nFlags & WF_CONTINUEMODAL) != 0; }

void CWnd::EndModalLoop(int nResult) {
  m_nModalResult = nResult;
  if (m_nFlags & WF_CONTINUEMODAL) {
    m_nFlags &= ~WF_CONTINUEMODAL;
    PostMessage(WM_NULL);  // wakes the loop if it is waiting
  }
}

int CWnd::RunModalLoop(DWORD dwFlags) {
  m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
  CWinThread* pThread = AfxGetThread();
  // A window created hidden appears once everything queued at its creation has been handled.
  BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
  MSG msg;
  while (ContinueModal()) {
    if (!::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE)) {
      if (bShowIdle) {
        ShowWindow(SW_SHOWNORMAL);
        UpdateWindow();
        bShowIdle = FALSE;
      }
      if (pThread != NULL) pThread->OnIdle(0);
    }
    if (!ContinueModal()) break;
    BOOL bContinue = pThread != NULL ? pThread->PumpMessage() : ::GetMessageA(&msg, NULL, 0, 0);
    if (pThread == NULL && bContinue) {
      if (!WalkPreTranslateTree(m_hWnd, &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
      }
    }
    if (!bContinue) {
      ::PostQuitMessage(0);  // leave the quit for the outer loop
      m_nModalResult = -1;
      break;
    }
  }
  m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
  return m_nModalResult;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
  for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd)) {
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd != NULL && pWnd->PreTranslateMessage(pMsg)) return TRUE;
    if (hWnd == hWndStop) break;
  }
  return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT lResult = 0;
  if (!OnWndMsg(message, wParam, lParam, &lResult)) lResult = DefWindowProc(message, wParam, lParam);
  return lResult;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) { return OnCmdMsg(LOWORD(wParam), HIWORD(wParam), NULL, NULL); }

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  LRESULT lResult = 0;
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    *pResult = 1;
    return TRUE;
  }
  UINT nCtlColor = 0;
  UINT nLookup = message;
  if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
    nCtlColor = message - WM_CTLCOLORMSGBOX;
    nLookup = WM_CTLCOLOR;
  }
  const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(GetMessageMap(), nLookup, 0, 0);
  if (pEntry == NULL) return FALSE;

  switch (pEntry->nSig) {
    case AfxSig_vv:
      (this->*AfxMsgFnAs<void (CWnd::*)()>(pEntry->pfn))();
      break;
    case AfxSig_bD:
      lResult = (this->*AfxMsgFnAs<BOOL (CWnd::*)(CDC*)>(pEntry->pfn))(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
      break;
    case AfxSig_bb:
      lResult = (this->*AfxMsgFnAs<BOOL (CWnd::*)(BOOL)>(pEntry->pfn))(static_cast<BOOL>(wParam));
      break;
    case AfxSig_wp:
      lResult = (this->*AfxMsgFnAs<UINT (CWnd::*)(CPoint)>(pEntry->pfn))(CPoint(lParam));
      break;
    case AfxSig_vwl:
      (this->*AfxMsgFnAs<void (CWnd::*)(UINT, LPARAM)>(pEntry->pfn))(static_cast<UINT>(wParam), lParam);
      break;
    case AfxSig_hv:
      lResult = reinterpret_cast<LRESULT>((this->*AfxMsgFnAs<HCURSOR (CWnd::*)()>(pEntry->pfn))());
      break;
    case AfxSig_vwp:
      (this->*AfxMsgFnAs<void (CWnd::*)(UINT, CPoint)>(pEntry->pfn))(static_cast<UINT>(wParam), CPoint(lParam));
      break;
    case AfxSig_hDWw:
      lResult = reinterpret_cast<LRESULT>((this->*AfxMsgFnAs<HBRUSH (CWnd::*)(CDC*, CWnd*, UINT)>(pEntry->pfn))(
          CDC::FromHandle(reinterpret_cast<HDC>(wParam)), FromHandle(reinterpret_cast<HWND>(lParam)), nCtlColor));
      break;
    case AfxSig_lwl:
      lResult = (this->*AfxMsgFnAs<LRESULT (CWnd::*)(WPARAM, LPARAM)>(pEntry->pfn))(wParam, lParam);
      break;
    case AfxSig_vb:
      (this->*AfxMsgFnAs<void (CWnd::*)(BOOL)>(pEntry->pfn))(static_cast<BOOL>(wParam));
      break;
    default:
      return FALSE;
  }
  *pResult = lResult;
  return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper != NULL) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() { return DefWindowProc(g_lastSentMsg.message, g_lastSentMsg.wParam, g_lastSentMsg.lParam); }

void CWnd::PostNcDestroy() {}

void CWnd::OnPaint() { Default(); }

BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }

BOOL CWnd::OnNcActivate(BOOL) { return static_cast<BOOL>(Default()); }

UINT CWnd::OnNcHitTest(CPoint) { return static_cast<UINT>(Default()); }

void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }

HCURSOR CWnd::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }

void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }

void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }

void CWnd::OnMouseMove(UINT, CPoint) { Default(); }

void CWnd::OnEndSession(BOOL) { Default(); }

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }

void CWnd::OnNcDestroy() {
  CWinThread* pThread = AfxGetThread();
  if (pThread != NULL && pThread->m_pMainWnd == this) pThread->m_pMainWnd = NULL;
  Default();
  UnsubclassWindow();
  PostNcDestroy();
}

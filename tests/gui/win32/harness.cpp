// tests/gui/win32/harness.cpp: the probe dialog and the scripted modal run.
#include "harness.h"

#include <stdlib.h>
#include <string.h>

#include "check.h"
#include "resource.h"

CProbeDlg::CProbeDlg()
    : m_commands(),
      m_nCommands(0),
      m_nPaints(0),
      m_nDeactivationsAllowed(0),
      m_nDeactivationsRefused(0) {}

int CProbeDlg::CountCommands(UINT nID) const {
  int n = 0;
  for (int i = 0; i < m_nCommands; ++i) n += m_commands[i].nID == nID;
  return n;
}

const CProbeDlg::Command* CProbeDlg::LastCommand(UINT nID) const {
  for (int i = m_nCommands - 1; i >= 0; --i) {
    if (m_commands[i].nID == nID) return &m_commands[i];
  }
  return NULL;
}

HBITMAP CProbeDlg::ImageOf(int nID) const {
  return reinterpret_cast<HBITMAP>(::SendMessageA(Item(nID), BM_GETIMAGE, IMAGE_BITMAP, 0));
}

BOOL CProbeDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (m_nCommands < 32) {
    Command& c = m_commands[m_nCommands++];
    c.nID = LOWORD(wParam);
    c.nCode = HIWORD(wParam);
    c.hImage = reinterpret_cast<HBITMAP>(::SendMessageA(Item(c.nID), BM_GETIMAGE, IMAGE_BITMAP, 0));
  }
  return CBeamsetDlg::OnCommand(wParam, lParam);
}

LRESULT CProbeDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) ++m_nPaints;
  LRESULT lResult = CBeamsetDlg::WindowProc(message, wParam, lParam);
  if (message == WM_NCACTIVATE && !wParam) ++(lResult ? m_nDeactivationsAllowed : m_nDeactivationsRefused);
  return lResult;
}

namespace {

CProbeDlg* g_pDlg = NULL;
void (*g_pfnThunk)(CProbeDlg&, void*) = NULL;
void* g_pScript = NULL;

void CALLBACK ScriptTimer(HWND, UINT, UINT_PTR idEvent, DWORD) {
  ::KillTimer(NULL, idEvent);
  Pump();
  g_pfnThunk(*g_pDlg, g_pScript);
  Pump();  // let what the script posted arrive
  // A script that forgets to end the dialog would hang the run.
  if (::IsWindow(g_pDlg->m_hWnd) && ::IsWindowVisible(g_pDlg->m_hWnd)) {
    CheckFailed(__FILE__, __LINE__, "script ended the dialog", 0, 1);
    g_pDlg->EndDialog(IDABORT);
  }
}

}  // namespace

int RunScriptedThunk(CProbeDlg& dlg, void (*pfnThunk)(CProbeDlg&, void*), void* pScript) {
  g_pDlg = &dlg;
  g_pfnThunk = pfnThunk;
  g_pScript = pScript;
  AfxGetApp()->m_pMainWnd = &dlg;
  ::SetTimer(NULL, 0, 1, ScriptTimer);
  int nResult = dlg.DoModal();
  CHECK(AfxGetApp()->m_pMainWnd == NULL);  // the framework forgets the main window as it goes
  AfxGetApp()->m_pMainWnd = NULL;
  return nResult;
}

void Pump() {
  MSG msg;
  for (int i = 0; i < 2000 && ::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE); ++i) {
    if (!AfxGetThread()->PumpMessage()) break;
  }
}

bool SameBitmap(HBITMAP hBitmap, UINT nIDResource) {
  HBITMAP hRef = ::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
  BITMAP a = {}, b = {};
  bool bSame = hBitmap != NULL && hRef != NULL && ::GetObjectA(hBitmap, sizeof a, &a) &&
               ::GetObjectA(hRef, sizeof b, &b) && a.bmWidth == b.bmWidth && a.bmHeight == b.bmHeight &&
               a.bmBitsPixel == b.bmBitsPixel;
  if (bSame) {
    LONG cb = a.bmWidthBytes * a.bmHeight;
    void* pa = malloc(static_cast<size_t>(cb));
    void* pb = malloc(static_cast<size_t>(cb));
    bSame = pa != NULL && pb != NULL && ::GetBitmapBits(hBitmap, cb, pa) == cb && ::GetBitmapBits(hRef, cb, pb) == cb &&
            memcmp(pa, pb, static_cast<size_t>(cb)) == 0;
    free(pa);
    free(pb);
  }
  if (hRef != NULL) ::DeleteObject(hRef);
  return bSame;
}

namespace {

struct FindData {
  const char* pszTitle;
  HWND hWnd;
};

BOOL CALLBACK FindProc(HWND hWnd, LPARAM lParam) {
  FindData* pData = reinterpret_cast<FindData*>(lParam);
  char sz[128];
  if (::IsWindowVisible(hWnd) && ::GetWindowTextA(hWnd, sz, sizeof sz) > 0 && strcmp(sz, pData->pszTitle) == 0) {
    pData->hWnd = hWnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND FindThreadWindow(const char* pszTitle) {
  FindData data = {pszTitle, NULL};
  ::EnumThreadWindows(::GetCurrentThreadId(), FindProc, reinterpret_cast<LPARAM>(&data));
  return data.hWnd;
}

CPropertyPage& ShowPage(CProbeDlg& dlg, int nPage) {
  ::SendMessageA(dlg.Item(nPage == 0 ? IDC_INPUT_TAB : IDC_OUTPUT_TAB), BM_CLICK, 0, 0);
  return *dlg.m_pSheet->GetPage(nPage);
}

void ClickItem(HWND hPage, int nID) { ::SendMessageA(::GetDlgItem(hPage, nID), BM_CLICK, 0, 0); }

int CheckedRadio(HWND hPage) {
  if (::IsDlgButtonChecked(hPage, IDC_ENABLED)) return IDC_ENABLED;
  return ::IsDlgButtonChecked(hPage, IDC_DISABLED) ? IDC_DISABLED : 0;
}

void HoverEnabled(HWND hPage) {
  RECT rc;
  ::GetWindowRect(::GetDlgItem(hPage, IDC_ENABLED), &rc);
  ::MapWindowPoints(NULL, hPage, reinterpret_cast<POINT*>(&rc), 2);
  ::SendMessageA(hPage, WM_MOUSEMOVE, 0, MAKELPARAM(rc.left - 5, (rc.top + rc.bottom) / 2));
}

bool DescriptionShown(HWND hPage) {
  return ::IsWindowVisible(::GetDlgItem(hPage, IDC_DESC_ENABLED)) ||
         ::IsWindowVisible(::GetDlgItem(hPage, IDC_DESC_DISABLED));
}

namespace {

CProbeDlg* g_pAnswered = NULL;
ModalLog* g_pLog = NULL;
UINT_PTR g_idAnswerTimer = 0;
HWND g_hLastAnswered = NULL;

struct OverData {
  HWND hMain;
  HWND hFound;
};

BOOL CALLBACK FindOver(HWND hWnd, LPARAM lParam) {
  OverData* pData = reinterpret_cast<OverData*>(lParam);
  if (hWnd == pData->hMain || !::IsWindowVisible(hWnd) || ::GetWindow(hWnd, GW_OWNER) == NULL) return TRUE;
  pData->hFound = hWnd;
  return FALSE;
}

void CALLBACK AnswerTimer(HWND, UINT, UINT_PTR, DWORD) {
  OverData data = {g_pAnswered->m_hWnd, NULL};
  ::EnumThreadWindows(::GetCurrentThreadId(), FindOver, reinterpret_cast<LPARAM>(&data));
  HWND hWnd = data.hFound;
  if (hWnd == NULL || hWnd == g_hLastAnswered) return;  // none open, or the answer is on its way
  g_hLastAnswered = hWnd;
  ModalLog& log = *g_pLog;
  log.nNotInFront += ::GetActiveWindow() != hWnd || ::GetForegroundWindow() != hWnd;
  log.nGateLeftOpen += g_pAnswered->m_bAllowDeactivate != 0;
  log.hOwner = ::GetWindow(hWnd, GW_OWNER);
  char szTitle[64] = "";
  ::GetWindowTextA(hWnd, szTitle, sizeof szTitle);
  const size_t nOrder = strlen(log.szOrder);
  const bool bPrompt = strcmp(szTitle, "Restart computer") == 0;
  if (nOrder + 1 < sizeof log.szOrder) log.szOrder[nOrder] = bPrompt ? 'P' : 'M';
  if (bPrompt) {
    ++log.nPrompts;
    ::SendMessageA(::GetDlgItem(hWnd, IDCANCEL), BM_CLICK, 0, 0);
    return;
  }
  ++log.nMessages;
  ::GetDlgItemTextA(hWnd, 0xFFFF, log.szMessage, sizeof log.szMessage);
  HWND hFocus = ::GetFocus();
  ::PostMessageA(hFocus != NULL ? hFocus : hWnd, WM_KEYDOWN, VK_RETURN, 0x001C0001);
  ::PostMessageA(hFocus != NULL ? hFocus : hWnd, WM_KEYUP, VK_RETURN, 0xC01C0001);
}

}  // namespace

void StartAnswering(CProbeDlg& dlg, ModalLog* pLog) {
  memset(pLog, 0, sizeof *pLog);
  dlg.m_nDeactivationsAllowed = dlg.m_nDeactivationsRefused = 0;  // the start-up's own activation aside
  g_pAnswered = &dlg;
  g_pLog = pLog;
  g_hLastAnswered = NULL;
  g_idAnswerTimer = ::SetTimer(NULL, 0, 10, AnswerTimer);
}

void StopAnswering() {
  ::KillTimer(NULL, g_idAnswerTimer);
  g_idAnswerTimer = 0;
}

// tests/gui/win32/harness.cpp: the probe dialog and the scripted modal run.
#include "harness.h"

#include <stdlib.h>
#include <string.h>

#include "check.h"
#include "resource.h"

CProbeDlg::CProbeDlg()
    : m_nCommands(0),
      m_nLastCommand(0),
      m_hLastCommandImage(NULL),
      m_nDeactivationsAllowed(0),
      m_nDeactivationsRefused(0) {}

HBITMAP CProbeDlg::ImageOf(int nID) const {
  return reinterpret_cast<HBITMAP>(::SendMessageA(Item(nID), BM_GETIMAGE, IMAGE_BITMAP, 0));
}

BOOL CProbeDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  ++m_nCommands;
  m_nLastCommand = LOWORD(wParam);
  m_hLastCommandImage = ImageOf(m_nLastCommand);
  return CBeamsetDlg::OnCommand(wParam, lParam);
}

LRESULT CProbeDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT lResult = CBeamsetDlg::WindowProc(message, wParam, lParam);
  if (message == WM_NCACTIVATE && !wParam) ++(lResult ? m_nDeactivationsAllowed : m_nDeactivationsRefused);
  return lResult;
}

namespace {

size_t g_cbFailAllocation = 0;

}  // namespace

// This program's own allocation: out of memory, the shipped programs' operator new gives null, and everything
// built with -fcheck-new checks for it instead of constructing on it.
void* operator new(size_t cb) {
  if (cb != 0 && cb == g_cbFailAllocation) {
    g_cbFailAllocation = 0;
    return NULL;
  }
  return malloc(cb ? cb : 1);
}

void FailNextAllocation(size_t cb) { g_cbFailAllocation = cb; }

bool AllocationFailurePending() { return g_cbFailAllocation != 0; }

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
  // Large enough for every button and tab picture.
  static BYTE got[32768], want[32768];
  HBITMAP hRef = ::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
  const LONG cbGot = hBitmap != NULL ? ::GetBitmapBits(hBitmap, sizeof got, got) : 0;
  const LONG cbWant = ::GetBitmapBits(hRef, sizeof want, want);
  ::DeleteObject(hRef);
  return cbGot > 0 && cbGot == cbWant && memcmp(got, want, static_cast<size_t>(cbGot)) == 0;
}

namespace {

struct FindData {
  const char* pszTitle;
  HWND hWnd;
};

BOOL CALLBACK FindProc(HWND hWnd, LPARAM lParam) {
  FindData* pData = reinterpret_cast<FindData*>(lParam);
  char sz[128] = "";
  ::GetWindowTextA(hWnd, sz, sizeof sz);
  const bool bMatch = pData->pszTitle != NULL ? strcmp(sz, pData->pszTitle) == 0 : ::GetWindow(hWnd, GW_OWNER) != NULL;
  if (!bMatch || !::IsWindowVisible(hWnd)) return TRUE;
  pData->hWnd = hWnd;
  return FALSE;
}

}  // namespace

HWND FindThreadWindow(const char* pszTitle) {
  FindData data = {pszTitle, NULL};
  ::EnumThreadWindows(::GetCurrentThreadId(), FindProc, reinterpret_cast<LPARAM>(&data));
  return data.hWnd;
}

void PressKey(UINT vk, bool bCtrl, bool bShift) {
  BYTE keys[256];
  ::GetKeyboardState(keys);
  keys[VK_CONTROL] = bCtrl ? 0x80 : 0;
  keys[VK_SHIFT] = bShift ? 0x80 : 0;
  ::SetKeyboardState(keys);
  HWND hFocus = ::GetFocus();
  ::PostMessageA(hFocus, WM_KEYDOWN, vk, 0x00000001);
  ::PostMessageA(hFocus, WM_KEYUP, vk, 0xC0000001);
  Pump();
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
  ::SetKeyboardState(keys);
}

void ClickItem(HWND hParent, int nID) { ::SendMessageA(::GetDlgItem(hParent, nID), BM_CLICK, 0, 0); }

CPropertyPage& ShowPage(CProbeDlg& dlg, int nPage) {
  ClickItem(dlg.m_hWnd, nPage == 0 ? IDC_INPUT_TAB : IDC_OUTPUT_TAB);
  return *dlg.m_pSheet->GetPage(nPage);
}

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

ModalLog* g_pLog = NULL;
UINT_PTR g_idAnswerTimer = 0;
HWND g_hLastAnswered = NULL;

void CALLBACK AnswerTimer(HWND, UINT, UINT_PTR, DWORD) {
  HWND hWnd = FindThreadWindow(NULL);
  if (hWnd == NULL || hWnd == g_hLastAnswered) return;  // none open, or the answer is on its way
  g_hLastAnswered = hWnd;
  ModalLog& log = *g_pLog;
  log.hOwner = ::GetWindow(hWnd, GW_OWNER);
  char szTitle[64] = "";
  ::GetWindowTextA(hWnd, szTitle, sizeof szTitle);
  // A message box over the prompt carries the prompt's title, but no "Restart later".
  const bool bPrompt = strcmp(szTitle, "Restart computer") == 0 && ::GetDlgItem(hWnd, IDCANCEL) != NULL;
  const bool bRestartNow = bPrompt && log.nRestartNow > 0;
  const size_t nOrder = strlen(log.szOrder);
  if (nOrder + 1 < sizeof log.szOrder) log.szOrder[nOrder] = bRestartNow ? 'R' : bPrompt ? 'P' : 'M';
  if (bRestartNow) {
    --log.nRestartNow;
    ClickItem(hWnd, IDOK);    // what opens over it meanwhile is answered from inside this click
    g_hLastAnswered = NULL;  // the prompt stays, to be answered again
    return;
  }
  if (bPrompt) {
    ClickItem(hWnd, IDCANCEL);
    return;
  }
  ::GetDlgItemTextA(hWnd, 0xFFFF, log.szMessage, sizeof log.szMessage);
  HWND hFocus = ::GetFocus();
  ::PostMessageA(hFocus != NULL ? hFocus : hWnd, WM_KEYDOWN, VK_RETURN, 0x001C0001);
  ::PostMessageA(hFocus != NULL ? hFocus : hWnd, WM_KEYUP, VK_RETURN, 0xC01C0001);
}

}  // namespace

void StartAnswering(CProbeDlg& dlg, ModalLog* pLog) {
  memset(pLog, 0, sizeof *pLog);
  dlg.m_nDeactivationsAllowed = dlg.m_nDeactivationsRefused = 0;  // the start-up's own activation aside
  g_pLog = pLog;
  g_hLastAnswered = NULL;
  StopAnswering();  // one answering timer at a time: a forgotten one would answer from a log gone out of scope
  g_idAnswerTimer = ::SetTimer(NULL, 0, 10, AnswerTimer);
}

void StopAnswering() {
  ::KillTimer(NULL, g_idAnswerTimer);
  g_idAnswerTimer = 0;
}

void* HookImport(const char* pszFunction, void* pfnNew) {
  BYTE* pBase = reinterpret_cast<BYTE*>(::GetModuleHandleA(NULL));
  const IMAGE_NT_HEADERS* pNt = reinterpret_cast<IMAGE_NT_HEADERS*>(pBase + reinterpret_cast<IMAGE_DOS_HEADER*>(pBase)->e_lfanew);
  auto pDll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(
      pBase + pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
  for (; pDll->Name != 0; ++pDll) {
    auto pName = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pDll->OriginalFirstThunk);
    auto pSlot = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pDll->FirstThunk);
    for (; pName->u1.AddressOfData != 0; ++pName, ++pSlot) {
      if (IMAGE_SNAP_BY_ORDINAL(pName->u1.Ordinal) ||
          strcmp(reinterpret_cast<char*>(reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(pBase + pName->u1.AddressOfData)->Name),
                 pszFunction) != 0)
        continue;
      void* pOld = reinterpret_cast<void*>(pSlot->u1.Function);
      DWORD dwProtect = 0;
      ::VirtualProtect(&pSlot->u1.Function, sizeof(void*), PAGE_READWRITE, &dwProtect);
      pSlot->u1.Function = reinterpret_cast<ULONG_PTR>(pfnNew);
      ::VirtualProtect(&pSlot->u1.Function, sizeof(void*), dwProtect, &dwProtect);
      return pOld;
    }
  }
  return NULL;
}

ModalLog ClickAnswered(CProbeDlg& dlg, int nID) {
  ModalLog log;
  StartAnswering(dlg, &log);
  ClickItem(dlg.m_hWnd, nID);
  StopAnswering();
  return log;
}

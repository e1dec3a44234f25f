// tests/gui/win32/leak_test.cpp: repainting, hovering over the pages and switching them leave GDI objects and
// windows where they were, and the same measurement does see a deliberate leak of either.
#include "check.h"
#include "guitest.h"
#include "harness.h"
#include "leakcount.h"
#include "resource.h"

namespace {

WNDPROC g_pfnPageProc = NULL;
bool g_bLeakyPages = false;

LRESULT CALLBACK LeakyPageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) ::CreateBitmap(1, 1, 1, 1, NULL);
  return ::CallWindowProcA(g_pfnPageProc, hWnd, message, wParam, lParam);
}

// Leaks one bitmap per paint of the dialog (and, with g_bLeakyPages, of a page) and one window per page switch.
class CLeakyDlg : public CProbeDlg {
 protected:
  afx_msg void OnPaint() {
    ::CreateBitmap(1, 1, 1, 1, NULL);
    CBeamsetDlg::OnPaint();
  }
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDC_INPUT_TAB) ::CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 1, 1, m_hWnd, NULL, NULL, NULL);
    return CProbeDlg::OnCommand(wParam, lParam);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLeakyDlg, CProbeDlg)
ON_WM_PAINT()
END_MESSAGE_MAP()

int g_nRepaints = 0;
int g_nSwitches = 0;
int g_nGdiGrowth = 0;
int g_nWindowGrowth = 0;

void Settle() {
  Pump();
  AfxGetThread()->OnIdle(0);  // drop the temporary wrappers, as the idle loop would
}

// The pointer through both descriptions' zones and out again, each change painted.
void SweepPointer(HWND hPage) {
  static const POINT kSweep[] = {{40, 60}, {40, 85}, {400, 150}};
  for (const POINT& pt : kSweep) {
    ::SendMessageA(hPage, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    ::UpdateWindow(hPage);
  }
}

void RepaintHoverAndSwitch(CProbeDlg& dlg) {
  // Both pages exist and have shown their descriptions before the baseline: first times are no leak.
  HWND hPages[] = {ShowPage(dlg, 1).m_hWnd, ShowPage(dlg, 0).m_hWnd};
  for (HWND hPage : hPages) {
    SweepPointer(hPage);
    if (g_bLeakyPages)
      g_pfnPageProc = reinterpret_cast<WNDPROC>(
          ::SetWindowLongPtrA(hPage, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LeakyPageProc)));
  }
  Settle();
  int nGdi = CountGdiObjects();
  int nWindows = CountWindows();

  // Each repaint of the dialog repaints the shown page with it.
  for (int i = 0; i < g_nRepaints; ++i) {
    ::RedrawWindow(dlg.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SweepPointer(hPages[1]);
  }
  for (int i = 0; i < g_nSwitches; ++i) {
    ::SendMessageA(dlg.Item(i % 2 == 0 ? IDC_OUTPUT_TAB : IDC_INPUT_TAB), BM_CLICK, 0, 0);
    ::UpdateWindow(dlg.m_hWnd);
  }
  Settle();
  CHECK(dlg.m_nPaints >= g_nRepaints);
  g_nGdiGrowth = CountGdiObjects() - nGdi;
  g_nWindowGrowth = CountWindows() - nWindows;
  dlg.EndDialog(IDCANCEL);
}

}  // namespace

GUI_TEST(RepaintsHoversAndPageSwitchesLeakNothing) {
  g_nRepaints = 1000;
  g_nSwitches = 500;
  g_bLeakyPages = false;
  RunScripted(RepaintHoverAndSwitch);
  CHECK_EQ(g_nGdiGrowth, 0);
  CHECK_EQ(g_nWindowGrowth, 0);
}

GUI_TEST(LeakCheckSeesDeliberateLeaks) {
  g_nRepaints = 40;
  g_nSwitches = 20;
  g_bLeakyPages = true;
  CLeakyDlg dlg;
  RunScripted(dlg, RepaintHoverAndSwitch);
  CHECK(g_nGdiGrowth >= 2 * 40);  // the dialog's paints and the page's
  CHECK_EQ(g_nWindowGrowth, 10);
}

// tests/gui/win32/leak_test.cpp: repainting and page switching leave GDI objects and windows where they were,
// and the same measurement does see a deliberate leak of either.
#include "check.h"
#include "guitest.h"
#include "harness.h"
#include "leakcount.h"
#include "resource.h"

namespace {

// Leaks one bitmap per paint and one window per page switch.
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

void RepaintAndSwitch(CProbeDlg& dlg) {
  // Both pages exist before the baseline: the first show of a page creates its window.
  ::SendMessageA(dlg.Item(IDC_OUTPUT_TAB), BM_CLICK, 0, 0);
  ::SendMessageA(dlg.Item(IDC_INPUT_TAB), BM_CLICK, 0, 0);
  Settle();
  int nGdi = CountGdiObjects();
  int nWindows = CountWindows();

  for (int i = 0; i < g_nRepaints; ++i) {
    ::RedrawWindow(dlg.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
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

GUI_TEST(RepaintsAndPageSwitchesLeakNothing) {
  g_nRepaints = 1000;
  g_nSwitches = 500;
  CProbeDlg dlg;
  RunScripted(dlg, RepaintAndSwitch);
  CHECK_EQ(g_nGdiGrowth, 0);
  CHECK_EQ(g_nWindowGrowth, 0);
}

GUI_TEST(LeakCheckSeesDeliberateLeaks) {
  g_nRepaints = 40;
  g_nSwitches = 20;
  CLeakyDlg dlg;
  RunScripted(dlg, RepaintAndSwitch);
  CHECK(g_nGdiGrowth >= 40);
  CHECK_EQ(g_nWindowGrowth, 10);
}

namespace {

WNDPROC g_pfnPageProc = NULL;

// A page procedure that leaks one bitmap per paint.
LRESULT CALLBACK LeakyPageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) ::CreateBitmap(1, 1, 1, 1, NULL);
  return ::CallWindowProcA(g_pfnPageProc, hWnd, message, wParam, lParam);
}

bool g_bLeakyPages = false;
int g_nPageRounds = 0;

// Each round repaints a page and sweeps the pointer through both hover zones and out again.
void RepaintAndHoverPages(CProbeDlg& dlg) {
  HWND hPages[] = {ShowPage(dlg, 1).m_hWnd, ShowPage(dlg, 0).m_hWnd};
  if (g_bLeakyPages) {
    for (HWND hPage : hPages)
      g_pfnPageProc = reinterpret_cast<WNDPROC>(
          ::SetWindowLongPtrA(hPage, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LeakyPageProc)));
  }
  // One round before the baseline: the first showing of each description and font is no leak.
  int nGdi = 0, nWindows = 0;
  static const POINT kSweep[] = {{40, 60}, {40, 85}, {400, 150}, {40, 125}};
  for (int i = -2; i < g_nPageRounds; ++i) {
    if (i == 0) {
      Settle();
      nGdi = CountGdiObjects();
      nWindows = CountWindows();
    }
    HWND hPage = hPages[(i + 2) % 2];
    ::RedrawWindow(hPage, NULL, NULL, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (const POINT& pt : kSweep) {
      ::SendMessageA(hPage, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
      ::UpdateWindow(hPage);
    }
  }
  Settle();
  g_nGdiGrowth = CountGdiObjects() - nGdi;
  g_nWindowGrowth = CountWindows() - nWindows;
  dlg.EndDialog(IDCANCEL);
}

}  // namespace

GUI_TEST(PageRepaintsAndHoverSweepsLeakNothing) {
  g_bLeakyPages = false;
  g_nPageRounds = 1000;
  CProbeDlg dlg;
  RunScripted(dlg, RepaintAndHoverPages);
  CHECK_EQ(g_nGdiGrowth, 0);
  CHECK_EQ(g_nWindowGrowth, 0);
}

GUI_TEST(PageLeakCheckSeesADeliberateLeak) {
  g_bLeakyPages = true;
  g_nPageRounds = 40;
  CProbeDlg dlg;
  RunScripted(dlg, RepaintAndHoverPages);
  CHECK(g_nGdiGrowth >= 40);
}

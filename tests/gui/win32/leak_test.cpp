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

// tests/gui/win32/leak_test.cpp: repainting, hovering over the pages and switching them leave GDI objects and
// windows where they were.
#include "check.h"
#include "guitest.h"
#include "harness.h"
#include "leakcount.h"
#include "resource.h"

namespace {

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

}  // namespace

// A leak of one object per paint or switch shows as a growth of 50 or more.
GUI_TEST(RepaintsHoversAndPageSwitchesLeakNothing) {
  RunScripted([](CProbeDlg& dlg) {
    // Both pages exist and have shown their descriptions before the baseline: first times are no leak.
    HWND hPages[] = {ShowPage(dlg, 1).m_hWnd, ShowPage(dlg, 0).m_hWnd};
    for (HWND hPage : hPages) SweepPointer(hPage);
    Settle();
    const int nGdi = CountGdiObjects();
    const int nWindows = CountWindows();
    // Each repaint of the dialog repaints the shown page with it.
    for (int i = 0; i < 100; ++i) {
      ::RedrawWindow(dlg.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      SweepPointer(hPages[1]);
    }
    for (int i = 0; i < 50; ++i) {
      ::SendMessageA(dlg.Item(i % 2 == 0 ? IDC_OUTPUT_TAB : IDC_INPUT_TAB), BM_CLICK, 0, 0);
      ::UpdateWindow(dlg.m_hWnd);
    }
    Settle();
    CHECK(dlg.m_nPaints >= 100);
    CHECK_EQ(CountGdiObjects() - nGdi, 0);
    CHECK_EQ(CountWindows() - nWindows, 0);
    dlg.EndDialog(IDCANCEL);
  });
}

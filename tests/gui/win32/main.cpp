// tests/gui/win32/main.cpp: the GUI test program: a framework application whose InitInstance runs every
// registered test against Beamset's real windows, printing one line per test; the exit code counts failures.
#include <stdio.h>
#include <string.h>

#include <afxwin.h>

#include "check.h"
#include "guitest.h"

namespace {
GuiTestRegistrar* g_pFirst = NULL;
GuiTestRegistrar** g_ppLast = &g_pFirst;
int g_nFailedTests = 0;
const char* g_pszOnly = NULL;
}  // namespace

GuiTestRegistrar::GuiTestRegistrar(const char* pszName, GuiTestFn pfn) : m_pszName(pszName), m_pfn(pfn), m_pNext(NULL) {
  *g_ppLast = this;
  g_ppLast = &m_pNext;
}

class CGuiTestApp : public CWinApp {
 public:
  virtual BOOL InitInstance() {
    for (GuiTestRegistrar* p = g_pFirst; p != NULL; p = p->m_pNext) {
      if (g_pszOnly != NULL && strstr(p->m_pszName, g_pszOnly) == NULL) continue;
      int nBefore = CheckFailures();
      DWORD dwStart = ::GetTickCount();
      p->m_pfn();
      bool bOk = CheckFailures() == nBefore;
      g_nFailedTests += !bOk;
      printf("%s %s (%lu ms)\n", bOk ? "ok" : "not ok", p->m_pszName, ::GetTickCount() - dwStart);
      fflush(stdout);
    }
    return FALSE;
  }
};

CGuiTestApp theApp;

int main(int argc, char** argv) {
  if (argc > 1) g_pszOnly = argv[1];  // run only the tests whose name contains this
  AfxWinMain(::GetModuleHandleA(NULL), NULL, ::GetCommandLineA(), SW_SHOWNORMAL);
  printf("%d test(s) failed\n", g_nFailedTests);
  return g_nFailedTests;
}

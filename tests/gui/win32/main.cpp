// tests/gui/win32/main.cpp: the GUI test program: a framework application whose InitInstance runs every
// registered test of the running Windows family against Beamset's real windows, each from the same machine
// state, printing one line per test; the exit code counts failures.
#include <stdio.h>
#include <string.h>

#include <afxwin.h>

#include "check.h"
#include "guitest.h"
#include "machine.h"
#include "opticalstore.h"

namespace {
GuiTestRegistrar* g_pFirst = NULL;
GuiTestRegistrar** g_ppLast = &g_pFirst;
int g_nFailedTests = 0;
int g_nRun = 0;
const char* g_pszOnly = NULL;
}  // namespace

GuiTestRegistrar::GuiTestRegistrar(const char* pszName, DWORD dwFamily, GuiTestFn pfn)
    : m_pszName(pszName), m_dwFamily(dwFamily), m_pfn(pfn), m_pNext(NULL) {
  *g_ppLast = this;
  g_ppLast = &m_pNext;
}

class CGuiTestApp : public CWinApp {
 public:
  virtual BOOL InitInstance() {
    const DWORD dwFamily = GetPlatformFamily();
    printf("# Windows family %lu\n", dwFamily);
    for (GuiTestRegistrar* p = g_pFirst; p != NULL; p = p->m_pNext) {
      if (p->m_dwFamily != dwFamily) continue;
      if (g_pszOnly != NULL && strstr(p->m_pszName, g_pszOnly) == NULL) continue;
      ResetMachine();
      int nBefore = CheckFailures();
      DWORD dwStart = ::GetTickCount();
      p->m_pfn();
      bool bOk = CheckFailures() == nBefore;
      g_nFailedTests += !bOk;
      ++g_nRun;
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
  // A family with nothing to run means the program was not shown the Windows version it was meant for.
  if (g_nRun == 0 && g_pszOnly == NULL) {
    printf("not ok: no test is registered for this Windows family\n");
    return 1;
  }
  printf("%d test(s) failed\n", g_nFailedTests);
  return g_nFailedTests;
}

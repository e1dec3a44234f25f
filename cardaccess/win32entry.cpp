// cardaccess/win32entry.cpp: the process entry of every program, in place of the C runtime's start-up code.
// That code comes prebuilt for the Pentium Pro and later (cmov): with it no program would start on a 486,
// a Pentium or a K6, the PCs Windows 95 and 98 run on. Everything it did that the programs need is here; what
// they must not need (thread-local data, pseudo-relocations, .dtors) the link and the deployment check rule out.
#include <windows.h>

#include "commandline.h"

typedef void (*StaticFunction)(void);

extern "C" int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
// Made by the linker: -1, every static constructor, 0.
extern "C" StaticFunction __CTOR_LIST__[];

namespace {

// Static destructors, registered through atexit as the constructors run. A handful at most: the table
// is fixed, and atexit reports a full one as the standard allows.
const int kMaxExitFunctions = 32;
StaticFunction g_apfnExit[kMaxExitFunctions];
int g_nExitFunctions = 0;

// Last to first, as the runtime ran them.
void RunStaticConstructors() {
  int nLast = 0;
  while (__CTOR_LIST__[nLast + 1] != nullptr) ++nLast;
  for (int i = nLast; i >= 1; --i) __CTOR_LIST__[i]();
}

void RunExitFunctions() {
  while (g_nExitFunctions > 0) g_apfnExit[--g_nExitFunctions]();
}

// As the runtime gave it: the show command the starting program asked for, else the default.
int StartupShowCommand() {
  STARTUPINFOA si;
  ZeroMemory(&si, sizeof si);
  si.cb = sizeof si;
  GetStartupInfoA(&si);
  return (si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : SW_SHOWDEFAULT;
}

}  // namespace

extern "C" int __cdecl atexit(StaticFunction pfn) {
  if (g_nExitFunctions == kMaxExitFunctions) return -1;
  g_apfnExit[g_nExitFunctions++] = pfn;
  return 0;
}

// The program's result is its exit code; the process heap and the handles go with the process.
extern "C" void WinMainCRTStartup(void) {
  RunStaticConstructors();
  LPSTR lpCmdLine = const_cast<LPSTR>(ArgumentString(GetCommandLineA()));
  const int nExitCode = WinMain(GetModuleHandleA(nullptr), nullptr, lpCmdLine, StartupShowCommand());
  RunExitFunctions();
  ExitProcess(static_cast<UINT>(nExitCode));
}

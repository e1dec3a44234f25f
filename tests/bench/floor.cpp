// tests/bench/floor.cpp: the start-up floor for a registry tool: a windowless program that imports advapi32 and
// returns. Built a second time importing winmm as well, to price that import.
#include <windows.h>
#ifdef FLOOR_IMPORTS_WINMM
#include <mmsystem.h>
#endif

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int nCmdShow) {
  // Never taken; it keeps the imports, and a start pays for every DLL imported, called or not.
  if (nCmdShow == -1) {
    RegCloseKey(HKEY_CURRENT_USER);
#ifdef FLOOR_IMPORTS_WINMM
    mixerGetNumDevs();
#endif
  }
  return 0;
}

// framework/winmain.cpp: the process entry of a framework program; compiled into each program, not the library,
// because the C runtime asks for WinMain only after the program's libraries have been searched.
#include "winapp.h"

extern "C" int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
  return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}

// tests/gui/win32/leakcount.cpp: GDI objects by probing every 16-bit handle value; windows by enumeration.
#include "leakcount.h"

#include <windows.h>

int CountGdiObjects() {
  int n = 0;
  for (ULONG_PTR i = 1; i <= 0xFFFF; ++i) n += ::GetObjectType(reinterpret_cast<HGDIOBJ>(i)) != 0;
  return n;
}

namespace {

BOOL CALLBACK CountChild(HWND, LPARAM lParam) {
  ++*reinterpret_cast<int*>(lParam);
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hWnd, LPARAM lParam) {
  DWORD dwProcess = 0;
  ::GetWindowThreadProcessId(hWnd, &dwProcess);
  if (dwProcess == ::GetCurrentProcessId()) {
    ++*reinterpret_cast<int*>(lParam);
    ::EnumChildWindows(hWnd, CountChild, lParam);  // all descendants
  }
  return TRUE;
}

}  // namespace

int CountWindows() {
  int n = 0;
  ::EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&n));
  return n;
}

// tests/bench/launch.cpp: times a dialog program's start from outside: from CreateProcess until its window
// titled TITLE is visible with nothing left to paint in it or any child, is the active window of its thread
// with the keyboard focus in it (a first focus makes Wine start its input method), and, with "page", a radio
// button of the shown page checked. Then closes it. Prints the time in microseconds; exit 1 when it never got
// there.
// Usage: benchlaunch EXE TITLE [page]
#include <windows.h>
#include <stdio.h>
#include <string.h>

namespace {

BOOL CALLBACK FindPainting(HWND hWnd, LPARAM lParam) {
  if (!IsWindowVisible(hWnd) || !GetUpdateRect(hWnd, nullptr, FALSE)) return TRUE;
  *reinterpret_cast<bool*>(lParam) = true;
  return FALSE;
}

BOOL CALLBACK FindChecked(HWND hWnd, LPARAM lParam) {
  const int nID = GetDlgCtrlID(hWnd);
  if ((nID != 1001 && nID != 1002) || !IsWindowVisible(hWnd)) return TRUE;
  if (SendMessageA(hWnd, BM_GETCHECK, 0, 0) != BST_CHECKED) return TRUE;
  *reinterpret_cast<bool*>(lParam) = true;
  return FALSE;
}

// Asks the program's own thread (the check state) only once everything is painted, so polling does not
// hold up its start.
bool IsReady(HWND hWnd, DWORD dwThreadId, bool bNeedsPage) {
  if (!hWnd || !IsWindowVisible(hWnd) || GetUpdateRect(hWnd, nullptr, FALSE)) return false;
  GUITHREADINFO info;
  memset(&info, 0, sizeof info);
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(dwThreadId, &info) || info.hwndActive != hWnd || !info.hwndFocus ||
      (info.hwndFocus != hWnd && !IsChild(hWnd, info.hwndFocus)))
    return false;
  bool bPainting = false, bChecked = false;
  EnumChildWindows(hWnd, FindPainting, reinterpret_cast<LPARAM>(&bPainting));
  if (bPainting) return false;
  if (bNeedsPage) EnumChildWindows(hWnd, FindChecked, reinterpret_cast<LPARAM>(&bChecked));
  return bChecked || !bNeedsPage;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: benchlaunch EXE TITLE [page]\n");
    return 2;
  }
  const bool bNeedsPage = argc > 3 && strcmp(argv[3], "page") == 0;
  char szCommand[MAX_PATH + 2];
  snprintf(szCommand, sizeof szCommand, "\"%s\"", argv[1]);
  STARTUPINFOA si;
  memset(&si, 0, sizeof si);
  si.cb = sizeof si;
  PROCESS_INFORMATION pi;
  LARGE_INTEGER freq, t0, t1;
  QueryPerformanceFrequency(&freq);
  // Our own window-system start-up (Wine connects to X on the first window call) happens before, not during.
  FindWindowA(nullptr, argv[2]);
  ReleaseDC(nullptr, GetDC(nullptr));
  QueryPerformanceCounter(&t0);
  if (!CreateProcessA(nullptr, szCommand, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    fprintf(stderr, "benchlaunch: cannot start %s\n", argv[1]);
    return 1;
  }
  HWND hWnd = nullptr;
  bool bReady = false;
  for (int i = 0; i < 20000 && !bReady; ++i) {
    hWnd = FindWindowA(nullptr, argv[2]);
    bReady = IsReady(hWnd, pi.dwThreadId, bNeedsPage);
    if (!bReady) Sleep(1);
  }
  QueryPerformanceCounter(&t1);
  if (hWnd) PostMessageA(hWnd, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  if (!bReady) {
    fprintf(stderr, "benchlaunch: %s never showed a painted \"%s\"\n", argv[1], argv[2]);
    return 1;
  }
  printf("%lld\n", (t1.QuadPart - t0.QuadPart) * 1000000 / freq.QuadPart);
  return 0;
}

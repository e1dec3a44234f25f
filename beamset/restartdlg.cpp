// beamset/restartdlg.cpp: the restart prompt; "Restart later" ends it through the framework's OnCancel.
#include "restartdlg.h"

#include <string.h>

#include "opticalstore.h"
#include "resource.h"
#include "tokenlibrary.h"

BEGIN_MESSAGE_MAP(CRestartDlg, CDialog)
ON_WM_ENDSESSION()
END_MESSAGE_MAP()

namespace {

// On the NT family a process may restart the computer only with the shutdown privilege enabled. A token
// function the system lacks leaves the token as unopened: no restart.
bool EnableShutdownPrivilege() {
  CTokenLibrary token;
  HANDLE hToken = NULL;
  if (!token.Load() ||
      !token.pfnOpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &hToken))
    return false;
  TOKEN_PRIVILEGES tp;
  memset(&tp, 0, sizeof tp);
  tp.PrivilegeCount = 1;
  token.pfnLookupPrivilegeValue(NULL, "SeShutdownPrivilege", &tp.Privileges[0].Luid);
  tp.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  token.pfnAdjustTokenPrivileges(hToken, FALSE, &tp, 0, NULL, NULL);
  ::CloseHandle(hToken);
  return true;
}

}  // namespace

CRestartDlg::CRestartDlg(CWnd* pParent) : CDialog(IDD_RESTART, pParent) {}

CRestartDlg::~CRestartDlg() {}

void CRestartDlg::DoDataExchange(CDataExchange*) {}

void CRestartDlg::OnOK() {
  const DWORD dwFamily = GetPlatformFamily();
  if (!IsSupportedFamily(dwFamily)) return;
  // Not forced: a program holding unsaved work asks its user first, and may call the restart off.
  if ((dwFamily == VER_PLATFORM_WIN32_NT && !EnableShutdownPrivilege()) || !::ExitWindowsEx(EWX_REBOOT, 0)) {
    CString strText;
    strText.LoadString(IDS_RESTART_FAILED);
    MessageBox(strText, NULL, MB_OK | MB_ICONEXCLAMATION);
  }
}

void CRestartDlg::OnEndSession(BOOL bEnding) {
  // Everything was written before the prompt opened; ending now leaves nothing half done.
  if (bEnding) EndDialog(IDCANCEL);
}

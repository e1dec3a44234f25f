// framework/dialog.cpp: modal dialogs on a modeless window and the framework's loop, so that every
// message passes PreTranslateMessage and the message maps, and IDOK/IDCANCEL reach OnOK/OnCancel.
#include "dialog.h"

#include "afxglobals.h"
#include "winthread.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog() : m_lpszTemplateName(NULL), m_nIDHelp(0), m_pParentWnd(NULL) {}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_nIDHelp(0), m_pParentWnd(pParentWnd) {}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT nMsg, WPARAM, LPARAM) {
  if (nMsg != WM_INITDIALOG) return FALSE;
  CDialog* pDlg = static_cast<CDialog*>(FromHandlePermanent(hWnd));
  return pDlg != NULL ? pDlg->OnInitDialog() : TRUE;
}

int CDialog::DoModal() {
  HINSTANCE hInst = AfxGetResourceHandle();
  HRSRC hResource = ::FindResourceA(hInst, m_lpszTemplateName, reinterpret_cast<LPCSTR>(RT_DIALOG));
  HGLOBAL hTemplate = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
  LPCDLGTEMPLATEA lpTemplate = hTemplate != NULL ? static_cast<LPCDLGTEMPLATEA>(::LockResource(hTemplate)) : NULL;
  if (lpTemplate == NULL) return -1;

  // Without a parent the dialog belongs to the application's main window, if that one exists yet.
  HWND hWndParent = m_pParentWnd != NULL ? m_pParentWnd->m_hWnd : NULL;
  if (hWndParent == NULL) {
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != NULL && pMainWnd != this) hWndParent = pMainWnd->m_hWnd;
  }
  BOOL bEnableParent = FALSE;
  if (hWndParent != NULL && ::IsWindowEnabled(hWndParent)) {
    ::EnableWindow(hWndParent, FALSE);
    bEnableParent = TRUE;
  }

  m_nModalResult = -1;
  m_nFlags |= WF_CONTINUEMODAL;
  AfxHookWindowCreate(this);
  HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpTemplate, hWndParent, DialogProc, 0);
  AfxUnhookWindowCreate();
  if (hWnd != NULL && m_hWnd == NULL) Attach(hWnd);  // defensive: the hook always attaches first

  if (m_hWnd != NULL && (m_nFlags & WF_CONTINUEMODAL)) RunModalLoop(MLF_SHOWONIDLE);
  m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);

  if (m_hWnd != NULL) {
    ::SetWindowPos(m_hWnd, NULL, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  if (bEnableParent) ::EnableWindow(hWndParent, TRUE);
  if (hWndParent != NULL && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(hWndParent);
  DestroyWindow();
  return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
  if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL)) EndModalLoop(nResult);
  ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  BOOL bInput = (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
                (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
  return bInput && ::IsDialogMessageA(m_hWnd, pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  // Commands nobody in the dialog handles get a last chance at the application.
  if (nCode != CN_COMMAND) return FALSE;
  CWinThread* pThread = AfxGetThread();
  return pThread != NULL && pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

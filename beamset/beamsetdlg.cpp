// beamset/beamsetdlg.cpp: the main window: start-up, painting, dragging, page tabs, applying and closing.
#include "beamsetdlg.h"

#include "aboutdlg.h"
#include "cardmixer.h"
#include "opticalchoice.h"
#include "opticalpage.h"
#include "resource.h"
#include "restartdlg.h"
#include "skinbitmap.h"
#include "skinlayout.h"

namespace {

UINT CauseText(DWORD dwFamily, ApplyFault fault) {
  switch (fault) {
    case ApplyFaultKeyMissing:
      return IDS_CAUSE_NO_DRIVER;
    case ApplyFaultAccessDenied:
      return IDS_CAUSE_NO_RIGHTS;
    case ApplyFaultMixerMissing:
      return IDS_CAUSE_NO_MIXER;
    case ApplyFaultMixerRefused:
      return IDS_CAUSE_MIXER_REFUSED;
    case ApplyFaultSavedUnreadable:
      return IDS_CAUSE_SAVED_UNREADABLE;
    case ApplyFaultUnreadable:
      return IDS_CAUSE_UNREADABLE;
    default:
      // Only the NT family keeps rights on the settings; the 95 family has nobody to blame.
      return dwFamily == VER_PLATFORM_WIN32_NT ? IDS_CAUSE_WRITE_REFUSED : IDS_CAUSE_WRITE_FAILED;
  }
}

void AppendParagraph(CString& strText, UINT nIDWhat, UINT nIDCause) {
  CString strLine;
  if (!strText.IsEmpty()) strText += "\r\n\r\n";
  strLine.LoadString(nIDWhat);
  strText += strLine;
  if (nIDCause == 0) return;
  strText += " ";
  strLine.LoadString(nIDCause);
  strText += strLine;
}

// What was changed, then what could not be and the likely cause of each.
CString ApplyReportText(const OpticalApplyResult& result) {
  CString strText;
  if (result.bInputWritten) AppendParagraph(strText, IDS_APPLY_CHANGED_INPUT, 0);
  if (result.bOutputWritten) AppendParagraph(strText, IDS_APPLY_CHANGED_OUTPUT, 0);
  const bool bInput = result.input != ApplyFaultNone, bOutput = result.output != ApplyFaultNone;
  const UINT nInputCause = CauseText(result.dwFamily, result.input);
  const UINT nOutputCause = CauseText(result.dwFamily, result.output);
  if (bInput && bOutput && nInputCause == nOutputCause) {
    AppendParagraph(strText, IDS_APPLY_FAILED_BOTH, nInputCause);
  } else {
    if (bInput) AppendParagraph(strText, IDS_APPLY_FAILED_INPUT, nInputCause);
    if (bOutput) AppendParagraph(strText, IDS_APPLY_FAILED_OUTPUT, nOutputCause);
  }
  return strText;
}

// +1 for the next page, -1 for the previous one, 0 for any other message.
int PageKeyStep(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || ::GetKeyState(VK_CONTROL) >= 0 || ::GetKeyState(VK_MENU) < 0) return 0;
  if (msg.wParam == VK_TAB) return ::GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
  if (msg.wParam == VK_NEXT) return 1;
  return msg.wParam == VK_PRIOR ? -1 : 0;
}

}  // namespace

BEGIN_MESSAGE_MAP(CBeamsetDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_INPUT_TAB, OnInputTab)
ON_BN_CLICKED(IDC_OUTPUT_TAB, OnOutputTab)
ON_WM_ERASEBKGND()
ON_WM_NCACTIVATE()
ON_WM_NCHITTEST()
ON_BN_CLICKED(IDC_APPLY, ApplySettings)
ON_CONTROL(STN_CLICKED, IDC_CLOSE, OnCancel)
ON_WM_ENDSESSION()
END_MESSAGE_MAP()

CBeamsetDlg::CBeamsetDlg(CWnd* pParent)
    : CDialog(IDD_BEAMSET_DIALOG, pParent),
      m_pSheet(NULL),
      m_hIcon(::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))),
      m_bAllowDeactivate(0),
      m_bRestartPrompted(0) {}

CBeamsetDlg::~CBeamsetDlg() {
  // Normally gone already with the window; this covers a dialog that never ran.
  delete m_pSheet;
}

void CBeamsetDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_OUTPUT_TAB, m_btnOutputTab);
  DDX_Control(pDX, IDC_INPUT_TAB, m_btnInputTab);
  DDX_Control(pDX, IDOK, m_btnOk);
  DDX_Control(pDX, IDCANCEL, m_btnCancel);
  DDX_Control(pDX, IDC_APPLY, m_btnApply);
}

BOOL CBeamsetDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  LayOutInSkinPixels(*this, IDD_BEAMSET_DIALOG);

  // Before the system menu is asked for: some systems give none to a window without WS_SYSMENU.
  ::SetWindowLongA(m_hWnd, GWL_STYLE, ::GetWindowLongA(m_hWnd, GWL_STYLE) | WS_SYSMENU | WS_MINIMIZEBOX);

  CMenu* pSysMenu = GetSystemMenu(FALSE);
  if (pSysMenu != NULL) {
    CString strAboutMenu;
    strAboutMenu.LoadString(IDS_ABOUTBOX);
    if (!strAboutMenu.IsEmpty()) {
      pSysMenu->AppendMenu(MF_SEPARATOR);
      pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
    }
  }

  m_bmpOkUp.LoadBitmap(IDB_OK_UP);
  m_bmpCancelUp.LoadBitmap(IDB_CANCEL_UP);
  m_bmpApplyUp.LoadBitmap(IDB_APPLY_UP);
  m_bmpInputTabOff.LoadBitmap(IDB_INPUT_TAB_OFF);
  m_bmpOutputTabOff.LoadBitmap(IDB_OUTPUT_TAB_OFF);
  m_bmpOkDown.LoadBitmap(IDB_OK_DOWN);
  m_bmpCancelDown.LoadBitmap(IDB_CANCEL_DOWN);
  m_bmpApplyDown.LoadBitmap(IDB_APPLY_DOWN);
  m_bmpInputTabOn.LoadBitmap(IDB_INPUT_TAB_ON);
  m_bmpOutputTabOn.LoadBitmap(IDB_OUTPUT_TAB_ON);

  m_btnCancel.SetBitmap(m_bmpCancelUp);
  m_btnApply.SetBitmap(m_bmpApplyUp);
  m_btnOk.SetBitmap(m_bmpOkUp);
  m_btnInputTab.SetBitmap(m_bmpInputTabOn);
  m_btnOutputTab.SetBitmap(m_bmpOutputTabOff);

  // The caption is never shown: the sheet is a child without one. A sheet that cannot be
  // made is dropped, and everything that uses it checks for that.
  m_pSheet = new COpticalPropSheet("abc", this, 0);
  if (m_pSheet != NULL && !m_pSheet->Create(this, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0)) {
    delete m_pSheet;
    m_pSheet = NULL;
  }
  // Where comctl32 puts the sheet and its pages with MS Sans Serif at 96 DPI: the pages cover the skin's
  // panel from (6, 89), and the sheet reaches past the window.
  if (m_pSheet != NULL) m_pSheet->PlaceInPixels(CRect(-4, 60, 516, 436), CRect(10, 29, 510, 365));

  SetWindowText("Corvane Beamset");  // for the taskbar; there is no caption bar
  SetIcon(m_hIcon, TRUE);
  SetIcon(NULL, FALSE);
  return TRUE;
}

void CBeamsetDlg::OnSysCommand(UINT nID, LPARAM) {
  if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
    CAboutDlg dlgAbout;
    dlgAbout.DoModal();
  } else {
    Default();
  }
}

CPoint CBeamsetDlg::IconOrigin(const CRect& rcClient, int cxIcon, int cyIcon) {
  return CPoint((rcClient.Width() - cxIcon + 1) / 2, (rcClient.Height() - cyIcon + 1) / 2);
}

void CBeamsetDlg::OnPaint() {
  if (IsIconic()) {
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    CRect rect;
    GetClientRect(&rect);
    CPoint pt = IconOrigin(rect, ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
    dc.DrawIcon(pt.x, pt.y, m_hIcon);
    return;
  }
  CPaintDC dc(this);
  CRect rect;
  GetClientRect(&rect);
  BlitResourceBitmap(dc, IDB_BACKGROUND, rect.Width(), rect.Height());
  Default();
}

HCURSOR CBeamsetDlg::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(m_hIcon); }

void CBeamsetDlg::OnInputTab() { SelectPage(0); }

void CBeamsetDlg::OnOutputTab() { SelectPage(1); }

void CBeamsetDlg::SelectPage(int nPage) {
  if (m_pSheet == NULL) return;
  CPropertyPage* pOld = m_pSheet->GetActivePage();
  HWND hFocus = ::GetFocus();
  const bool bFocusOnPage =
      pOld != NULL && hFocus != NULL && (hFocus == pOld->m_hWnd || ::IsChild(pOld->m_hWnd, hFocus));
  m_pSheet->SetActivePage(nPage);
  // A page that cannot be created leaves the sheet on the other one, and the tabs must say which.
  const bool bInput = m_pSheet->GetActiveIndex() != 1;
  m_btnInputTab.SetBitmap(bInput ? m_bmpInputTabOn : m_bmpInputTabOff);
  m_btnOutputTab.SetBitmap(bInput ? m_bmpOutputTabOff : m_bmpOutputTabOn);
  // The keyboard focus must not stay behind on a hidden page.
  if (bFocusOnPage && m_pSheet->GetActivePage() != pOld) {
    HWND hTab = bInput ? m_btnInputTab.m_hWnd : m_btnOutputTab.m_hWnd;
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hTab), TRUE);
  }
  InvalidateRect(NULL, TRUE);
}

BOOL CBeamsetDlg::PreTranslateMessage(MSG* pMsg) {
  const int nStep = PageKeyStep(*pMsg);
  if (nStep != 0 && m_pSheet != NULL && m_pSheet->GetPageCount() > 0) {
    const int nPages = m_pSheet->GetPageCount();
    const int nActive = m_pSheet->GetActiveIndex() < 0 ? 0 : m_pSheet->GetActiveIndex();
    SelectPage((nActive + nStep + nPages) % nPages);
    return TRUE;
  }
  return CDialog::PreTranslateMessage(pMsg);
}

BOOL CBeamsetDlg::OnEraseBkgnd(CDC*) { return FALSE; }

BOOL CBeamsetDlg::OnNcActivate(BOOL) {
  // The non-client area is never redrawn for activation: there is none to show.
  if (m_bAllowDeactivate) {
    m_bAllowDeactivate = 0;
    return TRUE;
  }
  return FALSE;
}

UINT CBeamsetDlg::OnNcHitTest(CPoint point) {
  UINT nHit = CDialog::OnNcHitTest(point);
  return nHit == HTCLIENT ? HTCAPTION : nHit;  // the background drags the window
}

void CBeamsetDlg::OnOK() {
  // After a failure the user may fix the cause and retry, or cancel.
  if (ApplyAndReport()) CDialog::OnOK();
}

void CBeamsetDlg::OnCancel() { CDialog::OnCancel(); }

void CBeamsetDlg::OnEndSession(BOOL bEnding) {
  if (bEnding) EndDialog(IDCANCEL);
}

void CBeamsetDlg::ApplySettings() { ApplyAndReport(); }

bool CBeamsetDlg::ApplyAndReport() {
  if (m_pSheet == NULL) return true;  // no pages, no choices
  const CPropPageIn& pageIn = m_pSheet->m_pageIn;
  const CPropPageOut& pageOut = m_pSheet->m_pageOut;
  CCardMixer mixer;  // the 95 family's input goes through it; it is closed after the prompt
  const OpticalApplyResult result = ApplyOpticalChoices(pageIn.m_nState, pageOut.m_nState, mixer);
  const bool bPrompt = !m_bRestartPrompted && NeedsRestart(result, pageIn.m_nToggleCount, pageOut.m_nToggleCount);
  if (!result.Succeeded() || bPrompt) HideHoverDescriptions();  // the pointer goes to the window in front

  if (!result.Succeeded()) {
    m_bAllowDeactivate = 1;  // the message box takes the activation, as the prompt does
    MessageBox(ApplyReportText(result), NULL, MB_OK | MB_ICONEXCLAMATION);
  }
  // What was written takes effect at the next start, whatever else failed.
  if (bPrompt) {
    m_bAllowDeactivate = 1;
    CRestartDlg dlgRestart;
    dlgRestart.DoModal();
    m_bRestartPrompted = 1;
  }
  return result.Succeeded();
}

void CBeamsetDlg::HideHoverDescriptions() {
  ::HideHoverDescriptions(m_pSheet->m_pageIn);
  ::HideHoverDescriptions(m_pSheet->m_pageOut);
}

BOOL CBeamsetDlg::DestroyWindow() {
  if (m_pSheet != NULL) {
    delete m_pSheet;  // takes the page windows and the sheet window with it
    m_pSheet = NULL;
  }
  return CWnd::DestroyWindow();
}

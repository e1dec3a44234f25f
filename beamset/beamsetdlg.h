// beamset/beamsetdlg.h: CBeamsetDlg, the borderless skinned main window with its image buttons and page sheet.
#pragma once

#include <afxwin.h>

#include "applybutton.h"
#include "cancelbutton.h"
#include "inputtabbutton.h"
#include "okbutton.h"
#include "opticalpropsheet.h"
#include "outputtabbutton.h"

class CBeamsetDlg : public CDialog {
 public:
  explicit CBeamsetDlg(CWnd* pParent = NULL);
  virtual ~CBeamsetDlg();

  // Deletes the sheet, then the window.
  virtual BOOL DestroyWindow();

  // Where a minimised window draws its icon: centred, rounding a half pixel up.
  static CPoint IconOrigin(const CRect& rcClient, int cxIcon, int cyIcon);

  // Read by the image buttons and the apply logic, hence public.
  COpticalPropSheet* m_pSheet;  // null until OnInitDialog, and if the sheet cannot be made
  CBitmap m_bmpApplyUp;
  CBitmap m_bmpCancelUp;
  CBitmap m_bmpOkUp;
  CBitmap m_bmpApplyDown;
  CBitmap m_bmpCancelDown;
  CBitmap m_bmpOkDown;
  CBitmap m_bmpInputTabOff;
  CBitmap m_bmpOutputTabOff;
  CBitmap m_bmpInputTabOn;
  CBitmap m_bmpOutputTabOn;
  COutputTabButton m_btnOutputTab;
  CInputTabButton m_btnInputTab;
  COkButton m_btnOk;
  CCancelButton m_btnCancel;
  CApplyButton m_btnApply;
  HICON m_hIcon;            // shared resource icon, never destroyed here
  BYTE m_bAllowDeactivate;  // lets exactly one WM_NCACTIVATE through
  BYTE m_bRestartPrompted;

  // Writes both pages' choices. When something could not be written, one message says what was
  // changed, what was not and why; then, for a change written that takes one, the restart is offered
  // once per run.
  afx_msg void ApplySettings();

  // Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown and Ctrl+PageUp switch pages as the tab buttons do.
  virtual BOOL PreTranslateMessage(MSG* pMsg);

 protected:
  virtual void DoDataExchange(CDataExchange* pDX);
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();

  afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
  afx_msg void OnPaint();
  afx_msg HCURSOR OnQueryDragIcon();
  afx_msg void OnInputTab();
  afx_msg void OnOutputTab();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg BOOL OnNcActivate(BOOL bActive);
  afx_msg UINT OnNcHitTest(CPoint point);
  // Windows is ending the session (the default answer to WM_QUERYENDSESSION agreed): close without writing.
  afx_msg void OnEndSession(BOOL bEnding);

  DECLARE_MESSAGE_MAP()

 private:
  // ApplySettings; false when something could not be written.
  bool ApplyAndReport();
  // Asks the sheet for the page, then shows the tab images of the page it really shows.
  void SelectPage(int nPage);
  void HideHoverDescriptions();
};
